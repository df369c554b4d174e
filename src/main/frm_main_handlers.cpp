// Connects the main window's controls to its procedures.
#include "main/frm_main.h"
#include "main/quillory.h"

namespace quillory {

using namespace forms;

void FrmMain::WireHandlers() {
    Command1.Click = [this] { Command1_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    for (auto& [i, o] : Option2) o->Click = [this] { Option2_Click(); };
    for (auto& [i, o] : Option4) o->Click = [this] { Option4_Click(); };

    Combo1.Change = [this] { Combo1_Change(); };
    Combo1.Click = [this] { Combo1_Click(); };
    Combo2.Change = [this] { Combo2_Change(); };
    Combo2.Click = [this] { Combo2_Click(); };
    Combo5.Change = [this] { Combo5_Change(); };
    Combo5.Click = [this] { Combo5_Click(); };
    Text1.Change = [this] { Text1_Change(); };
    Slider1.Change = [this] { Slider1_Change(); };

    Text2.Change = [this] { Text2_Change(); };
    Text3.Change = [this] { Text3_Change(); };
    Text4.Change = [this] { Text4_Change(); };
    Label1(8).Change = [this] { Label1_Change(8); };

    Text1.GotFocus = [this] {
        ConnectLinesTo(Text1);
        s_.gDriveIndex = 1;
    };
    Text2.GotFocus = [this] {
        SaveBoxes(s_.model.gEventsLoaded, s_.model.gAgeModelLoaded);
        ConnectLinesTo(Text2);
        s_.gDriveIndex = 2;
    };
    Text3.GotFocus = [this] {
        SaveBoxes(true, s_.model.gAgeModelLoaded);
        ConnectLinesTo(Text3);
        s_.gDriveIndex = 3;
    };
    Text4.GotFocus = [this] {
        SaveBoxes(true, true);
        ConnectLinesTo(Text4);
        s_.gDriveIndex = 4;
    };
    Text2.KeyDown = [this](int&, int) {
        s_.gDrivenBy = 2;
        sh_.gActionCount.Set(0);
    };
    Text3.KeyDown = [this](int&, int) { s_.gText3UserEdit = true; };
    Text3.KeyPress = [this](int&) {
        s_.gText3UserEdit = true;
        sh_.gActionCount.Set(0);
    };
    Text1.KeyPress = [this](int&) { sh_.gActionCount.Set(0); };
    Text4.KeyPress = [this](int&) { sh_.gActionCount.Set(0); };
    Text3.MouseDown = [this](int, int, double, double) { s_.gText3UserEdit = true; };
    for (TextBox* box : {&Text1, &Text2, &Text3, &Text4})
        box->MouseMove = [this](int, int, double, double) { App().SetMousePointer(vbIbeam); };
    Slider1.MouseMove = [this](int, int, double, double) { App().SetMousePointer(vbDefault); };
    WireColumnHandlers();
}

}  // namespace quillory
