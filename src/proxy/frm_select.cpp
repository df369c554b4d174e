#include "proxy/frm_select.h"

#include <algorithm>
#include <initializer_list>

#include "forms/application.h"
#include "proxy/draw_proxy.h"
#include "values/values.h"

namespace quillory {

using namespace forms;
using namespace values;

namespace {

constexpr int kPreviewRows = 8;
constexpr int kRowStep = 225;  // rows 285 twips high overlap the one above by 60
constexpr int kBeside = 15;    // the window's offset from its owner's corner
constexpr Colour kMidLine = RGB(0, 170, 0);

}  // namespace

FrmSelect::FrmSelect(Application& app, const std::string& name, SideRef owner) : Form(app, name), owner(owner) {
    BuildDesign();
    Load = [this] { Form_Load(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    // Closed by its close box, the question counts as cancelled.
    Unload_ = [this](int&) {
        if (!answered_ && Visible()) GiveBackOwner();
    };
    auto pointerBack = [this](int, int, double, double) { App().SetMousePointer(vbDefault); };
    MouseMove = pointerBack;
    Frame1.MouseMove = pointerBack;
    for (auto* column : {&Text1, &Text2, &Text3})
        for (auto& [i, box] : *column) {
            TextBox* b = box;
            b->MouseDown = [this](int, int, double, double) { Command1.SetFocus(); };
            b->MouseMove = [b](int, int, double, double) { b->ToolTipText = b->Text(); };
        }
}

void FrmSelect::BuildDesign() {
    SetCaption("Vertical axis");
    BorderStyle = 4;  // fixed tool window
    Move(0, 0, 4935 + kFrameWidth, 2310 + kFrameHeight);
    Frame1.Move(120, 120, 2175, 1575);
    Frame1.SetCaption("Vertical scale");
    const char* scales[] = {"Composite depth", "Age (b1950)", "Age (ka)"};
    for (int i = 0; i < 3; ++i) {
        OptionButton& o = Add<OptionButton>(Option1, "Option1", i, &Frame1);
        o.Move(240, 480 + 360 * i, 1815, 255);
        o.SetCaption(scales[i]);
    }
    Command1.Move(120, 1800, 1095, 375);
    Command1.SetCaption("OK");
    Command1.TabIndex = 0;
    Command2.Move(1200, 1800, 1095, 375);
    Command2.SetCaption("Cancel");
    Command2.TabIndex = 1;
    Frame2.Move(2400, 120, 2415, 2055);
    ControlArray<TextBox>* columns[] = {&Text1, &Text2, &Text3};
    const char* names[] = {"Text1", "Text2", "Text3"};
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i <= kPreviewRows; ++i) {
            TextBox& box = Add<TextBox>(*columns[c], names[c], i, &Frame2);
            box.Move(960 * c, 120, 975, 285);
            box.SetFontSize(8.25);
            box.SetForeColor(kGrayText);
            if (c == 1) box.SetBackColor(kWhite);
        }
    }
    Label1.Move(5520, 840, 855, 255);
    Label1.SetCaption("Index");
    // The window's font, Arial 9; the preview keeps its own smaller one.
    for (Control* c : std::initializer_list<Control*>{&Frame1, &Option1(0), &Option1(1), &Option1(2), &Command1,
                                                      &Command2, &Frame2, &Label1})
        c->SetFontSize(9);
}

void FrmSelect::Form_Load() {
    App().SetMousePointer(vbDefault);
    Option1(0).SetValue(true);
    EnableAgeOptions();
    for (int i = 1; i <= kPreviewRows; ++i) {
        Text1(i).SetTop(Text1(i - 1).Top() + kRowStep);
        Text2(i).SetTop(Text1(i).Top());
        Text3(i).SetTop(Text1(i).Top());
    }
}

void FrmSelect::EnableAgeOptions() {
    const bool ages = owner().state.model.gAgeModelLoaded;
    Option1(1).SetEnabled(ages);
    Option1(2).SetEnabled(ages);
}

void FrmSelect::Prepare(int16_t panel, const model::ProxyPreview& preview) {
    // The age-depth model may have arrived since the window was loaded.
    EnableAgeOptions();
    Label1.SetCaption(Str(panel));
    SideWindow& w = owner();
    SetTop(std::max<double>(w.Top() + kBeside, kBeside));
    SetLeft(std::max<double>(w.Left() + kBeside, kBeside));
    ControlArray<TextBox>* columns[] = {&Text1, &Text2, &Text3};
    for (int col = 0; col < 3; ++col) {
        ControlArray<TextBox>& column = *columns[col];
        column(0).SetText(preview.header[static_cast<size_t>(col)]);
        for (int i = 1; i <= kPreviewRows; ++i) {
            const size_t row = static_cast<size_t>(i - 1);
            column(i).SetText(row < preview.rows.size() ? preview.rows[row][static_cast<size_t>(col)] : std::string());
        }
    }
}

void FrmSelect::GiveBackOwner() {
    SideWindow* w = owner.IfLoaded();
    if (!w || w->shared.gShuttingDown) return;
    w->SetEnabled(true);
    w->ProgressBar1.SetVisible(false);
    w->ProgressBar1.SetValue(0);
    if (w->Text2.Enabled()) w->Text2.SetFocus();
}

void FrmSelect::Command1_Click() {
    SideWindow& w = owner();
    const int16_t k = CInt(Val(Label1.Caption()));
    model::ProxyPanelData& panel = w.state.proxy.at(static_cast<size_t>(k));
    w.Picture1(k).SetBackColor(kWhite);
    w.ProgressBar1.SetVisible(true);
    w.ProgressBar1.SetMax(panel.gProxyRows);
    const model::ProxyAxis axis = Option1(1).Value()   ? model::ProxyAxis::kAgeB1950
                                  : Option1(2).Value() ? model::ProxyAxis::kAgeKa
                                                       : model::ProxyAxis::kCompositeDepth;
    w.state.proxyDrawing.at(static_cast<size_t>(k)).Forget();
    w.ConvertProxyPositions(panel, axis);
    w.ProgressBar1.SetValue(panel.gProxyRows);
    DrawProxy(w, k);
    Surface& s = w.Picture1(k).Draw();
    const double mid = s.ScaleTop() + w.state.gRange / 2.0;
    s.Line(s.ScaleLeft(), mid, s.ScaleLeft() + s.ScaleWidth(), mid, kMidLine);
    w.Refresh();
    answered_ = true;
    GiveBackOwner();
    Unload();
}

void FrmSelect::Command2_Click() {
    answered_ = true;
    GiveBackOwner();
    Unload();
}

}  // namespace quillory
