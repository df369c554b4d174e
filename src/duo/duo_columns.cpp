#include "duo/duo_columns.h"

#include "forms/application.h"
#include "main/quillory.h"

namespace quillory {

using namespace forms;

void DrawLamina2(Quillory&) {}

void MouseDownProcedure2(Quillory&, int16_t, int, int, float, float) {}

void EraseTargetLines2(Quillory& q) {
    if (!q.shared.gDuoModelLoaded) return;
    Frm2Main& duo = q.frm2Main();
    for (int k = 0; k <= 4; ++k) {
        duo.Picture1(k).Draw().Cls();
        duo.BoreHole(k).Draw().Cls();
    }
    for (int k = 0; k <= 4; ++k) {
        if (!q.shared.gProxyLoaded2[k]) continue;
        Surface& p = duo.Picture1(k).Draw();
        const double mid = p.ScaleTop() + q.duo.gRange2 / 2.0;
        p.Line(p.ScaleLeft(), mid, p.ScaleLeft() + p.ScaleWidth(), mid, RGB(0, 170, 0));
    }
    duo.BoreHole(5).Draw().Cls();
    q.app.SetMousePointer(vbDefault);
}

void LaunchDuo(Quillory& q) {
    if (!q.main.model.gEventsLoaded || q.shared.gDuoModelLoaded) return;
    FrmMain& main = q.frmMain();
    Frm2Main& duo = q.frm2Main();
    duo.Move(main.Left() + main.Width(), main.Top(), duo.Width(), duo.Height());
    duo.Show();
}

}  // namespace quillory
