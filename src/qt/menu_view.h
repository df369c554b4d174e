#pragma once
// A form's menu bar as a QMenuBar, and pop-up menus as a QMenu.
#include <QPoint>
#include <functional>
#include <vector>

#include "forms/form.h"

class QAction;
class QMenu;
class QMenuBar;

namespace qtback {

class MenuBarView {
public:
    // choose runs when the person picks an item.
    MenuBarView(QMenuBar& bar, forms::Form& form, std::function<void(forms::Menu&)> choose);
    // Brings captions, check marks, enabled and visible states over; cheap
    // when no item changed.
    void Sync();

private:
    struct Item {
        forms::Menu* menu;
        QAction* action;
        unsigned long revision;
    };
    void Build();
    QMenuBar& bar_;
    forms::Form& form_;
    std::function<void(forms::Menu&)> choose_;
    std::vector<Item> items_;
    size_t controlsSeen_ = 0;
};

// The item an action of a menu bar or pop-up menu stands for.
const forms::Menu* MenuOf(const QAction& action);

// Shows the items of menu at a screen position and waits; the item chosen,
// or nullptr when the menu was dismissed.
forms::Menu* ExecPopup(forms::Menu& menu, QPoint at);

}  // namespace qtback
