#include "scenario/demo_program.h"

#include "values/values.h"

namespace scenario {
namespace {

using namespace forms;
using namespace values;

class FrmDemo : public Form {
public:
    explicit FrmDemo(Application& a) : Form(a, "frmDemo") {
        SetCaption("Forms demo");
        Move(600, 600, 7200, 5400);
        Text1.Move(240, 240, 1200, 285);
        Text2.Move(1560, 240, 1200, 285);
        Label1.Move(2880, 240, 2400, 285);
        Label2.Move(2880, 600, 2400, 285);
        Label3.Move(2880, 960, 2400, 285);
        Command1.Move(240, 600, 1200, 375);
        Command1.SetCaption("Ask");
        Frame1.Move(240, 1080, 2520, 900);
        Frame1.SetCaption(" Choice ");
        Add<OptionButton>(Option1, "Option1", 0, &Frame1).Move(120, 240, 1100, 255);
        Add<OptionButton>(Option1, "Option1", 1, &Frame1).Move(1260, 240, 1100, 255);
        Option1(0).SetCaption("First");
        Option1(1).SetCaption("Second");
        Check1.Move(240, 2040, 1500, 255);
        Check1.SetCaption("Checked");
        Picture1.Move(3000, 1440, 2400, 2400);
        Slider1.Move(5640, 1440, 375, 2400);
        Slider1.SetMax(100);
        Timer1.SetInterval(100);
        Timer1.SetEnabled(false);
        Menu& file = AddMenu("mnuFile", "File");
        for (int i = 0; i < 3; ++i) AddMenu(mnuItem, "mnuItem", i, "Item " + std::to_string(i), &file);
        Menu& pop = AddMenu("mnuPop", "Pop");
        pop.SetVisible(false);
        AddMenu("mnuPopCopy", "Copy", &pop).Click = [this] {
            App().Platform().ClipboardClear();
            App().Platform().ClipboardSetPicture(Picture1.Draw().TakeSnapshot());
        };

        Load = [this] { Label1.SetCaption("0 0"); };
        Text1.Change = [this] { Echo(1); };
        Text2.Change = [this] { Echo(2); };
        Command1.Click = [this] {
            int answer = App().MsgBox("Start the timer?", vbYesNo + vbQuestion, "Demo");
            Timer1.SetEnabled(answer == vbYes);
        };
        for (auto& [i, o] : Option1) {
            int index = i;
            o->Click = [this, index] { Label2.SetCaption("option " + std::to_string(index)); };
        }
        Check1.Click = [this] { Label2.SetCaption("check " + std::to_string(Check1.Value())); };
        for (auto& [i, m] : mnuItem) {
            int index = i;
            m->Click = [this, index] { Label2.SetCaption("item " + std::to_string(index)); };
        }
        Timer1.OnTimer = [this] { Label3.SetCaption(std::to_string(++ticks_)); };
        Slider1.Change = [this] { Label3.SetCaption("slider " + std::to_string(Slider1.Value())); };
        Resize = [this] { Label3.SetCaption("inner " + NumberText(ScaleWidth()) + "x" + NumberText(ScaleHeight())); };

        // A column in user scale: x 0..7.6, depth 0..100 downwards.
        Surface& d = Picture1.Draw();
        Picture1.SetBackColor(kWhite);
        d.SetScale(0, 0, 7.6, 100);
        d.Cls();
        d.FillStyle = 0;
        d.FilledBox(1, 10, 6.6, 40, RGB(150, 150, 255));
        d.Line(0, 50, 7.6, 50, RGB(0, 170, 0));
        d.Circle(3.8, 70, 1, kBlack);
        d.CurrentX = 0.5;
        d.CurrentY = 80;
        d.Print("A-01");
        d.KeepDrawing();
        Picture1.MouseMove = [this](int, int, double, double y) {
            Picture1.Draw().Cls();
            Picture1.Draw().Line(0, y, 7.6, y, RGB(255, 150, 0));
        };
        Picture1.MouseDown = [this](int button, int, double, double y) {
            if (button == kRightButton) PopupMenu(*static_cast<Menu*>(FindControl("mnuPop")));
            else Text1.SetText(SingleText(static_cast<float>(RoundHalfEven(y, 1))));
        };
    }

    TextBox& Text1 = Add<TextBox>("Text1");
    TextBox& Text2 = Add<TextBox>("Text2");
    Label& Label1 = Add<Label>("Label1");
    Label& Label2 = Add<Label>("Label2");
    Label& Label3 = Add<Label>("Label3");
    CommandButton& Command1 = Add<CommandButton>("Command1");
    Frame& Frame1 = Add<Frame>("Frame1");
    ControlArray<OptionButton> Option1;
    CheckBox& Check1 = Add<CheckBox>("Check1");
    PictureBox& Picture1 = Add<PictureBox>("Picture1");
    Slider& Slider1 = Add<Slider>("Slider1");
    Timer& Timer1 = Add<Timer>("Timer1");
    ControlArray<Menu> mnuItem;

private:
    // The two boxes keep each other at "Text2 = 2 x Text1"; the guard stops
    // the echo of a write from writing back.
    void Echo(int from) {
        ++changes_[from - 1];
        Label1.SetCaption(std::to_string(changes_[0]) + " " + std::to_string(changes_[1]));
        if (guard_) return;
        guard_ = true;
        if (from == 1) Text2.SetText(SingleText(static_cast<float>(Val(Text1.Text()) * 2)));
        else Text1.SetText(SingleText(static_cast<float>(Val(Text2.Text()) / 2)));
        guard_ = false;
    }

    bool guard_ = false;
    int changes_[2] = {0, 0};
    int ticks_ = 0;
};

class DemoProgram : public quillory::Program {
public:
    explicit DemoProgram(Application& a)
        : frmDemo_(a, "frmDemo", [&a] { return std::make_unique<FrmDemo>(a); }) {}
    void Start() override { frmDemo_().Show(); }

private:
    FormSlot<FrmDemo> frmDemo_;
};

}  // namespace

std::unique_ptr<quillory::Program> MakeDemo(Application& application) {
    return std::make_unique<DemoProgram>(application);
}

}  // namespace scenario
