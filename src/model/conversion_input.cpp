#include "model/conversion_input.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <new>
#include <optional>
#include <string_view>
#include <vector>
#include <unordered_map>

#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "model/line_parts.h"
#include "model/side_by_side.h"
#include "model/trinity_index.h"
#include "values/runtime_error.h"
#include "values/shown_text.h"
#include "values/values.h"

namespace model {
namespace {

bool IsMarker(double v) { return v == 9999 || v == -9999; }

// Finds the composite depth of a record's drilling position. Positions of one
// file repeat their bore holes and sections, so the look-ups by name are kept
// (they depend on the models only) and the last one is tried first.
class Placer {
public:
    explicit Placer(const ConversionSide& side) : side_(side), index_(side.main) {
        for (int k = 1; k <= 4; ++k) {
            names_[k] = side.main.gBoreHoleName[k];
            longNames_[k] = side.main.gBoreHoleLongName[k];
        }
        boreHoles_ = 4;
        if (side.duo && side.duo->ModelLoaded()) {
            for (int k = 1; k <= 4; ++k) {
                names_[4 + k] = side.duo->BoreHoleName(k);
                longNames_[4 + k] = side.duo->BoreHoleLongName(k);
            }
            boreHoles_ = 8;
            duoIndex_ = side.duo->PositionIndex2();
        }
    }

    double CompositeDepth(std::string_view boreHole, std::string_view section, std::string_view psp) {
        const double position = StrictNumber(psp);
        if (IsMarker(position)) return side_.copiesNoValuePositions ? position : kNoValue;
        const int16_t b = BoreHole(boreHole);
        if (b == 9999) return kNoValue;
        const SectionEntry& s = Section(b, section);
        // Positions outside the section's tie rows are not extrapolated.
        if (s.number == 9999 || position < s.top || (s.bounded && position > s.bottom)) return kNoValue;
        const float x = values::CSng(position);
        if (b <= 4) return OnHomeScale(index_.Depth(b, s.number, x), side_.fromMain);
        const auto k = static_cast<int16_t>(b - 4);
        return OnHomeScale(duoIndex_ ? duoIndex_->Depth(k, s.number, x) : side_.duo->TrinityToCD2(k, s.number, x),
                           side_.fromDuo);
    }

private:
    // The PSPs of the section's first and last tie as written: a PSP typed as
    // a tie's PSP compares equal to it whatever single precision makes of it.
    struct SectionEntry {
        int16_t number;
        double top, bottom;
        bool bounded;  // the section has a closing row
    };
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using Sections = std::unordered_map<std::string, SectionEntry, Hash, std::equal_to<>>;

    // A position that cannot be placed is no value, never depth 0.
    static double OnHomeScale(const TrinityDepth& depth, const std::function<float(float)>& convert) {
        if (!depth) return kNoValue;
        return convert ? convert(values::CSng(*depth)) : *depth;
    }

    int16_t BoreHole(std::string_view name) {
        if (lastBoreHole_ != 0 && name == lastBoreHoleName_) return lastBoreHole_;
        int16_t found = 9999;
        for (int k = 1; k <= boreHoles_ && found == 9999; ++k)
            if (values::SameShownText(name, names_[k]) || values::SameShownText(name, longNames_[k]))
                found = static_cast<int16_t>(k);
        lastBoreHoleName_ = name;
        return lastBoreHole_ = found;
    }

    const SectionEntry& Section(int16_t b, std::string_view name) {
        if (b == lastSectionBoreHole_ && name == lastSectionName_) return *lastSection_;
        Sections& sections = sections_[b];
        auto found = sections.find(name);
        if (found == sections.end()) found = sections.emplace(std::string(name), Look(b, name)).first;
        lastSectionBoreHole_ = b;
        lastSectionName_ = name;
        return *(lastSection_ = &found->second);
    }

    // A tie PSP that is not a number stops the reading (a thrown error).
    SectionEntry Look(int16_t b, std::string_view name) const {
        const auto k = static_cast<int16_t>(b <= 4 ? b : b - 4);
        const int16_t number = b <= 4 ? GetSectionNo(side_.main, k, name) : side_.duo->GetSectionNo2(k, name);
        if (number == 9999) return {9999, 0, 0, false};
        const SectionEnds ends = b <= 4 ? GetSectionEnds(side_.main, k, number) : side_.duo->SectionEnds2(k, number);
        SectionEntry entry{number, StrictNumber(ends.top), 0, ends.bottom.has_value()};
        if (ends.bottom) entry.bottom = StrictNumber(*ends.bottom);
        return entry;
    }

