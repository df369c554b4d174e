#include "scenario/script_input.h"

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/menu.h"

namespace scenario {

using namespace forms;

std::string DirectInput::Click(Control& c, bool twice) {
    if (auto* b = dynamic_cast<CommandButton*>(&c)) {
        if (twice) return "no double click on a button";
        b->UserClick();
    } else if (auto* o = dynamic_cast<OptionButton*>(&c)) {
        o->UserClick();
    } else if (auto* x = dynamic_cast<CheckBox*>(&c)) {
        x->UserClick();
    } else if (auto* l = dynamic_cast<Label*>(&c)) {
        twice ? l->UserDblClick() : l->UserClick();
    } else if (auto* i = dynamic_cast<ImageControl*>(&c)) {
        twice ? i->UserDblClick() : i->UserClick();
    } else if (auto* p = dynamic_cast<PictureBox*>(&c)) {
        twice ? p->UserDblClick() : p->UserClick();
    } else if (auto* t = dynamic_cast<TextBox*>(&c)) {
        t->UserClick();
    } else {
        return "cannot click " + c.QualifiedName();
    }
    return {};
}

std::string DirectInput::Type(Control& c, const std::string& text, bool selectAll) {
    auto* field = dynamic_cast<TextField*>(&c);
    if (!field) return "cannot type into " + c.QualifiedName();
    // Ctrl+A, as the keyboard selects all on the Qt back end.
    if (selectAll) field->UserKey('A', kCtrlMask);
    for (char ch : text) field->UserKeyChar(ch);
    return {};
}

std::string DirectInput::Key(Control& c, int keyCode, int shift) {
    c.UserKey(keyCode, shift);
    return {};
}

std::string DirectInput::Choose(ComboBox& combo, int index) {
    combo.UserChoose(index);
    return {};
}

std::string DirectInput::Slide(Slider& slider, long value) {
    slider.UserMove(value);
    return {};
}

std::string DirectInput::ChooseMenu(Menu& item) {
    item.UserChoose();
    return {};
}

std::string DirectInput::Mouse(MouseAction action, Form& form, Control* c, int button, int shift, double x, double y) {
    if (!c) {
        if (action == MouseAction::Move) form.UserMouseMove(button, shift, x, y);
        else if (action == MouseAction::Down) form.UserMouseDown(button, shift, x, y);
        else return "mouse-up needs a control";
        return {};
    }
    if (action == MouseAction::Move) c->UserMouseMove(button, shift, x, y);
    else if (action == MouseAction::Down) c->UserMouseDown(button, shift, x, y);
    else c->UserMouseUp(button, shift, x, y);
    return {};
}

std::string DirectInput::Resize(Form& form, double width, double height) {
    form.UserResize(width, height);
    return {};
}
std::string DirectInput::Move(Form& form, double left, double top) {
    form.UserMove(left, top);
    return {};
}
std::string DirectInput::Activate(Form& form) {
    form.UserActivate();
    return {};
}
std::string DirectInput::Close(Form& form) {
    form.UserClose();
    return {};
}

// With no window system, a maximised window covers the screen.
std::string DirectInput::Maximise(Form& form, bool maximised) {
    form.SetWindowState(maximised ? 2 : 0);
    if (maximised) {
        form.UserMove(0, 0);
        form.UserResize(form.App().ScreenWidth, form.App().ScreenHeight);
    }
    return {};
}

}  // namespace scenario
