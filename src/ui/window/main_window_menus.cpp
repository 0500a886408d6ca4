// SPDX-License-Identifier: GPL-3.0-or-later
// The menus of the main window and the commands behind them.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "config/calc_config.h"
#include "config/digits_choice.h"
#include "config/settings_table.h"
#include "keypad/keypad_frame.h"
#include "launchers.h"
#include "model/format_indicator.h"
#include "platform/browser.h"
#include "platform/help_topics.h"
#include "platform/user_prompts.h"
#include "vars/calc_vars.h"
#include "vars/user_libraries.h"
#include "vars_view/vars_view.h"
#include "window/main_window.h"
#include "window/recovery_guard.h"
#include "window/undo_actions.h"

namespace quillix {
namespace {

// The product's download page, opened by "Check for the Latest Update".
constexpr const char* kDownloadPage = "https://quillix.example.org/download.html?s=prog";

QAction* AddAction(QMenu* menu, const char* caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

}  // namespace

template <class Run>
auto Tfrm_main::Modal(Run run) {
    const TKeypadModalScope modal(&keypad_->Keypad());
    return run();
}

void Tfrm_main::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(AddAction(file, "&New", QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered, this,
            &Tfrm_main::NewProgram);
    QAction* open = AddAction(file, "&Open", QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, &Tfrm_main::OpenProgram);
    recentMenu_ = file->addMenu(QStringLiteral("&Recent Programs"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &Tfrm_main::FillRecentProgramsMenu);
    saveAction_ = AddAction(file, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveAction_, &QAction::triggered, this, &Tfrm_main::SaveProgram);
    QAction* saveAs = AddAction(file, "S&ave as...");
    connect(saveAs, &QAction::triggered, this, &Tfrm_main::SaveProgramAs);
    connect(AddAction(file, "&Close"), &QAction::triggered, this, &Tfrm_main::NewProgram);
    file->addSeparator();
    QAction* programManager = AddAction(file, "&Program Manager");
    connect(programManager, &QAction::triggered, this, [this] { OpenLibraryManager(false); });
    QAction* functionManager = AddAction(file, "&Function Manager");
    connect(functionManager, &QAction::triggered, this, [this] { OpenLibraryManager(true); });
    QAction* memoryView = AddAction(file, "&Memory View");
    connect(memoryView, &QAction::triggered, this, &Tfrm_main::OpenMemoryView);
    file->addSeparator();
    connect(AddAction(file, "&Exit"), &QAction::triggered, this, &QWidget::close);
    connect(file, &QMenu::aboutToShow, this, &Tfrm_main::UpdateCommandStates);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(undo_->UndoAction());
    edit->addAction(undo_->RedoAction());
    edit->addSeparator();
    connect(AddAction(edit, "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C)), &QAction::triggered, this,
            [this] { keypad_->CopyToClipboard(); });
    QAction* copyValue =
        AddAction(edit, "Copy &Value", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyValue->setToolTip(
        QStringLiteral("Copies the value with every digit and no grouping, for "
                       "a spreadsheet or another program"));
    connect(copyValue, &QAction::triggered, this, [this] { keypad_->CopyValueToClipboard(); });
    connect(AddAction(edit, "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V)), &QAction::triggered,
            this, [this] { keypad_->PasteFromClipboard(); });

    BuildViewMenu();

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    connect(AddAction(tools, "&What-If..."), &QAction::triggered, this,
            [this] { Modal([this] { RunWhatIfOn(this, *vars_); }); });
    connect(AddAction(tools, "&Goal Seek..."), &QAction::triggered, this,
            [this] { Modal([this] { RunGoalSeekOn(this, *vars_, {}); }); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    alwaysOnTopAction_ = AddAction(options, "&Always On Top");
    autoSaveParamAction_ = AddAction(options, "Auto-save function parameters");
    keypadHintAction_ = AddAction(options, "Show hints of keypad buttons");
    openLastAction_ = AddAction(options, "Open the last program at start");
    // The check marks change only through the settings-change handler.
    const std::pair<QAction*, TSetting> toggles[] = {
        {alwaysOnTopAction_, TSetting::MainAlwaysOnTop},
        {autoSaveParamAction_, TSetting::MainAutoSaveParam},
        {keypadHintAction_, TSetting::MainShowKeypadHint},
        {openLastAction_, TSetting::MainOpenLastProgram},
    };
    for (const auto& [action, setting] : toggles) {
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [action = action, setting = setting] {
            const bool wasChecked = !action->isChecked();  // Qt has toggled it already
            action->setChecked(wasChecked);
            if (ConfigorIntf) WriteBoolSetting(*ConfigorIntf, setting, !wasChecked);
        });
    }
    options->addSeparator();
    QMenu* digits = options->addMenu(QStringLiteral("Significant Digits"));
    digits->menuAction()->setToolTip(QString::fromLatin1(kFixedDecimalsRule));
    digits->setToolTip(QString::fromLatin1(kFixedDecimalsRule));
    digits->setToolTipsVisible(true);
    options->setToolTipsVisible(true);
    const auto captions = DigitsListEntries();
    for (int tag = 0; tag < static_cast<int>(captions.size()); ++tag) {
        QAction* action = digits->addAction(QString::fromStdString(captions[tag]));
        action->setCheckable(true);
        action->setData(tag);
        connect(action, &QAction::triggered, this, [this, tag] { ChooseDigits(tag); });
        digitActions_.push_back(action);
    }
    connect(digits, &QMenu::aboutToShow, this, &Tfrm_main::UpdateCommandStates);
    options->addSeparator();
    optionsAction_ = AddAction(options, "&Options");
    optionsAction_->setObjectName(QStringLiteral("actOptions"));
    connect(optionsAction_, &QAction::triggered, this, &Tfrm_main::OpenOptions);

    skinsMenu_ = menuBar()->addMenu(QStringLiteral("&Skins"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* usingHelp = AddAction(help, "Using Help", QKeySequence(Qt::Key_F1));
    usingHelp->setShortcutContext(Qt::ApplicationShortcut);
    connect(usingHelp, &QAction::triggered, this, [this] { ShowHelp(kHelpGuide); });
    help->addSeparator();
    connect(AddAction(help, "Check for the Latest Update"), &QAction::triggered, this,
            [] { OpenInBrowser(QString::fromLatin1(kDownloadPage)); });
    help->addSeparator();
    QAction* about = AddAction(help, "&About Quillix");
    connect(about, &QAction::triggered, this, [this] { Modal([this] { RunAbout(this); }); });
}

// The document's events keep Save's state after each of these.
void Tfrm_main::NewProgram() {
    Modal([this] { documentCommands_->NewDocument(); });
}

void Tfrm_main::OpenProgram() {
    Modal([this] { documentCommands_->OpenDocument(); });
}

void Tfrm_main::SaveProgram() {
    Modal([this] { documentCommands_->SaveDocument(); });
}

void Tfrm_main::SaveProgramAs() {
    Modal([this] { documentCommands_->SaveDocumentAs(); });
}

void Tfrm_main::Undo() {
    undo_->Undo();
}

void Tfrm_main::Redo() {
    undo_->Redo();
}

bool Tfrm_main::OfferRecovery() {
    return Modal([this] { return recovery_->OfferLeftCopy(this); });
}

TSaveAnswer Tfrm_main::AskSaveChanges(const std::string& question) {
    switch (Prompts().AskYesNoCancel(this, QStringLiteral("Confirm"),
                                     QString::fromStdString(question))) {
        case TPromptAnswer::Yes:
            return TSaveAnswer::Yes;
        case TPromptAnswer::No:
            return TSaveAnswer::No;
        case TPromptAnswer::Cancel:
            break;
    }
    return TSaveAnswer::Cancel;
}

std::optional<TProgramPick> Tfrm_main::PickProgram(int mode) {
    const TLibraryChoice choice = RunLibraryManager(this, libraries_->Programs(), mode);
    if (!choice.Ok) return std::nullopt;
    return TProgramPick{choice.ResultName, choice.CurrentFolder};
}

void Tfrm_main::ShowError(const std::string& message) {
    Prompts().ShowError(this, QString::fromStdString(message));
}

void Tfrm_main::OpenLibraryManager(bool functions) {
    TUserFuncFolder& library = functions ? libraries_->Functions() : libraries_->Programs();
    Modal([&] { RunLibraryManager(this, library, kLibraryManager); });
}

void Tfrm_main::RunTool(void (*run)(QWidget*)) {
    Modal([&] { run(this); });
}

void Tfrm_main::OpenMemoryView() {
    if (!memoryView_) memoryView_.reset(CreateMemoryView(this, keypad_->Engine()));
    if (!memoryView_) return;
    memoryView_->show();
    activateWindow();
}

void Tfrm_main::OpenOptions() {
    if (Modal([this] { return RunOptions(this); })) keypad_->RebuildFunctionPad();
}

}  // namespace quillix
