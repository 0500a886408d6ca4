// SPDX-License-Identifier: GPL-3.0-or-later
#include "drop_down/drop_down_calc.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/number_text.h"
#include "keypad/keypad_frame.h"
#include "model/calc_value.h"

namespace quillix {

Tfrm_DropDownCalc::Tfrm_DropDownCalc(IDropDownHost& field) : Tfrm_CalcDropdownWinBase(field) {
    setAccessibleName(tr("Calculator"));
    keypad_ = new Tfra_KeypadFW(this);
    keypad_->SetFunctionPadVisible(false);
    keypad_->SetVarsButtonVisible(true);
    keypad_->SetHelpEnabled(false);
    okButton_ = new QPushButton(tr("&OK"), this);
    cancelButton_ = new QPushButton(tr("&Cancel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(buttons);
    layout->addWidget(keypad_, 1);
    resize(qMax(299, sizeHint().width()), qMax(237, sizeHint().height()));

    // A dialog of the keypad (the function parameters, say) keeps the window open.
    connect(keypad_, &Tfra_KeypadFW::beginModal, this, [this] { SetAutoHide(false); });
    connect(keypad_, &Tfra_KeypadFW::endModal, this, [this] { SetAutoHide(true); });
    connect(okButton_, &QPushButton::clicked, this, &Tfrm_DropDownCalc::Confirm);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::hide);
    Load();
}

void Tfrm_DropDownCalc::Load() {
    keypad_->Keypad().PressCommand(ccClear, nullptr);
    TCalcStack& stack = keypad_->Engine().Stack();
    stack.ReleaseValue(stack.X);
    stack.X = Field().Value().Clone();
    keypad_->Keypad().PressCommand(ccEquals, nullptr);
}

void Tfrm_DropDownCalc::TakeOverX() {
    const ValueRef& x = keypad_->Engine().Stack().X;
    if (x) Field().TakeOver(x->Clone());
}

void Tfrm_DropDownCalc::Confirm() {
    keypad_->Keypad().PressCommand(ccEquals, nullptr);
    TakeOverX();
    hide();
}

void Tfrm_DropDownCalc::ClearAndTakeOver() {
    keypad_->Keypad().PressCommand(ccClear, nullptr);
    TakeOverX();
}

void Tfrm_DropDownCalc::PasteAndTakeOver() {
    keypad_->PasteFromClipboard();
    TakeOverX();
}

void Tfrm_DropDownCalc::showEvent(QShowEvent* event) {
    Tfrm_CalcDropdownWinBase::showEvent(event);
    // The field usually sits in a modal dialog: the keys are wanted all the same.
    keypad_->RegisterHotkeys(false);
    Load();
    keypad_->AlignValueDisplay();
}

void Tfrm_DropDownCalc::hideEvent(QHideEvent* event) {
    Tfrm_CalcDropdownWinBase::hideEvent(event);
    keypad_->UnregisterHotkeys();
}

}  // namespace quillix
