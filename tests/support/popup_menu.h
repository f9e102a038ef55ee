#pragma once

#include <vector>

#include <QAction>
#include <QMenu>
#include <QPoint>
#include <QTest>
#include <QWidget>

namespace ferlo::testing {

// A popup menu opened by a right click, as the user meets it.
struct PopupMenu {
    QWidget& owner;  // the widget the right click goes to
    QMenu& menu;

    // Right-clicks the owner at `at`; true once the menu shows.
    bool open(QPoint at) {
        QTest::mouseClick(&owner, Qt::RightButton, {}, at);
        return QTest::qWaitFor([&] { return menu.isVisible(); }, 2000);
    }
    // Opens the menu at `at` and gives the enabled state of each of `items`
    // as shown; the menu is closed again.
    std::vector<bool> enabledAt(QPoint at, const std::vector<QAction*>& items) {
        std::vector<bool> enabled;
        if (!open(at)) return enabled;
        for (const QAction* item : items) enabled.push_back(item->isEnabled());
        menu.close();
        return enabled;
    }
    // Opens the menu at `at` and clicks `item` in it; false when the menu
    // did not show or the item was greyed (the menu is then closed).
    bool choose(QPoint at, QAction* item) {
        if (!open(at)) return false;
        const bool enabled = item->isEnabled();
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(item).center());
        if (menu.isVisible()) menu.close();
        return enabled;
    }
};

}  // namespace ferlo::testing
