// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry of a window's menu bar with a caption, as the user reads it ("&Save");
// null when the menus have none.

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quillix::test {

inline QAction* MenuEntry(const QMainWindow& window, const QString& caption) {
    for (QAction* top : window.menuBar()->actions()) {
        if (!top->menu()) continue;
        for (QAction* action : top->menu()->findChildren<QAction*>())
            if (action->text() == caption) return action;
    }
    return nullptr;
}

}  // namespace quillix::test
