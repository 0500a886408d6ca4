// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcDropDown: the number field of the tool windows and dialogs. It holds a
// calc value, not text: a typed number, a reference to a variable picked from
// a drop-down list, or a value computed on a drop-down calculator with its
// formula. Typing is filtered to number characters (others beep), and the
// paste and Delete keys go through the calculator. Only keys that change the
// text turn a date or a formula into a plain number: Tab, Enter, Escape, copy,
// select-all and navigation leave the value as it is.

#include <QFrame>
#include <cstdint>

#include "drop_down/drop_down_host.h"
#include "model/calc_value.h"

class QLineEdit;
class QToolButton;

namespace quillix {

class TEditEx;
class Tfrm_DropDownCalc;
class Tfrm_DropDownVars;

class TCalcDropDown : public QFrame, public IDropDownHost {
    Q_OBJECT
  public:
    explicit TCalcDropDown(QWidget* parent = nullptr);
    ~TCalcDropDown() override;

    // The value becomes a new value with that number and kind (0 number, 1 date).
    void AssignNumber(std::uint8_t kind, long double number);
    // The value becomes a clone of value (number, kind and formula).
    void AssignValue(const TCalcValue& value);
    const TCalcValue& Value() const override { return *value_; }
    bool IsTextEmpty() const;
    // The edit shows the value in plain style; the hint is its reference text.
    void ShowValue();
    QLineEdit* Edit() const;
    // The field and its edit are named for assistive tools (a parameter's name).
    void SetAccessibleName(const QString& name);

    // What the drop-down windows give back: the field's value is let go and
    // value takes its place (the calculator window is not reloaded).
    void TakeOver(ValueRef value) override;
    QWidget& Anchor() override { return *this; }

    // The two buttons: each window is created on first use, placed under the
    // field inside the screen's available area and shown.
    void DropDownCalculator();
    void DropDownVariables();
    // The windows, created on first use (owned by the field).
    Tfrm_DropDownCalc& CalcWindow();
    Tfrm_DropDownVars& VarsWindow();
    bool HasCalcWindow() const { return calcWindow_ != nullptr; }

    // The Delete key: the calculator clears, the field takes its X over and the
    // edit is emptied.
    void ClearThroughCalculator();
    // Pasting: the calculator pastes the clipboard's text as a number and the
    // field takes its X over.
    void PasteThroughCalculator();

    QSize sizeHint() const override;

  signals:
    // The edit received the focus.
    void editEntered();
    void valueChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void ReplaceValue(ValueRef value);
    void ReloadCalculator();
    // The typing filter; true when the key was dealt with here.
    bool FilterKey(class QKeyEvent* event);
    // The value as TypingOver leaves it.
    void StartPlainNumber();
    void TextEdited(const QString& text);
    void UpdateHint();

    ValueRef value_;
    TEditEx* edit_ = nullptr;
    QToolButton* listButton_ = nullptr;
    QToolButton* calcButton_ = nullptr;
    Tfrm_DropDownCalc* calcWindow_ = nullptr;
    Tfrm_DropDownVars* varsWindow_ = nullptr;
    bool updating_ = false;
};

}  // namespace quillix
