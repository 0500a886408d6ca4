// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfra_KeypadFW: the face of the calculator. It owns one engine, shows X and
// its formula, and turns every button, menu choice and key of its window into
// a command for that engine. The same frame sits in the main window and in the
// drop-down calculator. Other windows reach it through IKeypad (Keypad()).

#include <QFrame>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "config/configor.h"
#include "engine/calc_engine.h"
#include "keypad_intf.h"

class QLabel;
class QLineEdit;
class QMenu;
class QAbstractButton;
class QToolButton;
class QPushButton;
class QGridLayout;
class QAction;

namespace quillix {

class TDocumentListener;
class TFormulaField;
class TFuncPadCreator;
class TQuickVarNames;
class TUserFuncFolder;
class TUserFuncObj;
class TKeypadIntfs;
class TKeypadHotkeys;
class TCalcConfig;
class TCalcOperate;
struct TFuncDataItem;
class TFuncPadPanel;
struct TKeypadButtonDef;
class TStackPanel;

class Tfra_KeypadFW : public QFrame {
    Q_OBJECT
  public:
    explicit Tfra_KeypadFW(QWidget* parent = nullptr);
    ~Tfra_KeypadFW() override;

    IKeypad& Keypad();
    TCalcEngine& Engine() { return *engine_; }

    // The engine executes the command, then the display is refreshed. A number
    // text that cannot be converted leaves the engine as it was and beeps.
    void ExecuteCommand(std::uint8_t code, const TCalcCommondData* data = nullptr);
    // Redraws mode, value, expression and counter from the engine.
    void Refresh();
    void AlignValueDisplay();
    void CopyToClipboard();
    // A formula copied by Copy Value goes to the formula field, a number to X.
    void PasteFromClipboard();
    // Copy Value (keypad_value_texts.cpp): X for another program, and its formula.
    void CopyValueToClipboard();
    static constexpr const char* kFormulaMimeType = "text/x-quillix-formula";
    void RegisterHotkeys(bool respectModal);
    void UnregisterHotkeys();
    bool HotkeysRegistered() const;
    void RebuildFunctionPad();
    // Empties menu and fills it with the folder's subfolders (as submenus, by the
    // same rule) and objects; choosing an object calls onChoose with it. Nothing
    // happens for a null folder.
    static void BuildLibraryMenu(QMenu* menu, TUserFuncFolder* folder,
                                 const std::function<void(TUserFuncObj&)>& onChoose);

    // For the drop-down calculator: the function pad hidden, "V" shown, "Help"
    // disabled.
    void SetFunctionPadVisible(bool visible);
    void SetVarsButtonVisible(bool visible);
    void SetHelpEnabled(bool enabled);

    // The menus, built afresh each time they open (exposed so that tests can
    // choose their entries without a mouse).
    QMenu* FunctionsMenu();
    QMenu* ProgramsMenu();
    QMenu* AddVariableMenu();      // "V+"
    QMenu* ReplaceVariableMenu();  // "V="
    QMenu* VariablesMenu();        // "V"
    // The formula entry under the expression line.
    TFormulaField* FormulaField() const { return formula_; }
    // "Other..." of the "V+" menu.
    void AddVariableOther();
    // The mode label's menu: the input mode and the RPN style.
    QMenu* ModeMenu();
    // The levels over X and the stack's buttons (shown in Stack-style RPN).
    TStackPanel* StackPanel() const { return stackPanel_; }

  signals:
    // A dialog of the keypad opens / closed (the host window's "a dialog of mine
    // is open" state).
    void beginModal();
    void endModal();
    // After every refresh of the display.
    void displayChanged();

  private:
    friend class TKeypadIntfs;
    void PressCommand(std::uint8_t code, const TCalcCommondData* data);
    void ShowFixedFormat();  // keypad_value_texts.cpp
    bool PasteFormulaFromClipboard();
    void ApplyFunction(int funcID);
    // A built-in or user function applied as FunctionUse says: to X, as a
    // node, or through the function parameter dialog.
    void ApplyChosenFunction(const TFuncDataItem& row, bool userFunction);
    // Layout (keypad_frame.cpp).
    void BuildUi();
    QWidget* BuildTopBand();
    QWidget* BuildGrid();
    QWidget* BuildFunctionPad();
    QWidget* BuildRightColumn();
    QAbstractButton* MakeButton(const TKeypadButtonDef& def, QWidget* parent);
    void ButtonClicked(const TKeypadButtonDef& def);
    void PadButtonClicked(const QAbstractButton& button);
    QAbstractButton* Button(const char* name) const;
    QAbstractButton* ButtonOfCode(std::uint8_t code) const;
    // Settings.
    void ConfigChanged(TCalcConfig& settings, const std::string& section, std::intptr_t tag,
                       const TConfigValue& value, const std::string& key);
    void ApplyInputMode(int inputMode);
    void WriteInputMode(int inputMode);
    // The RPN style (keypad_mode_menu.cpp), through the settings as the mode.
    void ApplyRPNStyle(TRPNStyle style);
    void WriteRPNStyle(TRPNStyle style);
    void BuildModeMenu();
    void ApplyTypedFormulas(bool on);
    // Menus (keypad_menus.cpp, keypad_var_menus.cpp).
    void BuildFunctionsMenu();
    void BuildProgramsMenu();
    void PopupAtButton(QMenu* menu, const char* buttonName);
    void InsertNode(std::unique_ptr<TCalcOperate> node);
    void UserFunctionChosen(TUserFuncObj& function);
    void ProgramChosen(TUserFuncObj& program);
    void RunTool(void (*run)(QWidget*));
    void DateChosen();
    void AddVariable(const std::string& name);
    void ReplaceVariable(const std::string& name);
    void RecallVariable(const std::string& name);

    std::unique_ptr<TCalcEngine> engine_;
    std::unique_ptr<TKeypadIntfs> intfs_;
    std::unique_ptr<TKeypadHotkeys> hotkeys_;
    std::shared_ptr<IConfigor> settings_;  // null when the program has no settings
    std::unique_ptr<TQuickVarNames> quickNames_;
    std::unique_ptr<TFuncPadPanel> padPanel_;
    std::unique_ptr<TFuncPadCreator> padCreator_;
    // X may be a variable of the document: a change there changes the display.
    std::unique_ptr<TDocumentListener> documentListener_;

    QLineEdit* display_ = nullptr;
    QLabel* expression_ = nullptr;
    QLabel* mode_ = nullptr;
    QLabel* counter_ = nullptr;
    QLabel* fixIndicator_ = nullptr;  // "FIX 4" while the fixed format is on
    TFormulaField* formula_ = nullptr;
    QWidget* pad_ = nullptr;
    QMenu* functionsMenu_ = nullptr;
    QMenu* myFunctionsMenu_ = nullptr;
    QMenu* programsMenu_ = nullptr;
    QMenu* myProgramMenu_ = nullptr;
    QMenu* addVariableMenu_ = nullptr;
    QMenu* replaceVariableMenu_ = nullptr;
    QMenu* variablesMenu_ = nullptr;
    QMenu* modeMenu_ = nullptr;
    TStackPanel* stackPanel_ = nullptr;
    // The buttons that a press of their command plays, by command code.
    std::map<std::uint8_t, QAbstractButton*> pressButtons_;
};

}  // namespace quillix
