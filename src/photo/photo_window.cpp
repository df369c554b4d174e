#include "photo/photo_window.h"

#include "values/runtime_error.h"
#include "values/values.h"

namespace quillory {
namespace {

using values::RuntimeError;

// Design of every photo window, in twips.
constexpr double kClientWidth = 8055, kClientHeight = 7710;
constexpr double kNextWidth = 495, kNextHeight = 255;
constexpr int kSizableToolWindow = 5;
// The zoom items: index is the factor; 800 % and 1600 % are never shown.
constexpr int16_t kZoomFactors[] = {1, 2, 4, 8, 16};

void Run(const std::function<void()>& link) {
    if (link) link();
}

}  // namespace

void ShowPhotoWindowsInUse(forms::Application& app, const PhotoStates& states) {
    for (int k = 0; k < kPhotoWindowCount; ++k)
        if (states[k].gPhotoOpen) app.FormByName(kPhotoWindowNames[k]).Show();
}

PhotoWindow::PhotoWindow(forms::Application& app, int number, PhotoStates& states, PhotoWindowLinks links)
    : Form(app, kPhotoWindowNames.at(number - 1)), states_(states), state_(states[number - 1]), links_(std::move(links)) {
    BuildDesign(number);
    Load = [this] { Form_Load(); };
    Resize = [this] { Form_Resize(); };
    MouseDown = [this](int button, int, double x, double y) { Form_MouseDown(button, x, y); };
    MouseMove = [this](int, int, double, double) { App().SetMousePointer(forms::vbDefault); };
    Command1.Click = [this] { Command1_Click(); };
    Image1.MouseDown = [this](int button, int, double x, double y) { Image1_MouseDown(button, x, y); };
    Image1.MouseMove = [this](int, int, double x, double y) { Image1_MouseMove(x, y); };
    Image1.MouseUp = [this](int, int, double, double) { Image_MouseUp(); };
    Image2.MouseUp = [this](int, int, double, double) { Image_MouseUp(); };
    for (auto& [index, item] : mnuZoom) {
        int16_t n = static_cast<int16_t>(index);
        item->Click = [this, n] { mnuZoom_Click(n); };
    }
    // Closing runs the same steps from both events; the second changes nothing.
    Unload_ = [this](int&) { Close(); };
    Terminate = [this] { Close(); };
}

void PhotoWindow::BuildDesign(int number) {
    SetCaption(number == 2 ? "Core photo Duo" : "Core photo");
    BorderStyle = kSizableToolWindow;
    Move(0, 0, kClientWidth + forms::kFrameWidth, kClientHeight + forms::kFrameHeight);
    // Only measures the picture: its size is the picture's natural size.
    Picture1.SetBorderStyle(0);
    Picture1.AutoSize = true;
    Picture1.Move(0, 0, 3615, 1695);
    Picture1.SetVisible(false);
    Image1.Stretch = true;
    Image1.Move(0, 0, 4215, 6135);
    Image2.Stretch = true;
    Image2.Move(0, 0, 4215, 6135);
    Image2.SetVisible(false);
    Command1.SetCaption("Next");
    Command1.Move(kClientWidth - kNextWidth, kClientHeight - kNextHeight, kNextWidth, kNextHeight);
    mnuRB.SetVisible(false);
    for (int16_t n : kZoomFactors) {
        forms::Menu& item = AddMenu(mnuZoom, "mnuZoom", n, std::to_string(100 * n) + " %", &mnuRB);
        item.SetVisible(n <= 4);
    }
    mnuZoom(1).SetChecked(true);
}

void PhotoWindow::LoadPhoto(const std::string& path) {
    auto picture = App().Platform().LoadPicture(path);
    Picture1.LoadPictureInto(picture);
    Image1.Picture = picture;
    Image2.Picture = picture;
}

void PhotoWindow::TakeOrientation() { state_.gPhotoMagnifier = Picture1.Width() > Picture1.Height(); }

void PhotoWindow::PlaceNextButton() {
    const double sw = ScaleWidth(), sh = ScaleHeight();
    const bool landscape = state_.gPhotoMagnifier;
    const double a = landscape ? 0.05 : 0.02, b = landscape ? 0.02 : 0.05;
    Command1.SetTop(sh - Command1.Height() - a * sh);
    Command1.SetLeft(sw - Command1.Width() - b * sw);
}

void PhotoWindow::Form_Load() {
    const double sh = ScaleHeight();
    Image1.SetTop(0);
    Image1.SetLeft(0);
    Image1.SetHeight(sh);
    Image1.SetWidth(Picture1.Width() * sh / Picture1.Height());
    state_.gPhotoZoom = 1;
    App().SetMousePointer(forms::vbDefault);
}

// The fit: the picture fills the window's height (upright) or width
// (landscape) z times; at z > 1 the frame keeps its place.
void PhotoWindow::Form_Resize() {
    const double z = state_.gPhotoZoom;
    const double sw = ScaleWidth(), sh = ScaleHeight();
    const double picW = Picture1.Width(), picH = Picture1.Height();
    if (!state_.gPhotoMagnifier) {
        if (z == 1) Image1.SetTop(0);
        Image1.SetHeight(z * sh);
        Image1.SetWidth(z * sh * picW / picH);
    } else {
        if (z == 1) Image1.SetLeft(0);
        Image1.SetWidth(z * sw);
        Image1.SetHeight(z * sw * picH / picW);
    }
    PlaceNextButton();
}

void PhotoWindow::Form_MouseDown(int button, double x, double y) {
    if (button != forms::kRightButton) return;
    state_.gPhotoZoomX = values::CLng(x);
    state_.gPhotoZoomY = values::CLng(y);
    PopupMenu(mnuRB);
}

void PhotoWindow::Command1_Click() {
    try {
        CommonDialog1.CancelError = true;
        CommonDialog1.Filter = kPhotoFilter;
        CommonDialog1.ShowOpen();
        Run(links_.refreshMainWindows);
        LoadPhoto(CommonDialog1.FileName);
        SetCaption("Core photo (" + CommonDialog1.FileName + ")");
        Show();
        TakeOrientation();
        PlaceNextButton();
        state_.gPhotoOpen = true;
        Run(links_.enableShowPhoto);
    } catch (const RuntimeError&) {
        // Cancel, or a file that is no picture: the window stays as it was.
    }
}

void PhotoWindow::Image1_MouseDown(int button, double x, double y) {
    if (button == forms::kLeftButton) {
        Image1.SetMousePointer(forms::vbCrosshair);
        state_.gPhotoDrag = true;
        state_.gPhotoGrabX = static_cast<float>(x - Image1.Left());
        state_.gPhotoGrabY = static_cast<float>(y - Image1.Top());
        Image2.Move(Image1.Left(), Image1.Top(), Image1.Width(), Image1.Height());
        Image2.SetVisible(true);
        Image1.SetVisible(false);
        return;
    }
    state_.gPhotoZoomX = values::CLng(Image1.Left() + x);
    state_.gPhotoZoomY = values::CLng(Image1.Top() + y);
    PopupMenu(mnuRB);
}

// At 100 % an upright picture moves only sideways and a landscape one only
// up and down; a zoomed picture moves freely, without bounds.
void PhotoWindow::Image1_MouseMove(double x, double y) {
    if (state_.gPhotoDrag) {
        const bool zoomed = state_.gPhotoZoom > 1;
        if (!state_.gPhotoMagnifier || zoomed) Image2.SetLeft(x - state_.gPhotoGrabX);
        if (state_.gPhotoMagnifier || zoomed) Image2.SetTop(y - state_.gPhotoGrabY);
    }
    Run(links_.eraseTargetLines);
}

// Only a release that ends a drag moves the picture to its copy: the copy
// does not follow the realignment of a zoom to 100 %, so a release after the
// zoom pop-up would otherwise throw the picture back to where it was.
void PhotoWindow::Image_MouseUp() {
    if (!state_.gPhotoDrag) return;
    Image1.SetLeft(Image2.Left());
    Image1.SetTop(Image2.Top());
    Image1.SetVisible(true);
    Image2.SetVisible(false);
    state_.gPhotoDrag = false;
}

// The picture point under the zoom point stays under it.
void PhotoWindow::mnuZoom_Click(int16_t n) {
    for (auto& [index, item] : mnuZoom) item->SetChecked(false);
    Image1.SetVisible(false);
    const double z = state_.gPhotoZoom;
    const double px = state_.gPhotoZoomX, py = state_.gPhotoZoomY;
    Image1.SetLeft(px - (px - Image1.Left()) * n / z);
    Image1.SetTop(py - (py - Image1.Top()) * n / z);
    Image1.SetWidth(n * Image1.Width() / z);
    Image1.SetHeight(n * Image1.Height() / z);
    Image2.Move(Image1.Left(), Image1.Top(), Image1.Width(), Image1.Height());
    if (n == 1) {
        if (state_.gPhotoMagnifier) Image1.SetLeft(0);
        else Image1.SetTop(0);
    }
    Image1.SetVisible(true);
    state_.gPhotoZoom = n;
    mnuZoom(n).SetChecked(true);
}

void PhotoWindow::Close() {
    Run(links_.enablePhotoButtons);
    state_.gPhotoOpen = false;
    ShowPhotoWindowsInUse(App(), states_);
}

}  // namespace quillory
