#include "forms/form.h"

#include <algorithm>
#include <cmath>

#include "forms/application.h"
#include "forms/tab_order.h"
#include "values/runtime_error.h"
#include "values/values.h"

using namespace values;

namespace forms {

namespace {

// A size held to the largest screen's, as a window system holds a window.
double HeldWidth(double v) { return std::min(v, static_cast<double>(kLargestScreenWidthTwips)); }
double HeldHeight(double v) { return std::min(v, static_cast<double>(kLargestScreenHeightTwips)); }

}  // namespace

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)), surface_(app.Metrics(), this) {
    surface_.SetBackColor(kButtonFace);
    surface_.Cls();  // the bare surface starts in the window's colour, not the surface's white
    SizeSurface();
}

Form::~Form() = default;

void Form::Touch() {
    if (retired_) throw RuntimeError(kErrObjectUnloaded, "Object was unloaded");
    ++revision_;
}

// The bare surface measures whole twips.
void Form::SizeSurface() {
    surface_.SetInnerSize(static_cast<int>(std::lround(ScaleWidth())), static_cast<int>(std::lround(ScaleHeight())));
}

bool Form::HasMenuBar() const {
    return std::any_of(menuBar_.begin(), menuBar_.end(), [](const Menu* m) { return m->Visible(); });
}

double Form::ScaleWidth() const { return std::max(0.0, width_ - kFrameWidth); }
double Form::ScaleHeight() const { return std::max(0.0, height_ - FrameHeight()); }

void Form::SetLeft(double v) { if (v != left_) { left_ = v; Touch(); } }
void Form::SetTop(double v) { if (v != top_) { top_ = v; Touch(); } }

void Form::SetWidth(double v) {
    v = HeldWidth(v);
    if (v == width_) return;
    width_ = v;
    FireResize();
}

void Form::SetHeight(double v) {
    v = HeldHeight(v);
    if (v == height_) return;
    height_ = v;
    FireResize();
}

void Form::Move(double left, double top, double width, double height) {
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
}

void Form::SetWindowState(int v) {
    if (v == windowState_) return;
    if (windowState_ == 0) normal_ = {left_, top_, width_, height_};
    else if (v == 0) {
        left_ = normal_.left;
        top_ = normal_.top;
        width_ = normal_.width;
        height_ = normal_.height;
    }
    windowState_ = v;
    FireResize();
}

void Form::FireResize() {
    SizeSurface();
    Touch();
    if (loaded_) Fire(Resize);
}

void Form::RunLoad() {
    loaded_ = true;
    Fire(Load);
}

void Form::MarkUnloaded() {
    loaded_ = false;
    visible_ = false;
}

void Form::Show() {
    if (!loaded_) return;
    // Showing a window brings it to the front, shown already or not.
    front_ = app_.NextFrontOrder();
    bool first = !everShown_;
    everShown_ = true;
    if (!visible_) {
        visible_ = true;
        Touch();
        app_.Platform().FormShown(*this);
        if (first) Fire(Resize);
    }
    app_.ActivateForm(*this);
}

void Form::Refresh() {
    if (loaded_) app_.Platform().Sync();
}

void Form::Hide() {
    if (!visible_) return;
    visible_ = false;
    Touch();
    app_.Platform().FormHidden(*this);
}

void Form::Unload() { UnloadWithMode(1); }

void Form::UserClose() { UnloadWithMode(0); }

void Form::UnloadWithMode(int mode) {
    if (!loaded_) return;
    int cancel = 0;
    Fire(QueryUnload, cancel, mode);
    if (cancel) return;
    Fire(Unload_, cancel);
    if (cancel || !loaded_) return;
    visible_ = false;
    app_.Platform().FormUnloaded(*this);
    app_.FormGone(*this);
    MarkUnloaded();
    Fire(Terminate);
    if (slot_) slot_->Release();
}

void Form::UserActivate() {
    if (!loaded_ || !visible_) return;
    front_ = app_.NextFrontOrder();
    app_.ActivateForm(*this);
}

