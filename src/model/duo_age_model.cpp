#include "model/duo_age_model.h"

#include <optional>

#include "model/age_model_import.h"
#include "model/correlation_lookup.h"
#include "model/duo_conversion.h"
#include "values/shown_text.h"
#include "values/values.h"

namespace model {
namespace {

// The text of the Duo's event-free depth of a composite depth cell; empty
// without a Duo event list.
std::string EventFreeText(const DepthModel& duo, const std::string& compositeDepth) {
    const std::optional<double> efd = CDToEFD2(duo, values::CSng(FastVal(compositeDepth)));
    return efd ? values::DoubleText(*efd) : "";
}

// The Duo bore hole a control point names: the last of 1 to 4 whose name or
// letter of place matches, 0 for none.
int16_t PointBoreHole(const DepthModel& duo, const std::string& name) {
    static constexpr const char* kLetters[] = {"", "A", "B", "C", "D"};
    static constexpr const char* kLower[] = {"", "a", "b", "c", "d"};
    int16_t b = 0;
    for (int16_t k = 1; k <= 4; ++k)
        if (values::SameShownText(name, duo.gBoreHoleName[k]) || name == kLetters[k] || name == kLower[k]) b = k;
    return b;
}

}  // namespace

bool TransferAgeModel2(const DepthModel& main, DepthModel& duo, const MasterCoreLink& link) {
    if (!main.gAgeModelLoaded || duo.gAgeModelLoaded || !link.ModelLoaded() || !main.gEventsLoaded ||
        !duo.gEventsLoaded)
        return false;
    const int32_t rows = main.gAgeModelRows;
    duo.gAgeModel.Redim(12, rows + 1);
    duo.gAgeModelRows = rows;
    duo.gVerAgeModel = main.gVerAgeModel;
    duo.gAgeIndex.valid = false;
    for (long r = 1; r <= rows; ++r) {
        duo.gAgeModel(0, r) = main.gAgeModel(0, r);
        duo.gAgeModel(5, r) = values::SingleText(link.MainToDuoCD(values::CSng(FastVal(main.gAgeModel(5, r)))));
        for (int c = 6; c <= 9; ++c) duo.gAgeModel(c, r) = main.gAgeModel(c, r);
        duo.gAgeModel(11, r) = EventFreeText(duo, duo.gAgeModel(5, r));
    }
    duo.gAgeModelLoaded = true;
    return true;
}

void DeriveDuoAgeModelDepths(DepthModel& duo, Extrapolation rule) {
    const Table2<std::string>& read = duo.gAgeModel;
    for (long j = 1; j <= duo.gAgeModelRows; ++j) {
        const int16_t b = PointBoreHole(duo, read(2, j));
        if (b != 0 && read(2, j) != "---" && read(3, j) != "---" && read(4, j) != "---") {
            const int16_t section = GetSectionNo(duo, b, read(3, j));
            const double cd = TrinityToCD2(duo, b, section, values::CSng(FastVal(read(4, j))), rule);
            duo.gAgeModel(5, j) = values::SingleText(values::CSng(cd));
        }
        duo.gAgeModel(11, j) = EventFreeText(duo, read(5, j));
    }
    duo.gAgeModelLoaded = true;
}

void ImportDuoAgeModel(DepthModel& duo, ItemReader& file, std::string_view fileName, Extrapolation rule) {
    BeginAgeModelImport(duo, file, fileName);
    ReadAgePoints(duo, file);
    DeriveDuoAgeModelDepths(duo, rule);
}

}  // namespace model
