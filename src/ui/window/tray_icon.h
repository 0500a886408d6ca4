// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification-area icon of the main window: click toggles the window,
// and its menu offers the window, the options, the tools, "My Programs"
// (rebuilt at each opening) and "&Exit". Where the desktop has no tray, the
// icon stays hidden: the window is never hidden then, only minimised.

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace quillix {

// What the icon's menu asks of the window it belongs to.
struct TTrayActions {
    std::function<void()> ToggleWindow;
    // Runs a tool window modal over the window, its keys suspended meanwhile.
    std::function<void(void (*run)(QWidget* parent))> RunTool;
    // The window's "&Options" entry, offered in the icon's menu as well.
    QAction* Options = nullptr;
};

class TTrayIcon : public QObject {
    Q_OBJECT
  public:
    TTrayIcon(QWidget& window, TTrayActions actions);
    bool Available() const;
    // Whether the desktop has a notification area; tests replace the question
    // (an empty one asks Qt again). Read when an icon is made.
    static void SetTrayProbe(std::function<bool()> probe);
    void Hide();
    QMenu* Menu() const { return menu_; }
    // Refills "My Programs" from the programs library.
    void RebuildPrograms();

  private:
    QWidget& window_;
    TTrayActions actions_;
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
    QMenu* programs_ = nullptr;
};

}  // namespace quillix
