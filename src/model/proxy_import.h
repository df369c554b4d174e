#pragma once
// Import of a proxy data file into a ProxyPanelData, for either main window.
//
// The header is found by its first plain number, the layout by the item that
// falls where the second record's bore hole, section or sample text should be,
// and the records are read in one pass. A file beyond any limit, with a record
// cut short, a quote left open, a number cell with no number in it at all or
// a number too large for single precision is a thrown run-time error, which the window reports as "File format error.".
// Nothing is returned then, so a panel changes only by a successful import.
#include <array>
#include <string>

#include "model/depth_model.h"
#include "model/duo_link.h"
#include "model/item_reader.h"
#include "model/proxy_data.h"
#include "model/proxy_layout.h"
#include "model/proxy_records.h"
#include "model/proxy_sides.h"

namespace model {

struct ProxyImport {
    ProxyLayout layout = ProxyLayout::kValue;
    std::array<std::string, 3> header;  // the file's first three items, for the preview
    ProxyPanelData panel;
};

// Reads the file for a side: positions into the side's placed plane (a
// drilling position through the side's model, 9999 where it finds none),
// every other plane 9999.
ProxyImport ReadProxyFile(ItemReader& file, std::string title, const ProxySide& side,
                          const ProxyReading& reading = {});

// The main window's import: the file read, then its event-free and age planes.
ProxyImport ImportMainProxy(DepthModel& m, ItemReader& file, std::string title);

// The Duo window's import: the file read, then the master core's plane of
// the positions as read (for a file by one value, its values taken as the
// Duo's own composite depth; the vertical-axis answer converts them again).
ProxyImport ImportDuoProxy(const DuoModelLink& duo, ItemReader& file, std::string title);

}  // namespace model