    const ConversionSide& side_;
    TrinityIndex index_;
    std::shared_ptr<TrinityIndex> duoIndex_;  // bore holes 5 to 8, where the link has one
    std::array<std::string, 9> names_, longNames_;
    int boreHoles_;
    std::array<Sections, 9> sections_;
    std::string lastBoreHoleName_;
    int16_t lastBoreHole_ = 0;  // none looked up yet
    int16_t lastSectionBoreHole_ = -1;
    std::string lastSectionName_;
    const SectionEntry* lastSection_ = nullptr;
};

// A decimal written out whole: a leading sign, digits, at most one point and
// digits, nothing else ("250.00", "+2", ".5"), as spreadsheets write values.
bool IsWrittenDecimal(std::string_view item) {
    size_t i = item.starts_with('+') || item.starts_with('-') ? 1 : 0;
    bool digits = false, point = false;
    for (; i < item.size(); ++i) {
        const char c = item[i];
        if (c >= '0' && c <= '9') digits = true;
        else if (c == '.' && !point) point = true;
        else return false;
    }
    return digits;
}

// The kind test: the sixth item is a value, so the file a one-value file,
// when its numeric value written back in general number format is the very
// same text, or when it is a decimal written out whole. A trinity file has a
// bore-hole name there; a value with trailing zeros must not be taken for one.
bool IsValueItem(std::string_view item) {
    return values::DoubleText(FastVal(item)) == item || IsWrittenDecimal(item);
}

// The source kind from the value column's title; anything else is event-free depth.
int16_t KindOfTitle(std::string_view title) {
    const std::string_view head = title.substr(0, 3);
    if (head == "Com") return kScaleComposite;
    if (head == "Age") return kScaleAge;
    return kScaleEventFree;
}

// The records of the rest of the file by one reader, their texts given room
// from the file's length.
void ReadRecords(ItemReader& file, TextTable& table) {
    const size_t rest = file.Rest().size();
    table.Reserve(rest + rest / 32 + 64);
    while (!file.AtEnd())
        for (int c = 0; c < table.Columns(); ++c) table.Append(file.Item());
}

long Threads(const ConversionParts& parts) { return parts.threads > 0 ? parts.threads : Processors(); }

// The rest of the file, from a record's start, read in parts side by side
// straight into the table: each part into rows and bytes of its own, laid
// out from its lines and its place in the file. A cell takes its text and a
// byte where the file has its text and a separator; one of 255 characters
// or more takes eight bytes more (hence a 32nd more), and the file's last
// cell may have no separator (hence 16 bytes a part). False when the rest
// cannot be shared or a part does not read one record a line: nothing is
// read then, and one reader reads the rest.
bool ReadRestSideBySide(const ItemReader& file, TextTable& table, const ConversionParts& sharing) {
    const long threads = Threads(sharing);
    const std::optional<LineParts> cut = CutAtLines(file, threads, sharing.readBytes);
    if (!cut) return false;
    const size_t start = file.Position();
    auto place = [&](long k) {
        const size_t from = cut->bounds[k] - start;
        return from + from / 32 + 16 * static_cast<size_t>(k);
    };
    const long parts = cut->Count();
    TextTable::Room room(table, parts, cut->before[parts], place(parts));
    std::vector<char> read(static_cast<size_t>(parts), 0);
    SideBySide(parts, threads, [&](long k) {
        TextTable::Part part = room.PartOf(k, cut->before[k], cut->Lines(k), place(k), place(k + 1) - place(k));
        try {
            ItemReader reader = cut->Reader(file, k);
            while (!reader.AtEnd())
                for (int c = 0; c < table.Columns(); ++c)
                    if (!part.Append(reader.Item())) return;
            read[k] = part.Full();
        } catch (...) {
            // One reader meets the same fault again and reports it.
        }
    });
    if (std::find(read.begin(), read.end(), 0) != read.end()) return false;
    room.Keep();
    return true;
}

// Rows `from` to `to`, by a placer of their own.
void ConvertRows(ConversionTrinity& trinity, const ConversionSide& side, long from, long to, long& searchFrom) {
    const DepthModel& home = side.home;
    Placer placer(side);
    TextTable::Cursor rows(trinity.fields, from);
    std::string_view f[4];
    for (long r = from; r <= to; ++r) {
        rows.Next(f);
        const double cd = placer.CompositeDepth(f[1], f[2], f[3]);
        trinity.composite[r] = cd;
        if (home.gEventsLoaded)
            trinity.eventFree[r] = IsMarker(cd) ? cd : CDToEFD(home, values::CSng(cd), searchFrom);
    }
}

// The positions converted in parts side by side, when only the main model
// places them (no Duo bore holes, no conversion of the depth): a placer reads
// the model only, and each part has its own. False when a part met a fault;
// its rows are then as they were.
bool ConvertPositionsSideBySide(ConversionTrinity& trinity, const ConversionSide& side, const ConversionParts& sharing) {
    const long n = trinity.Rows();
    const long threads = Threads(sharing);
    const long parts = std::min(4 * threads, n / std::max(1L, sharing.convertRows));
    if (threads < 2 || parts < 2 || side.fromMain || (side.duo && side.duo->ModelLoaded())) return false;
    std::atomic<bool> faulty{false};
    SideBySide(parts, threads, [&](long k) {
        long searchFrom = 1;
        try {
            ConvertRows(trinity, side, 1 + n * k / parts, n * (k + 1) / parts, searchFrom);
        } catch (...) {
            faulty = true;
        }
    });
    return !faulty;
}

void ConvertPositions(ConversionTrinity& trinity, const ConversionSide& side, const ConversionParts& sharing) {
    const DepthModel& home = side.home;
    const long n = trinity.Rows();
    trinity.compositeTitle = "Composite depth (correlation model: version " + home.gVerCorrelation + ")";
    if (home.gEventsLoaded) trinity.eventFreeTitle = "Event free depth (event list: version " + home.gVerEvents + ")";
    // Every row is written by its conversion: the columns are not cleared
    // first (a reading that stops leaves them unread).
    trinity.composite.resize(static_cast<size_t>(n) + 1);
    trinity.composite[0] = 0;
    if (home.gEventsLoaded) {
        trinity.eventFree.resize(static_cast<size_t>(n) + 1);
        trinity.eventFree[0] = 0;
    }
    if (ConvertPositionsSideBySide(trinity, side, sharing)) return;
    // One pass from the first row, which meets a fault where it stops the reading.
    ConvertRows(trinity, side, 1, n, home.gEventIndex.lastByBottom);
}

// The file read into tables of its own, which take the place of the ones
// read before only once the reading is complete (each one moved, not copied):
// a reading that fails or is refused leaves the tables as they were.
ConversionReading ReadInto(ItemReader& file, ConversionTables& t, const ConversionSide& side,
                           const ConversionParts& parts) {
    ConversionTrinity trinity;
    for (int i = 0; i < 8; ++i) trinity.fields.Append(file.Item());
    if (!IsValueItem(trinity.fields(1, 1))) {
        if (!ReadRestSideBySide(file, trinity.fields, parts)) ReadRecords(file, trinity.fields);
        // The records' texts are the table's own now: the file's bytes go
        // before the positions' depths come.
        file.Close();
        ConvertPositions(trinity, side, parts);
        t.gConvTrinity = std::move(trinity);
        t.gConvFrom = t.gConvDetected = kScaleTrinity;
        return {};
    }

    if (!side.home.gEventsLoaded) return {true, kConversionNeedsEventList};
    ConversionOneValue values;
    for (long r = 0; r <= 1; ++r)
        for (int c = 0; c < 4; ++c) values.fields.Append(trinity.fields(c, r));
    ReadRecords(file, values.fields);
    // gConvTrinity holds the probe's two records, as every reading leaves it.
    t.gConvTrinity = std::move(trinity);
    t.gConvTable = std::move(values);
    t.gConvFrom = kScaleEventFree;
    t.gConvDetected = KindOfTitle(t.gConvTable.fields(1, 0));
    return {};
}

}  // namespace

ConversionSide MainWindowSide(const DepthModel& m, const DuoModelLink* duo) {
    ConversionSide side{m, m, duo, nullptr, nullptr};
    if (duo) side.fromDuo = [duo](float depth) { return duo->DuoToMainCD(depth); };
    return side;
}

ConversionSide DuoWindowSide(const DepthModel& duo, const DepthModel& main, const MasterCoreLink& link) {
    return {duo, main, &link, [&link](float depth) { return link.MainToDuoCD(depth); }, nullptr, false};
}

ConversionReading ReadConversionFile(ItemReader& file, ConversionTables& t, const ConversionSide& side,
                                     const ConversionParts& parts) {
    try {
        return ReadInto(file, t, side, parts);
    } catch (const std::bad_alloc&) {
        values::OutOfMemory();
    }
}

}  // namespace model
