#include "forms/control.h"

#include <cmath>

#include "forms/application.h"
#include "forms/form.h"
#include "values/runtime_error.h"
#include "values/values.h"

using namespace values;

namespace forms {

EventScope::EventScope(Application& app) : app_(app) {
    if (app_.EventDepth() >= kMaxEventDepth) throw RuntimeError(kErrOutOfStack, "Out of stack space");
    app_.EnterEvent();
}

EventScope::~EventScope() { app_.LeaveEvent(); }

bool EventScope::Outermost() const { return app_.EventDepth() == 1; }

bool EventsAreHeld(const Application& app) { return app.EventsHeld(); }

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {}

Application& Control::App() const { return form_.App(); }

std::string Control::QualifiedName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::FormRetired() const { return form_.Retired(); }

void Control::Touch() {
    if (form_.Retired()) throw RuntimeError(kErrObjectUnloaded, "Object was unloaded");
    ++revision_;
}

void Control::SetContainer(Control* frame) { container_ = frame; Touch(); }

void Control::SetLeft(double v) { if (v != left_) { left_ = v; Touch(); } }
void Control::SetTop(double v) { if (v != top_) { top_ = v; Touch(); } }
void Control::SetWidth(double v) {
    if (v < 0) throw RuntimeError(380, "Invalid property value");
    if (v != width_) { width_ = v; Touch(); }
}
void Control::SetHeight(double v) {
    if (v < 0) throw RuntimeError(380, "Invalid property value");
    if (v != height_) { height_ = v; Touch(); }
}
void Control::Move(double left, double top, double width, double height) {
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
}

void Control::SetEnabled(bool v) { if (v != enabled_) { enabled_ = v; Touch(); } }
void Control::SetVisible(bool v) { if (v != visible_) { visible_ = v; Touch(); } }

bool Control::EffectivelyEnabled() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return form_.Enabled();
}

bool Control::EffectivelyVisible() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return true;
}

bool Control::HasMouseCapture() const { return form_.MouseCapture() == this; }

void Control::UserMouseDown(int b, int s, double x, double y) {
    if (!AcceptsUserInput()) return;
    form_.SetMouseCapture(this);
    Fire(MouseDown, b, s, x, y);
}

void Control::UserMouseMove(int b, int s, double x, double y) { if (AcceptsPointer()) Fire(MouseMove, b, s, x, y); }

void Control::UserMouseUp(int b, int s, double x, double y) {
    if (!AcceptsPointer()) return;
    if (HasMouseCapture()) form_.SetMouseCapture(nullptr);
    Fire(MouseUp, b, s, x, y);
}

std::string Control::GetProperty(const std::string& p) const {
    if (p == "Left") return TwipsText(left_);
    if (p == "Top") return TwipsText(top_);
    if (p == "Width") return TwipsText(width_);
    if (p == "Height") return TwipsText(height_);
    if (p == "Enabled") return BoolText(enabled_);
    if (p == "Visible") return BoolText(visible_);
    if (p == "ForeColor") return std::to_string(foreColour_);
    if (p == "BackColor") return std::to_string(backColour_);
    if (p == "FontSize") return NumberText(fontSize_);
    if (p == "FontBold") return BoolText(fontBold_);
    if (p == "ToolTipText") return ToolTipText;
    if (p == "MousePointer") return std::to_string(mousePointer_);
    if (p == "Index") return std::to_string(index_);
    if (p == "Name") return name_;
    throw RuntimeError(438, "Object doesn't support this property or method: " + p);
}

bool Control::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Left") SetLeft(Val(v));
    else if (p == "Top") SetTop(Val(v));
    else if (p == "Width") SetWidth(Val(v));
    else if (p == "Height") SetHeight(Val(v));
    else if (p == "Enabled") SetEnabled(BoolFromText(v));
    else if (p == "Visible") SetVisible(BoolFromText(v));
    else if (p == "ForeColor") SetForeColor(ColourOf(v));
    else if (p == "BackColor") SetBackColor(ColourOf(v));
    else if (p == "FontSize") SetFontSize(Val(v));
    else if (p == "FontBold") SetFontBold(BoolFromText(v));
    else if (p == "ToolTipText") ToolTipText = v;
    else if (p == "MousePointer") SetMousePointer(CInt(Val(v)));
    else return false;
    return true;
}

void ThrowControlArrayIndex(int index) {
    throw RuntimeError(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
}

std::string BoolText(bool v) { return v ? "True" : "False"; }

bool BoolFromText(const std::string& v) { return v == "True" || v == "true" || v == "-1" || v == "1"; }

std::string TwipsText(double v) { return SingleText(static_cast<float>(v)); }

std::string NumberText(double v) {
    if (std::floor(v) == v && std::fabs(v) < 1e15) return std::to_string(static_cast<long long>(v));
    return DoubleText(v);
}

}  // namespace forms
