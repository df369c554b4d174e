#include "proxy/panel_controls.h"

#include <initializer_list>
#include <string>

#include "forms/application.h"
#include "proxy/draw_proxy.h"
#include "side/side_window.h"

namespace quillory {

using namespace forms;

namespace {

constexpr int16_t kMouseOnPanel = 5;  // gDriveIndex: the level came from a column or panel
constexpr double kRatioStep = 300;    // twips the "Ratio" box moves to make room for the divisor

void Toggle(Menu& item) { item.SetChecked(!item.Checked()); }

void FocusLevelBox(SideWindow& w) {
    if (w.Text2.Enabled()) w.Text2.SetFocus();
}

// Both axis boxes emptied, so that the drawing fits the axis to the new
// choice; then the level box takes the keys again.
void RefitAxis(SideWindow& w, int16_t k) {
    w.Text5(k).SetText("");
    w.Text6(k).SetText("");
    DrawProxy(w, k);
    FocusLevelBox(w);
}

// Equal ends would give the axis no width: the panel shows its last drawing.
void AxisBoxChanged(SideWindow& w, int16_t k) {
    if (!w.state.gAxisTextEnabled) {
        w.Picture1(k).Draw().Cls();
        return;
    }
    if (!w.state.gProxyLoaded[k]) return;
    if (w.Text5(k).Text() != w.Text6(k).Text()) DrawProxy(w, k);
    else w.Picture1(k).Draw().Cls();
}

// "3", "5", "11" and "208": at most one carries a check mark; choosing it
// again switches smoothing off.
void ChooseSmoothing(SideWindow& w, int16_t k, Menu& chosen) {
    const SideWindow::PanelMenu& pm = w.panelMenu[k];
    if (chosen.Checked()) {
        chosen.SetChecked(false);
    } else {
        chosen.SetChecked(true);
        for (Menu* item : {pm.flat3, pm.flat5, pm.flat11, pm.flat208})
            if (item != &chosen) item->SetChecked(false);
    }
    DrawProxy(w, k);
}

void FlipHorizontal(SideWindow& w, int16_t k) {
    const std::string left = w.Text5(k).Text();
    w.Text5(k).SetText(w.Text6(k).Text());
    w.Text6(k).SetText(left);
    DrawProxy(w, k);
}

// The box moves down to make room for the divisor chooser and back up; 300
// twips in the panel's units, as the box inside it is placed.
void RatioClicked(SideWindow& w, int16_t k) {
    PictureBox& panel = w.Picture1(k);
    const double d = kRatioStep * panel.Draw().InnerHeightTwips() / panel.Height();
    CheckBox& ratio = w.Check1(k);
    const bool on = ratio.Value() == 1;
    ratio.SetTop(ratio.Top() + (on ? d : -d));
    w.Combo4(k).SetVisible(on);
    RefitAxis(w, k);
}

void PanelMouseDown(SideWindow& w, const PanelPointer& pointer, int16_t k, int button, int shift, float x, float y) {
    if (button == kRightButton) {
        w.App().SetMousePointer(vbDefault);
        w.PopupMenu(*w.panelMenu[k].popup);
    } else {
        // Only a pointer that came over a loaded panel picks.
        if (w.App().MousePointer() == vbDefault) return;
        w.shared.gActionCount.Set(ActionCount::kUserAction);
        pointer.pick(button, shift, x, y);
    }
    w.state.gDriveIndex = kMouseOnPanel;
}

void PanelMouseMove(SideWindow& w, const PanelPointer& pointer, int16_t k, float y) {
    if (!w.state.gProxyLoaded[k]) return;
    w.Picture1(k).ToolTipText = w.panelMenu[k].filename->Checked() ? w.state.proxy[k].gProxyFileName : "";
    pointer.targetLine(y);
    w.App().SetMousePointer(vbCrosshair);
}

}  // namespace

void WirePanelControls(SideWindow& w, const PanelPointer& pointer) {
    for (int16_t k = 0; k <= 4; ++k) {
        const SideWindow::PanelMenu& pm = w.panelMenu[k];
        auto redraw = [&w, k](Menu& item) { return [&w, k, &item] {
                Toggle(item);
                DrawProxy(w, k);
            }; };
        pm.line->Click = redraw(*pm.line);
        pm.marker->Click = redraw(*pm.marker);
        if (pm.multi) pm.multi->Click = redraw(*pm.multi);
        pm.filename->Click = [item = pm.filename] { Toggle(*item); };
        for (Menu* size : {pm.flat3, pm.flat5, pm.flat11, pm.flat208})
            size->Click = [&w, k, size] { ChooseSmoothing(w, k, *size); };
        pm.flipH->Click = [&w, k] { FlipHorizontal(w, k); };
        pm.copy->Click = [&w, k] {
            w.App().Platform().ClipboardClear();
            w.App().Platform().ClipboardSetPicture(w.Picture1(k).Draw().PictureSnapshot());
        };

        w.Text5(k).Change = [&w, k] { AxisBoxChanged(w, k); };
        w.Text6(k).Change = [&w, k] { AxisBoxChanged(w, k); };
        w.Combo3(k).Click = [&w, k] { RefitAxis(w, k); };
        w.Combo4(k).Click = [&w, k] { RefitAxis(w, k); };
        w.Check1(k).Click = [&w, k] { RatioClicked(w, k); };

        PictureBox& panel = w.Picture1(k);
        panel.MouseDown = [&w, pointer, k](int b, int s, double x, double y) {
            PanelMouseDown(w, pointer, k, b, s, static_cast<float>(x), static_cast<float>(y));
        };
        panel.MouseMove = [&w, pointer, k](int, int, double, double y) {
            PanelMouseMove(w, pointer, k, static_cast<float>(y));
        };
        for (Control* c : std::initializer_list<Control*>{&w.Check1(k), &w.Command6(k)})
            c->MouseMove = [leave = pointer.leave](int, int, double, double) { leave(false); };
        for (Control* c : std::initializer_list<Control*>{&w.Text5(k), &w.Text6(k)})
            c->MouseMove = [leave = pointer.leave](int, int, double, double) { leave(true); };
    }
}

}  // namespace quillory
