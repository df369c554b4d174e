#include "model/proxy_records.h"

#include <algorithm>
#include <array>
#include <optional>

#include "model/line_parts.h"
#include "model/side_by_side.h"
#include "values/runtime_error.h"

namespace model {
namespace {

constexpr float kNoPosition = 9999.0f;

// Places drilling positions; neighbouring records mostly lie in one section,
// whose numbers are then looked up once.
class Placement {
public:
    explicit Placement(const ProxySide& side) : side_(side) {}
    float Position(std::string_view boreHole, std::string_view section, float psp) {
        if (!located_ || boreHole != boreHole_ || section != section_) {
            location_ = side_.Locate(boreHole, section);
            boreHole_ = boreHole;
            section_ = section;
            located_ = true;
        }
        // A position without a tie to place it by has no depth, never depth 0.
        const TrinityDepth depth = side_.TrinityToCD(location_[0], location_[1], psp);
        return depth ? ProxySingle(*depth) : kNoPosition;
    }

private:
    const ProxySide& side_;
    std::string_view boreHole_, section_;
    std::array<int16_t, 2> location_{};
    bool located_ = false;
};

// Room for the samples the rest of the file will hold, foreseen from the
// bytes of eight records, so that the tables are not moved as they grow.
class RowForecast {
public:
    explicit RowForecast(const ItemReader& file) : file_(file) {}
    // Rows to make room for after sample `row` was begun, 0 when not now.
    long At(int32_t row) {
        if (row == kFrom) start_ = file_.Position();
        if (row != kFrom + kRecords) return 0;
        const size_t perRecord = std::max<size_t>(1, (file_.Position() - start_) / kRecords);
        const long left = static_cast<long>((file_.Size() - file_.Position()) / perRecord);
        return std::min<long>(row + left + left / 32 + 16, kMaxProxyRows) + 1;
    }

private:
    static constexpr int32_t kFrom = 9, kRecords = 8;  // past the records the header scan may hold
    const ItemReader& file_;
    size_t start_ = 0;
};

// Rows 0 to rows - 1; `written` when the caller writes every cell of the
// rows it adds (ReadRecord does), so that the large tables need not be
// cleared first. A record that fails leaves its row unwritten, but then the
// import fails and its tables are dropped.
void SizeRows(ProxyPanelData& p, long rows, bool written = false) {
    if (written) {
        p.gProxyY.ResizeRowsUncleared(rows);
        p.gProxyValue.ResizeRowsUncleared(rows);
    } else {
        p.gProxyY.ResizeRows(rows);
        p.gProxyValue.ResizeRows(rows);
    }
    p.gProxyAsRead.ResizeRows(rows);
    if (p.gProxyHasText) p.gProxyText.ResizeRows(rows);
}

void ReserveRows(ProxyPanelData& p, long rows) {
    p.gProxyY.Reserve(rows);
    p.gProxyValue.Reserve(rows);
    p.gProxyAsRead.Reserve(rows);
    if (p.gProxyHasText) p.gProxyText.Reserve(rows);
}

// Reads one record into sample row i, whose cells exist, writing each of them.
void ReadRecord(ProxyItems& items, Placement& placement, int16_t placed, ProxyPanelData& p, long i) {
    if (p.gProxyHasText) p.gProxyText(i) = items.Item();
    float position;
    if (p.gProxyHasTrinity) {
        const std::string_view boreHole = items.Item(), section = items.Item();
        position = placement.Position(boreHole, section, items.Number());
    } else {
        position = items.Number();
    }
    p.gProxyAsRead(i) = position;
    for (int16_t plane = 0; plane < p.gProxyY.Columns(); ++plane)
        p.gProxyY(plane, i) = plane == placed ? position : kNoPosition;
    p.gProxyValue(0, i) = 0;
    for (int16_t c = 1; c <= p.gProxyCols; ++c) p.gProxyValue(c, i) = items.Number();
}

// The rest of the file, from a record's start at a line start, read in
// parts side by side (model/line_parts.h), each into the rows of its lines.
// The total of samples, or nothing when the rest cannot be shared (the rows
// read here given up again).
std::optional<int32_t> ReadRestSideBySide(const ItemReader& file, const ProxySide& side, const ProxyReading& reading,
                                          ProxyPanelData& p, int32_t rows) {
    const long threads = reading.threads > 0 ? reading.threads : Processors();
    const std::optional<LineParts> cut = CutAtLines(file, threads, reading.partBytes);
    const long parts = cut ? cut->Count() : 0;
    if (!cut || rows + cut->before[parts] > kMaxProxyRows) return std::nullopt;

    SizeRows(p, rows + cut->before[parts] + 1, true);
    std::vector<char> read(static_cast<size_t>(parts), 0);
    const std::vector<std::string> none;
    SideBySide(parts, threads, [&](long k) {
        try {
            ItemReader part = cut->Reader(file, k);
            ProxyItems items(part, none, 0);
            Placement placement(side);
            long i = rows + cut->before[k];
            const long last = rows + cut->before[k + 1];
            while (i < last && !items.AtEnd()) ReadRecord(items, placement, side.PlacedPlane(), p, ++i);
            read[k] = i == last && items.AtEnd();
        } catch (...) {
            // One reader meets the same fault again and reports it.
        }
    });
    if (std::find(read.begin(), read.end(), 0) != read.end()) {
        SizeRows(p, rows + 1);
        return std::nullopt;
    }
    return static_cast<int32_t>(rows + cut->before[parts]);
}

}  // namespace

void ReadProxyRecords(ItemReader& file, ProxyItems& records, const ProxySide& side, const ProxyReading& reading,
                      ProxyPanelData& p) {
    p.gProxyY.Redim(side.Planes(), 1);
    p.gProxyValue.Redim(p.gProxyCols + 1, 1);
    p.gProxyAsRead.Redim(1);
    p.gProxyText.Redim(p.gProxyHasText ? 1 : 0);
    RowForecast forecast(file);
    Placement placement(side);
    // Records read by one reader before the rest may be shared out.
    constexpr int32_t kFirstRecords = 8;
    const bool shareable = !p.gProxyHasTrinity || side.LooksUpConcurrently();

    int32_t rows = 0;
    while (!records.AtEnd()) {
        if (rows == kMaxProxyRows) SubscriptOutOfRange();
        const int32_t i = ++rows;
        if (const long room = forecast.At(i)) ReserveRows(p, room);
        SizeRows(p, i + 1, true);
        ReadRecord(records, placement, side.PlacedPlane(), p, i);
        // The parts begin records at line starts: so must the rest.
        if (i == kFirstRecords && shareable && records.KeptAll() && !file.CommaPassed())
            if (const auto total = ReadRestSideBySide(file, side, reading, p, rows)) {
                p.gProxyRows = *total;
                return;
            }
    }
    // An open quote took the rest of the file into one item: records were lost.
    if (file.QuoteLeftOpen()) values::InputPastEnd();
    p.gProxyRows = rows;
    p.gProxyY.ShrinkToFit();
    p.gProxyValue.ShrinkToFit();
    p.gProxyAsRead.ShrinkToFit();
    p.gProxyText.ShrinkToFit();
}

}  // namespace model
