// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's tape: the dock, the View menu's "Tape" (Ctrl+T) whose
// state is kept in "ShowTape", and "KeepTape" followed as it changes.
#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <algorithm>

#include "config/calc_config.h"
#include "config/settings_table.h"
#include "keypad/keypad_frame.h"
#include "platform/app_home.h"
#include "tape/tape_file.h"
#include "vars/calc_vars.h"
#include "window/main_window.h"
#include "window/tape_dock.h"

namespace quillix {

void Tfrm_main::BuildTape() {
    IConfigor* settings = ConfigorIntf;
    const bool keep = settings && ReadBoolSetting(*settings, TSetting::MainKeepTape);
    tapeDock_ = std::make_unique<TTapeDock>(keypad_->Engine(), keypad_->Keypad(), vars_.get(),
                                            TapeFilePath(AppHomeFolder()), keep, this);
    addDockWidget(Qt::RightDockWidgetArea, tapeDock_.get());
    tapeDock_->setVisible(settings && ReadBoolSetting(*settings, TSetting::MainShowTape));
}

void Tfrm_main::BuildViewMenu() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* tape = tapeDock_->toggleViewAction();
    tape->setText(QStringLiteral("&Tape"));
    tape->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    tape->setObjectName(QStringLiteral("actTape"));
    view->addAction(tape);
    // Only the user's choice is kept: the menu and the key (triggered), and
    // the dock's own close button (toggled once the dock is hidden); the
    // action also follows the whole window hiding, which is no such choice.
    const auto keep = [](bool shown) {
        if (IConfigor* settings = ConfigorIntf)
            WriteBoolSetting(*settings, TSetting::MainShowTape, shown);
    };
    connect(tape, &QAction::triggered, this, keep);
    // The dock shows or hides on triggered, before this window hears of it;
    // toggled comes first.
    connect(tape, &QAction::toggled, this, [this] { widthBeforeTape_ = width(); });
    connect(tape, &QAction::triggered, this, &Tfrm_main::MakeRoomForTape);
    connect(tape, &QAction::toggled, this, [this, keep](bool shown) {
        if (!shown && tapeDock_->isHidden()) keep(false);
    });
}

void Tfrm_main::MakeRoomForTape(bool shown) {
    if (!isVisible() || isMaximized() || isFullScreen() || tapeDock_->isFloating()) return;
    // The dock is shown or hidden already (and the window perhaps widened to
    // its new least width), not yet laid out: its width is the one it had, or
    // (never shown yet) the one it asks for.
    const int panel =
        shown ? std::max(tapeDock_->width(), tapeDock_->sizeHint().width()) : tapeDock_->width();
    const int change =
        panel + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    layout()->activate();  // the least size without the dock, once it has gone
    QRect wanted = geometry();
    wanted.setWidth(widthBeforeTape_ + (shown ? change : -change));
    PlaceOnScreen(wanted);
    // The layout would share the new room between the dock and the rest.
    if (shown) resizeDocks({tapeDock_.get()}, {panel}, Qt::Horizontal);
}

void Tfrm_main::StopFollowingTapeShown() {
    disconnect(tapeDock_->toggleViewAction(), nullptr, this, nullptr);
}

}  // namespace quillix
