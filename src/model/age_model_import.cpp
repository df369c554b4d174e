#include "model/age_model_import.h"

#include <algorithm>
#include <array>

#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "model/duo_conversion.h"
#include "model/file_names.h"
#include "values/shown_text.h"
#include "values/values.h"

namespace model {
namespace {

using AgeRecord = std::array<std::string, 11>;  // columns 0 to 10

// Field 9 (the type code) goes to column 0, fields 10 and 11 to 9 and 10.
AgeRecord ReadAgeRecord(ItemReader& file) {
    static constexpr std::array<int, 11> kColumn = {1, 2, 3, 4, 5, 6, 7, 8, 0, 9, 10};
    AgeRecord record;
    for (int column : kColumn) record[column] = file.Item();
    return record;
}

void AppendRow(Table2<std::string>& table, int32_t& rows, const AgeRecord& record) {
    table.ResizeRows(rows + 2);
    ++rows;
    for (int c = 0; c <= 10; ++c) table(c, rows) = record[c];
}

// "95.4 %" from an error title such as "Error (+) 95.4": the four characters
// from two before the first "." or ",", never before the first character.
std::string ErrorName(const std::string& title) {
    const size_t p = title.find_first_of(".,");
    if (p == std::string::npos) return {};
    const long start = std::max(1L, static_cast<long>(p) + 1 - 2);
    return values::Mid(title, start, 4) + " %";
}

int AgePointBoreHole(const DepthModel& m, const std::string& name, const DuoModelLink* duo) {
    int b = 9999;
    for (int k = 1; k <= 4; ++k)
        if (values::SameShownText(name, m.gBoreHoleName[k])) b = k;
    if (duo)
        for (int k = 1; k <= 4; ++k)
            if (values::SameShownText(name, duo->BoreHoleName(k))) b = k + 4;
    return b;
}

}  // namespace

std::string AgeModelVersionDate(const std::string& title) {
    std::string d;
    const long n = values::Len(title);
    if (values::Right(title, 1) == ")") {
        // A title shorter than a date gives what it has, not an error.
        const long start = std::max(1L, n - 12);
        d = values::Trim(values::Mid(title, start, n - start));
        if (values::Left(d, 1) == "(") d = values::Trim(values::Mid(d, 2));
    } else {
        d = values::Trim(values::Right(title, 12));
    }
    const std::string year = values::Right(d, 4);
    if (!values::IsNumeric(year) || values::CDbl(year) != values::Val(year)) return "not specified";
    return d;
}

std::optional<float> AgePointDepth(const DepthModel& m, int boreHole, std::string_view section,
                                   std::string_view psp, const DuoModelLink* duo) {
    const float position = values::CSng(FastVal(psp));
    TrinityDepth x;
    if (boreHole >= 1 && boreHole <= 4) {
        const auto b = static_cast<int16_t>(boreHole);
        x = TrinityToCD(m, b, GetSectionNo(m, b, section), position);
    } else if (boreHole >= 5 && boreHole <= 8 && duo) {
        const auto b = static_cast<int16_t>(boreHole - 4);
        x = duo->TrinityToCD2(b, duo->GetSectionNo2(b, section), position);
    }
    // No tie to place it by is no value, never composite depth 0.
    if (!x || values::CSng(*x) == kNoValue) return std::nullopt;
    const float depth = values::CSng(*x);
    return boreHole <= 4 ? depth : duo->DuoToMainCD(depth);
}

AgeModelHeader BeginAgeModelImport(DepthModel& m, ItemReader& file, std::string_view fileName) {
    m.gVerAgeModel = GetFileDate(fileName);
    m.gAgeModel.Redim(12, 1);
    m.gAgeModelAux.Redim(12, 1);
    m.gAgeIndex.valid = false;
    const AgeRecord header = ReadAgeRecord(file);
    for (int c = 0; c <= 10; ++c) m.gAgeModel(c, 0) = header[c];

    AgeModelHeader result;
    result.versionDate = AgeModelVersionDate(m.gAgeModel(5, 0));
    result.versionMatches = values::Trim(m.gVerCorrelation) == result.versionDate;
    result.warning = "Version dates are inconsistent between correlation models for plotting (" +
                     m.gVerCorrelation + ") and age control points (" + result.versionDate +
                     "). Do you proceed anyway?";
    return result;
}

void ReadAgePoints(DepthModel& m, ItemReader& file) {
    m.gAgeIndex.valid = false;
    int32_t rows = 0, auxRows = 0;
    while (!file.AtEnd()) {
        AgeRecord record = ReadAgeRecord(file);
        std::string& code = record[0];
        if (!code.empty() && (code[0] == 'c' || code[0] == 'v' || code[0] == 'r')) code[0] = static_cast<char>(code[0] - 'a' + 'A');
        if (!code.empty() && (code[0] == 'C' || code[0] == 'V')) AppendRow(m.gAgeModel, rows, record);
        else if (!code.empty() && code[0] == 'R') AppendRow(m.gAgeModelAux, auxRows, record);
    }
    m.gAgeModelRows = rows;
    m.gAgeModelAuxRows = auxRows;
}

AgeModelImport DeriveAgeModelDepths(DepthModel& m, const DuoModelLink* duo) {
    const Table2<std::string>& read = m.gAgeModel;
    for (long j = 1; j <= m.gAgeModelRows; ++j) {
        const std::string name = read(2, j);
        const int b = AgePointBoreHole(m, name, duo);
        if (b == 9999 && !values::IsNumeric(read(5, j))) {
            const std::string message = "Bore hole name '" + name +
                                        "' has not been defined. Import parallel correlation model to Quillory Duo.";
            if (duo && duo->ModelLoaded()) throw values::RuntimeError(values::kErrTypeMismatch, message);
            AgeModelImport refusal;
            refusal.refused = true;
            refusal.message = message;
            return refusal;
        }
        if (name != "---" && read(3, j) != "---" && read(4, j) != "---")
            if (auto depth = AgePointDepth(m, b, read(3, j), read(4, j), duo))
                m.gAgeModel(5, j) = values::SingleText(*depth);
        m.gAgeModel(11, j) = values::DoubleText(CDToEFD(m, values::CSng(FastVal(read(5, j)))));
    }

    m.gAgeModelLoaded = true;
    AgeModelImport result;
    result.errorNamePlus = ErrorName(m.gAgeModel(6, 0));
    result.errorNameMinus = ErrorName(m.gAgeModel(8, 0));
    return result;
}

AgeModelImport FinishAgeModelImport(DepthModel& m, ItemReader& file, const DuoModelLink* duo) {
    ReadAgePoints(m, file);
    return DeriveAgeModelDepths(m, duo);
}

void BeginVarveImport(DepthModel& m, ItemReader& file, std::string_view fileName) {
    file.Item();
    file.Item();
    m.gVerVarves = GetFileDate(fileName);
}

void FinishVarveImport(DepthModel& m, ItemReader& file, Side side) {
    m.gVarve.Redim(2, 1);
    int32_t k = 0;
    while (!file.AtEnd()) {
        m.gVarve.ResizeRows(k + 2);
        ++k;
        m.gVarve(0, k) = values::CSng(file.Number());
        m.gVarve(1, k) = values::CSng(file.Number());
    }
    m.gVarveCount = k;
    m.gVarveTopCD = m.gVarve(0, 1);
    m.gVarveBottomCD = m.gVarve(0, k);
    auto eventFree = [&](float cd) {
        return values::CSng(side == Side::kMain ? CDToEFD(m, cd) : CDToEFD2(m, cd).value_or(0));
    };
    m.gVarveTopEFD = eventFree(m.gVarveTopCD);
    m.gVarveBottomEFD = eventFree(m.gVarveBottomCD);
    m.gVarvesLoaded = true;
}

void ImportVarveCounts(DepthModel& m, ItemReader& file, std::string_view fileName, Side side) {
    BeginVarveImport(m, file, fileName);
    FinishVarveImport(m, file, side);
}

}  // namespace model
