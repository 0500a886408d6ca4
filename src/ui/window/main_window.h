// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tfrm_main: the workbench. It hosts the keypad on the left and the variables
// view beside it, owns the program document (the global variable set), the two
// libraries and the help hook, keeps the window placement and display options
// in the settings, and opens the tools, managers and dialogs.

#include <QMainWindow>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "diag/dlog_file.h"
#include "model/calc_value_warper.h"
#include "vars/document_commands.h"
#include "window/layout_growth.h"

class QAction;
class QActionGroup;
class QMenu;

namespace quillix {

class TCalcConfig;
class TCalcVars;
class THintFilter;
class THookHelpSystem;
class TQtHelpEngine;
class TTapeDock;
class TTrayIcon;
class TUserLibraries;
class Tfra_KeypadFW;
class Tfra_VarsView;
class TRecoveryGuard;
class TUndoActions;

class Tfrm_main : public QMainWindow, public IDocumentUi {
    Q_OBJECT
  public:
    // log: the process's diagnostic log (the help hook writes to it).
    explicit Tfrm_main(TDLogFile& log);
    ~Tfrm_main() override;

    Tfra_KeypadFW& Keypad() const { return *keypad_; }
    Tfra_VarsView& VarsView() const { return *varsView_; }
    TCalcVars& Document() const { return *vars_; }
    TUserLibraries& Libraries() const { return *libraries_; }
    TQtHelpEngine& HelpEngine() const { return *helpEngine_; }
    THintFilter& HintFilter() const { return *hintFilter_; }
    const QString& CurrentSkin() const { return currentSkin_; }
    QMenu* SkinsMenu() const { return skinsMenu_; }
    TTapeDock& Tape() const { return *tapeDock_; }

    // The commands of the menus.
    void NewProgram();
    void OpenProgram();
    void SaveProgram();
    void SaveProgramAs();
    // At start, with "Open the last program at start" on: the first recent program.
    void OpenLastProgramAtStart();
    QMenu* RecentProgramsMenu() const { return recentMenu_; }
    void ChooseDigits(int tag);
    void ApplySkin(const QString& fileName);
    void ToggleShown();
    // Message 1927 from a second start: restore, show and bring to front.
    void ActivateFromOutside();
    // The first appearance: shown, or with "Auto" hidden in the notification
    // area, or minimised where there is none.
    void ShowAtStart(bool startHidden);
    // Undo and redo of the program document (the Edit menu's commands).
    void Undo();
    void Redo();
    TUndoActions& UndoActions() const { return *undo_; }
    TRecoveryGuard& Recovery() const { return *recovery_; }
    // At start: offers the unsaved program a killed instance left; true when
    // it was restored.
    bool OfferRecovery();
    // Save enabled only while the program is modified (and the title's mark),
    // the digit check marks.
    void UpdateCommandStates();
    // Writes the placement and display settings (the close handler does it).
    void SaveSettings();

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // IDocumentUi: the prompts and the library manager of the File commands.
    TSaveAnswer AskSaveChanges(const std::string& question) override;
    std::optional<TProgramPick> PickProgram(int mode) override;
    void ShowError(const std::string& message) override;

  private:
    void BuildMenus();
    // The tape dock and its View menu (main_window_tape.cpp).
    void BuildTape();
    void BuildViewMenu();
    // Closing hides the dock on the way: no choice of the user's to keep.
    void StopFollowingTapeShown();
    // Shown or hidden by the user, the docked tape widens or narrows the
    // window by its own width, so the keypad and the variables keep theirs.
    void MakeRoomForTape(bool shown);
    // The window at wanted, brought inside the screen it lands on.
    void PlaceOnScreen(const QRect& wanted);
    void BuildSkinsMenu();
    void FillRecentProgramsMenu();  // recent_programs_menu.cpp
    void SetSkinMenuState();
    void LoadSettings();
    void ApplyAlwaysOnTop(bool onTop);
    void ConfigChanged(TCalcConfig& settings, const std::string& section, std::intptr_t tag,
                       const std::variant<bool, int, std::string>& value, const std::string& key);
    void ReadDisplayFormatSettings();
    void RefreshValues();
    void ShowHelp(int context);
    bool RouteWhatsThis(QObject* watched);
    // Runs a modal dialog inside the keypad's TKeypadModalScope.
    template <class Run>
    auto Modal(Run run);
    void OpenLibraryManager(bool functions);
    void RunTool(void (*run)(QWidget*));
    void OpenMemoryView();
    void OpenOptions();

    // The document first: it must exist before the keypad and the view, and
    // go after them.
    std::unique_ptr<TCalcVars> vars_;
    // Both go before the document whose changes they follow.
    std::unique_ptr<TUndoActions> undo_;
    std::unique_ptr<TRecoveryGuard> recovery_;
    Tfra_KeypadFW* keypad_ = nullptr;
    Tfra_VarsView* varsView_ = nullptr;
    std::unique_ptr<TUserLibraries> libraries_;
    std::unique_ptr<TQtHelpEngine> helpEngine_;
    std::unique_ptr<THookHelpSystem> helpHook_;
    std::unique_ptr<TDocumentCommands> documentCommands_;
    TCalcVarsEventsObject documentEvents_;
    THintFilter* hintFilter_ = nullptr;
    TTrayIcon* tray_ = nullptr;
    // Goes before the keypad whose engine it records, and before the document.
    std::unique_ptr<TTapeDock> tapeDock_;
    int widthBeforeTape_ = 0;  // the window's width before the tape last came or went
    // Goes before the keypad whose engine it watches (members go before children).
    std::unique_ptr<QWidget> memoryView_;
    TDLogFile& log_;
    QString currentSkin_;
    bool keypadHints_ = true;
    bool closing_ = false;
    QMenu* skinsMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* openLastAction_ = nullptr;
    QActionGroup* digitsGroup_ = nullptr;
    std::vector<QAction*> digitActions_;
    QAction* saveAction_ = nullptr;
    QAction* alwaysOnTopAction_ = nullptr;
    QAction* autoSaveParamAction_ = nullptr;
    QAction* keypadHintAction_ = nullptr;
    QAction* optionsAction_ = nullptr;  // shared with the tray's menu
    // What a passing message line made the window grow by, to give back.
    TLayoutGrowth widthGrowth_;
    TLayoutGrowth heightGrowth_;
};

}  // namespace quillix
