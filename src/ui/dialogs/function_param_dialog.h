// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_FunctionParam: the arguments of a built-in function with several
// parameters or a list parameter, or of a user function with parameters. One
// row per parameter: a number field for a plain one, a read-only text with a
// "..." button (the array dialog) for a list. It can remember the last
// arguments of each function in "lastdata.ini" and takes a list argument from
// the variables selected in the variables view. On confirm it builds the
// function node.

#include <QDialog>
#include <memory>
#include <vector>

#include "model/calc_value.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace quillix {

class TCalcDropDown;
class TCalcOperate;
struct TFuncDataItem;
struct TFuncParamDef;

class Tfrm_FunctionParam : public QDialog {
    Q_OBJECT
  public:
    // item must outlive the dialog.
    Tfrm_FunctionParam(QWidget* parent, const TFuncDataItem& item, bool isUserFunction);
    ~Tfrm_FunctionParam() override;

    // Lays out the rows with their defaults, fills in the remembered values and
    // the selected variables. True when nothing is left to ask: the function's
    // only parameter is a list that the selected variables filled. Runs once;
    // later calls give the first answer again.
    bool Prepare();
    // Prepare, then the dialog modally unless nothing is left to ask; true when
    // confirmed (or not needed). The values are remembered on confirm.
    bool Execute();
    // "&OK": remembers the arguments when that is switched on, and closes.
    void accept() override;
    // The node of the confirmed arguments: a multi-argument function node that
    // takes the lists over, or a user-function node. Call once.
    std::unique_ptr<TCalcOperate> BuildNode();

    // "Func_" followed by the function's name: where its arguments are remembered.
    QString RememberSection() const;
    // The row of a parameter, by its name: its number field (plain parameter)
    // or its list's text (list parameter); null when it has no such row.
    TCalcDropDown* Box(const QString& name) const;
    QLineEdit* ListText(const QString& name) const;
    QPushButton* ListButton(const QString& name) const;
    // The list of the first (0) or second (1) list parameter.
    std::vector<ValueRef>& List(int which) { return lists_[which]; }
    // Labels in row order, the function's text line and the parameter help line.
    QStringList RowLabels() const;
    QString FunctionText() const;
    QString HelpLine() const;
    bool Remembering() const { return remember_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct TParamRow;

    void LayOutRows();
    void FillRemembered();
    bool TakeSelectedVariables();
    void Remember();
    void ShowListText(const TParamRow& row);
    void EditList(const TParamRow& row);
    void ShowHelp(const TFuncParamDef& param);
    const TParamRow* Row(const QString& name) const;

    const TFuncDataItem& item_;
    bool isUserFunction_;
    bool remember_ = true;
    bool prepared_ = false;
    bool nothingToAsk_ = false;
    std::vector<std::unique_ptr<TParamRow>> rows_;
    std::vector<ValueRef> lists_[2];
    QLabel* functionText_ = nullptr;
    QLabel* helpLine_ = nullptr;
    QGroupBox* group_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QGridLayout* grid_ = nullptr;
};

}  // namespace quillix
