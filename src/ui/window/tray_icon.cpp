// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tray_icon.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <utility>

#include "keypad/keypad_frame.h"
#include "launchers.h"
#include "platform/user_prompts.h"
#include "vars/user_func_folder.h"

namespace quillix {
namespace {

std::function<bool()>& TrayProbe() {
    static std::function<bool()> probe;
    return probe;
}

bool TrayExists() {
    return TrayProbe() ? TrayProbe()() : QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace

void TTrayIcon::SetTrayProbe(std::function<bool()> probe) {
    TrayProbe() = std::move(probe);
}

TTrayIcon::TTrayIcon(QWidget& window, TTrayActions actions)
    : QObject(&window), window_(window), actions_(std::move(actions)) {
    menu_ = new QMenu(&window);
    connect(menu_->addAction(QStringLiteral("Show/Hide main window")), &QAction::triggered, this,
            [this] { actions_.ToggleWindow(); });
    if (actions_.Options) menu_->addAction(actions_.Options);
    menu_->addSeparator();
    for (const TToolWindow& tool : kToolWindows) {
        QAction* action = menu_->addAction(QString::fromLatin1(tool.TrayCaption));
        connect(action, &QAction::triggered, this,
                [this, run = tool.Run] { actions_.RunTool(run); });
    }
    programs_ = menu_->addMenu(QStringLiteral("My Programs"));
    menu_->addSeparator();
    connect(menu_->addAction(QStringLiteral("&Exit")), &QAction::triggered, &window,
            &QWidget::close);
    connect(menu_, &QMenu::aboutToShow, this, &TTrayIcon::RebuildPrograms);

    if (!TrayExists()) return;
    icon_ = new QSystemTrayIcon(window.windowIcon(), this);
    icon_->setToolTip(QString::fromLatin1(kProductName));
    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    actions_.ToggleWindow();
            });
    icon_->show();
}

bool TTrayIcon::Available() const {
    return icon_ != nullptr && icon_->isVisible();
}

void TTrayIcon::Hide() {
    if (icon_) icon_->hide();
}

void TTrayIcon::RebuildPrograms() {
    IUserFuncFolder* library = UserProgramsIntf();
    Tfra_KeypadFW::BuildLibraryMenu(
        programs_, library ? &library->GetFolder() : nullptr,
        [this](TUserFuncObj& program) { RunProgramRunner(&window_, program.Name(), false); });
}

}  // namespace quillix
