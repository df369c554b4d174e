#include "model/proxy_import.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "forms/runtime_error.h"
#include "forms/values.h"
#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "model/proxy_positions.h"
#include "model/side_by_side.h"

namespace model {
namespace {

constexpr float kNoPosition = 9999.0f;
constexpr long kTitleSearch = 500;  // the folder lies at most this many characters from the end
constexpr size_t kPartsPerThread = 4;  // parts a file is cut into, per thread reading it

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }
bool EndsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// Fields of a record before its values, and how many of the items up to the
// first plain number are not column names.
struct Shape {
    ProxyLayout layout;
    int leading;
    int notColumns;
    bool hasText, hasTrinity;
};
constexpr Shape kTextTrinity{ProxyLayout::kTextTrinity, 4, 7, true, true};
constexpr Shape kTrinity{ProxyLayout::kTrinity, 3, 5, false, true};
constexpr Shape kTextValue{ProxyLayout::kTextValue, 2, 4, true, false};
constexpr Shape kValue{ProxyLayout::kValue, 1, 2, false, false};

// The items read up to the first plain number and on to the probe; items the
// scan has not reached are empty, as in a list made empty beforehand.
class HeaderItems {
public:
    explicit HeaderItems(ItemReader& file) {
        do {
            if (items_.size() == static_cast<size_t>(kMaxProxyHeaderItems)) SubscriptOutOfRange();
            items_.emplace_back(file.Item());
        } while (!IsPlainNumber(items_.back()));
    }
    long Count() const { return static_cast<long>(items_.size()); }
    void ReadThrough(ItemReader& file, long last) {
        if (last >= kMaxProxyHeaderItems) SubscriptOutOfRange();
        while (Count() <= last) items_.emplace_back(file.Item());
    }
    const std::string& operator[](long i) const {
        static const std::string kEmpty;
        if (i < 0) SubscriptOutOfRange();
        return i < Count() ? items_[static_cast<size_t>(i)] : kEmpty;
    }
    const std::vector<std::string>& All() const { return items_; }

private:
    std::vector<std::string> items_;
};

// Header words of a drilling position: "Bore hole", "Core", "Section", "PSP", ...
bool HeaderNamesDrillingPosition(const HeaderItems& h) {
    const std::string_view boreHole = h[1], section = h[2], psp = h[3];
    return StartsWith(boreHole, "Bore") || StartsWith(psp, "Distance") || StartsWith(psp, "Position") ||
           StartsWith(psp, "Defined") || StartsWith(psp, "PSP") || EndsWith(psp, "(PSP)") ||
           StartsWith(section, "Core") || EndsWith(section, "Section");
}

bool IsBoreHoleName(const ProxySide& side, std::string_view s) {
    for (int k = 1; k <= 4; ++k)
        if (s == side.BoreHoleName(k)) return true;
    return false;
}

// The layout from the probe, the item 2n - 4 (n items up to the first plain
// number): in a well-formed file the second record's section, bore hole or
// sample text, or the first record's last value but one.
const Shape& ChooseLayout(const HeaderItems& h, long probe, const ProxySide& side) {
    const std::string& item = h[probe];
    if (IsPlainNumber(item)) {
        if (IsBoreHoleName(side, item) || IsBoreHoleName(side, h[probe - 1])) return kTextTrinity;
        return HeaderNamesDrillingPosition(h) ? kTextTrinity : kValue;
    }
    const bool letter = item == "A" || item == "B" || item == "C" || item == "D";
    if (IsBoreHoleName(side, item) || (side.LettersNameBoreHoles() && letter)) return kTrinity;
    return HeaderNamesDrillingPosition(h) ? kTrinity : kTextValue;
}

// A value in single precision; beyond its range is run-time error 6.
inline float Single(double v) {
    if (!(std::fabs(v) <= std::numeric_limits<float>::max())) return forms::CSng(v);
    return static_cast<float>(v);
}

// The items of the records: first those the header scan read beyond the
// header, then the file's.
class ItemSource {
public:
    ItemSource(ItemReader& file, const std::vector<std::string>& kept, size_t next)
        : file_(file), kept_(kept), next_(next) {}
    bool AtEnd() { return KeptAll() && file_.AtEnd(); }
    bool KeptAll() const { return next_ >= kept_.size(); }
    std::string_view Item() { return KeptAll() ? file_.Item() : std::string_view(kept_[next_++]); }
    float Number() { return Single(KeptAll() ? file_.NumberCell() : CellNumber(kept_[next_++])); }

private:
    ItemReader& file_;
    const std::vector<std::string>& kept_;
    size_t next_;
};

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
        return depth ? Single(*depth) : kNoPosition;
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
void ReadRecord(ItemSource& items, Placement& placement, int16_t placed, ProxyPanelData& p, long i) {
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

// Lines that hold more than blanks: the records of a part whose lines are records.
long RecordLines(std::string_view text) {
    long lines = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        for (size_t c = at; c < end; ++c)
            if (text[c] != ' ' && text[c] != '\t' && text[c] != '\r') {
                ++lines;
                break;
            }
        at = end + 1;
    }
    return lines;
}

// The rest of the file, from a record's start at a line start, read in parts that begin at
// line starts, side by side. A part read alone reads what one reader would,
// as long as one reader would begin a record where the part begins: that
// holds when the rest has no quote and every part reads as many records as
// it has lines. The total of samples, or nothing when it does not hold (the
// rows read here given up again) or the file is too small to share.
std::optional<int32_t> ReadRestSideBySide(const ItemReader& file, const ProxySide& side, const ProxyReading& reading,
                                          ProxyPanelData& p, int32_t rows) {
    const std::string_view rest = file.Rest();
    const size_t threads = static_cast<size_t>(reading.threads > 0 ? reading.threads : Processors());
    const size_t parts = std::min(kPartsPerThread * threads, rest.size() / std::max<size_t>(1, reading.partBytes));
    if (threads < 2 || parts < 2) return std::nullopt;

    std::vector<size_t> bounds{0};
    for (size_t k = 1; k < parts; ++k) {
        const size_t end = rest.find('\n', std::max(rest.size() * k / parts, bounds.back()));
        bounds.push_back(end == std::string_view::npos ? rest.size() : end + 1);
    }
    bounds.push_back(rest.size());
    std::vector<long> first(parts + 1, rows);  // the row before each part's first
    std::vector<char> quoted(parts, 0);
    SideBySide(static_cast<long>(parts), static_cast<long>(threads), [&](size_t k) {
        const std::string_view text = rest.substr(bounds[k], bounds[k + 1] - bounds[k]);
        quoted[k] = text.find('"') != std::string_view::npos;
        first[k + 1] = RecordLines(text);
    });
    for (size_t k = 1; k <= parts; ++k) first[k] += first[k - 1];
    if (first[parts] > kMaxProxyRows || std::find(quoted.begin(), quoted.end(), 1) != quoted.end()) return std::nullopt;

    SizeRows(p, first[parts] + 1, true);
    std::vector<char> read(parts, 0);
    const std::vector<std::string> none;
    SideBySide(static_cast<long>(parts), static_cast<long>(threads), [&](size_t k) {
        try {
            ItemReader part = file.Part(file.Position() + bounds[k], file.Position() + bounds[k + 1]);
            ItemSource items(part, none, 0);
            Placement placement(side);
            long i = first[k];
            while (!items.AtEnd() && i < first[k + 1]) ReadRecord(items, placement, side.PlacedPlane(), p, ++i);
            read[k] = i == first[k + 1] && items.AtEnd();
        } catch (...) {
            // One reader meets the same fault again and reports it.
        }
    });
    if (std::find(read.begin(), read.end(), 0) != read.end()) {
        SizeRows(p, rows + 1);
        return std::nullopt;
    }
    return static_cast<int32_t>(first[parts]);
}

void ReadRecords(ItemReader& file, ItemSource& records, const ProxySide& side, const ProxyReading& reading,
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
    if (file.QuoteLeftOpen()) throw forms::RuntimeError(forms::kErrInputPastEnd, "Input past end of file");
    p.gProxyRows = rows;
    p.gProxyY.ShrinkToFit();
    p.gProxyValue.ShrinkToFit();
    p.gProxyAsRead.ShrinkToFit();
    p.gProxyText.ShrinkToFit();
}

}  // namespace

