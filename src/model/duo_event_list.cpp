#include "model/duo_event_list.h"

#include <string>
#include <utility>
#include <vector>

#include "model/event_layers.h"
#include "model/file_names.h"
#include "values/values.h"

namespace model {
namespace {

// Plane 2's depths of every bore-hole level, rows 1 to gRowCount, from plane 1.
std::vector<std::string> FittedLevels(const DepthModel& duo, const MasterCoreLink& link) {
    std::vector<std::string> fitted;
    fitted.reserve(4 * static_cast<size_t>(duo.gRowCount));
    for (int k = 1; k <= 4; ++k)
        for (long r = 1; r <= duo.gRowCount; ++r)
            fitted.push_back(values::SingleText(link.DuoToMainCD(values::CSng(FastVal(duo.gCorrTable(1, k, 2, r))))));
    return fitted;
}

}  // namespace

void CombineAndSortEvents2(DepthModel& duo, const MasterCoreLink& link, Extrapolation rule) {
    CombineEventLayers(duo, Side::kDuo, rule);
    for (long i = 1; i <= duo.gMergedEventCount; ++i) {
        duo.gEventTop(2, i) = link.DuoToMainCD(duo.gEventTop(1, i));
        duo.gEventBottom(2, i) = link.DuoToMainCD(duo.gEventBottom(1, i));
    }
    for (long i = 1; i <= duo.gEventCount; ++i)
        for (int c = 6; c <= 7; ++c)
            duo.gEventList(c + 2, i) = values::SingleText(link.DuoToMainCD(values::CSng(FastVal(std::as_const(duo).gEventList(c, i)))));
}

void ImportDuoEventList(DepthModel& duo, DuoMasterCore& master, const MasterCoreLink& link, ItemReader& file,
                        std::string_view fileName) {
    duo.gVerEvents = GetFileDate(fileName);
    const bool loadedBefore = duo.gEventsLoaded;
    try {
        ReadEventRecords(duo, file);
        duo.gEventsLoaded = true;  // the master depths below run through event-free depths
        CombineAndSortEvents2(duo, link, duo.gExtrapolation);
        const std::vector<std::string> fitted = FittedLevels(duo, link);
        size_t next = 0;
        for (int k = 1; k <= 4; ++k)
            for (long r = 1; r <= duo.gRowCount; ++r) duo.gCorrTable(2, k, 2, r) = fitted[next++];
        // The bottoms the main window's refusal reads take the new route as
        // well; left on the old one, the main window would refuse levels of
        // the Duo's deepest bore hole that the Duo window holds.
        for (int k = 1; k <= 4; ++k) master.gBoreHoleBottomFitted[k] = link.DuoToMainCD(duo.gBoreHoleBottom[k]);
    } catch (const values::RuntimeError&) {
        duo.gEventCount = duo.gMergedEventCount = kNotLoaded;
        duo.gEventsLoaded = loadedBefore;
        throw;
    }
}

}  // namespace model
