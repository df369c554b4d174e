#include "model/correlation_steps.h"

#include <algorithm>
#include <utility>

#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "model/file_names.h"
#include "values/values.h"

namespace model {
namespace {

constexpr long kMaxSections = 500;  // per bore hole

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace

void ReadCorrelationRecord(DepthModel& m, ItemReader& file, long row, bool labelRead) {
    if (row > kMaxCorrelationRow) SubscriptOutOfRange();
    if (row >= m.gCorrRow.Rows()) {
        m.gCorrRow.ResizeRows(row + 1);
        m.gCorrTable.ResizeRows(row + 1);
    }
    if (!labelRead) m.gCorrRow(0, row) = file.Item();
    for (int k = 1; k <= 4; ++k)
        for (int f = 0; f <= 2; ++f) m.gCorrTable(0, k, f, row) = file.Item();
    m.gCorrRow(1, row) = file.Item();
}

void DropLeadingCharacter(std::string& cell) {
    if (cell.empty()) throw values::RuntimeError(values::kErrInvalidCall, "Invalid procedure call or argument");
    cell.erase(0, 1);
}

void CleanBoreHoleCells(DepthModel& m) {
    for (long r = 0; r <= m.gRowCount; ++r)
        for (int f = 0; f <= 2; ++f)
            for (int k = 1; k <= 4; ++k)
                m.gCorrTable(0, k, f, r).Change([](std::string& cell) {
                    DropLeadingCharacter(cell);
                    if (!cell.empty() && (cell.front() == '*' || cell.back() == '*')) cell = "9999";
                });
}

void TrimCorrelationCells(DepthModel& m) {
    auto trim = [](std::string& cell) { cell = values::Trim(cell); };
    for (long r = 0; r <= m.gRowCount; ++r) {
        m.gCorrRow(0, r).Change(trim);
        for (int k = 1; k <= 4; ++k)
            for (int f = 0; f <= 2; ++f) m.gCorrTable(0, k, f, r).Change(trim);
        m.gCorrRow(1, r).Change(trim);
    }
}

void NameBoreHoles(DepthModel& m, const std::array<const char*, 5>& defaults,
                   std::array<std::string, 5>& columnTitles, std::array<std::string, 5>& menuCaptions) {
    for (int k = 1; k <= 4; ++k) m.gBoreHoleName[k] = defaults[k];
    for (int k = 1; k <= 4; ++k) {
        const std::string& h = m.gCorrTable(0, k, 0, 0);
        long open = 0;
        for (long p = values::Len(h) - 1; p >= 1 && open == 0; --p)
            if (h[p - 1] == '(') open = p;
        std::string bracket, longText = h;
        if (open > 0) {
            bracket = values::Mid(h, open + 1, values::Len(h) - open - 1);
            longText = values::Trim(values::Left(h, open - 1));
        }
        if (bracket.size() == 1) {
            m.gBoreHoleName[k] = bracket;
            m.gBoreHoleLongName[k] = longText;
        } else {
            m.gBoreHoleLongName[k] = open > 0 ? bracket : longText;
        }
        const bool plainTitle = StartsWith(longText, "Bore hole") || StartsWith(longText, "Bore Hole") ||
                                StartsWith(longText, "Lamina name") || StartsWith(longText, "Lamina Name");
        columnTitles[k] = plainTitle ? "Bore hole " + m.gBoreHoleName[k]
                                     : m.gBoreHoleLongName[k] + " (" + m.gBoreHoleName[k] + ")";
        menuCaptions[k] = "Bore hole " + m.gBoreHoleName[k];
    }
}

void CleanColumns(Table2<std::string>& table, int first, int last, long lastRow, CellCleaning how) {
    for (int c = first; c <= last; ++c)
        for (long r = 0; r <= lastRow; ++r)
            table(c, r).Change([how](std::string& cell) {
                if (how.dropLeading) DropLeadingCharacter(cell);
                if (how.trim) cell = values::Trim(cell);
                if (how.markMissing && (cell.empty() || cell == "---")) cell = "9999";
            });
}

void CleanRowColumns(DepthModel& m, bool trim) { CleanColumns(m.gCorrRow, 0, 1, m.gRowCount, {true, trim, true}); }

void IndexSections(DepthModel& m) {
    m.gSectionName.Redim(5, kMaxSections + 1);
    m.gSectionTop.Redim(5, kMaxSections + 1);
    m.gSectionBottom.Redim(5, kMaxSections + 1);
    for (int k = 1; k <= 4; ++k) {
        int16_t& count = m.gSectionCount[k];
        count = 0;
        for (long r = 1; r <= m.gRowCount; ++r) {
            const std::string& label = std::as_const(m).gCorrTable(0, k, 0, r);
            if (IsTopLabel(label)) {
                count = values::AddInt16(count, 1);
                m.gSectionName(k, count) = GetMiddleField(label);
                m.gSectionTop(k, count) = static_cast<int16_t>(r);
            }
            if (IsBottomLabel(label)) m.gSectionBottom(k, count) = static_cast<int16_t>(r);
        }
    }
}

void DeriveCompositeDepths(DepthModel& m, Extrapolation rule, const ConvertedLevel& converted) {
    for (int k = 1; k <= 4; ++k) {
        int16_t& section = m.gSectionCount[k];  // the running section number of row r
        section = 0;
        for (long r = 1; r <= m.gRowCount; ++r) {
            const DepthModel& read = m;
            if (IsTopLabel(read.gCorrTable(0, k, 0, r))) section = values::AddInt16(section, 1);
            const std::string& psp = read.gCorrTable(0, k, 1, r);
            double cd = kNoValue;
            if (values::Right(psp, 4) != "9999" && psp != "---") {
                // A section without a usable tie has no depth, not depth 0.
                cd = TrinityToCD(m, static_cast<int16_t>(k), section, values::CSng(FastVal(psp)), rule)
                         .value_or(kNoValue);
                m.gCorrTable(1, k, 1, r) = psp;
            }
            m.gCorrTable(1, k, 2, r) = cd == kNoValue ? "9999" : values::DoubleText(cd);
            if (converted) converted(k, r, cd);
            const std::string& rowDepth = read.gCorrRow(1, r);
            const double pspValue = StrictNumber(psp), rowValue = StrictNumber(rowDepth);
            if (!rowDepth.empty() && pspValue != kNoValue && rowValue != kNoValue) m.gCorrTable(1, k, 2, r) = rowDepth;
        }
    }
}

void CutSectionTables(DepthModel& m) {
    const int16_t largest = *std::max_element(m.gSectionCount.begin() + 1, m.gSectionCount.end());
    m.gSectionName.ResizeRows(largest + 1);
    m.gSectionTop.ResizeRows(largest + 1);
    m.gSectionBottom.ResizeRows(largest + 1);
}

void FindBottoms(DepthModel& m) {
    m.gDrawBottom = 0;
    for (int k = 1; k <= 4; ++k) {
        const long row = m.gSectionBottom(k, m.gSectionCount[k]);
        m.gBoreHoleBottom[k] = values::CSng(FastVal(std::as_const(m).gCorrTable(1, k, 2, row)));
        if (m.gBoreHoleBottom[k] != kNoValue && m.gBoreHoleBottom[k] > m.gDrawBottom)
            m.gDrawBottom = m.gBoreHoleBottom[k];
    }
}

std::vector<std::string> BoreHoleItems(const DepthModel& m) {
    std::vector<std::string> items{m.gBoreHoleName[1]};
    for (int k = 2; k <= 4; ++k)
        if (m.gBoreHoleBottom[k] != kNoValue) items.push_back(m.gBoreHoleName[k]);
    return items;
}

}  // namespace model
