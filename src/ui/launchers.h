// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs and tool windows that the keypad, the variables view, the main
// window and the tray open, each behind one function, so that the lower layers
// open them without including them. A caller brackets a modal one with its
// keypad's TKeypadModalScope; the functions themselves only run the window
// (modal ones through ExecDialog).

#include <memory>
#include <string>

#include "model/calc_value.h"

class QWidget;

namespace quillix {

class ICalcVars;
class ICalcVarsBase;
class TCalcEngine;
class TCalcOperate;
class TCalcValueWarper;
class TUserFuncFolder;
struct TFuncDataItem;

// Function parameter dialog for a catalogue row or a user function's row. The
// node built on confirm (a multi-argument function node, or a user-function
// node); null when cancelled.
std::unique_ptr<TCalcOperate> RunFunctionParamDialog(QWidget* parent, const TFuncDataItem& item,
                                                     bool isUserFunction);

// Date value dialog: the chosen day number; false when cancelled.
bool RunDateValueDialog(QWidget* parent, double& day);

// Program runner for the program of that name in the programs library: modal
// (returns when closed) or modeless (returns at once; the window frees itself).
void RunProgramRunner(QWidget* parent, const std::string& name, bool modal);

// Library manager. mode: 0 Open, 1 Save, 2 Save As, 3 Manager.
struct TLibraryChoice {
    bool Ok = false;
    std::string ResultName;
    TUserFuncFolder* CurrentFolder = nullptr;
};
TLibraryChoice RunLibraryManager(QWidget* parent, TUserFuncFolder& library, int mode);

// The tool windows, modal.
void RunUnitConverter(QWidget* parent);
void RunFinanceBox(QWidget* parent);
void RunDateCalculations(QWidget* parent);
// What-If and Goal Seek, modal, over the published program document
// (CalcVarsIntf), or over the document given. Goal Seek offers input first
// under "By changing".
void RunWhatIf(QWidget* parent);
void RunGoalSeek(QWidget* parent);
void RunWhatIfOn(QWidget* parent, ICalcVarsBase& document);
void RunGoalSeekOn(QWidget* parent, ICalcVarsBase& document, const std::string& input);

// The tool windows in the order the keypad's "Programs" menu and the tray's
// menu list them, each with the caption of either menu.
struct TToolWindow {
    const char* KeypadCaption;
    const char* TrayCaption;
    void (*Run)(QWidget* parent);
};
inline constexpr TToolWindow kToolWindows[] = {
    {"DateCalculations", "Date Calculations", &RunDateCalculations},
    {"Finance Box", "Finance Box", &RunFinanceBox},
    {"Unit Converter", "Unit Converter", &RunUnitConverter},
    {"What-If...", "What-If...", &RunWhatIf},
    {"Goal Seek...", "Goal Seek...", &RunGoalSeek},
};

// The memory view window bound to an engine; owned by parent, shown modeless.
QWidget* CreateMemoryView(QWidget* parent, TCalcEngine& engine);

// Properties dialogs; Apply runs on OK. True when confirmed.
bool RunVariableProperties(QWidget* parent, TCalcValueWarper& entry);
// The same for an entry of document, which makes the change (one undo step).
bool RunVariableProperties(QWidget* parent, TCalcValueWarper& entry, ICalcVars* document);
bool RunProgramProperties(QWidget* parent, ICalcVars& document);
// Create-function wizard over the program document.
void RunCreateFunction(QWidget* parent, ICalcVars& document);
// Options dialog; true when confirmed and applied (the caller then rebuilds the
// function pad).
bool RunOptions(QWidget* parent);
void RunAbout(QWidget* parent);

}  // namespace quillix
