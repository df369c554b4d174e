#include "photo/photo_command.h"

#include <algorithm>

#include "values/runtime_error.h"
#include "values/values.h"

namespace quillory {
namespace {

// Allowances between a window's outer size and its picture, and the margin
// kept to the screen's edge, in twips.
constexpr float kFrameAllowance = 405, kInnerAllowance = 120, kScreenMargin = 60;
// However small its neighbour, a window keeps at least this share of the
// inner size its photo gets alone, in each direction.
constexpr float kLeastShare = 0.2f;

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

// Outer sizes, summed in single precision.
struct Extent {
    float width = 0, height = 0;
};

Extent OuterOf(const forms::Form& r) { return {static_cast<float>(r.Width()), static_cast<float>(r.Height())}; }

// The photo and the frame of the window it goes into.
struct PhotoShape {
    bool lying;
    float pw, ph;
    Extent frame;  // outer less inner size
};

// An upright photo takes its neighbour's height and the width the
// allowances give at that height; a lying one takes its neighbour's width
// and is at least as high as its photo needs at that width (the allowances
// leave less than the frame). Neither is smaller than `least`.
Extent SizeAgainst(Extent r, const PhotoShape& s, Extent least) {
    if (!s.lying) {
        const float h = std::max(r.height, least.height);
        return {std::max((h - kFrameAllowance) * s.pw / s.ph + kInnerAllowance, least.width), h};
    }
    const float w = std::max(r.width, least.width);
    const float h = std::max((w - kFrameAllowance) * s.ph / s.pw + kInnerAllowance,
                             std::max(0.0f, w - s.frame.width) * s.ph / s.pw + s.frame.height);
    return {w, std::max(h, least.height)};
}

// The least outer size: the share of the inner size against the main
// window, where the photo goes when no other window is in use.
Extent LeastSize(const forms::Form& frmMain, const PhotoShape& s) {
    const Extent alone = SizeAgainst(OuterOf(frmMain), s, {});
    const auto least = [](float outer, float frame) { return frame + kLeastShare * std::max(0.0f, outer - frame); };
    return {least(alone.width, s.frame.width), least(alone.height, s.frame.height)};
}

// Flush at `start` when that leaves more than the margin to the screen's
// edge beyond, else exactly the margin from that edge.
float OnScreen(float start, float size, float screen) {
    return start + size + kScreenMargin < screen ? start : screen - kScreenMargin - size;
}

// Right of the neighbour (upright) or below it (lying), level with it; a
// window larger than its neighbour across that is kept on the screen that
// way too.
void Place(PhotoWindow& w, const forms::Form& r, const forms::Form& frmMain, const forms::Application& app) {
    const PhotoShape shape{w.State().gPhotoMagnifier, static_cast<float>(w.Picture1.Width()),
                           static_cast<float>(w.Picture1.Height()),
                           {static_cast<float>(forms::kFrameWidth), static_cast<float>(w.FrameHeight())}};
    const Extent near = OuterOf(r);
    const Extent size = SizeAgainst(near, shape, LeastSize(frmMain, shape));
    const float left = static_cast<float>(r.Left()), top = static_cast<float>(r.Top());
    const Extent screen{static_cast<float>(app.ScreenWidth), static_cast<float>(app.ScreenHeight)};
    if (!shape.lying) {
        w.Move(OnScreen(left + near.width, size.width, screen.width),
               size.height > near.height ? OnScreen(top, size.height, screen.height) : top, size.width, size.height);
    } else {
        w.Move(size.width > near.width ? OnScreen(left, size.width, screen.width) : left,
               OnScreen(top + near.height, size.height, screen.height), size.width, size.height);
    }
}

}  // namespace

std::string PhotoTitle(const std::string& path) {
    // Backwards from the second-to-last character, as the old command did.
    for (long i = values::Len(path) - 1; i >= 1; --i) {
        char c = path[static_cast<size_t>(i - 1)];
        if (c == '\\' || c == '/') return values::Mid(path, i + 1);
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
            Place(w, Neighbour(target, states, windows, links.frmMain), links.frmMain, app);
            w.Show();
            states[target].gPhotoOpen = true;
            links.showPhoto.SetEnabled(true);
        }
        if (std::all_of(states.begin(), states.end(), [](const PhotoWindowState& s) { return s.gPhotoOpen; })) {
            links.mainPhoto.SetEnabled(false);
            links.duoPhoto.SetEnabled(false);
        }
    } catch (const values::RuntimeError&) {
        // Cancel or an unreadable picture: silently, as the old command.
    }
}

}  // namespace quillory