void Form::UserTab(bool backwards) {
    focusMarked_ = true;
    if (Control* next = NextTabStop(*this, activeControl_, backwards)) SetActiveControl(next);
}

void Form::UserResize(double width, double height) {
    width = HeldWidth(width);
    height = HeldHeight(height);
    // One resize event for a drag of both edges, as the platform sends it.
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    FireResize();
}

void Form::UserMove(double left, double top) {
    SetLeft(left);
    SetTop(top);
}

void Form::UserClick() { if (enabled_) Fire(Click); }

void Form::UserMouseMove(int button, int shift, double x, double y) {
    if (enabled_) Fire(MouseMove, button, shift, x, y);
}

void Form::UserMouseDown(int button, int shift, double x, double y) {
    if (!enabled_) return;
    capture_ = nullptr;
    Fire(MouseDown, button, shift, x, y);
}

void Form::PopupMenu(Menu& menu) {
    capture_ = nullptr;
    app_.Platform().Sync();
    Menu* chosen = app_.Platform().ChoosePopupItem(*this, menu);
    if (chosen && chosen->Choosable()) chosen->UserChoose();
}

Control* Form::FindControl(const std::string& name, int index) const {
    for (const auto& c : controls_)
        if (c->Name() == name && c->Index() == index) return c.get();
    return nullptr;
}

void Form::SetActiveControl(Control* c) {
    if (c == activeControl_) return;
    Control* old = activeControl_;
    activeControl_ = c;
    if (old) {
        if (auto* t = dynamic_cast<TextBox*>(old)) Fire(t->LostFocus);
        else if (auto* cb = dynamic_cast<ComboBox*>(old)) Fire(cb->LostFocus);
    }
    if (c) {
        if (auto* t = dynamic_cast<TextBox*>(c)) Fire(t->GotFocus);
        else if (auto* cb = dynamic_cast<ComboBox*>(c)) Fire(cb->GotFocus);
    }
}

Menu& Form::AddMenu(const std::string& name, const std::string& caption, Menu* parent, int index) {
    auto m = std::make_unique<Menu>(*this, name, index, parent);
    Menu& ref = *m;
    ref.caption_ = caption;
    if (parent) parent->items_.push_back(&ref);
    else menuBar_.push_back(&ref);
    controls_.push_back(std::move(m));
    return ref;
}

Menu& Form::AddMenu(ControlArray<Menu>& array, const std::string& name, int index, const std::string& caption,
                    Menu* parent) {
    Menu& ref = AddMenu(name, caption, parent, index);
    array.Insert(index, ref);
    return ref;
}

std::string Form::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    if (p == "Left") return TwipsText(left_);
    if (p == "Top") return TwipsText(top_);
    if (p == "Width") return TwipsText(width_);
    if (p == "Height") return TwipsText(height_);
    if (p == "ScaleWidth") return TwipsText(ScaleWidth());
    if (p == "ScaleHeight") return TwipsText(ScaleHeight());
    if (p == "Visible") return BoolText(visible_);
    if (p == "Enabled") return BoolText(enabled_);
    if (p == "WindowState") return std::to_string(windowState_);
    if (p == "BackColor") return std::to_string(surface_.BackColor());
    if (p == "Name") return name_;
    throw RuntimeError(438, "Object doesn't support this property or method: " + p);
}

bool Form::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else if (p == "Left") SetLeft(Val(v));
    else if (p == "Top") SetTop(Val(v));
    else if (p == "Width") SetWidth(Val(v));
    else if (p == "Height") SetHeight(Val(v));
    else if (p == "Enabled") SetEnabled(BoolFromText(v));
    else if (p == "WindowState") SetWindowState(CInt(Val(v)));
    else if (p == "BackColor") SetBackColor(ColourOf(v));
    else if (p == "Visible") {
        if (BoolFromText(v)) Show();
        else Hide();
    } else return false;
    return true;
}

}  // namespace forms
