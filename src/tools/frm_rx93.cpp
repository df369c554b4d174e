#include "tools/frm_rx93.h"

#include <optional>

#include "forms/application.h"
#include "values/values.h"

namespace quillory {

using namespace forms;
using namespace values;

namespace {

constexpr int kPositions = 20;
// The window is the ruler's height plus the controls above it and the frame.
constexpr int kAroundRuler = 1190;
constexpr int kLeastHeight = 1600;
constexpr int kWidth = 1320;

constexpr Colour kPosition = RGB(255, 0, 0);
constexpr Colour kFocusedPosition = RGB(0, 0, 255);
constexpr Colour kLength = RGB(150, 150, 150);

}  // namespace

FrmRX93::FrmRX93(Application& app, SideRef columns) : Form(app, "frmRX93"), columns_(columns) {
    BuildDesign();
    Load = [this] { Form_Load(); };
    Resize = [this] { Form_Resize(); };
    Picture1.Resize = [this] { Picture1_Resize(); };
    for (auto& [i, box] : Text1) {
        box->Change = [this] { DrawRX93(); };
        box->GotFocus = [this, i = i] {
            Label4.SetCaption(Str(i));
            DrawRX93();
        };
    }
    Text2.Change = [this] { DrawRX93(); };
    Command1.Click = [this] { Command1_Click(); };
    auto pointerBack = [this](int, int, double, double) { App().SetMousePointer(vbDefault); };
    MouseMove = pointerBack;
    for (Control* c : std::initializer_list<Control*>{&Picture1, &Command1, &Label1, &Label3})
        c->MouseMove = pointerBack;
}

void FrmRX93::BuildDesign() {
    SetCaption("Correlator");
    Move(60, 345, 2115 + kFrameWidth, 7350 + kFrameHeight);
    Label1.Move(0, 40, 975, 255);
    Label1.SetCaption("C. length:");
    Text2.Move(720, 0, 495, 285);
    Text2.SetText("Text2");
    Text2.Alignment = 1;
    Label3.Move(0, 280, 1215, 255);
    Label3.SetCaption("100 %");
    Label3.Alignment = 2;
    Command1.Move(0, 480, 1215, 255);
    Command1.SetCaption("Clear");
    Picture1.Move(0, 720, 1215, 5535);
    Picture1.SetBackColor(kHighlightText);
    SetRulerScale();
    for (int i = 1; i <= kPositions; ++i) {
        TextBox& box = Add<TextBox>(Text1, "Text1", i);
        box.Move(360, 720 + 240 * (i - 1), 495, 285);
        box.SetText("Text1");
        box.Alignment = 2;
    }
    Label2.Move(1440, 480, 615, 255);
    Label2.SetCaption("9999");
    Label4.Move(1440, 720, 495, 255);
    Label4.SetCaption("Label4");
}

void FrmRX93::Form_Load() {
    for (int i = 1; i <= kPositions; ++i) Text1(i).SetText("");
    Text2.SetText("");
    Picture1.SetHeight(HundredCentimetres());
    SetRulerScale();
}

void FrmRX93::Form_Resize() {
    if (Height() < kLeastHeight) SetHeight(kLeastHeight);
    Picture1.SetHeight(Height() - kAroundRuler);
    SetWidth(kWidth);
}

void FrmRX93::Picture1_Resize() {
    SetHeight(Picture1.Height() + kAroundRuler);
    SetRulerScale();
    DrawRX93();
}

// 100 at the top edge, 0 at the bottom, whatever the ruler's height.
void FrmRX93::SetRulerScale() {
    Picture1.Draw().SetScaleHeight(-100);
    Picture1.Draw().SetScaleTop(100);
}

int FrmRX93::HundredCentimetres() const {
    const PictureBox& composite = columns_().BoreHole(0);
    return CLng(composite.Height() * 100.0 / composite.Draw().ScaleHeight());
}

std::string FrmRX93::Stretch() const {
    const double percent = values::Divide(Picture1.Height() * 100.0, Val(Label2.Caption()));
    return SingleText(static_cast<float>(RoundHalfEven(percent, 1))) + " %";
}

namespace {

// A typed position on the ruler; a number beyond any the ruler can hold marks
// nothing.
std::optional<double> RulerPosition(const std::string& text) {
    try {
        return values::CSng(Val(text));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace

void FrmRX93::DrawRX93() {
    Surface& ruler = Picture1.Draw();
    ruler.Cls();
    const double left = ruler.ScaleLeft(), right = left + ruler.ScaleWidth();
    const double focused = Val(Label4.Caption());
    for (int i = 1; i <= kPositions; ++i)
        if (std::optional<double> y = RulerPosition(Text1(i).Text()))
            ruler.Line(left, *y, right, *y, focused == i ? kFocusedPosition : kPosition);
    if (!Text2.Text().empty())
        if (std::optional<double> length = RulerPosition(Text2.Text())) ruler.Box(left, 100, right, *length, kLength);
    Label3.SetCaption(Stretch());
}

void FrmRX93::FollowColumns() {
    const int height = HundredCentimetres();
    Picture1.SetHeight(height);
    // The reference stays the height 100 cm take, also where the window's
    // least height keeps the ruler taller, so the stretch shows true.
    Label2.SetCaption(Str(height));
    Label3.SetCaption(Stretch());
}

void FrmRX93::Command1_Click() {
    for (int i = 1; i <= kPositions; ++i) Text1(i).SetText("");
    Picture1.Draw().Cls();
}

}  // namespace quillory
