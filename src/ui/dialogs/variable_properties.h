// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_VariableProperties: one variable of the program document, its name,
// value and formula shown, its role and description editable. Nothing changes
// until Apply, which the caller runs only when the dialog closed with OK.

#include <QDialog>

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quillix {

class ICalcVars;
class TCalcValueWarper;

class Tfrm_VariableProperties : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_VariableProperties(QWidget* parent = nullptr);

    // Shows the entry (not owned; it must outlive the dialog).
    void SetEntry(TCalcValueWarper& entry);
    // Gives the entry its role and description through document when it holds
    // the entry (Modified; vaItemChanged, no vaTypeChanged; one undo step), else
    // writes them into the entry and announces it on document.
    void Apply(ICalcVars* document);

    QLabel* NameText() const { return name_; }
    QLabel* ValueText() const { return value_; }
    QLabel* ExpressionText() const { return expression_; }
    // The "Type" choice: button id = role (0 Normal, 1 Input, 2 Output).
    QButtonGroup* TypeGroup() const { return type_; }
    QPlainTextEdit* Description() const { return description_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    TCalcValueWarper* entry_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* value_ = nullptr;
    QLabel* expression_ = nullptr;
    QButtonGroup* type_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace quillix
