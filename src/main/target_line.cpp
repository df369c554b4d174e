// The target line: an orange line that follows the pointer across every
// column and panel of both main windows, drawn over the kept drawings and
// removed by clearing them.
#include "duo/duo_columns.h"
#include "duo/duo_link.h"
#include "forms/application.h"
#include "main/column_drawing.h"
#include "main/frm_main.h"
#include "main/quillory.h"

namespace quillory {

using namespace forms;
using namespace columns;

namespace {

void Across(Surface& s, double y, Colour c) { s.Line(s.ScaleLeft(), y, s.ScaleLeft() + s.ScaleWidth(), y, c); }

// A loaded panel shows its window's current level in green.
void MidHeightLine(Surface& panel, int16_t range) { Across(panel, panel.ScaleTop() + range / 2.0, kTargetHorizon); }

void RulerMark(Surface& s, double x1, double x2, double circleX, double y) {
    s.Cls();
    s.FillStyle = 0;
    s.FillColor = kTargetLine;
    s.Line(x1, y, x2, y, kTargetLine);
    s.Circle(circleX, y, 0.25, kTargetLine);
}

}  // namespace

void FrmMain::TargetLine(float y) {
    if (mnuHorizontal->Checked()) {
        for (int k = 0; k <= 4; ++k) {
            Surface& column = BoreHole(k).Draw();
            column.Cls();
            Across(column, y, kTargetLine);
            Surface& panel = Picture1(k).Draw();
            panel.Cls();
            Across(panel, y, kTargetLine);
            if (sh_.gProxyLoaded[k]) MidHeightLine(panel, s_.gRange);
        }
        RulerMark(BoreHole(5).Draw(), 7.5, 9.5, 7.25, y);
    }

    if (!sh_.gDuoModelLoaded) return;
    Frm2Main& duo = q_.frm2Main();
    if (!duo.mnuHorizontal->Checked()) return;
    const float level = duo.Option4(0).Value() ? y : MainToDuoCD(q_, y);
    for (int k = 0; k <= 4; ++k) {
        Surface& column = duo.BoreHole(k).Draw();
        column.Cls();
        Across(column, level, kTargetLine);
        Surface& panel = duo.Picture1(k).Draw();
        panel.Cls();
        Across(panel, level, kTargetLine);
    }
    for (int k = 0; k <= 4; ++k)
        if (sh_.gProxyLoaded2[k]) MidHeightLine(duo.Picture1(k).Draw(), q_.duo.gRange2);
    RulerMark(duo.BoreHole(5).Draw(), -0.3, 2.2, 1.95, level);
}

void FrmMain::EraseTargetLines() {
    for (int k = 0; k <= 4; ++k) {
        Surface& panel = Picture1(k).Draw();
        panel.Cls();
        BoreHole(k).Draw().Cls();
        if (sh_.gProxyLoaded[k]) MidHeightLine(panel, s_.gRange);
    }
    BoreHole(5).Draw().Cls();
    App().SetMousePointer(vbDefault);
}

}  // namespace quillory
