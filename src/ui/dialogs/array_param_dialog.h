// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_ArrayParam: the list argument of a function parameter, one number
// field per item ("Value1", "Value2", ...). Confirming reads the fields from
// the first on and stops at the first empty one. It shows twenty fields, and
// more when the list is longer, so that no item is lost.

#include <QDialog>
#include <vector>

#include "model/calc_value.h"

namespace quillix {

class TCalcDropDown;

class Tfrm_ArrayParam : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kBoxCount = 20;

    // The fields show clones of list's items; list is changed only on confirm.
    Tfrm_ArrayParam(QWidget* parent, const QString& caption, std::vector<ValueRef>& list);

    // Shows the dialog modally; true (and the list replaced) when confirmed.
    bool Execute();
    // "&OK": the list becomes the clones of the fields' values up to the first
    // field whose text is empty.
    void accept() override;

    const std::vector<TCalcDropDown*>& Boxes() const { return boxes_; }

  private:
    std::vector<ValueRef>& list_;
    std::vector<TCalcDropDown*> boxes_;
};

}  // namespace quillix
