// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog: loading every setting, the digits list, the function pad
// editor, the quick variable names, applying in order through the announced
// writes, Cancel writing nothing, and the autostart file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <filesystem>
#include <functional>

#include "config/settings_table.h"
#include "dialogs/option_dlg.h"
#include "dialogs/options_pad_page.h"
#include "dialogs/options_quick_names_page.h"
#include "functions/func_catalogue.h"
#include "launchers.h"
#include "model/value_format.h"
#include "platform/autostart_file.h"
#include "support/ui_environment.h"

namespace quillix {
namespace {

// Records "section/key" of every announced write, in order.
class TWriteLog {
  public:
    explicit TWriteLog(TCalcConfig& settings) : settings_(settings) {
        settings_.AddChangeHandler(0, TConfigChangeHandler::Bind<&TWriteLog::Changed>(*this));
    }
    ~TWriteLog() {
        settings_.RemoveChangeHandler(TConfigChangeHandler::Bind<&TWriteLog::Changed>(*this));
    }
    void Changed(TCalcConfig&, const std::string& section, std::intptr_t, const TConfigValue&,
                 const std::string& key) {
        writes.push_back(section + "/" + key);
    }
    std::vector<std::string> writes;

  private:
    TCalcConfig& settings_;
};

// A temporary autostart folder for the dialog's start-up entry.
class TConfigHome {
  public:
    TConfigHome() : saved_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", folder_.Path().c_str());
    }
    ~TConfigHome() { qputenv("XDG_CONFIG_HOME", saved_); }
    std::string EntryPath() const { return folder_.Path() + "/autostart/quillix.desktop"; }
    const std::string& Path() const { return folder_.Path(); }

  private:
    test::TempFolder folder_;
    QByteArray saved_;
};

class OptionsDialog : public ::testing::Test {
  protected:
    explicit OptionsDialog(const std::string& settingsText = {}) : env(settingsText) {}
    IConfigor& Configor() { return env.Settings().Configor(); }
    std::string Read(const char* section, const char* key) {
        return env.Settings().ReadString(section, key, "<none>");
    }

