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
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/depth_model.h"
#include "model/duo_link.h"
#include "model/item_reader.h"
#include "model/proxy_data.h"

namespace model {

// What the reader needs of the window a file is read for.
class ProxySide {
public:
    virtual ~ProxySide() = default;

    virtual std::string BoreHoleName(int k) const = 0;  // k = 1 to 4
    // The main window also takes "A" to "D" for bore-hole names in telling
    // the layout; the Duo window only its own names.
    virtual bool LettersNameBoreHoles() const = 0;
    virtual int16_t Planes() const = 0;
    virtual int16_t PlacedPlane() const = 0;  // the plane of the positions as read
    // Bore-hole and section number of a drilling position's names (BHNo, GetSectionNo).
    virtual std::array<int16_t, 2> Locate(std::string_view boreHole, std::string_view section) const = 0;
    virtual TrinityDepth TrinityToCD(int16_t boreHole, int16_t section, float psp) const = 0;
    // True when Locate and TrinityToCD may run on several threads at once.
    virtual bool LooksUpConcurrently() const = 0;
};

// The main window: its own depth model.
class MainProxySide : public ProxySide {
public:
    explicit MainProxySide(const DepthModel& m) : m_(m) {}
    std::string BoreHoleName(int k) const override;
    bool LettersNameBoreHoles() const override { return true; }
    int16_t Planes() const override { return kMainProxyPlanes; }
    int16_t PlacedPlane() const override { return kMainPlacedPlane; }
    std::array<int16_t, 2> Locate(std::string_view boreHole, std::string_view section) const override;
    TrinityDepth TrinityToCD(int16_t boreHole, int16_t section, float psp) const override;
    bool LooksUpConcurrently() const override { return true; }  // they only read the model

private:
    const DepthModel& m_;
};

// The Duo window: its model as the link shows it (BHNo2, GetSectionNo2, TrinityToCD2).
class DuoProxySide : public ProxySide {
public:
    explicit DuoProxySide(const DuoModelLink& duo) : duo_(duo) {}
    std::string BoreHoleName(int k) const override;
    bool LettersNameBoreHoles() const override { return false; }
    int16_t Planes() const override { return kDuoProxyPlanes; }
    int16_t PlacedPlane() const override { return kDuoPlacedPlane; }
    std::array<int16_t, 2> Locate(std::string_view boreHole, std::string_view section) const override;
    TrinityDepth TrinityToCD(int16_t boreHole, int16_t section, float psp) const override;
    bool LooksUpConcurrently() const override { return false; }  // the link promises no such thing

private:
    const DuoModelLink& duo_;
};

struct ProxyImport {
    ProxyLayout layout = ProxyLayout::kValue;
    std::array<std::string, 3> header;  // the file's first three items, for the preview
    ProxyPanelData panel;
};

// The title a panel shows for a file: the name without folder ("\" or "/",
// looked for at most 500 characters back) and extension, a closing "for QY" or
// "for_QY" cut with the character before it. Nothing when the path has no
// folder within those characters or the name is too short: the import then
// ends without a word.
std::optional<std::string> ProxyFileTitle(std::string_view path);

// True when a text is the shortest single-precision text of its own leading
// number ("12", "-3.5", "0.25"; not "01", "1.0", ".5", "+2", "1e3").
bool IsPlainNumber(std::string_view item);

// How many threads read a large file. Once the first records are read, a
// file whose every further line holds one record and no quote is read in
// parts side by side; the result is the same as that of one thread, which
// reads anything else (and the whole file again from there when a part finds
// a line that is not one record).
struct ProxyReading {
    int threads = 0;                 // 0: one per processor, at most 8
    size_t partBytes = size_t{1} << 18;  // the least bytes a part is given
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
