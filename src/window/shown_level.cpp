// The level a window shows, kept whenever the events settle, and put back
// whole when a level is refused: the boxes, the holy trinity, the read-outs,
// the slider, the bore-hole menu items and the view of the columns and panels.
#include <algorithm>
#include <new>
#include <tuple>

#include "forms/application.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;

namespace {

constexpr int kColumns = 6, kPanels = 5;

// What the position search found last, in the state and in the level kept.
template <class T>
auto SearchResults(T& x) {
    return std::tie(x.gPSP, x.gTargetCD, x.gTopRow, x.gRowA, x.gRowB, x.gBH, x.gBHLetter);
}

}  // namespace

PictureBox& CoreWindow::ViewOf(int k) { return k < kColumns ? BoreHole(k) : Picture1(k - kColumns); }

std::array<TextField*, 7> CoreWindow::LevelTexts() { return {&Text1, &Text2, &Text3, &Text4, &Combo1, &Combo2, &Combo5}; }

std::array<Label*, 6> CoreWindow::LevelReadouts() { return {&Label1(8), &Label1(10), &Label4, &Label7, &Label8, &Label9}; }

void CoreWindow::EventsSettled() noexcept {
    // Not before the window is built and loaded, nor once it is unloaded.
    if (!IsLoaded() || Retired()) return;
    try {
        KeepShownLevel();
    } catch (const std::bad_alloc&) {
        // Short of memory the level kept before stays what a refusal puts back.
    }
}

void CoreWindow::KeepShownLevel() {
    ShownLevel& s = state.shown;
    const std::array<TextField*, 7> texts = LevelTexts();
    for (size_t i = 0; i < texts.size(); ++i) s.texts[i] = texts[i]->Text();
    const std::array<Label*, 6> readouts = LevelReadouts();
    for (size_t i = 0; i < readouts.size(); ++i) s.readouts[i] = readouts[i]->Caption();
    s.slider = Slider1.Value();
    for (int k = 0; k < kColumns + kPanels; ++k) {
        const Surface& view = ViewOf(k).Draw();
        s.views[k] = {view.ScaleTop(), view.ScaleHeight()};
    }
    for (int b = 1; b <= 4; ++b) s.boreHoleMenus[b - 1] = mnuBH(b).Enabled();
    SearchResults(s) = SearchResults(state);
}

void CoreWindow::PutBackShownLevel() {
    const ShownLevel& s = state.shown;
    bool moved = false;
    {
        // Put back as they were, the controls set off no road of their own.
        const Application::HeldEvents held(App());
        const std::array<TextField*, 7> texts = LevelTexts();
        for (size_t i = 0; i < texts.size(); ++i) texts[i]->SetText(s.texts[i]);
        const std::array<Label*, 6> readouts = LevelReadouts();
        for (size_t i = 0; i < readouts.size(); ++i) readouts[i]->SetCaption(s.readouts[i]);
        Slider1.SetValue(std::clamp(s.slider, Slider1.Min(), Slider1.Max()));
        for (int b = 1; b <= 4; ++b) mnuBH(b).SetEnabled(s.boreHoleMenus[b - 1]);
        for (int k = 0; k < kColumns + kPanels; ++k) {
            Surface& view = ViewOf(k).Draw();
            if (view.ScaleTop() == s.views[k][0] && view.ScaleHeight() == s.views[k][1]) continue;
            view.SetScaleTop(s.views[k][0]);
            view.SetScaleHeight(s.views[k][1]);
            moved = true;
        }
    }
    SearchResults(state) = SearchResults(s);
    // No writer holds a level that is not taken.
    state.gDrivenBy = DrivenBy::kNobody;
    state.gText3UserEdit = false;
    if (moved && state.model.gRowCount > 0) DrawLamina();
}

CoreWindow* CoreWindow::OtherIfLoaded() {
    CoreWindow* other = counterpart_.LoadedWindow();
    return other && other->IsLoaded() && !other->Retired() ? other : nullptr;
}

void CoreWindow::WithdrawLevel() {
    PutBackShownLevel();
    if (CoreWindow* other = OtherIfLoaded()) other->PutBackShownLevel();
    throw ActionWithdrawn{};
}

void CoreWindow::OfferLevel(const std::function<void()>& write) {
    KeepShownLevel();
    if (CoreWindow* other = OtherIfLoaded()) other->KeepShownLevel();
    try {
        write();
    } catch (const ActionWithdrawn&) {
        // The step goes on at the level shown before.
    }
}

}  // namespace quillory
