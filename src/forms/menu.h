#pragma once
#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

// A menu item. Top-level items form the menu bar; an invisible top-level item
// can still be shown as a pop-up menu (Form::PopupMenu).
class Menu : public Control {
public:
    Menu(Form& f, std::string name, int index, Menu* parentMenu);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { if (v != caption_) { caption_ = v; Touch(); } }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { if (v != checked_) { checked_ = v; Touch(); } }
    bool IsSeparator() const { return caption_ == "-"; }
    Menu* ParentMenu() const { return parentMenu_; }
    const std::vector<Menu*>& Items() const { return items_; }
    std::function<void()> Click;
    // A user's choice; refused while the item or a parent is disabled or hidden.
    bool UserChoose();
    // Whether the user could choose it from the menu bar.
    bool Choosable() const;
    std::string GetProperty(const std::string& p) const override;
    bool SetProperty(const std::string& p, const std::string& v) override;
    std::string DumpValue() const override { return caption_; }

private:
    friend class Form;
    std::string caption_;
    bool checked_ = false;
    Menu* parentMenu_;
    std::vector<Menu*> items_;
};

}  // namespace forms