    TConfigHome configHome;
    test::TUiEnvironment env;
};

TEST_F(OptionsDialog, CheckBoxesShowTheirSettingsWithTheirDefaults) {
    struct Row {
        const char* settings;
        bool autoRun, onTop, autoSave, hint, upgrade;
    };
    const Row rows[] = {
        {"", false, false, true, true, false},
        {"[Main]\nAutoRun=1\nAlwaysOnTop=1\nAutoSaveParam=0\nShowKeypadHint=1\n"
         "[Online]\nCheckUpgrade=1\n",
         true, true, false, true, true},
        {"[Main]\nAutoSaveParam=junk\nShowKeypadHint=2\n", false, false, true, true, false},
    };
    for (const Row& row : rows) {
        env.HomeFolder().Write("other.ini", row.settings);
        TCalcConfig settings(env.Home() + "/other.ini");
        TfrmOptionDlg dialog(settings.Configor());
        EXPECT_EQ(dialog.AutoRun()->isChecked(), row.autoRun) << row.settings;
        EXPECT_EQ(dialog.AlwaysOnTop()->isChecked(), row.onTop) << row.settings;
        EXPECT_EQ(dialog.AutoSaveParam()->isChecked(), row.autoSave) << row.settings;
        EXPECT_EQ(dialog.ShowKeypadHint()->isChecked(), row.hint) << row.settings;
        EXPECT_EQ(dialog.CheckUpgrade()->isChecked(), row.upgrade) << row.settings;
    }
}

TEST_F(OptionsDialog, DigitsListShowsAndWritesTheFormat) {
    struct Row {
        std::uint8_t format;
        int digits;
        int shown;
        const char* chosen;
        const char* writtenFormat;
        const char* writtenDigits;
    };
    const Row rows[] = {
        {kGeneralFormat, 7, 0, "5", "2", "5"},
        {kFixedFormat, 3, 4, "Default", "0", "3"},  // "Default" keeps the digits
        {kFixedFormat, 0, 1, "0", "2", "0"},
        {kFixedFormat, 40, 19, "18", "2", "18"},  // hand-edited digits still select an entry
    };
    for (const Row& row : rows) {
        ValueFormatSettings().ValueFormat = row.format;
        ValueFormatSettings().ValueDigits = row.digits;
        TfrmOptionDlg dialog(Configor());
        EXPECT_EQ(dialog.DigitsList()->currentIndex(), row.shown) << row.chosen;
        dialog.DigitsList()->setCurrentText(QString::fromUtf8(row.chosen));
        ASSERT_TRUE(dialog.ApplyOptions());
        EXPECT_EQ(Read("Main", "ValueFormat"), row.writtenFormat) << row.chosen;
        EXPECT_EQ(Read("Main", "ValueDigits"), row.writtenDigits) << row.chosen;
        EXPECT_EQ(ValueFormatSettings().ValueFormat, std::stoi(row.writtenFormat));
        EXPECT_EQ(ValueFormatSettings().ValueDigits, std::stoi(row.writtenDigits));
    }
}

// "Keyboard:" shows the stored choice and writes the one made.
TEST_F(OptionsDialog, TheKeyboardChoiceIsShownAndWritten) {
    for (const bool typed : {true, false}) {
        WriteBoolSetting(Configor(), TSetting::KeypadTypedFormulas, typed);
        TfrmOptionDlg dialog(Configor());
        EXPECT_EQ(dialog.KeyboardList()->currentText(),
                  typed ? "typed formulas" : "keypad keys (left to right)");
        dialog.KeyboardList()->setCurrentIndex(typed ? 0 : 1);
        ASSERT_TRUE(dialog.ApplyOptions());
        EXPECT_EQ(Read("Keypad", "TypedFormulas"), typed ? "0" : "1");
    }
}

TEST_F(OptionsDialog, ApplyWritesEverythingInOrderThroughTheAnnouncedWrites) {
    TfrmOptionDlg dialog(Configor());
    TWriteLog log(env.Settings());
    ASSERT_TRUE(dialog.ApplyOptions());
    ASSERT_EQ(log.writes.size(), 100u + 11u);
    EXPECT_EQ(log.writes[0], "sb_Func00/ItemType");
    EXPECT_EQ(log.writes[99], "sb_Func34/FontColor");
    const std::vector<std::string> rest(log.writes.begin() + 100, log.writes.end());
    EXPECT_EQ(rest, (std::vector<std::string>{
                        "Main/AutoRun", "Main/AlwaysOnTop", "Main/AutoSaveParam",
                        "Keypad/QuickVarNames", "Main/ValueFormat", "Main/ValueDigits",
                        "Main/ShowKeypadHint", "Online/CheckUpgrade", "Keypad/RPNStyle",
                        "Main/KeepTape", "Keypad/TypedFormulas"}));
}

// The RPN style and the tape's keeping: shown as set (a hand-edited style reads
// as Classic), written as chosen.
TEST_F(OptionsDialog, RpnStyleAndKeepTapeShowAndWriteTheirSettings) {
    struct Row {
        const char* settings;
        const char* shownStyle;
        bool shownKeep;
        const char* chosenStyle;
        const char* writtenStyle;
        const char* writtenKeep;
    };
    const Row rows[] = {
        {"", "Classic", true, "Stack", "Stack", "0"},
        {"[Keypad]\nRPNStyle= stack \n[Main]\nKeepTape=0\n", "Stack", false, "Classic", "Classic",
         "1"},
        {"[Keypad]\nRPNStyle=HP\n", "Classic", true, "Classic", "Classic", "0"},
    };
    for (const Row& row : rows) {
        env.HomeFolder().Write("other.ini", row.settings);
        TCalcConfig settings(env.Home() + "/other.ini");
        TfrmOptionDlg dialog(settings.Configor());
        EXPECT_EQ(dialog.RPNStyleList()->currentText().toStdString(), row.shownStyle)
            << row.settings;
        EXPECT_EQ(dialog.KeepTape()->isChecked(), row.shownKeep) << row.settings;
        dialog.RPNStyleList()->setCurrentText(QString::fromLatin1(row.chosenStyle));
        dialog.KeepTape()->click();
        ASSERT_TRUE(dialog.ApplyOptions());
        EXPECT_EQ(settings.ReadString("Keypad", "RPNStyle", ""), row.writtenStyle);
        EXPECT_EQ(settings.ReadString("Main", "KeepTape", ""), row.writtenKeep);
    }
}

TEST_F(OptionsDialog, OkPutsTheOptionsOnDiskAtOnce) {
    env.Dialogs().ScriptFor<TfrmOptionDlg>([](TfrmOptionDlg& dialog) {
        dialog.AutoSaveParam()->click();
        dialog.DigitsList()->setCurrentText(QStringLiteral("5"));
        return static_cast<int>(QDialog::Accepted);
    });
    ASSERT_TRUE(RunOptions(nullptr));
    // A crash right after OK (kill -9) loses nothing: the file already holds it.
    EXPECT_FALSE(env.Settings().Modified());
    const std::string saved = test::ReadFile(SettingsFilePath(env.Home()));
    for (const char* line : {"ValueDigits=5\n", "AutoSaveParam=0\n", "[sb_Func34]\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
}

TEST_F(OptionsDialog, CancelWritesNothingAfterEditsOnEveryPage) {
    env.Prompts().ScriptText(QStringLiteral("Total"));
    const TValueFormatRecord format = ValueFormatSettings();
    env.Dialogs().ScriptFor<TfrmOptionDlg>([](TfrmOptionDlg& dialog) {
        for (QCheckBox* box : {dialog.AutoRun(), dialog.AlwaysOnTop(), dialog.AutoSaveParam(),
                               dialog.ShowKeypadHint(), dialog.CheckUpgrade()})
            box->click();
        dialog.DigitsList()->setCurrentText(QStringLiteral("5"));
        dialog.PadPage()->PadButton(0, 0)->click();
        dialog.PadPage()->ChooseFunction(1);
        dialog.QuickNamesPage()->AddButton()->click();
        return static_cast<int>(QDialog::Rejected);
    });
    TWriteLog log(env.Settings());
    EXPECT_FALSE(RunOptions(nullptr));
    EXPECT_TRUE(env.Prompts().ScriptUsed());
    EXPECT_TRUE(log.writes.empty());
    EXPECT_FALSE(env.Settings().Modified());
    EXPECT_FALSE(std::filesystem::exists(configHome.EntryPath()));
    EXPECT_EQ(ValueFormatSettings().ValueFormat, format.ValueFormat);
    EXPECT_EQ(ValueFormatSettings().ValueDigits, format.ValueDigits);
}

class OptionsPad : public OptionsDialog {
  protected:
    OptionsPad()
        : OptionsDialog(
              "[sb_Func00]\nFuncID=3\nFuncName=Sqr\nAlias=Sqr\n[sb_Func01]\nFuncName=Gone\n") {}
    TFuncPadItem& Item(int row, int col) {
        return *page().Creator().Items()[static_cast<std::size_t>(row * 5 + col)];
    }
    TOptionsPadPage& page() { return *dialog.PadPage(); }
    TfrmOptionDlg dialog{Configor()};
};

TEST_F(OptionsPad, EveryButtonCanBeChosenAndShowsItsItem) {
    const TFuncDataItem* sqr = FindFunc(3);
    ASSERT_NE(sqr, nullptr);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col)
            EXPECT_TRUE(page().PadButton(row, col)->isEnabled()) << row << col;
    }
    EXPECT_EQ(page().PadButton(0, 0)->text(), "Sqr");
    EXPECT_EQ(page().PadButton(0, 0)->toolTip().toStdString(), sqr->Description);
    EXPECT_EQ(page().PadButton(1, 1)->text(), "");
    EXPECT_EQ(page().PadButton(1, 1)->accessibleName(), "Empty function button 7");
    EXPECT_EQ(page().PadButton(0, 0)->accessibleName(), "Sqr");

    page().PadButton(0, 0)->click();
    EXPECT_EQ(page().GroupList()->currentText().toStdString(), sqr->Category);
    EXPECT_EQ(page().FunctionList()->currentText().toStdString(), sqr->Name);
    EXPECT_EQ(page().CaptionEdit()->text(), "Sqr");
    EXPECT_EQ(page().ColorList()->currentText(), "Blue");
    EXPECT_EQ(page().EditedItem(), &Item(0, 0));
    // Showing the item changed none of it.
    EXPECT_EQ(Item(0, 0).Alias, "Sqr");
    EXPECT_EQ(Item(0, 0).FuncName, "Sqr");
    EXPECT_EQ(Item(0, 0).FuncID, 3);

    page().PadButton(1, 1)->click();
    EXPECT_EQ(page().FunctionList()->currentIndex(), 0);
    EXPECT_EQ(page().CaptionEdit()->text(), "");
}

TEST_F(OptionsPad, EditsChangeTheItemAndItsButtonAndApplyWritesThem) {
    const std::string group = FuncCategories().back();
    const std::string name = FuncNamesOf(group).front();
    page().PadButton(1, 2)->click();
    page().ChooseGroup(page().GroupList()->findText(QString::fromStdString(group)));
    EXPECT_EQ(Item(1, 2).FuncID, 0);  // a group alone changes nothing
    page().ChooseFunction(page().FunctionList()->findText(QString::fromStdString(name)));
    EXPECT_EQ(Item(1, 2).FuncID, FindFuncID(name));
    EXPECT_EQ(Item(1, 2).FuncName, name);
    EXPECT_EQ(Item(1, 2).Alias, name);
    EXPECT_EQ(page().PadButton(1, 2)->text().toStdString(), name);

    page().CaptionEdit()->setText(QStringLiteral("R&D"));
    EXPECT_EQ(Item(1, 2).Alias, "R&D");
    EXPECT_EQ(page().PadButton(1, 2)->text(), "R&&D");
    page().ChooseColor(page().ColorList()->findText(QStringLiteral("Red")));
    EXPECT_EQ(Item(1, 2).FontColor, 0x0000FF);

    // The empty function clears the button of another item.
    page().PadButton(0, 0)->click();
    page().ChooseFunction(0);
    EXPECT_EQ(Item(0, 0).FuncID, 0);
    EXPECT_EQ(Item(0, 0).Alias, "");
    EXPECT_EQ(page().CaptionEdit()->text(), "");
    EXPECT_EQ(page().PadButton(0, 0)->accessibleName(), "Empty function button 1");

    ASSERT_TRUE(dialog.ApplyOptions());
    EXPECT_EQ(Read("sb_Func12", "FuncID"), std::to_string(FindFuncID(name)));
    EXPECT_EQ(Read("sb_Func12", "FuncName"), name);
    EXPECT_EQ(Read("sb_Func12", "Alias"), "R&D");
    EXPECT_EQ(Read("sb_Func12", "FontColor"), "255");
    EXPECT_EQ(Read("sb_Func00", "FuncID"), "0");
    EXPECT_EQ(Read("sb_Func00", "Alias"), "");
    EXPECT_EQ(Read("sb_Func01", "FuncName"), "Gone");
    EXPECT_EQ(Read("sb_Func34", "ItemType"), "0");
}

class OptionsQuickNames : public OptionsDialog {
  protected:
    OptionsQuickNames() : OptionsDialog("[Keypad]\nQuickVarNames=Rate,\"two words\"\n") {}
    // Remove, Up, Down.
    std::vector<bool> Buttons() {
        TQuickNamesPage& page = *dialog.QuickNamesPage();
        return {page.RemoveButton()->isEnabled(), page.UpButton()->isEnabled(),
                page.DownButton()->isEnabled()};
    }
    TfrmOptionDlg dialog{Configor()};
};

TEST_F(OptionsQuickNames, AddTakesOnlyNewNamesAndTheButtonsFollowTheSelection) {
    TQuickNamesPage& page = *dialog.QuickNamesPage();
    EXPECT_EQ(page.Names(), (std::vector<std::string>{"Rate", "two words"}));
    EXPECT_EQ(Buttons(), (std::vector<bool>{false, false, false}));

    for (const char* text : {"   ", "RATE", " Total "})
        env.Prompts().ScriptText(QString::fromUtf8(text));
    env.Prompts().ScriptText(std::nullopt);
    for (int i = 0; i < 4; ++i)
        page.AddButton()->click();
    EXPECT_TRUE(env.Prompts().ScriptUsed());
    ASSERT_EQ(page.Names(), (std::vector<std::string>{"Rate", "two words", "Total"}));
    const test::TPromptRecord& asked = env.Prompts().Records().front();
    EXPECT_EQ(asked.Caption, "Input Box");
    EXPECT_EQ(asked.Text, "Variable name:");
    EXPECT_EQ(asked.Initial, "");

    struct Step {
        std::function<void()> act;
        std::vector<std::string> names;
        std::vector<bool> buttons;  // Remove, Up, Down
    };
    const Step steps[] = {
        {[&] { page.List()->setCurrentRow(0); },
         {"Rate", "two words", "Total"},
         {true, false, true}},
        {[&] { page.DownButton()->click(); }, {"two words", "Rate", "Total"}, {true, true, true}},
        {[&] { page.DownButton()->click(); }, {"two words", "Total", "Rate"}, {true, true, false}},
        {[&] { page.DownButton()->click(); }, {"two words", "Total", "Rate"}, {true, true, false}},
        {[&] { page.UpButton()->click(); }, {"two words", "Rate", "Total"}, {true, true, true}},
        {[&] { page.RemoveButton()->click(); }, {"two words", "Total"}, {false, false, false}},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(page.Names(), step.names);
        EXPECT_EQ(Buttons(), step.buttons);
    }
    ASSERT_TRUE(dialog.ApplyOptions());
    EXPECT_EQ(Read("Keypad", "QuickVarNames"), "\"two words\",Total");
}

TEST_F(OptionsDialog, AutostartFileIsWrittenAndRemovedAsTheBoxSays) {
    {
        TfrmOptionDlg dialog(Configor());
        dialog.AutoRun()->click();
        ASSERT_TRUE(dialog.ApplyOptions());
    }
    EXPECT_EQ(AutostartFilePath().toStdString(), configHome.EntryPath());
    const std::string entry = test::ReadFile(configHome.EntryPath());
    const std::string exec =
        "\nExec=\"" + QCoreApplication::applicationFilePath().toStdString() + "\" Auto\n";
    EXPECT_NE(entry.find(exec), std::string::npos) << entry;
    EXPECT_EQ(Read("Main", "AutoRun"), "1");
    // Nothing is left behind beside the entry.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(configHome.Path() + "/autostart"),
                            std::filesystem::directory_iterator()),
              1);

    TfrmOptionDlg dialog(Configor());
    EXPECT_TRUE(dialog.AutoRun()->isChecked());
    dialog.AutoRun()->click();
    ASSERT_TRUE(dialog.ApplyOptions());
    EXPECT_FALSE(std::filesystem::exists(configHome.EntryPath()));
    EXPECT_EQ(Read("Main", "AutoRun"), "0");
    // Removing an entry that is not there is no failure.
    ASSERT_TRUE(dialog.ApplyOptions());
}

