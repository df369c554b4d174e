// Where the Duo window's drawing, pointing and folding differ from the main
// window's: fitted to the master core its columns stand on the master core's
// composite depth, so every own depth is converted for them and every level
// of them back; its composite column marks the master core's tie points; it
// draws the main window's dated points; and its ruler reads from the left.
#include <array>

#include "duo/frm2_main.h"
#include "forms/colour.h"
#include "model/correlation_lookup.h"
#include "model/duo_conversion.h"
#include "values/values.h"
#include "window/column_drawing.h"

namespace quillory {

using namespace forms;
using namespace values;
using namespace columns;

namespace {

constexpr float kNoValue = 9999;
constexpr int kRulerFoldMargin = 150;
const std::string kUnlabeled = "Unlabeled";

}  // namespace

const DrawingRules& Frm2Main::Drawing() const {
    // The ruler's ticks stand at its left edge, every number just right of
    // them; the target-horizon mark begins a hair right of the edge.
    static const DrawingRules rules{
        EmptyMark::kOutline,
        GapRule{true, false, false},
        false,
        false,
        64,
        6,
        RulerLayout{0.3, 1.1, 1.192093E-08, 2.5, 2.25, 0.3, 0.3,
                    {{0, 10000, 100, 0.3, 2.1, 2.1}},
                    {{50, 9950, 100, 0.3, 1.4, 2.1}},
                    {10, 9990, 10, 0.3, 0.9, std::nullopt}},
    };
    return rules;
}

double Frm2Main::OwnEFDToCD(float efd) { return model::EFDToCD2(state.model, efd); }

double Frm2Main::OwnDepthOf(double drawn) const {
    return FitsMaster() ? duo_.link.MainToDuoCD(static_cast<float>(drawn)) : drawn;
}

double Frm2Main::DrawnDepthOf(double own) const {
    return FitsMaster() ? duo_.link.DuoToMainCD(static_cast<float>(own)) : own;
}

float Frm2Main::DrawnBottom(int k) const {
    return FitsMaster() ? duo_.master.gBoreHoleBottomFitted[k] : state.model.gBoreHoleBottom[k];
}

float Frm2Main::IntervalStart(const TieDepths&) const {
    const model::DepthModel& m = state.model;
    const model::IndexedColumn& depths = model::RowCells(m, 1);
    for (long r = 1; r <= m.gRowCount; ++r) {
        const double own = depths.Val(r);
        if (own != kNoValue && own != 0) return static_cast<float>(DrawnDepthOf(own));
    }
    return kNoValue;
}

// The main window's dated points stand at their main composite depth, which
// is the master core's: on the Duo's own depth they are converted.
float Frm2Main::DatedPointLevel(float stored) const {
    return FitsMaster() ? stored : duo_.link.MainToDuoCD(stored);
}

void Frm2Main::CompleteTieMarks(TieDepths& d) {
    // A row tied to the master core but without an own composite depth is
    // marked at the own depth of its first bore-hole level, for this drawing
    // only: the model, and so the link and the position search, stay as read.
    const model::DepthModel& m = state.model;
    const model::DuoMasterCore& master = duo_.master;
    // Both cells hold the no-value marker as its text where they have no depth.
    const model::IndexedColumn& ownDepths = model::RowCells(m, 1);
    auto lacksOwnDepth = [&](long r) {
        return ownDepths.Is(r, model::kNoValueText) && !master.MasterRowCells(1).Is(r, model::kNoValueText);
    };
    // The section numbers of each bore hole, counted once down the rows.
    std::array<model::TopCount, 5> tops{};
    for (long r = 1; r <= m.gRowCount; ++r) {
        if (!lacksOwnDepth(r)) continue;
        for (int16_t k = 1; k <= 4; ++k) {
            if (model::CorrCells(m, 0, k, 0).Is(r, model::kNoValueText)) continue;
            const float psp = static_cast<float>(model::CorrCells(m, 0, k, 1).Val(r));
            const int16_t section = model::CountTops(m, k, r, tops[k]);
            const double own = OwnTrinityToCD(k, section, psp).value_or(kNoValue);
            d.marks[r] = static_cast<float>(own == kNoValue ? own : DrawnDepthOf(own));
            break;
        }
    }
}

// The composite column names each row's master tie point, or tells that it
// has none.
CompositeTie Frm2Main::CompositeTieOf(long row) const {
    const model::DuoMasterCore& master = duo_.master;
    const std::string& label = master.gMasterRow(0, row);
    const size_t length = Len(label);
    const std::string* text = nullptr;
    if (state.gFontSize >= 2) {
        if (master.MasterRowCells(1).Val(row) == kNoValue) text = &kUnlabeled;
        else if (length > 1 && label != "9999") text = &label;
    }
    return {length != 1, text, length};
}

CompositeEdge Frm2Main::EdgeBeforeComposite() {
    // The ruler follows the fourth bore hole directly: a window ending
    // before the composite column leaves it out.
    return {BoreHole(4), BoreHole(0).Left() - kRulerFoldMargin};
}

std::pair<int, int> Frm2Main::EventColumns() const {
    return FitsMaster() ? std::pair{8, 9} : std::pair{6, 7};
}

Colour Frm2Main::TephraColour() const { return RGB(155, 150, 255); }

}  // namespace quillory
