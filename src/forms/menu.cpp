#include "forms/menu.h"

#include "forms/form.h"
#include "values/values.h"

namespace forms {

Menu::Menu(Form& f, std::string name, int index, Menu* parentMenu)
    : Control(f, ControlKind::Menu, std::move(name), index), parentMenu_(parentMenu) {}

bool Menu::Choosable() const {
    for (const Menu* m = this; m; m = m->parentMenu_) {
        // A hidden top-level menu is still reachable as a pop-up menu.
        bool topLevel = m->parentMenu_ == nullptr;
        if (!m->Enabled()) return false;
        if (!m->Visible() && !topLevel) return false;
    }
    return form_.Enabled() && !IsSeparator();
}

bool Menu::UserChoose() {
    if (!Choosable()) return false;
    Fire(Click);
    return true;
}

std::string Menu::GetProperty(const std::string& p) const {
    if (p == "Caption") return caption_;
    if (p == "Checked") return BoolText(checked_);
    return Control::GetProperty(p);
}

bool Menu::SetProperty(const std::string& p, const std::string& v) {
    if (p == "Caption") SetCaption(v);
    else if (p == "Checked") SetChecked(BoolFromText(v));
    else return Control::SetProperty(p, v);
    return true;
}

}  // namespace forms
