// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_DropDownCalc: the calculator drop-down of the number field, a whole
// keypad with its own engine. It starts from the field's value and gives its X
// back, formula and all, on "&OK"; "&Cancel" leaves the field as it was. The
// field also clears and pastes through it.

#include "drop_down/calc_dropdown_win_base.h"

class QPushButton;

namespace quillix {

class Tfra_KeypadFW;

class Tfrm_DropDownCalc : public Tfrm_CalcDropdownWinBase {
    Q_OBJECT
  public:
    explicit Tfrm_DropDownCalc(IDropDownHost& field);

    Tfra_KeypadFW& Keypad() const { return *keypad_; }
    // The keypad clears and takes a clone of the field's value as X.
    void Load();
    // "&OK": "=" on the keypad, the field takes X over, the window hides.
    void Confirm();
    // The field's value becomes a clone of the keypad's X.
    void TakeOverX();
    // For the field's Delete key and paste: the keypad clears / pastes the
    // clipboard's text, and the field takes X over.
    void ClearAndTakeOver();
    void PasteAndTakeOver();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    Tfra_KeypadFW* keypad_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace quillix
