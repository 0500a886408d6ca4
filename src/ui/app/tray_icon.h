// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification-area icon of the main window: click toggles the window,
// and its menu offers the window, the options, the tools, "My Programs"
// (rebuilt at each opening) and "&Exit". Where the desktop has no tray, the
// icon stays hidden: the window is never hidden then, only minimised.

#include <QObject>
#include <functional>

class QMenu;
class QSystemTrayIcon;

namespace quillix {

class Tfrm_main;

class TTrayIcon : public QObject {
    Q_OBJECT
  public:
    explicit TTrayIcon(Tfrm_main& window);
    bool Available() const;
    // Whether the desktop has a notification area; tests replace the question
    // (an empty one asks Qt again). Read when an icon is made.
    static void SetTrayProbe(std::function<bool()> probe);
    void Hide();
    QMenu* Menu() const { return menu_; }
    // Refills "My Programs" from the programs library.
    void RebuildPrograms();

  private:
    Tfrm_main& window_;
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
    QMenu* programs_ = nullptr;
};

}  // namespace quillix
