// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_DropDownVars: the variables drop-down of the number field, the program
// document's variables with their values coloured by kind and sign. Picking
// one (double-click or Enter) makes the field refer to that variable.

#include "drop_down/calc_dropdown_win_base.h"

class QTableWidget;

namespace quillix {

class Tfrm_DropDownVars : public Tfrm_CalcDropdownWinBase {
    Q_OBJECT
  public:
    explicit Tfrm_DropDownVars(IDropDownHost& field);

    QTableWidget* List() const { return list_; }
    // Fills the list from the program document, one row per variable in order.
    void Fill();
    // The field's value becomes a reference to the selected variable's value;
    // the window hides (with no row selected it only hides).
    void PickSelected();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QTableWidget* list_ = nullptr;
};

}  // namespace quillix
