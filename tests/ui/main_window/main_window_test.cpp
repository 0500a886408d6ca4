// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QWhatsThis>

#include "config/settings_table.h"
#include "dialogs/option_dlg.h"
#include "dialogs/program_properties.h"
#include "keypad/keypad_frame.h"
#include "menu_entry.h"
#include "model/value_format.h"
#include "platform/help_window.h"
#include "platform/hint_filter.h"
#include "support/ui_environment.h"
#include "tools/decimal_places_box.h"
#include "vars/calc_vars.h"
#include "vars/user_libraries.h"
#include "vars_view/vars_view.h"
#include "window/tray_icon.h"

namespace quillix::test {
namespace {

// The main window over a fresh home, with a quiet diagnostic log.
class MainWindow : public ::testing::Test {
  protected:
    explicit MainWindow(const std::string& settings = {}) : env(settings) {}

    TUiEnvironment env;
    TDLogFile log{TDLogStartup{env.Home(), {"quillix"}, "0.1.0.0", {}, {}, std::nullopt}};
    std::unique_ptr<Tfrm_main> window;

    void Open() { window = std::make_unique<Tfrm_main>(log); }
    // Makes the program a saved one, then modifies it.
    void SavedAndModified() {
        TCalcVars& doc = window->Document();
        ASSERT_TRUE(doc.Add("a", TCalcValue::New(1)));
        std::string error;
        ASSERT_TRUE(doc.SaveNew(window->Libraries().Programs(), "Loan", &error)) << error;
        ASSERT_TRUE(doc.Add("b", TCalcValue::New(2)));
    }
    bool Checked(const char* caption) { return MenuEntry(*window, caption)->isChecked(); }
};

// Save follows the document at once, however it changes: a variable added, the
// program saved, its description edited in the properties dialog.
TEST_F(MainWindow, SaveIsEnabledOnlyWhileTheProgramIsModified) {
    Open();
    QAction* save = MenuEntry(*window, "&Save");
    EXPECT_FALSE(save->isEnabled());
    ASSERT_TRUE(window->Document().Add("a", TCalcValue::New(1)));
    EXPECT_TRUE(save->isEnabled());
    std::string error;
    ASSERT_TRUE(window->Document().SaveNew(window->Libraries().Programs(), "Loan", &error))
        << error;
    EXPECT_FALSE(save->isEnabled());
    env.Dialogs().ScriptFor<Tfrm_programProperties>([](Tfrm_programProperties& dialog) {
        dialog.Description()->setPlainText(QStringLiteral("Monthly"));
        dialog.accept();
        return dialog.result();
    });
    window->VarsView().ShowProgramProperties();
    EXPECT_TRUE(env.Dialogs().ScriptUsed());
    EXPECT_TRUE(save->isEnabled());
}

TEST_F(MainWindow, NewAsksAboutAModifiedProgram) {
    Open();
    SavedAndModified();
    env.Prompts().ScriptAnswer(TPromptAnswer::Cancel);
    window->NewProgram();
    EXPECT_EQ(window->Document().Count(), 2);
    ASSERT_EQ(env.Prompts().Records().size(), 1u);
    EXPECT_EQ(env.Prompts().Records()[0].Caption, "Confirm");
    EXPECT_EQ(env.Prompts().Records()[0].Text, "Save changes to program Loan?");

    env.Prompts().ScriptAnswer(TPromptAnswer::Yes);
    window->NewProgram();
    EXPECT_EQ(window->Document().Count(), 0);
    EXPECT_EQ(window->Document().GetName(), "New");
    // Yes wrote both variables into the program's file.
    std::string error;
    ASSERT_TRUE(window->Document().Open("Loan", &error)) << error;
    EXPECT_EQ(window->Document().Count(), 2);

    ASSERT_TRUE(window->Document().Add("c", TCalcValue::New(3)));
    env.Prompts().ScriptAnswer(TPromptAnswer::No);
    window->NewProgram();
    EXPECT_EQ(window->Document().Count(), 0);
    EXPECT_TRUE(env.Prompts().ScriptUsed());
}

// Saving over a program file nobody may write is refused with the message the
// command line gives, and the program stays modified.
TEST_F(MainWindow, SavingOverAReadOnlyProgramShowsWhy) {
    Open();
    SavedAndModified();
    const std::string file = window->Libraries().Programs().GetFileName("Loan");
    const std::string old = ReadFile(file);
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    env.Prompts().ExpectMessages();
    window->UpdateCommandStates();
    MenuEntry(*window, "&Save")->trigger();
    EXPECT_EQ(env.Prompts().Messages(),
              QStringList{
                  QString::fromStdString("Cannot write \"" + file + "\": the file is read-only")});
    EXPECT_EQ(ReadFile(file), old);
    EXPECT_TRUE(window->Document().GetModified());
}

TEST_F(MainWindow, CancelOnCloseKeepsTheWindowAndTheProgram) {
    Open();
    window->show();
    SavedAndModified();
    env.Prompts().ScriptAnswer(TPromptAnswer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Document().Count(), 2);
    EXPECT_TRUE(window->Document().GetModified());
}

TEST_F(MainWindow, SignificantDigitsAndTheirCheckMarks) {
    Open();
    window->ChooseDigits(4);  // "3"
    EXPECT_TRUE(Checked("3"));
    EXPECT_FALSE(Checked("Default"));
    EXPECT_EQ(env.Settings().ReadInteger("Main", "ValueFormat", -1), 2);
    EXPECT_EQ(env.Settings().ReadInteger("Main", "ValueDigits", -1), 3);

    window->ChooseDigits(0);  // "Default" keeps the digits
    EXPECT_TRUE(Checked("Default"));
    EXPECT_FALSE(Checked("3"));
    EXPECT_EQ(ValueFormatSettings().ValueFormat, kGeneralFormat);
    EXPECT_EQ(env.Settings().ReadInteger("Main", "ValueDigits", -1), 3);

    window->ChooseDigits(1);  // "0"
    EXPECT_EQ(env.Settings().ReadInteger("Main", "ValueFormat", -1), 2);
    EXPECT_EQ(env.Settings().ReadInteger("Main", "ValueDigits", -1), 0);
}

TEST_F(MainWindow, OptionChecksFollowTheSettingsOnly) {
    Open();
    EXPECT_FALSE(Checked("&Always On Top"));
    MenuEntry(*window, "&Always On Top")->trigger();
    EXPECT_TRUE(Checked("&Always On Top"));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(env.Settings().ReadBool("Main", "AlwaysOnTop", false));
    // A write from elsewhere (the options dialog) moves the check mark too.
    env.Settings().Configor().WriteBool("Main", "AutoSaveParam", true);
    EXPECT_TRUE(Checked("Auto-save function parameters"));
    env.Settings().Configor().WriteBool("Main", "ShowKeypadHint", false);
    EXPECT_FALSE(Checked("Show hints of keypad buttons"));
}

// The settings file ignores letter case, and so does every window: a key
// written in another case is the same setting to the main window as to the
// keypad.
TEST_F(MainWindow, AChangedSettingCountsInAnyLetterCase) {
    Open();
    IConfigor& settings = env.Settings().Configor();
    settings.WriteBool("main", "alwaysontop", true);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(Checked("&Always On Top"));
    settings.WriteBool("MAIN", "SHOWKEYPADHINT", false);
    EXPECT_FALSE(Checked("Show hints of keypad buttons"));
    EXPECT_FALSE(window->HintFilter().KeypadHints());
    settings.WriteInteger("keypad", "inputmode", kInputModeRpn);
    EXPECT_EQ(window->Keypad().Engine().Mode(), kModeRPN);
}

TEST_F(MainWindow, SkinsMenuWithMissingAndBrokenSkins) {
    env.HomeFolder().Write("Skins/Plain.skn", "QWidget { color: #102030; }");
    env.HomeFolder().Write("Skins/Broken.skn", "QPushButton { color: ");
    Open();
    QStringList captions;
    for (QAction* action : window->SkinsMenu()->actions())
        captions << action->text();
    EXPECT_TRUE(captions.contains("Plain"));
    EXPECT_TRUE(captions.contains("Broken"));

    window->ApplySkin("Plain.skn");
    EXPECT_EQ(window->CurrentSkin(), "Plain.skn");
    const QString plainSheet = qApp->styleSheet();
    EXPECT_TRUE(plainSheet.contains("#102030"));
    // A missing file changes nothing at all.
    window->ApplySkin("Gone.skn");
    EXPECT_EQ(window->CurrentSkin(), "Plain.skn");
    // A broken one is chosen, but the previous look stays.
    window->ApplySkin("Broken.skn");
    EXPECT_EQ(window->CurrentSkin(), "Broken.skn");
    EXPECT_EQ(qApp->styleSheet(), plainSheet);
    for (QAction* action : window->SkinsMenu()->actions())
        EXPECT_EQ(action->isChecked(), action->text() == "Broken") << action->text().toStdString();
    qApp->setStyleSheet({});
}

class MainWindowMissingSkin : public MainWindow {
  protected:
    MainWindowMissingSkin()
        : MainWindow("[Main]\nSkin=Nowhere.skn\nWidth=0\nHeight=300\nLeft=5\nTop=5\n") {}
};

TEST_F(MainWindowMissingSkin, KeepsTheNameAndTheDesignedPlacement) {
    Open();
    EXPECT_EQ(window->CurrentSkin(), "Nowhere.skn");
    EXPECT_GT(window->width(), 0);
    window->SaveSettings();
    EXPECT_EQ(env.Settings().ReadString("Main", "Skin", ""), "Nowhere.skn");
}

TEST_F(MainWindow, TheMemoryViewGoesBeforeTheEngineItWatches) {
    Open();
    MenuEntry(*window, "&Memory View")->trigger();
    window->Keypad().ExecuteCommand(ccDigit7);
    window.reset();  // the sanitizer tells when the view outlives the engine
}

TEST_F(MainWindow, ASecondStartShowsAHiddenWindow) {
    Open();
    EXPECT_FALSE(window->isVisible());
    window->ActivateFromOutside();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindow, F1OpensTheGuide) {
    Open();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_NE(window->HelpEngine().Window(), nullptr);
    EXPECT_EQ(window->HelpEngine().Window()->CurrentTopic(), 1000);
    window->HelpEngine().CloseAll();
}

// The keypad's "Help", then a click on a control: the control's text pops up.
TEST_F(MainWindow, ContextHelpPopsUpTheControlsText) {
    TDLogFile debugLog{
        TDLogStartup{env.Home(), {"quillix", "-debug"}, "0.1.0.0", {}, {}, std::nullopt}};
    window = std::make_unique<Tfrm_main>(debugLog);
    window->show();
    auto* zero = window->Keypad().findChild<QWidget*>("bb_0");
    ASSERT_NE(zero, nullptr);
    QHelpEvent request(QEvent::WhatsThis, QPoint(2, 2), zero->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(zero, &request);

    EXPECT_EQ(window->HelpEngine().Window(), nullptr);  // no help window
    EXPECT_EQ(window->HelpEngine().LastPopupText(), "Types the digit 0.");
    EXPECT_EQ(window->HelpEngine().LastPopupPoint(), zero->mapToGlobal(QPoint(0, 0)));
    const std::string logged = ReadFile(debugLog.LogPath());
    EXPECT_NE(logged.find("THookHelpSystem.HelpHook(13 (HELP_SETPOPUP_POS), "), std::string::npos);
    EXPECT_NE(logged.find("THookHelpSystem.HelpHook(8 (HELP_CONTEXTPOPUP), 100101)"),
              std::string::npos);
    EXPECT_EQ(logged.find("HHHelpContext"), std::string::npos) << logged;
    QWhatsThis::hideText();
    window.reset();
}

// On a first start (no settings file) the check marks show what the options
// dialog shows and what the program does: parameters saved, hints shown.
TEST_F(MainWindow, OnAFirstStartTheCheckMarksAgreeWithTheOptionsDialog) {
    Open();
    TfrmOptionDlg options(env.Settings().Configor());
    EXPECT_TRUE(Checked("Auto-save function parameters"));
    EXPECT_EQ(Checked("Auto-save function parameters"), options.AutoSaveParam()->isChecked());
    EXPECT_TRUE(Checked("Show hints of keypad buttons"));
    EXPECT_EQ(Checked("Show hints of keypad buttons"), options.ShowKeypadHint()->isChecked());
    EXPECT_TRUE(window->HintFilter().KeypadHints());
    // The menu entry switches the setting and its mark together.
    MenuEntry(*window, "Show hints of keypad buttons")->trigger();
    EXPECT_FALSE(Checked("Show hints of keypad buttons"));
    EXPECT_FALSE(env.Settings().ReadBool("Main", "ShowKeypadHint", true));
    EXPECT_FALSE(window->HintFilter().KeypadHints());
}

// "Auto" hides the window in the notification area, or, where there is none,
// minimises it, so that the task bar still offers it.
TEST_F(MainWindow, AutoStartsHiddenInTheTrayOrMinimisedWithoutOne) {
    struct Row {
        const char* what;
        bool tray;
        bool startHidden;
        bool visible;
        bool minimised;
    };
    const Row rows[] = {
        {"no tray, Auto", false, true, true, true},
        {"a tray, Auto", true, true, false, false},
        {"no tray, a plain start", false, false, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TTrayIcon::SetTrayProbe([tray = row.tray] { return tray; });
        Open();
        TTrayIcon::SetTrayProbe({});
        window->ShowAtStart(row.startHidden);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->isVisible(), row.visible);
        EXPECT_EQ(window->isMinimized(), row.minimised);
        window.reset();
    }
}

TEST_F(MainWindow, MenuCaptionsAreSpelledRight) {
    Open();
    for (const char* caption : {"Check for the Latest Update", "Auto-save function parameters",
                                "Show hints of keypad buttons"})
        EXPECT_NE(MenuEntry(*window, caption), nullptr) << caption;
    QStringList tray;
    for (QAction* action : window->findChild<TTrayIcon*>()->Menu()->actions())
        tray << action->text();
    EXPECT_TRUE(tray.contains("Show/Hide main window")) << tray.join('|').toStdString();
    EXPECT_TRUE(tray.contains("Unit Converter")) << tray.join('|').toStdString();
}

// Ctrl+Shift+C (Edit, Copy Value) copies the number for a spreadsheet; Ctrl+C
// stays the display's grouped text.
TEST_F(MainWindow, CopyValueAndCopyFromTheKeyboard) {
    Open();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QGuiApplication::clipboard()->setText(QStringLiteral("1234567.5"));
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,234,567.5");
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1234567.5");
}

// The finance box's "Decimal places" changes the whole calculator for the
// run: the keypad behind it shows so at once, and Default takes it away.
TEST_F(MainWindow, DecimalPlacesOfAToolShowOnTheKeypad) {
    Open();
    const TValueFormatRecord kept = ValueFormatSettings();
    auto* indicator = window->Keypad().findChild<QLabel*>("lb_FixedFormat");
    TDecimalPlacesBox places(window.get());
    places.setCurrentIndex(places.findText("3"));
    EXPECT_EQ(indicator->text(), "FIX 3");
    places.setCurrentIndex(places.findText("Default"));
    EXPECT_EQ(indicator->text(), "");
    ValueFormatSettings() = kept;
}

// The diagnostic log could not write its first lines before the window was
// up: the window shows that once it is.
TEST(MainWindowLog, ALogThatCannotBeWrittenIsShown) {
    TUiEnvironment env;
    env.Prompts().ExpectMessages();
    env.HomeFolder().Write("debug.debug", "");
    env.HomeFolder().MakeDir("HHDebug.txt");  // where the log would be
    TDLogFile log{TDLogStartup{env.Home(), {"quillix"}, "0.1.0.0", {}, {}, TSystemFacts{}}};
    ASSERT_TRUE(log.Enabled());
    Tfrm_main window(log);
    ASSERT_EQ(env.Prompts().Messages().size(), 1);
    EXPECT_TRUE(env.Prompts().Messages()[0].startsWith("The diagnostic log is incomplete."));
    log.LogLine("later");  // shown once only
    EXPECT_EQ(env.Prompts().Messages().size(), 1);
}

}  // namespace
}  // namespace quillix::test
