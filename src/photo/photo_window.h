#pragma once
// One photo window: a core photograph stretched to its frame, which the user
// replaces ("Next"), zooms about a clicked point and drags. The program
// creates it four times, as frmPhoto to frm4Photo, over the four state sets;
// it knows the main windows only through PhotoWindowLinks.
#include <cstdint>
#include <functional>
#include <string>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "side/photo_window_state.h"

namespace quillory {

// The filter of every photo dialog.
inline constexpr const char* kPhotoFilter = "Jpeg(*.jpg)|*.jpg|Bitmap(*.bmp)|*.bmp|All(*.*)|*.*";

// What a photo window does to the two main windows; an empty link does nothing.
struct PhotoWindowLinks {
    // EraseTargetLines2, then EraseTargetLines: on every move over the picture.
    std::function<void()> eraseTargetLines;
    // Repaints frmMain, and frm2Main while the Duo model is loaded: "Next".
    std::function<void()> refreshMainWindows;
    // "Photo" (Command7) of both main windows usable again: the close.
    std::function<void()> enablePhotoButtons;
    // "Show photo" (mnuPhoto) of both main windows enabled: "Next".
    std::function<void()> enableShowPhoto;
};

// Brings every photo window in use to the front, window 1 first.
void ShowPhotoWindowsInUse(forms::Application& app, const PhotoStates& states);

class PhotoWindow : public forms::Form {
public:
    // Photo window `number` (1 to 4), named kPhotoWindowNames[number - 1],
    // over states[number - 1]; the other sets say which windows its close
    // brings back.
    PhotoWindow(forms::Application& app, int number, PhotoStates& states, PhotoWindowLinks links);

    // --- controls, in design order ---
    forms::PictureBox& Picture1 = Add<forms::PictureBox>("Picture1");
    forms::ImageControl& Image1 = Add<forms::ImageControl>("Image1");
    forms::ImageControl& Image2 = Add<forms::ImageControl>("Image2");
    forms::CommandButton& Command1 = Add<forms::CommandButton>("Command1");
    forms::CommonDialog& CommonDialog1 = Add<forms::CommonDialog>("CommonDialog1");
    forms::Menu& mnuRB = AddMenu("mnuRB", "RB");
    forms::ControlArray<forms::Menu> mnuZoom;

    PhotoWindowState& State() const { return state_; }

    // The picture of the file, decoded once and shown by Picture1, Image1
    // and its drag copy Image2; a run-time error when it cannot be read.
    void LoadPhoto(const std::string& path);
    // The landscape flag, from Picture1's natural size.
    void TakeOrientation();
    // "Next" at the lower right corner, by the landscape flag.
    void PlaceNextButton();

private:
    void BuildDesign(int number);
    void Form_Load();
    void Form_Resize();
    void Form_MouseDown(int button, double x, double y);
    void Command1_Click();
    void Image1_MouseDown(int button, double x, double y);
    void Image1_MouseMove(double x, double y);
    void Image_MouseUp();
    void mnuZoom_Click(int16_t index);
    void Close();

    PhotoStates& states_;
    PhotoWindowState& state_;
    PhotoWindowLinks links_;
};

}  // namespace quillory