std::string MainProxySide::BoreHoleName(int k) const { return m_.gBoreHoleName.at(static_cast<size_t>(k)); }

std::array<int16_t, 2> MainProxySide::Locate(std::string_view boreHole, std::string_view section) const {
    const int16_t b = BHNo(m_, boreHole);
    return {b, GetSectionNo(m_, b, section)};
}

TrinityDepth MainProxySide::TrinityToCD(int16_t boreHole, int16_t section, float psp) const {
    return model::TrinityToCD(m_, boreHole, section, psp);
}

std::string DuoProxySide::BoreHoleName(int k) const { return duo_.BoreHoleName(k); }

std::array<int16_t, 2> DuoProxySide::Locate(std::string_view boreHole, std::string_view section) const {
    int16_t b = -9999;  // BHNo2: the first Duo bore hole of that name
    for (int16_t k = 4; k >= 1; --k)
        if (boreHole == duo_.BoreHoleName(k)) b = k;
    return {b, duo_.GetSectionNo2(b, section)};
}

TrinityDepth DuoProxySide::TrinityToCD(int16_t boreHole, int16_t section, float psp) const {
    return duo_.TrinityToCD2(boreHole, section, psp);
}

std::optional<std::string> ProxyFileTitle(std::string_view path) {
    const long n = forms::Len(path);
    long folder = 0;
    for (long p = n; p >= 1 && n - p <= kTitleSearch && folder == 0; --p)
        if (path[p - 1] == '\\' || path[p - 1] == '/') folder = p;
    const long length = n - folder - 4;
    if (folder == 0 || length < 0) return std::nullopt;
    std::string title = forms::Mid(path, folder + 1, length);
    if (EndsWith(title, "for QY") || EndsWith(title, "for_QY")) {
        if (title.size() < 7) return std::nullopt;
        title.resize(title.size() - 7);
    }
    return title;
}

