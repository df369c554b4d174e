#include "tools/frm_divider.h"

#include "forms/application.h"
#include "model/correlation_lookup.h"
#include "values/shown_text.h"
#include "values/values.h"

namespace quillory {

using namespace forms;
using namespace values;

namespace {

constexpr Colour kTargetMark = RGB(0, 170, 0);
constexpr Colour kLaminaMark = RGB(255, 0, 255);
// Tops of the three rows: labels sit 40 twips below their lists and boxes.
constexpr int kRowLabelTop[] = {880, 1960, 3040};
constexpr int kLabelBelowBox = 40;
constexpr int kBoxHeight = 285;

const std::string kTargetHead = "Target depth = ";
const std::string kTargetTail = " cm";

std::string LaminaCaption(float psp) { return "= " + SingleText(psp) + " cm"; }

}  // namespace

FrmDivider::FrmDivider(Application& app, const std::string& name, const DividerDesign& design, SideRef owner,
                       SideState& ownerState, SharedState& shared)
    : Form(app, name), samplingHidesTarget_(design.samplingHidesTarget), owner_(owner), state_(ownerState),
      shared_(shared) {
    BuildDesign(design);
    Activate = [this] {
        Divide();
        state_.gDividerOpen = true;
    };
    for (int i : {0, 1}) {
        Combo1(i).Click = [this, i] { Combo1_Click(i); };
        Text1(i).Change = [this] { Text1_Change(); };
    }
    Text2.Change = [this] { Text2_Change(); };
    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    MouseMove = [this](int, int, double, double) { App().SetMousePointer(vbDefault); };
    // Closing gives the owner back; the hand-over values stay for the next
    // opening.
    Unload_ = [this](int&) {
        if (SideWindow* window = owner_.IfLoaded()) window->SetEnabled(true);
        state_.gDividerOpen = false;
    };
}

void FrmDivider::BuildDesign(const DividerDesign& design) {
    SetCaption(design.caption);
    BorderStyle = 1;
    Move(7650, 1125, 4440 + kFrameWidth, 3765 + kFrameHeight);

    auto heading = [this](int i, const std::string& caption, int left, int top, int width, int alignment) {
        Label& l = Add<Label>(Label4, "Label4", i);
        l.Move(left, top, width, 255);
        l.SetCaption(caption);
        l.SetFontBold(true);
        l.Alignment = alignment;
    };
    heading(2, "Lamina label and", 360, 120, 1695, 1);
    heading(3, "defined position (PSP)", 120, 360, 1935, 1);
    heading(1, design.actualHeading, 2970, 120, 1455, 0);
    heading(0, "actual scale", 2970, 360, 1095, 0);

    // One row per lamina: its list, its PSP and its actual-scale position.
    for (int i : {0, 1}) {
        const int top = i == 0 ? 840 : 3000;
        ComboBox& list = Add<ComboBox>(Combo1, "Combo1", i);
        list.Move(240, top, 975, 345);
        list.SetText("Combo1");
        Label& psp = Add<Label>(Label2, "Label2", i);
        psp.Move(0, top, 2055, 255);
        psp.SetCaption("Label2");
        psp.Alignment = 1;
        TextBox& actual = Add<TextBox>(Text1, "Text1", i);
        actual.Move(3000, top, 615, kBoxHeight);
        actual.SetText("Text1");
    }
    Label3.Move(0, 1920, 2055, 255);
    Label3.SetCaption("Label3");
    Label3.Alignment = 1;
    Label1.Move(3000, 1920, 615, 255);
    Label1.SetCaption("Label1");
    Text2.Move(3000, 1680, 615, kBoxHeight);
    Text2.SetText("Text2");
    Option1.Move(480, 2280, 1575, 195);
    Option1.SetCaption("Fix target depth");
    Option2.Move(3000, 2280, 1575, 195);
    Option2.SetCaption("Fix sampling");
    Label6.Move(3270, 2480, 975, 255);
    Label6.SetCaption("position");

    Picture1.Move(2160, 720, 735, 2715);
    Picture1.SetBackColor(kHighlightText);
    Label5.Move(0, 0, 735, 255);
    Label5.SetCaption("Label5");
    Label5.SetFontBold(true);
    Label5.Alignment = 2;
    Label5.SetForeColor(kGrayText);
    Label5.SetBackColor(kHighlightText);
    const int markY[] = {240, 1320, 2400};
    LineControl* marks[] = {&Line1, &Line3, &Line2};
    for (int r = 0; r < 3; ++r) {
        marks[r]->X1 = 0;
        marks[r]->X2 = 720;
        marks[r]->Y1 = marks[r]->Y2 = markY[r];
    }
}

void FrmDivider::Divide() {
    {
        // Filling the window writes its boxes one after the other, and each
        // would move the owner to a PSP of half-filled boxes; the owner
        // moves once, to where the filling ends.
        struct Filling {
            explicit Filling(bool& flag) : flag(flag) { flag = true; }
            ~Filling() { flag = false; }
            bool& flag;
        } filling(filling_);
        pendingPSP_.reset();

        // The owner's connector points at the PSP box when the level was
        // last given by bore hole, section and PSP.
        SideWindow& owner = owner_();
        if (owner.Line2(1).Y1 < owner.Label2.Top()) {
            Option2.SetValue(true);
            Text2.SetVisible(true);
        } else {
            Option1.SetValue(true);
            Text2.SetVisible(false);
        }
        d0_ = state_.gDivLamina0Depth;
        t_ = state_.gDivTargetDepth;
        d1_ = state_.gDivLamina1Depth;
        label0_ = state_.gDivLamina0Label;
        label1_ = state_.gDivLamina1Label;

        Label3.SetCaption(kTargetHead + SingleText(t_) + kTargetTail);
        Combo1(0).SetText(label0_);
        Label2(0).SetCaption(LaminaCaption(d0_));
        Combo1(1).SetText(label1_);
        Label2(1).SetCaption(LaminaCaption(d1_));
        // The actual scale starts equal to the PSPs.
        Text1(0).SetText(SingleText(d0_));
        Text1(1).SetText(SingleText(d1_));
        const std::string target = SingleText(RoundedDepth(t_));
        Label1.SetCaption(target);
        Text2.SetText(target);
        if (d0_ == d1_) {
            Label3.SetCaption("");
            Text2.SetText(pendingPSP_.value_or(owner.Text1.Text()));
        } else {
            LayOut(t_ < d0_ ? TargetRow::kAbove : t_ > d1_ ? TargetRow::kBelow : TargetRow::kBetween);
        }
    }
    if (pendingPSP_) {
        state_.gDrivenBy = DrivenBy::kDivider;
        PutIntoOwner(*pendingPSP_);
        pendingPSP_.reset();
        state_.gDrivenBy = DrivenBy::kNobody;
    }
}

void FrmDivider::LayOut(TargetRow target) {
    const int targetRow = target == TargetRow::kAbove ? 0 : target == TargetRow::kBetween ? 1 : 2;
    const int upperRow = target == TargetRow::kAbove ? 1 : 0;
    const int lowerRow = target == TargetRow::kBelow ? 1 : 2;
    auto place = [](int row, std::initializer_list<Control*> labels, std::initializer_list<Control*> boxes) {
        for (Control* c : labels) c->SetTop(kRowLabelTop[row]);
        for (Control* c : boxes) c->SetTop(kRowLabelTop[row] - kLabelBelowBox);
    };
    place(upperRow, {&Label2(0)}, {&Combo1(0), &Text1(0)});
    place(targetRow, {&Label3, &Label1}, {&Text2});
    place(lowerRow, {&Label2(1)}, {&Combo1(1), &Text1(1)});
    LineControl* marks[] = {&Line1, &Line3, &Line2};
    for (int r = 0; r < 3; ++r) {
        marks[r]->BorderColor = r == targetRow ? kTargetMark : kLaminaMark;
        marks[r]->Touch();
    }
    for (TextBox* box : {&Text1(0), &Text1(1), &Text2}) box->SetHeight(kBoxHeight);
    // The method choice follows the target's row.
    Option1.SetTop(Text2.Top() + 340);
    Option2.SetTop(Text2.Top() + 340);
    Label6.SetTop(Text2.Top() + 540);
}

float FrmDivider::RoundedDepth(double v) const {
    return values::CSng(RoundHalfEven(v, shared_.precision.gDepthPrecision));
}

bool FrmDivider::TargetBetweenLaminae() const { return d0_ <= t_ && t_ <= d1_; }

// Below the lower lamina as the rows are laid out.
bool FrmDivider::TargetBelowLaminae() const { return t_ >= d0_ && t_ > d1_; }

std::optional<float> FrmDivider::SampledTarget() {
    const std::string t0 = Text1(0).Text(), t1 = Text1(1).Text();
    if (t0.empty() || t1.empty()) return std::nullopt;
    // Outside the pair the actual scale runs one to one with the PSP, from
    // the nearer lamina's actual position.
    if (TargetBelowLaminae()) return RoundedDepth(Val(Text2.Text()) - Val(t1) + d1_);
    const double r = TargetBetweenLaminae() ? values::Divide(d1_ - d0_, Val(t1) - Val(t0)) : 1;
    return RoundedDepth((Val(Text2.Text()) - Val(t0)) * r + d0_);
}

void FrmDivider::ShowSampledTarget(float psp) {
    Label3.SetCaption(kTargetHead + SingleText(psp) + kTargetTail);
    WriteOwnerPSP(SingleText(psp));
}

void FrmDivider::Text1_Change() {
    state_.gDrivenBy = DrivenBy::kDivider;
    const std::string t0 = Text1(0).Text(), t1 = Text1(1).Text();
    if (t0 != t1) {
        try {
            if (Option1.Value() && !t0.empty() && !t1.empty()) {
                if (TargetBelowLaminae()) {
                    Label1.SetCaption(SingleText(RoundedDepth(Val(t1) + (t_ - d1_))));
                } else {
                    const double r = TargetBetweenLaminae() ? values::Divide(Val(t1) - Val(t0), d1_ - d0_) : 1;
                    Label1.SetCaption(SingleText(RoundedDepth(Val(t0) + (t_ - d0_) * r)));
                }
            }
            if (Option2.Value())
                if (std::optional<float> psp = SampledTarget()) ShowSampledTarget(*psp);
        } catch (const RuntimeError&) {
            // A zero divisor, or a number beyond a depth's range, leaves the
            // target and the owner as they were.
        }
    }
    state_.gDrivenBy = DrivenBy::kNobody;
}

void FrmDivider::Text2_Change() {
    state_.gDrivenBy = DrivenBy::kDivider;
    const std::string t0 = Text1(0).Text(), t1 = Text1(1).Text();
    if (t0 != t1) {
        std::optional<float> psp;
        double s = 0, v0 = 0, v1 = 0;
        try {
            psp = SampledTarget();
            // By the actual scale, an empty box counting as 0.
            s = Val(Text2.Text());
            v0 = Val(t0);
            v1 = Val(t1);
        } catch (const RuntimeError&) {
            // A zero divisor, or a number beyond a depth's range, ends the
            // handler before it shows anything.
            state_.gDrivenBy = DrivenBy::kNobody;
            return;
        }
        if (psp) ShowSampledTarget(*psp);
        LayOut(v0 > s ? TargetRow::kAbove : v1 < s ? TargetRow::kBelow : TargetRow::kBetween);
        TakeTargetFromCaption();
    }
    state_.gDrivenBy = DrivenBy::kNobody;
}

// The shared target becomes the rounded value shown. A caption without a
// target depth (emptied for two laminae at one depth) has no number to give:
// the target stays as it was.
void FrmDivider::TakeTargetFromCaption() {
    const std::string& c = Label3.Caption();
    const size_t frame = kTargetHead.size() + kTargetTail.size();
    if (c.size() <= frame || c.compare(0, kTargetHead.size(), kTargetHead) != 0 ||
        c.compare(c.size() - kTargetTail.size(), kTargetTail.size(), kTargetTail) != 0)
        return;
    state_.gDivTargetDepth = static_cast<float>(Val(c.substr(kTargetHead.size(), c.size() - frame)));
}

void FrmDivider::Combo1_Click(int index) {
    // A section's bottom cannot be the upper lamina, nor its top the lower.
    if (model::IsBottomLabel(Combo1(0).Text())) {
        Combo1(0).SetText("");
        Combo1(1).SetText("");
        return;
    }
    if (model::IsTopLabel(Combo1(1).Text())) {
        Combo1(1).SetText("");
        return;
    }
    state_.gDrivenBy = DrivenBy::kDivider;
    if (Text2.Visible()) Text2.SetFocus();
    else Text1(index).SetFocus();
    LookUpLamina(index);
    Divide();
    if (SameShownText(Combo1(0).Text(), Combo1(1).Text())) {
        Label1.SetVisible(false);
        Label2(index).SetVisible(false);
    } else {
        for (Label* l : {&Label1, &Label2(0), &Label2(1)}) l->SetVisible(true);
    }
    state_.gDrivenBy = DrivenBy::kNobody;
}

// Every lamina of the section is found, however far down the section it
// lies; a later row of the same label wins.
void FrmDivider::LookUpLamina(int index) {
    const std::string chosen = Combo1(index).Text();
    const std::vector<SectionLamina>& rows = state_.gSectionLaminae;
    for (size_t r = 1; r < rows.size() && !rows[r].label.empty(); ++r) {
        if (!SameShownText(rows[r].label, chosen)) continue;
        (index == 0 ? state_.gDivLamina0Depth : state_.gDivLamina1Depth) = static_cast<float>(Val(rows[r].psp));
        (index == 0 ? state_.gDivLamina0Label : state_.gDivLamina1Label) = rows[r].label;
    }
}

void FrmDivider::Option1_Click() {
    Text2.SetVisible(false);
    Label1.SetVisible(true);
    if (!Text2.Text().empty()) Label1.SetCaption(Text2.Text());
}

void FrmDivider::Option2_Click() {
    Text2.SetVisible(true);
    if (samplingHidesTarget_) Label1.SetVisible(false);
    if (Text2.AcceptsUserInput()) Text2.SetFocus();
    if (!Label1.Caption().empty()) Text2.SetText(Label1.Caption());
}

void FrmDivider::WriteOwnerPSP(const std::string& psp) {
    if (filling_) pendingPSP_ = psp;
    else PutIntoOwner(psp);
}

void FrmDivider::PutIntoOwner(const std::string& psp) {
    // A divider edit is the user's own action: the other main window follows
    // it as it follows every other change of level.
    shared_.gActionCount.Set(ActionCount::kUserAction);
    owner_().Text1.SetText(psp);
}

}  // namespace quillory
