// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_programProperties: the program document's name and its editable
// description. The description is written only by Apply, which the caller
// runs when the dialog closed with OK.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quillix {

class ICalcVars;

class Tfrm_programProperties : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_programProperties(QWidget* parent = nullptr);

    // Shows the document (not owned; it must outlive the dialog).
    void SetDocument(ICalcVars& document);
    // SetDescription with the box's text (the document becomes modified).
    void Apply();

    QLabel* NameText() const { return name_; }
    QPlainTextEdit* Description() const { return description_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    ICalcVars* document_ = nullptr;
    QLabel* name_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace quillix
