#include "photo/photo_command.h"

#include <algorithm>

#include "forms/runtime_error.h"
#include "forms/values.h"

namespace quillory {
namespace {

// Allowances between a window's outer size and its picture, and the margin
// kept to the screen's edge, in twips.
constexpr float kFrameAllowance = 405, kInnerAllowance = 120, kScreenMargin = 60;

int FirstFree(const PhotoStates& states) {
    for (int k = 0; k < kPhotoWindowCount; ++k)
        if (!states[k].gPhotoOpen) return k;
    return -1;
}

// Window 1 goes against the first other window in use, else the main
// window; window k against window k - 1.
forms::Form& Neighbour(int target, const PhotoStates& states, const PhotoWindowSlots& windows, forms::Form& frmMain) {
    if (target > 0) return (*windows[target - 1])();
    for (int k = 1; k < kPhotoWindowCount; ++k)
        if (states[k].gPhotoOpen) return (*windows[k])();
    return frmMain;
}

// The outer height at which the window's inner area holds the whole photo
// across its inner width.
float HeightForPhoto(const PhotoWindow& w, float pw, float ph) {
    return static_cast<float>(w.ScaleWidth()) * ph / pw + static_cast<float>(w.FrameHeight());
}

// An upright photo takes its neighbour's height and goes to its right; a
// landscape one takes its width and goes below it, at least as high as its
// photo needs at that width (the allowances leave less than the frame).
// Flush against the neighbour when that leaves more than the margin to the
// screen's edge, else exactly the margin from that edge. Sums in single
// precision.
void Place(PhotoWindow& w, const forms::Form& r, const forms::Application& app) {
    const float pw = static_cast<float>(w.Picture1.Width()), ph = static_cast<float>(w.Picture1.Height());
    const auto f = [](double v) { return static_cast<float>(v); };
    if (!w.State().gPhotoMagnifier) {
        w.SetTop(r.Top());
        w.SetHeight(r.Height());
        w.SetWidth((f(w.Height()) - kFrameAllowance) * pw / ph + kInnerAllowance);
        const float screen = static_cast<float>(app.ScreenWidth);
        if (f(r.Left()) + f(r.Width()) + f(w.Width()) + kScreenMargin < screen) w.SetLeft(f(r.Left()) + f(r.Width()));
        else w.SetLeft(screen - kScreenMargin - f(w.Width()));
    } else {
        w.SetLeft(r.Left());
        w.SetWidth(r.Width());
        w.SetHeight(std::max((f(w.Width()) - kFrameAllowance) * ph / pw + kInnerAllowance, HeightForPhoto(w, pw, ph)));
        const float screen = static_cast<float>(app.ScreenHeight);
        if (f(r.Top()) + f(r.Height()) + f(w.Height()) + kScreenMargin < screen) w.SetTop(f(r.Top()) + f(r.Height()));
        else w.SetTop(screen - kScreenMargin - f(w.Height()));
    }
}

}  // namespace

std::string PhotoTitle(const std::string& path) {
    // Backwards from the second-to-last character, as the old command did.
    for (long i = forms::Len(path) - 1; i >= 1; --i) {
        char c = path[static_cast<size_t>(i - 1)];
        if (c == '\\' || c == '/') return forms::Mid(path, i + 1);
    }
    return path;
}

void PhotoCommand(const PhotoCommandLinks& links, PhotoStates& states, const PhotoWindowSlots& windows) {
    try {
        links.dialog.CancelError = true;
        links.dialog.Filter = kPhotoFilter;
        links.dialog.ShowOpen();
        const std::string path = links.dialog.FileName;
        const std::string title = PhotoTitle(path);
        if (int target = FirstFree(states); target >= 0) {
            links.frmMain.Refresh();
            links.frm2Main.Refresh();
            forms::Application& app = links.frmMain.App();
            ShowPhotoWindowsInUse(app, states);
            PhotoWindow& w = (*windows[target])();
            w.LoadPhoto(path);
            w.SetCaption(title);
            w.TakeOrientation();
            w.PlaceNextButton();
            Place(w, Neighbour(target, states, windows, links.frmMain), app);
            w.Show();
            states[target].gPhotoOpen = true;
            links.showPhoto.SetEnabled(true);
        }
        if (std::all_of(states.begin(), states.end(), [](const PhotoWindowState& s) { return s.gPhotoOpen; })) {
            links.mainPhoto.SetEnabled(false);
            links.duoPhoto.SetEnabled(false);
        }
    } catch (const forms::RuntimeError&) {
        // Cancel or an unreadable picture: silently, as the old command.
    }
}

}  // namespace quillory
