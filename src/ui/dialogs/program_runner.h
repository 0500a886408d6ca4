// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_ProgramRun: a program of the library in a window of its own. Its inputs
// are number fields, its outputs read-only fields; "C&alculate" runs the
// program on the typed inputs, "&Return" puts one output into the program
// document as a new variable whose formula calls the program. Opened modally
// from the keypad and modelessly (several at once) from the programs menus.

#include <QDialog>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "vars/calc_exec.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;

namespace quillix {

class TCalcDropDown;

class Tfrm_ProgramRun : public QDialog {
    Q_OBJECT
  public:
    explicit Tfrm_ProgramRun(QWidget* parent = nullptr);
    ~Tfrm_ProgramRun() override;

    // Loads the program of that name from the programs library and builds the
    // fields. False when the library has no such program, or (after a message)
    // when its file cannot be read; the window is then not to be shown.
    bool Load(const std::string& name);

    // Runs the program on the inputs and shows the outputs.
    void Calculate();
    // The "&Return" menu: one entry per output, carrying the output's name;
    // choosing one runs ReturnOutput. Rebuilt on each call, owned by the window.
    QMenu* ReturnMenu();
    // Asks for a variable name and adds a variable calling the program for that
    // output to the program document. True when one was added.
    bool ReturnOutput(const QString& output);
    // The source view of the loaded program, modal.
    void ShowSource();

    const std::string& ProgramName() const { return programName_; }
    const TCalcProgramExec& Exec() const { return *exec_; }
    // The fields by name (without regard to letter case), or null.
    TCalcDropDown* InputField(const QString& name) const;
    QLineEdit* OutputField(const QString& name) const;
    // The label "name:  " beside an input field, or null.
    QLabel* InputLabel(const QString& name) const;
    // The area the fields are placed on (their coordinates are relative to it).
    QWidget* FieldsArea() const { return fields_; }

  private:
    struct TInputRow {
        std::string Name;
        QLabel* Label;
        TCalcDropDown* Field;
    };
    struct TOutputRow {
        std::string Name;
        QLineEdit* Field;
    };
    void BuildFields();
    // A description label of that kind ("program" or "entry") at y; the next y.
    int AddDescription(const std::string& text, const char* kind, int y);
    void ClearFields();
    void ShowReturnMenu();

    std::unique_ptr<TCalcProgramExec> exec_;
    std::string programName_;
    std::vector<TInputRow> inputs_;
    std::vector<TOutputRow> outputs_;
    QScrollArea* scroll_ = nullptr;
    QWidget* fields_ = nullptr;
    QMenu* returnMenu_ = nullptr;
    QPushButton* returnButton_ = nullptr;
};

}  // namespace quillix