TEST_F(OptionsDialog, AnAutostartEntryThatCannotBeWrittenStopsTheApply) {
    // A file where the autostart folder should be.
    test::WriteFile(configHome.Path() + "/autostart", "not a folder");
    env.Prompts().ExpectMessages();
    env.Dialogs().ScriptFor<TfrmOptionDlg>([](TfrmOptionDlg& dialog) {
        dialog.AutoRun()->click();
        dialog.AlwaysOnTop()->click();
        dialog.DigitsList()->setCurrentText(QStringLiteral("4"));
        return static_cast<int>(QDialog::Accepted);
    });
    EXPECT_FALSE(RunOptions(nullptr));
    EXPECT_EQ(env.Prompts().Messages(), QStringList{"Failed to set data for 'Calc'"});
    EXPECT_EQ(Read("Main", "AutoRun"), "1");
    EXPECT_TRUE(env.Settings().HasSection("sb_Func00"));
    for (const char* key : {"AlwaysOnTop", "ValueFormat", "ValueDigits", "ShowKeypadHint"})
        EXPECT_FALSE(env.Settings().HasKey("Main", key)) << key;
    EXPECT_EQ(test::ReadFile(configHome.Path() + "/autostart"), "not a folder");
}

}  // namespace
}  // namespace quillix
