// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tray_icon.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <utility>

#include "dialogs/dialog_launchers.h"
#include "keypad_frame.h"
#include "main_window.h"
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

TTrayIcon::TTrayIcon(Tfrm_main& window) : QObject(&window), window_(window) {
    menu_ = new QMenu(&window);
    connect(menu_->addAction(QStringLiteral("Show/Hide main window")), &QAction::triggered, &window,
            &Tfrm_main::ToggleShown);
    if (QAction* options = window.findChild<QAction*>(QStringLiteral("actOptions")))
        menu_->addAction(options);
    menu_->addSeparator();
    const std::pair<const char*, TDialogKind> tools[] = {
        {"Date Calculations", TDialogKind::DateCalculations},
        {"Finance Box", TDialogKind::FinanceBox},
        {"Unit Converter", TDialogKind::UnitConverter},
    };
    for (const auto& [caption, kind] : tools) {
        QAction* action = menu_->addAction(QString::fromLatin1(caption));
        action->setEnabled(DialogAvailable(kind));
        connect(action, &QAction::triggered, &window, [this, kind = kind] {
            Tfra_KeypadFW& keypad = window_.Keypad();
            keypad.UnregisterHotkeys();
            if (kind == TDialogKind::DateCalculations) RunDateCalculations(&window_);
            if (kind == TDialogKind::FinanceBox) RunFinanceBox(&window_);
            if (kind == TDialogKind::UnitConverter) RunUnitConverter(&window_);
            keypad.RegisterHotkeys(true);
        });
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
                    window_.ToggleShown();
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
    const bool runner = DialogAvailable(TDialogKind::ProgramRunner);
    Tfra_KeypadFW::BuildLibraryMenu(programs_, library ? &library->GetFolder() : nullptr,
                                    [this, runner](TUserFuncObj& program) {
                                        if (runner)
                                            RunProgramRunner(&window_, program.Name(), false);
                                    });
    programs_->setEnabled(runner);
}

}  // namespace quillix
