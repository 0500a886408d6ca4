#pragma once
// Tfra_KeypadFW: the face of the calculator. It owns one engine, shows X and
// its formula, and turns every button, menu choice and key of its window into
// a command for that engine. The same frame sits in the main window and in the
// drop-down calculator. Other windows reach it through IKeypad (Keypad()).

#include <QFrame>
#include <QPointer>
#include <functional>
#include <memory>

#include "engine/calc_engine.h"
#include "keypad_intf.h"

class QLabel;
class QLineEdit;
class QMenu;
class QAbstractButton;
class QToolButton;
class QPushButton;
class QGridLayout;

namespace quillix {

class TFuncPadCreator;
class TQuickVarNames;
class TUserFuncFolder;
class TUserFuncObj;
class TKeypadIntfs;
class TKeypadHotkeys;

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
    void PasteFromClipboard();
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
    // "Other..." of the "V+" menu.
    void AddVariableOther();

  signals:
    // A dialog of the keypad opens / closed (the host window's "a dialog of mine
    // is open" state).
    void beginModal();
    void endModal();
    // After every refresh of the display.
    void displayChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class TKeypadIntfs;
    void PressCommand(std::uint8_t code, const TCalcCommondData* data);
    void ApplyFunction(int funcID);
    void BuildUi();
    void ConfigChanged(class TCalcConfig& settings, const std::string& section, std::intptr_t tag,
                       const std::variant<bool, int, std::string>& value, const std::string& key);

    std::unique_ptr<TCalcEngine> engine_;
    std::unique_ptr<TKeypadIntfs> intfs_;
    std::unique_ptr<TQuickVarNames> quickNames_;
    std::unique_ptr<TFuncPadCreator> padCreator_;
    bool hotkeysRegistered_ = false;
};

}  // namespace quillix