bool IsPlainNumber(std::string_view item) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    // Only digits, a sign, a point and an exponent can be a number's own text.
    if (item.empty() || !(digit(item.front()) || item.front() == '-')) return false;
    for (char c : item)
        if (!(digit(c) || c == '.' || c == 'E' || c == '+' || c == '-')) return false;
    return forms::SingleText(forms::CSng(forms::Val(item))) == item;
}

ProxyImport ReadProxyFile(ItemReader& file, std::string title, const ProxySide& side, const ProxyReading& reading) {
    HeaderItems header(file);
    const long n = header.Count();
    // Every layout names at least n - 7 columns: more than a panel holds ends here.
    if (n - 7 > kMaxProxyCols) SubscriptOutOfRange();
    const long probe = 2 * n - 4;
    header.ReadThrough(file, probe);
    const Shape& shape = ChooseLayout(header, probe, side);
    const long columns = n - shape.notColumns;
    if (columns < 1 || columns > kMaxProxyCols) SubscriptOutOfRange();

    ProxyImport out;
    out.layout = shape.layout;
    out.header = {header[0], header[1], header[2]};
    ProxyPanelData& p = out.panel;
    p.gProxyFileName = std::move(title);
    p.gProxyHasText = shape.hasText;
    p.gProxyHasTrinity = shape.hasTrinity;
    p.gProxyCols = static_cast<int16_t>(columns);
    p.gProxyColName.Redim(columns + 1);
    for (long j = 1; j <= columns; ++j) p.gProxyColName(j) = header[shape.leading + j - 1];

    ItemSource records(file, header.All(), static_cast<size_t>(shape.leading + columns));
    ReadRecords(file, records, side, reading, p);
    return out;
}

ProxyImport ImportMainProxy(DepthModel& m, ItemReader& file, std::string title) {
    ProxyImport out = ReadProxyFile(file, std::move(title), MainProxySide(m));
    FillDerivedPlanes(m, out.panel);
    return out;
}

ProxyImport ImportDuoProxy(const DuoModelLink& duo, ItemReader& file, std::string title) {
    ProxyImport out = ReadProxyFile(file, std::move(title), DuoProxySide(duo));
    // A file by one value has its values taken as the Duo's own composite
    // depth until the vertical-axis question says otherwise, so that a panel
    // whose question was cancelled is drawn at them on either depth.
    FillMasterPlane(duo, out.panel);
    return out;
}

}  // namespace model
