// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's mode menu (a right click on the mode label): the input mode and
// the style RPN works in. Both are settings: a choice is written, and every
// keypad follows through its change handler.
#include <QActionGroup>
#include <QLabel>
#include <QMenu>

#include "config/settings_table.h"
#include "keypad/keypad_frame.h"

namespace quillix {

void Tfra_KeypadFW::BuildModeMenu() {
    modeMenu_ = new QMenu(this);
    modeMenu_->setObjectName(QStringLiteral("pm_mode"));
    const auto addChoice = [this](QActionGroup* group, const QString& caption, auto choose) {
        QAction* action = modeMenu_->addAction(caption);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, choose);
        return action;
    };
    auto* modes = new QActionGroup(modeMenu_);
    addChoice(modes, QStringLiteral("RPN"), [this] { WriteInputMode(kModeRPN); });
    addChoice(modes, QStringLiteral("ALG"), [this] { WriteInputMode(kModeALG); });
    modeMenu_->addSeparator();
    auto* styles = new QActionGroup(modeMenu_);
    addChoice(styles, QStringLiteral("Classic RPN"), [this] { WriteRPNStyle(TRPNStyle::Classic); });
    addChoice(styles, QStringLiteral("Stack RPN (x\u2194y, R\u2193, Drop, LastX)"),
              [this] { WriteRPNStyle(TRPNStyle::Stack); });

    mode_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mode_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ModeMenu()->popup(mode_->mapToGlobal(at)); });
    mode_->setToolTip(QStringLiteral("Input mode; right click to choose the mode and RPN style"));
}

QMenu* Tfra_KeypadFW::ModeMenu() {
    // The check marks follow the engine, whoever changed it.
    const QList<QAction*> entries = modeMenu_->actions();
    const bool rpn = engine_->Mode() == kModeRPN;
    const bool stack = engine_->RPNStyle() == TRPNStyle::Stack;
    entries[0]->setChecked(rpn);
    entries[1]->setChecked(!rpn);
    entries[3]->setChecked(!stack);
    entries[4]->setChecked(stack);
    return modeMenu_;
}

void Tfra_KeypadFW::ApplyRPNStyle(TRPNStyle style) {
    ExecuteCommand(style == TRPNStyle::Stack ? ccStyleStack : ccStyleClassic);
}

void Tfra_KeypadFW::WriteRPNStyle(TRPNStyle style) {
    if (settings_)
        WriteTextSetting(*settings_, TSetting::KeypadRPNStyle, std::string(RPNStyleText(style)));
    else
        ApplyRPNStyle(style);
}

}  // namespace quillix
