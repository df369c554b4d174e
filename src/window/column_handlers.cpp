// Connects the core columns, the proxy panels, the window's background, the
// pointer resets and the display menus to their procedures.
#include "forms/application.h"
#include "window/column_drawing.h"
#include "photo/photo_command.h"
#include "proxy/panel_controls.h"
#include "tools/frm_version.h"
#include "tools/frm_export.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;

void CoreWindow::ToggleAndRedraw(Menu& item) {
    item.SetChecked(!item.Checked());
    DrawLamina();
}

void CoreWindow::WireColumnHandlers() {
    for (auto& [k, column] : BoreHole) {
        const auto index = static_cast<int16_t>(k);
        column->MouseMove = [this, index](int b, int s, double x, double y) {
            BoreHole_MouseMove(index, b, s, static_cast<float>(x), static_cast<float>(y));
        };
        column->MouseDown = [this, index](int b, int s, double x, double y) {
            BoreHole_MouseDown(index, b, s, static_cast<float>(x), static_cast<float>(y));
        };
    }
    // A pick on a panel is a pick on the composite column at the same height.
    WirePanelControls(*this, {[this](int b, int s, float x, float y) { MouseDownProcedure(0, b, s, x, y); },
                              [this](float y) { TargetLine(y); },
                              [this](bool axisBox) { LeavePanelControl(axisBox); }});
    for (int16_t k = 0; k <= 4; ++k) Command6(k).Click = [this, k] { Command6_Click(k); };

    Resize = [this] { Form_Resize(); };
    MouseDown = [this](int, int, double x, double) { Form_MouseDown(static_cast<float>(x)); };
    MouseMove = [this](int, int, double, double y) { Form_MouseMove(static_cast<float>(y)); };

    // Leaving the columns: buttons reset the pointer; labels and the panels'
    // own controls also take the target lines away.
    for (Control* c : std::initializer_list<Control*>{&Command1, &Command2, &Command3, &Command4, &Command5, &Command7})
        c->MouseMove = [this](int, int, double, double) { App().SetMousePointer(vbDefault); };
    auto leave = [this](int pointer) {
        return [this, pointer](int, int, double, double) {
            App().SetMousePointer(pointer);
            EraseBothTargetLines();
        };
    };
    for (auto& [k, label] : Label1) label->MouseMove = leave(vbArrow);
    for (Control* c : std::initializer_list<Control*>{&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8,
                                                      &Label9, &Label10})
        c->MouseMove = leave(vbArrow);

    for (auto& [k, item] : mnuCM) {
        const auto range = static_cast<int16_t>(k);
        item->Click = [this, range] { SetRange(range); };
    }
    mnuLink->Click = [this] { mnuLink_Click(); };
    for (auto& [k, item] : mnuSize) {
        const auto size = static_cast<int16_t>(k);
        item->Click = [this, size] { mnuSize_Click(size); };
    }
    mnuDepth->Click = [this] { mnuRuler_Click(true); };
    mnuAge->Click = [this] { mnuRuler_Click(false); };
    for (auto& [k, item] : mnuBH) {
        const auto boreHole = static_cast<int16_t>(k);
        item->Click = [this, boreHole] { mnuBH_Click(boreHole); };
    }
    mnuDivider->Click = [this] { mnuDivider_Click(); };
    mnuHorizontal->Click = [this] { mnuHorizontal_Click(); };
    mnuHorizontalBH->Click = [this] { mnuHorizontal_Click(); };
    for (PanelMenu& pm : panelMenu) pm.horizontal->Click = [this] { mnuHorizontal_Click(); };
    mnuShowTiePoints->Click = [this] { ToggleAndRedraw(*mnuShowTiePoints); };
    mnuPhoto->Click = [this] { ShowPhotoWindowsInUse(App(), shared.photo); };
    Command7.Click = [this] {
        CoreWindow& master = MasterWindow();
        CoreWindow& duo = DuoWindow();
        PhotoCommand({CommonDialog1, *mnuPhoto, master, duo, master.Command7, duo.Command7}, shared.photo, photos_);
    };
    mnuVersion->Click = [this] { tools_.version().Show(); };
    for (int k = 0; k <= 4; ++k) panelMenu[k].exportItem->Click = [this, k] { tools_.exporter().OpenForPanel(k); };
    mnuAlign->Click = [this] { SetTop(Other().Top()); };

    // Copies of the kept drawings, without the target line over them.
    auto copyKept = [this](PictureBox& column) {
        App().Platform().ClipboardClear();
        App().Platform().ClipboardSetPicture(column.Draw().PictureSnapshot());
    };
    mnuCompCopy->Click = [this, copyKept] { copyKept(BoreHole(0)); };
    mnuCopyCore->Click = [this, copyKept] { copyKept(BoreHole(state.gClickedColumn)); };
    mnuCopyDepth->Click = [this] { mnuCopyDepth_Click(); };
}

}  // namespace quillory
