#pragma once
// What a proxy import shows: the lists of the column and divisor choosers,
// and the preview grid of the vertical-axis question.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/proxy_import.h"

namespace model {

// Combo3(k) lists the column names and shows the first; Combo4(k) lists them
// and then "1" (no divisor), and shows "1".
struct ProxyChoosers {
    std::vector<std::string> columns, divisors;
    std::string column, divisor;
};
ProxyChoosers ChoosersOf(const ProxyPanelData& panel);

// The preview of frmSelect (and frm2Select): the header row Text1(0) to
// Text3(0) and one row per sample, at most eight, fewer when the file holds
// fewer. Layouts without a sample text show position, first and second
// column (the third cells empty, header included, for a file of one
// column); layouts with one show sample text, position and first column,
// under the header cell that names that column.
struct ProxyPreview {
    static constexpr int kRows = 8;
    std::array<std::string, 3> header;
    std::vector<std::array<std::string, 3>> rows;
};
// `plane` is the plane of the positions shown: the window's vertical scale
// for the main window, 0 for the Duo window.
ProxyPreview PreviewOf(const ProxyImport& import, int16_t plane);

}  // namespace model
