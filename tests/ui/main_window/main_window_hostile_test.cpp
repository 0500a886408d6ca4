// SPDX-License-Identifier: GPL-3.0-or-later
// The main window against a hostile home: skins that name files they must not
// (a FIFO, a file outside the skins folders) or are far too large, a kept
// placement off every screen, and settings that cannot be saved.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <filesystem>
#include <string>
#include <vector>

#include "common/diag_note.h"
#include "config/calc_config.h"
#include "menu_entry.h"
#include "platform/skin_references.h"
#include "support/fifo_watch.h"
#include "support/ui_environment.h"
#include "window/main_window.h"

namespace quillix::test {
namespace {

class MainWindowHostile : public ::testing::Test {
  protected:
    explicit MainWindowHostile(const std::string& settings = {}) : env(settings) {
        SetDiagNoteReceiver([this](std::string_view line) { notes.emplace_back(line); });
    }
    ~MainWindowHostile() override {
        SetDiagNoteReceiver({});
        qApp->setStyleSheet({});
    }
    void Open() { window = std::make_unique<Tfrm_main>(log); }

    TUiEnvironment env;
    TDLogFile log{TDLogStartup{env.Home(), {"quillix"}, "0.1.0.0", {}, {}, std::nullopt}};
    std::vector<std::string> notes;
    std::unique_ptr<Tfrm_main> window;
};

TEST_F(MainWindowHostile, ASkinIsAppliedOnlyWhenEveryFileItNamesIsSafe) {
    TempFolder& home = env.HomeFolder();
    home.Write("Skins/bg.png", "not really a picture");
    home.Write("outside.png", "not really a picture");
    home.Write("Skins/Good.skn", "QWidget { background-image: url(bg.png); color: #102030; }");
    home.Write("Skins/Fifo.skn", "QWidget { background-image: url(\"pipe.png\"); }");
    home.Write("Skins/Outside.skn", "QWidget { background-image: url(../outside.png); }");
    home.Write("Skins/Absolute.skn", "QWidget { border-image: URL('/etc/passwd'); }");
    home.Write("Skins/Escaped.skn", "QWidget { background-image: \\75 rl(/etc/hostname); }");
    home.Write("Skins/Huge.skn",
               "QWidget { color: #000; }\n/*" + std::string(kSkinFileLimit, 'x') + "*/");
    const TFifoWatch fifo(home.File("Skins/pipe.png"));
    ASSERT_TRUE(fifo.Made());
    Open();

    window->ApplySkin("Good.skn");
    const QString good = qApp->styleSheet();
    // Relative names are read from the skin's folder, by their full path.
    EXPECT_TRUE(good.contains(QString::fromStdString("url(\"" + home.File("Skins/bg.png") + "\")")))
        << good.toStdString();
    notes.clear();
    for (const char* skin :
         {"Fifo.skn", "Outside.skn", "Absolute.skn", "Escaped.skn", "Huge.skn"}) {
        window->ApplySkin(skin);
        EXPECT_EQ(window->CurrentSkin(), skin);
        EXPECT_EQ(qApp->styleSheet(), good) << skin;  // the previous look stays
    }
    ASSERT_EQ(notes.size(), 5u);
    const std::string skins = home.File("Skins/");
    EXPECT_EQ(notes[0], "The skin \"" + skins +
                            "Fifo.skn\" was not applied: \"pipe.png\" is not a regular file");
    EXPECT_EQ(notes[1],
              "The skin \"" + skins +
                  "Outside.skn\" was not applied: \"../outside.png\" is outside the skins folders");
    EXPECT_EQ(notes[2],
              "The skin \"" + skins +
                  "Absolute.skn\" was not applied: \"/etc/passwd\" is outside the skins folders");
    EXPECT_EQ(notes[3],
              "The skin \"" + skins + "Escaped.skn\" was not applied: it uses a CSS escape (\\)");
    EXPECT_NE(notes[4].find("Huge.skn\" was not applied: Cannot read"), std::string::npos)
        << notes[4];
}

class MainWindowOffScreen : public MainWindowHostile {
  protected:
    MainWindowOffScreen()
        : MainWindowHostile("[Main]\nLeft=100000\nTop=-70000\nWidth=99999999\nHeight=99999999\n") {}
};

TEST_F(MainWindowOffScreen, AKeptPlacementIsBroughtOntoTheScreen) {
    Open();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->geometry()))
        << window->geometry().x() << "," << window->geometry().y() << " "
        << window->geometry().width() << "x" << window->geometry().height();
    EXPECT_GE(window->width(), window->minimumSizeHint().width());
}

TEST_F(MainWindowHostile, AMenuChoiceIsOnDiskAtOnce) {
    env.HomeFolder().Write("Skins/Plain.skn", "QWidget { color: #102030; }");
    Open();
    MenuEntry(*window, "&Always On Top")->trigger();
    window->ChooseDigits(6);  // "5"
    window->ApplySkin("Plain.skn");
    // A crash now (kill -9) loses none of them.
    const std::string saved = ReadFile(SettingsFilePath(env.Home()));
    for (const char* line :
         {"AlwaysOnTop=1\n", "ValueFormat=2\n", "ValueDigits=5\n", "Skin=Plain.skn\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << saved;
}

TEST_F(MainWindowHostile, SettingsThatCannotBeSavedAreToldOnceARun) {
    std::filesystem::create_directory(SettingsFilePath(env.Home()));
    env.Prompts().ExpectMessages();
    Open();
    MenuEntry(*window, "&Always On Top")->trigger();
    MenuEntry(*window, "&Always On Top")->trigger();
    window->ChooseDigits(3);
    ASSERT_EQ(env.Prompts().Records().size(), 1u);
    EXPECT_EQ(env.Prompts().Records()[0].Kind, "error");
    EXPECT_EQ(env.Prompts().Records()[0].Text.toStdString(),
              "The settings were not saved: Cannot read \"" + SettingsFilePath(env.Home()) +
                  "\": Is a directory; it was left unchanged");
    window->close();  // the save at the end fails too, and is not told again
    EXPECT_EQ(env.Prompts().Records().size(), 1u);
}

}  // namespace
}  // namespace quillix::test
