#pragma once
// The master-core link: conversions between the Duo window's own composite
// depth and the main window's composite depth (the master core's), over the
// Duo tie pairs (duo_model.h), and the Duo model as the main model sees it.
//
// Between two tie pairs a level follows the straight line through them; above
// the first pair and below the last it keeps its offset from the nearest one
// (slope 1, never the nearest bracket's slope). Once both event lists are
// loaded the line and the offsets are taken in event-free depths, each model
// through its own event layers, and the result comes back to composite depth.
// Results are rounded to the target model's gDepthPrecision decimals, halves
// to the even neighbour; 9999 and -9999 give 9999 unrounded, and so does any
// level while the Duo model has no tie pair at all.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/depth_model.h"
#include "model/duo_link.h"
#include "model/duo_model.h"

namespace model {

class MasterCoreLink final : public DuoModelLink {
public:
    // The link reads the three models as they are at each call; the flag is
    // the program's gDuoModelLoaded.
    MasterCoreLink(const DepthModel& main, const DepthModel& duo, const DuoMasterCore& master,
                   const bool& duoModelLoaded)
        : main_(main), duo_(duo), master_(master), loaded_(duoModelLoaded) {}

    // DuoToMainCD: a Duo composite depth in main composite depth.
    float DuoToMainCD(float duoDepth) const override;
    // DuoToMainCD for many levels in a row while the models do not change
    // (the tie pairs' event-free depths are taken once each); the same
    // results as DuoToMainCD.
    std::function<float(float)> DuoToMainCDForMany() const;
    // MainToDuoCD: a main composite depth in Duo composite depth.
    float MainToDuoCD(float mainDepth) const;
    // True while both event lists are loaded: the conversions run through
    // event-free depths.
    bool ByEventFreeDepth() const { return main_.gEventsLoaded && duo_.gEventsLoaded; }

    bool ModelLoaded() const override { return loaded_; }
    std::string BoreHoleName(int k) const override;
    std::string BoreHoleLongName(int k) const override;
    int16_t GetSectionNo2(int16_t boreHole, std::string_view name) const override;
    SectionEnds SectionEnds2(int16_t boreHole, int16_t section) const override;
    // By the Duo model's extrapolation; never without a value.
    TrinityDepth TrinityToCD2(int16_t boreHole, int16_t section, float psp) const override;
    std::shared_ptr<TrinityIndex> PositionIndex2() const override;

private:
    const DepthModel& main_;
    const DepthModel& duo_;
    const DuoMasterCore& master_;
    const bool& loaded_;
};

// Fills gTiePairs from gCorrRow column 1 (own composite depths, which must be
// numbers: run-time error 13 otherwise) and the master depths.
void IndexTiePairs(const DepthModel& duo, DuoMasterCore& master);

}  // namespace model
