// Shapes, lines, images and picture boxes.
#include "forms/controls.h"

#include <algorithm>
#include <cmath>

#include "forms/application.h"
#include "forms/form.h"
#include "values/values.h"

using namespace values;

namespace forms {

std::string Shape::GetProperty(const std::string& p) const {
    if (p == "BorderColor") return std::to_string(BorderColor);
    if (p == "FillColor") return std::to_string(FillColor);
    if (p == "Shape") return std::to_string(ShapeType);
    return Control::GetProperty(p);
}

bool Shape::SetProperty(const std::string& p, const std::string& v) {
    if (p == "BorderColor") BorderColor = ColourOf(v);
    else if (p == "FillColor") FillColor = ColourOf(v);
    else if (p == "Shape") ShapeType = CInt(Val(v));
    else return Control::SetProperty(p, v);
    Touch();
    return true;
}

std::string LineControl::GetProperty(const std::string& p) const {
    if (p == "X1") return std::to_string(X1);
    if (p == "Y1") return std::to_string(Y1);
    if (p == "X2") return std::to_string(X2);
    if (p == "Y2") return std::to_string(Y2);
    if (p == "BorderColor") return std::to_string(BorderColor);
    return Control::GetProperty(p);
}

bool LineControl::SetProperty(const std::string& p, const std::string& v) {
    if (p == "X1") X1 = CLng(Val(v));
    else if (p == "Y1") Y1 = CLng(Val(v));
    else if (p == "X2") X2 = CLng(Val(v));
    else if (p == "Y2") Y2 = CLng(Val(v));
    else if (p == "BorderColor") BorderColor = ColourOf(v);
    else return Control::SetProperty(p, v);
    Touch();
    return true;
}

// ---- Image ----

void ImageControl::UserClick() { if (AcceptsUserInput()) Fire(Click); }
void ImageControl::UserDblClick() { if (AcceptsUserInput()) Fire(DblClick); }

// ---- PictureBox ----

namespace {
// The sunken border of a picture box takes two pixels on every side.
constexpr int kPictureBorder = 4 * kTwipsPerPixel;
}  // namespace

PictureBox::PictureBox(Form& f, std::string name, int index)
    : Control(f, ControlKind::PictureBox, std::move(name), index), surface_(f.App().Metrics(), &f) {
    UpdateInnerSize();
}

void PictureBox::UpdateInnerSize() {
    double border = borderStyle_ ? kPictureBorder : 0;
    auto inner = [border](double outer, int most) {
        return static_cast<int>(std::lround(std::clamp(outer - border, 0.0, static_cast<double>(most))));
    };
    surface_.SetInnerSize(inner(Width(), kLargestScreenWidthTwips), inner(Height(), kLargestScreenHeightTwips));
}

void PictureBox::SetWidth(double v) {
    if (v == Width()) return;
    Control::SetWidth(v);
    UpdateInnerSize();
    Fire(Resize);
}

void PictureBox::SetHeight(double v) {
    if (v == Height()) return;
    Control::SetHeight(v);
    UpdateInnerSize();
    Fire(Resize);
}
void PictureBox::SetBorderStyle(int v) { borderStyle_ = v; UpdateInnerSize(); Touch(); }
void PictureBox::SetBackColor(Colour c) { Control::SetBackColor(c); surface_.SetBackColor(c); }
void PictureBox::SetFontSize(double v) { Control::SetFontSize(v); surface_.FontSize = v; }

void PictureBox::LoadPictureInto(std::shared_ptr<const LoadedPicture> picture) {
    if (picture && AutoSize) {
        int border = borderStyle_ ? kPictureBorder : 0;
        SetWidth(picture->widthPx * kTwipsPerPixel + border);
        SetHeight(picture->heightPx * kTwipsPerPixel + border);
    }
    if (picture) surface_.SetPicture(std::move(picture));
    else surface_.ClearPicture();
    Touch();
}

void PictureBox::UserClick() { if (AcceptsUserInput()) Fire(Click); }
void PictureBox::UserDblClick() { if (AcceptsUserInput()) Fire(DblClick); }

std::string PictureBox::GetProperty(const std::string& p) const {
    if (p == "ScaleLeft") return SingleText(surface_.ScaleLeft());
    if (p == "ScaleTop") return SingleText(surface_.ScaleTop());
    if (p == "ScaleWidth") return SingleText(surface_.ScaleWidth());
    if (p == "ScaleHeight") return SingleText(surface_.ScaleHeight());
    if (p == "BackColor") return std::to_string(surface_.BackColor());
    if (p == "ForeColor") return std::to_string(surface_.ForeColor);
    if (p == "FillColor") return std::to_string(surface_.FillColor);
    if (p == "FillStyle") return std::to_string(surface_.FillStyle);
    if (p == "DrawWidth") return std::to_string(surface_.DrawWidth);
    if (p == "CurrentX") return DoubleText(surface_.CurrentX);
    if (p == "CurrentY") return DoubleText(surface_.CurrentY);
    return Control::GetProperty(p);
}

bool PictureBox::SetProperty(const std::string& p, const std::string& v) {
    double d = Val(v);
    if (p == "ScaleLeft") surface_.SetScaleLeft(d);
    else if (p == "ScaleTop") surface_.SetScaleTop(d);
    else if (p == "ScaleWidth") surface_.SetScaleWidth(d);
    else if (p == "ScaleHeight") surface_.SetScaleHeight(d);
    else if (p == "ForeColor") surface_.ForeColor = ColourOf(v);
    else if (p == "FillColor") surface_.FillColor = ColourOf(v);
    else if (p == "FillStyle") surface_.FillStyle = CInt(d);
    else if (p == "DrawWidth") surface_.DrawWidth = CInt(d);
    else return Control::SetProperty(p, v);
    Touch();
    return true;
}

}  // namespace forms
