#pragma once
// The state of one main window (one side): its depth model and the settings,
// guards and results its procedures share. The program holds two: the main
// window's set and the Duo window's, whose fields are the main names with the
// suffix 2 (gDrivenBy2, gRange2...).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/conversion_tables.h"
#include "model/depth_model.h"
#include "model/depth_runs.h"
#include "model/proxy_data.h"
#include "model/running_mean.h"
#include "side/driven_by.h"
#include "side/shown_level.h"

namespace quillory {

// One lamina of the section last found by GetPSP, for the Level Divider.
struct SectionLamina {
    std::string label, psp, compositeDepth;
};

// What the last drawing of a proxy panel chose: the plotted column and the
// divisor column (0 none), and the largest and smallest plotted value; and
// the plotted values of those columns (row 0 unused), which its running mean
// reads. The values are kept for the next drawing while the panel's file and
// columns stay; so are the runs of the positions of the plane drawn, and the
// running mean of the width last drawn over the values and those positions.
// A new file or new positions forget them all.
struct ProxyDrawing {
    int16_t gProxyCol = 0, gProxyDivCol = 0;
    float gProxyMax = 0, gProxyMin = 0;
    std::vector<float> gPlotX;
    bool plotted = false;  // gPlotX, gProxyMax and gProxyMin hold gProxyCol over gProxyDivCol
    int16_t plottedCol = 0, plottedDivCol = 0;
    int16_t keptPlane = -1;                        // the plane `runs` and `means` are of
    std::optional<model::DepthRuns> runs;
    std::optional<model::RunningMeanPairs> means;  // over gPlotX while `plotted`

    void Forget() {
        plotted = false;
        runs.reset();
        means.reset();
    }
};

// Rows 1 to 300 are usable; row 0 is never used.
inline constexpr int kSectionLaminaeRows = 301;
// GetPSP empties the rows after the section's laminae up to this one.
inline constexpr int kSectionLaminaeCleared = 50;

struct SideState {
    model::DepthModel model;

    // LevelSyncGuard: who writes the level now, and which input took it last
    // (0 batch conversion, 1 holy trinity, 2 to 4 the composite-depth,
    // event-free depth and age boxes, 5 the mouse, 6 the slider).
    DrivenBy gDrivenBy = DrivenBy::kNobody;
    int16_t gDriveIndex = 0;
    bool gText3UserEdit = false;
    // What a refused level gives way to.
    ShownLevel shown;

    // Results of GetPSP.
    float gPSP = 0;
    float gTargetCD = 0;
    int16_t gTopRow = 0, gRowA = 0, gRowB = 0;
    std::vector<SectionLamina> gSectionLaminae = std::vector<SectionLamina>(kSectionLaminaeRows);

    // Display.
    int16_t gRange = 0;
    int16_t gFontSize = 0;
    int16_t gAgeDepthCol = 0;
    int16_t gEventDepthCol = 0;
    int32_t gLayoutA = 0;
    int16_t gCentreY = 0;
    bool gFolded = false;
    float gUnfoldedWidth = 0;
    int16_t gFoldedWidth = 0;
    std::array<bool, 5> gBoreHoleEmpty{};
    int16_t gClickedColumn = 0;
    std::string gBHLetter;
    int16_t gBH = 0;  // bore hole last chosen by SearchCoreTop

    // Proxy panels 0 to 4: whether each holds data, its data and what its
    // last drawing chose.
    std::array<bool, 5> gProxyLoaded{};
    std::array<model::ProxyPanelData, 5> proxy;
    std::array<ProxyDrawing, 5> proxyDrawing;
    bool gAxisTextEnabled = false;

    // Level Divider hand-over.
    bool gDividerOpen = false;
    bool gMenuBHBusy = false, gFromMenuBH = false;
    float gDivLamina0Depth = 0, gDivTargetDepth = 0, gDivLamina1Depth = 0;
    std::string gDivLamina0Label, gDivLamina1Label;

    // Whole-file conversion: the file last read by "Convert from data file",
    // and the targets last chosen in the conversion window (a sum of scale bits).
    model::ConversionTables conversion;
    int16_t gConvMask = 0;
};

}  // namespace quillory
