#include "tools/frm_version.h"

#include <algorithm>

#include "forms/application.h"
#include "tools/focus_back.h"
#include "values/values.h"

namespace quillory {

using namespace forms;
using namespace values;

namespace {

// The owner's caption begins with the product's name; the rest is the version.
const std::string kProductName = "Quillory";
constexpr int kHeight = 2100;

}  // namespace

std::string AfterProductName(const std::string& caption) {
    return Right(caption, std::max(0L, Len(caption) - Len(kProductName)));
}

std::string LastFiveCharacters(const std::string& caption) { return Right(caption, 5); }

FrmVersion::FrmVersion(Application& app, const std::string& name, const VersionDesign& design, SideRef owner,
                       const SideState& ownerState)
    : Form(app, name), design_(design), owner_(owner), ownerState_(ownerState) {
    BuildDesign();
    Load = [this] { Form_Load(); };
    // Only the width follows the user.
    Resize = [this] { SetHeight(kHeight); };
    Unload_ = [this](int&) { Form_Unload(); };
    auto pointerBack = [this](int, int, double, double) { App().SetMousePointer(vbDefault); };
    MouseMove = pointerBack;
    for (auto* labels : {&Label1, &Label2})
        for (auto& [i, label] : *labels) label->MouseMove = pointerBack;
}

void FrmVersion::BuildDesign() {
    SetCaption(design_.caption);
    Move(0, 0, 3270 + kFrameWidth, 1815 + kFrameHeight);
    Label3.Move(120, 120, 1575, 255);
    Label3.SetCaption("Quillory:");
    Label4.Move(1200, 120, 2415, 255);
    const char* titles[] = {"Correlation model: ", "List of event layers: ", "Age-depth model: ", "Varve counts: "};
    for (int i = 0; i < 4; ++i) {
        Label& title = Add<Label>(Label1, "Label1", i);
        title.Move(120, design_.titleTops[static_cast<size_t>(i)], 1575, 255);
        title.SetCaption(titles[i]);
    }
    const int items[] = {1, 3, 4, 5};
    for (int k = 0; k < 4; ++k) {
        Label& value = Add<Label>(Label2, "Label2", items[k]);
        value.Move(600, design_.valueTops[static_cast<size_t>(k)], 2415, 255);
        value.SetCaption("n/a");
        value.Alignment = 1;
        // Over the right of its row's title, which shows through.
        value.BackStyle = 0;
    }
}

void FrmVersion::Form_Load() {
    const model::DepthModel& m = ownerState_.model;
    Label2(1).SetCaption(m.gVerCorrelation);
    Label2(3).SetCaption(m.gVerEvents);
    Label2(4).SetCaption(m.gVerAgeModel);
    Label2(5).SetCaption(m.gVerVarves);
    for (int i : {1, 3, 4, 5})
        if (Label2(i).Caption().empty()) Label2(i).SetCaption("n/a");
    Label4.SetCaption(design_.programVersion(owner_().Caption()));
}

// The focus goes back to the owner's next import, or to "Photo".
void FrmVersion::Form_Unload() {
    if (SideWindow* owner = owner_.IfLoaded()) FocusNextStep(*owner, design_.nextImports);
}

}  // namespace quillory
