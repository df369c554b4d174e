#include "qt/menu_view.h"

#include <QAction>
#include <QVariant>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "qt/qt_units.h"

namespace qtback {
namespace {

void Apply(QAction& action, const forms::Menu& m) {
    action.setData(QVariant::fromValue(reinterpret_cast<quintptr>(&m)));
    action.setSeparator(m.IsSeparator());
    if (!m.IsSeparator()) action.setText(ToQString(m.Caption()));
    action.setCheckable(m.Checked());
    action.setChecked(m.Checked());
    action.setEnabled(m.Enabled());
    action.setVisible(m.Visible());
}

// One action per item, submenus for items that have items of their own.
template <class Add>
void AddItems(QMenu& into, const forms::Menu& parent, Add&& add) {
    for (forms::Menu* m : parent.Items()) {
        QAction* action;
        if (m->Items().empty()) {
            action = into.addAction(QString());
        } else {
            QMenu* sub = into.addMenu(QString());
            action = sub->menuAction();
            AddItems(*sub, *m, add);
        }
        Apply(*action, *m);
        add(*m, action);
    }
}

}  // namespace

const forms::Menu* MenuOf(const QAction& action) {
    return reinterpret_cast<const forms::Menu*>(action.data().value<quintptr>());
}

MenuBarView::MenuBarView(QMenuBar& bar, forms::Form& form, std::function<void(forms::Menu&)> choose)
    : bar_(bar), form_(form), choose_(std::move(choose)) {}

void MenuBarView::Build() {
    bar_.clear();
    items_.clear();
    auto add = [this](forms::Menu& m, QAction* action) {
        items_.push_back({&m, action, m.Revision()});
        if (m.Items().empty())
            QObject::connect(action, &QAction::triggered, &bar_, [this, &m] { choose_(m); });
    };
    for (forms::Menu* top : form_.MenuBar()) {
        QAction* action;
        if (top->Items().empty()) {
            action = bar_.addAction(QString());
        } else {
            QMenu* menu = bar_.addMenu(QString());
            action = menu->menuAction();
            AddItems(*menu, *top, add);
        }
        Apply(*action, *top);
        add(*top, action);
    }
}

void MenuBarView::Sync() {
    // Menu items are controls; a new one (a menu array growing) rebuilds the bar.
    if (form_.Controls().size() != controlsSeen_) {
        controlsSeen_ = form_.Controls().size();
        Build();
        return;
    }
    for (Item& item : items_) {
        if (item.menu->Revision() == item.revision) continue;
        item.revision = item.menu->Revision();
        Apply(*item.action, *item.menu);
    }
}

forms::Menu* ExecPopup(forms::Menu& menu, QPoint at) {
    QMenu popup;
    std::map<QAction*, forms::Menu*> items;
    AddItems(popup, menu, [&items](forms::Menu& m, QAction* action) { items[action] = &m; });
    QAction* chosen = popup.exec(at);
    auto it = items.find(chosen);
    return it == items.end() ? nullptr : it->second;
}

}  // namespace qtback
