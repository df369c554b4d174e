#include "tools/frm_conversion.h"

#include <new>

#include "forms/application.h"
#include "model/conversion_tables.h"
#include "side/batch_conversion.h"
#include "tools/focus_back.h"
#include "values/runtime_error.h"

namespace quillory {

using namespace forms;
using namespace values;
using model::kScaleAge, model::kScaleEventFree, model::kScaleTrinity;

namespace {

constexpr int16_t kScales[] = {1, 2, 4, 8};

constexpr const char* kCannotWrite =
    "The file might be being used by another software. Please close the file and try again.";

}  // namespace

FrmConversion::FrmConversion(Application& app, const std::string& name, const ConversionDesign& design, SideRef owner,
                             SideState& ownerState, const SharedState& shared)
    : Form(app, name), design_(design), owner_(owner), state_(ownerState), shared_(shared) {
    BuildDesign();
    for (int16_t k : kScales) {
        Option1(k).Click = [this, k] { Option1_Click(k); };
        Check1(k).Click = [this] { Check1_Click(); };
    }
    Command1.Click = [this] { Command1_Click(); };
    Load = [this] { Form_Load(); };
    MouseMove = [this](int, int, double, double) { App().SetMousePointer(vbDefault); };
    Unload_ = [this](int&) { Form_Unload(); };
}

void FrmConversion::BuildDesign() {
    SetCaption(design_.caption);
    BorderStyle = 4;  // fixed tool window
    Move(495, 1200, 5535 + kFrameWidth, 3180 + kFrameHeight);

    struct Row {
        int16_t scale;
        const char *from, *to;
        int top, fromWidth, toWidth;
    };
    const Row rows[] = {{1, nullptr, "Holy trinity", 360, 1935, 1575},
                        {2, "Compoite depth", "Composite depth", 960, 1935, 1935},
                        {4, "Event free depth", "Event free depth", 1320, 1695, 1815},
                        {8, "Age", "Age", 1680, 735, 1455}};
    Frame1.Move(240, 240, 2415, 2175);
    Frame1.SetCaption(" From ");
    Frame2.Move(2880, 240, 2415, 2175);
    Frame2.SetCaption(" To ");
    int tab = 1;
    for (const Row& row : rows) {
        CheckBox& to = Add<CheckBox>(Check1, "Check1", row.scale, &Frame2);
        to.Move(240, row.top, row.toWidth, 225);
        to.SetCaption(row.to);
        to.TabIndex = tab;
        OptionButton& from = Add<OptionButton>(Option1, "Option1", row.scale, &Frame1);
        from.Move(240, row.top, row.fromWidth, 255);
        from.SetCaption(row.from ? row.from : design_.trinityCaption);
        from.TabIndex = tab + 4;
        ++tab;
    }
    for (Label* label : {&Label1, &Label2}) {
        label->Move(480, 600, 1815, 255);
        label->SetCaption("(Hole, Section, PSP)");
    }
    Command1.Move(240, 2640, 5055, 375);
    Command1.SetCaption("Convert and Save");
    Command1.TabIndex = 0;
    ProgressBar1.SetVisible(false);
    for (const auto& control : Controls()) control->SetFontSize(9);
}

void FrmConversion::SelectDetectedSource() {
    model::ConversionTables& t = state_.conversion;
    if (Option1.Contains(t.gConvDetected)) Option1(t.gConvDetected).SetValue(true);
    t.gConvFrom = t.gConvDetected;
}

void FrmConversion::Form_Load() {
    SelectDetectedSource();
    ProgressBar1.SetVisible(false);
    App().SetMousePointer(vbDefault);
    if (Left() < 15) SetLeft(15);
    if (Top() < 15) SetTop(15);
    On_Off_buttons();
}

void FrmConversion::TakeNewReading() {
    SelectDetectedSource();
    On_Off_buttons();
}

void FrmConversion::Option1_Click(int16_t index) {
    state_.conversion.gConvFrom = index;
    On_Off_buttons();
}

// A trinity file gives event-free depths, and so ages, only when the event
// list was loaded at its reading; a one-value file takes them from the
// models loaded now.
void FrmConversion::On_Off_buttons() {
    const model::ConversionTables& t = state_.conversion;
    const model::DepthModel& m = state_.model;
    const int16_t source = t.gConvFrom;

    Option1(1).SetEnabled(true);
    for (int16_t k : {2, 4, 8}) Option1(k).SetEnabled(false);
    if (source != kScaleTrinity) {
        Option1(1).SetEnabled(false);
        Option1(2).SetEnabled(true);
        Option1(4).SetEnabled(m.gEventsLoaded);
        Option1(8).SetEnabled(m.gAgeModelLoaded);
    }
    Label1.SetEnabled(Option1(1).Enabled());

    // The source's own columns are always written and cannot be unticked.
    for (int16_t k : kScales) {
        Check1(k).SetEnabled(k != kScaleTrinity && k != source);
        Check1(k).SetValue(k != kScaleTrinity || source == kScaleTrinity ? 1 : 0);
    }
    const bool eventFree = source == kScaleTrinity ? t.gConvTrinity.HasEventFree() : m.gEventsLoaded;
    if (!eventFree) {
        Check1(4).SetEnabled(false);
        Check1(4).SetValue(0);
    }
    if (!m.gAgeModelLoaded || (source == kScaleTrinity && !eventFree)) {
        Check1(8).SetEnabled(false);
        Check1(8).SetValue(0);
    }
    Label2.SetEnabled(Check1(1).Enabled());
}

void FrmConversion::Check1_Click() {
    state_.gConvMask = TickedMask();
    try {
        Command1.SetFocus();
    } catch (const RuntimeError&) {
        // Not visible yet: the focus stays where it is.
    }
}

int16_t FrmConversion::TickedMask() const {
    int16_t mask = 0;
    for (int16_t k : kScales)
        if (Check1(k).Value() == 1) mask = static_cast<int16_t>(mask + k);
    return mask;
}

int16_t FrmConversion::SelectedSource() const {
    for (int16_t k : kScales)
        if (Option1(k).Value()) return k;
    return 0;
}

// Cancel in the save dialog leaves the window open with its choices; a file
// that cannot be written closes it with a message.
void FrmConversion::Command1_Click() {
    model::ConversionTables& t = state_.conversion;
    state_.gConvMask = TickedMask();
    t.gConvFrom = SelectedSource();
    BatchConversion batch(state_);
    // Conversions the loaded models cannot give are refused before a file is asked for.
    if (Refused(model::CheckConversion(t, t.gConvFrom, state_.gConvMask, state_.model))) return;
    const auto fail = [this] {
        EndConversion(owner_());
        Unload();
        App().MsgBox(kCannotWrite, vbExclamation, "Error");
    };
    try {
        const std::optional<std::string> path = AskTarget();
        if (!path) return;
        Convert(*path);
    } catch (const RuntimeError&) {
        fail();
    } catch (const std::bad_alloc&) {
        // Memory that ran out (error 7) is trapped as every run-time error is.
        fail();
    }
}

std::optional<std::string> FrmConversion::AskTarget() {
    CommonDialog1.CancelError = true;
    CommonDialog1.Filter = "DataFile(*.csv)|*.csv";
    CommonDialog1.Flags = cdlOFNOverwritePrompt;
    // No name proposed and no extension added: the name is used as typed.
    CommonDialog1.FileName.clear();
    try {
        CommonDialog1.ShowSave();
    } catch (const RuntimeError& e) {
        if (e.number() != kErrCancel) throw;
        return std::nullopt;
    }
    return CommonDialog1.FileName;
}

// The file is replaced only once every record is written.
void FrmConversion::Convert(const std::string& path) {
    const model::ConversionTables& t = state_.conversion;
    SideWindow& owner = owner_();
    App().SetMousePointer(vbHourglass);
    owner.ProgressBar1.SetValue(0);
    owner.ProgressBar1.SetVisible(true);
    for (Form* window : {static_cast<Form*>(&owner), static_cast<Form*>(this)}) {
        window->Draw().Cls();
        window->Refresh();
    }
    const model::ConversionTitles titles =
        model::TitlesOf(state_.model, shared_.gAgeErrNamePlus, shared_.gAgeErrNameMinus);
    std::optional<model::MasterColumn> master;
    if (design_.masterColumn) master = design_.masterColumn();
    const model::ConversionSave saved = model::SaveConvertedFile(t, t.gConvFrom, state_.gConvMask, state_.model,
                                                                 path, titles, master ? &*master : nullptr);
    EndConversion(owner);
    if (!Refused(saved)) Unload();
}

bool FrmConversion::Refused(const model::ConversionSave& conversion) {
    if (conversion.refused) App().MsgBox(conversion.message, vbExclamation, "Error");
    return conversion.refused;
}

void FrmConversion::EndConversion(SideWindow& owner) {
    owner.ProgressBar1.SetVisible(false);
    owner.ProgressBar1.SetValue(0);
    App().SetMousePointer(vbDefault);
}

void FrmConversion::Form_Unload() {
    if (SideWindow* owner = owner_.IfLoaded()) FocusNextStep(*owner, design_.nextImports);
}

}  // namespace quillory
