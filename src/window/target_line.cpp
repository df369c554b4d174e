// The target line: an orange line that follows the pointer across every
// column and panel of both main windows, drawn over the kept drawings and
// removed by clearing them.
#include "forms/application.h"
#include "window/column_drawing.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;
using namespace columns;

namespace {

void Across(Surface& s, double y, Colour c) { s.Line(s.ScaleLeft(), y, s.ScaleLeft() + s.ScaleWidth(), y, c); }

// A loaded panel shows its window's current level in green.
void MidHeightLine(Surface& panel, int16_t range) { Across(panel, panel.ScaleTop() + range / 2.0, kTargetHorizon); }

void MarkRuler(Surface& s, const RulerMark& mark, double y) {
    s.Cls();
    s.FillStyle = 0;
    s.FillColor = kTargetLine;
    s.Line(mark.x1, y, mark.x2, y, kTargetLine);
    s.Circle(mark.dotX, y, mark.radius, kTargetLine);
}

}  // namespace

void CoreWindow::DrawTargetLine(float y, const RulerMark& mark) {
    for (int k = 0; k <= 4; ++k) {
        Surface& column = BoreHole(k).Draw();
        column.Cls();
        Across(column, y, kTargetLine);
        Surface& panel = Picture1(k).Draw();
        panel.Cls();
        Across(panel, y, kTargetLine);
        if (state.gProxyLoaded[k]) MidHeightLine(panel, state.gRange);
    }
    MarkRuler(BoreHole(5).Draw(), mark, y);
}

void CoreWindow::TargetLine(float y) {
    if (mnuHorizontal->Checked()) DrawTargetLine(y, OwnTargetMark());
    if (!MirrorsTargetLine()) return;
    CoreWindow& other = Other();
    if (!other.mnuHorizontal->Checked()) return;
    // A window drawn on the master core's depth takes the level as it is.
    const bool sameScale = FitsMaster() || other.FitsMaster();
    other.DrawTargetLine(sameScale ? y : counterpart_.ToOtherCD(y), TargetMarkInOther());
}

void CoreWindow::EraseTargetLines() {
    for (int k = 0; k <= 4; ++k) {
        Surface& panel = Picture1(k).Draw();
        panel.Cls();
        BoreHole(k).Draw().Cls();
        if (state.gProxyLoaded[k]) MidHeightLine(panel, state.gRange);
    }
    BoreHole(5).Draw().Cls();
    App().SetMousePointer(vbDefault);
}

void CoreWindow::EraseBothTargetLines() {
    EraseTargetLines();
    if (shared.gDuoModelLoaded) Other().EraseTargetLines();
}

}  // namespace quillory
