// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFormulaField: the keypad's one-line formula entry. Enter reads the text
// (names against the program document, calls against the libraries) and hands
// the value to the keypad; a text that is no formula beeps, keeps the text,
// puts the caret at the fault and shows why under the field. Escape empties
// the field, a second one leaves it. Function and variable names complete as they are typed, and
// the line under the field describes the catalogue function at the caret.

#include <QWidget>
#include <functional>

#include "model/value_ref.h"

class QCompleter;
class QLabel;
class QLineEdit;
class QStringListModel;

namespace quillix {

class TFormulaLine;

class TFormulaField final : public QWidget {
    Q_OBJECT
  public:
    using TInsert = std::function<void(ValueRef value)>;
    TFormulaField(QWidget* parent, TInsert insert);

    QLineEdit* Edit() const;
    // The line under the field: the error, or the description of the function
    // at the caret; hidden when there is neither.
    QLabel* Status() const { return status_; }
    QCompleter* Completer() const { return completer_; }

    // Ctrl+L: the focus to the field, its text selected.
    void TakeFocus();
    // Enter: reads the text; true when the value went to the keypad.
    bool Submit();
    // Escape: empties the field; in an empty field the focus leaves it. The
    // calculation is never touched.
    void Escape();
    // The focus leaves the field, the error goes.
    void Leave();
    // The caption and hint of the way formulas are typed: Ctrl+L (or a click),
    // or, with typed formulas on, any character typed in the window.
    void SetTypedFormulas(bool on);

  private:
    friend class TFormulaLine;
    void TextEdited();
    void ShowHint();
    void ShowStatus(const QString& text, bool error);
    void RefreshNames();
    void Complete(const QString& name);

    TInsert insert_;
    TFormulaLine* edit_ = nullptr;
    QLabel* status_ = nullptr;
    QCompleter* completer_ = nullptr;
    QStringListModel* names_ = nullptr;
    bool error_ = false;
    QString waysHint_;  // the hint while no message shows
};

// FunctionAtOffset (model/formula_names.h) at a caret position of the text.
QString FunctionAtCaret(const QString& text, int caret);

}  // namespace quillix
