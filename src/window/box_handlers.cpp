// The handlers of the controls both main windows share: the holy-trinity
// lists, the scale options, the type-in boxes with their focus and key
// events, the slider and the import buttons; the columns' own come from
// column_handlers.cpp.
#include "forms/application.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;

void CoreWindow::WireHandlers() {
    // A pick from a list (Click) and a key in the PSP box are the user's own
    // choice of a position: the bore-hole hand-over of a right click on a
    // column, whose menu may have been dismissed, ends there. The program's
    // own writes keep it.
    Combo1.Change = [this] { Combo1_Change(); };
    Combo1.Click = [this] {
        state.gFromMenuBH = false;
        Combo1_Click();
    };
    Combo2.Change = [this] { PickSectionNumber(false); };
    Combo2.Click = [this] {
        state.gFromMenuBH = false;
        PickSectionNumber(true);
    };
    Combo5.Change = [this] { SelectSectionByName(false); };
    Combo5.Click = [this] {
        state.gFromMenuBH = false;
        SelectSectionByName(true);
    };
    for (auto& [k, o] : Option2) o->Click = [this] { Option2_Click(); };
    Text1.Change = [this] { Text1_Change(); };
    Slider1.Change = [this] { Slider1_Change(); };
    Command2.Click = [this] { Command2_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };

    Text2.Change = [this] { Text2_Change(); };
    Text3.Change = [this] { Text3_Change(); };
    Text4.Change = [this] { Text4_Change(); };
    Label1(8).Change = [this] { Label1_Change(8); };

    Text1.GotFocus = [this] {
        ConnectLinesTo(Text1);
        state.gDriveIndex = 1;
    };
    Text2.GotFocus = [this] {
        ConnectLinesTo(Text2);
        state.gDriveIndex = 2;
    };
    Text3.GotFocus = [this] {
        ConnectLinesTo(Text3);
        state.gDriveIndex = 3;
    };
    Text4.GotFocus = [this] {
        ConnectLinesTo(Text4);
        state.gDriveIndex = 4;
    };
    Text2.KeyDown = [this](int&, int) {
        state.gDrivenBy = DrivenBy::kTyped;
        shared.gActionCount.Set(ActionCount::kUserAction);
    };
    // A key that changed nothing (Enter, an arrow, a character over itself)
    // ran no road to hand the level back: its key-up does.
    Text2.KeyUp = [this](int&, int) {
        if (state.gDrivenBy == DrivenBy::kTyped) state.gDrivenBy = DrivenBy::kNobody;
    };
    // Every key in a box is a user action, Delete too, which raises no
    // KeyPress: the level it gives is pushed to the other window.
    Text3.KeyDown = [this](int&, int) {
        state.gText3UserEdit = true;
        shared.gActionCount.Set(ActionCount::kUserAction);
    };
    // A key in the event-free box that changed nothing leaves no edit mark
    // that a later write into the box would take for the user's.
    Text3.KeyUp = [this](int&, int) { state.gText3UserEdit = false; };
    Text1.KeyDown = [this](int&, int) {
        state.gFromMenuBH = false;
        shared.gActionCount.Set(ActionCount::kUserAction);
    };
    // A key in the age box gives the level from there again, also after the
    // slider, a pick or the other window moved it while the box kept the focus.
    Text4.KeyDown = [this](int&, int) {
        state.gDriveIndex = 4;
        shared.gActionCount.Set(ActionCount::kUserAction);
    };
    Text3.MouseDown = [this](int, int, double, double) { state.gText3UserEdit = true; };
    for (TextBox* box : {&Text1, &Text2, &Text3, &Text4})
        box->MouseMove = [this](int, int, double, double) { App().SetMousePointer(vbIbeam); };
    Slider1.MouseMove = [this](int, int, double, double) { App().SetMousePointer(vbDefault); };
    WireColumnHandlers();
}

}  // namespace quillory
