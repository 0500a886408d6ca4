// SPDX-License-Identifier: GPL-3.0-or-later
#include "diag/dlog_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/diag/log_test_support.h"

namespace quillix::test {
namespace {

using Lines = std::vector<std::string>;

TEST(DLogFile, OffWithoutSwitchButTheOldLogIsDeleted) {
    TempFolder folder;
    const std::string log = folder.File("HHDebug.txt");
    WriteFile(log, "old run\r\n");
    TDLogFile file(StartupIn(folder.Path(), {"quillix", "AUTO"}));
    EXPECT_FALSE(file.Enabled());
    EXPECT_EQ(file.LogPath(), log);
    EXPECT_FALSE(FileExists(log));
    file.LogLine("THookHelpSystem.Destroy");
    EXPECT_FALSE(FileExists(log));
}

TEST(DLogFile, TheSwitchIsAMarkerFileOrADebugArgumentInAnyCase) {
    struct Row {
        const char* argument;
        bool enabled;
    };
    const Row rows[] = {
        {"/debug", true}, {"-debug", true},   {"-DEBUG", true},   {"/DeBuG", true},
        {"debug", false}, {"--debug", false}, {"/debugx", false}, {"-debug ", false},
    };
    for (const Row& row : rows) {
        TempFolder folder;
        TDLogFile file(StartupIn(folder.Path(), {"quillix", "AUTO", row.argument}));
        EXPECT_EQ(file.Enabled(), row.enabled) << row.argument;
    }
    TempFolder folder;
    EXPECT_FALSE(DebugSwitchOn(folder.Path(), {"/debug"}));  // the program's own name
    WriteFile(folder.File("debug.debug"), "");
    EXPECT_TRUE(TDLogFile(StartupIn(folder.Path(), {"quillix"})).Enabled());
}

TEST(DLogFile, TheHeaderDescribesTheMachineAndTheProgram) {
    FixedClockText clock;
    TempFolder folder;
    TDLogStartup startup = StartupIn(folder.Path(), {"quillix", "-DEBUG", "two words"});
    startup.HelpEngine = {true, "6.4.2", "Qt help window"};
    const TDLogFile file(startup);
    const std::string rule79(79, '-');
    const std::string double79(79, '=');
    const Lines expected = {
        double79,
        "Log File:             \t" + folder.File("HHDebug.txt"),
        "Date:                 \t05/01/2024 12:34:56",
        "Operating System:      \tLinux 6.1 (Build 76) #1 SMP Debian",
        "SysLocale.DefaultLCID: \tde_CH.UTF-8 (LANG)",
        "SysLocale.PriLangID:   \tde (de_CH.UTF-8)",
        "SysLocale.SubLangID:   \tCH (de_CH.UTF-8)",
        "DecimalSeparator:      \t.",
        rule79,
        "EXE Path =          \t/opt/quillix/bin/quillix",
        "EXE Version =       \t0.1.0.0",
        "Cmdline Param(s) =  \t-DEBUG | two words",
        "Actual CmdLine =  \tquillix -DEBUG \"two words\"",
        "_RunDir =           \t/opt/quillix/bin",
        "_ModuleName =       \tquillix",
        "_ModuleDir =        \t" + folder.Path(),
        "_ModulePath =        \t/opt/quillix/bin/quillix",
        "Module Version =       \t0.1.0.0",
        rule79,
        "_hhInstalled =      \tYES",
        "_hhVerStr =         \t6.4.2",
        "_hhFriendlyVerStr = \tQt help window",
        rule79,
        "_ieInstalled =      \tNO",
        "_ieVerStr =         \t",
        "_ieFriendlyVerStr = \t",
        double79,
    };
    EXPECT_EQ(LogLines(file.LogPath()), expected);
}

TEST(DLogFile, LinesFollowTheLineFormat) {
    FixedClockText clock;
    TempFolder folder;
    TDLogFile file(StartupIn(folder.Path(), {"quillix", "/debug"}));
    std::filesystem::remove(file.LogPath());  // only the lines below
    file.LogLine("-");
    file.LogLine("=");
    file.LogLine("!marked");
    file.LogLine("-dash text");
    file.LogLine("=equals text");
    file.LogLine("");
    file.LogLine("100% sure");  // a pattern without values is taken as it is
    file.LogLine("ShowContext(\"%s\", %d)", {"Calc.chm", 1000});
    file.LogLine("%s", {"!not a mark"});
    const Lines expected = {
        std::string(79, '-'),
        std::string(79, '='),
        "marked",
        "dash text",
        "equals text",
        "12:34:56   ",
        "12:34:56   100% sure",
        "12:34:56   ShowContext(\"Calc.chm\", 1000)",
        "not a mark",
    };
    EXPECT_EQ(LogLines(file.LogPath()), expected);
}

TEST(DLogFile, AnUnwritableModuleFolderFallsBackToTheTemporaryFolder) {
    TempFolder temporary;
    TempFolder module;
    const char* saved = std::getenv("TMPDIR");
    const std::string savedTmp = saved ? saved : "";
    ::setenv("TMPDIR", temporary.Path().c_str(), 1);

    WriteFile(module.File("notafolder"), "");
    const TDLogFile file(StartupIn(module.File("notafolder"), {"quillix", "/debug"}));
    EXPECT_EQ(file.LogPath(), temporary.File("HHDebug.txt"));
    EXPECT_TRUE(FileExists(file.LogPath()));
    EXPECT_EQ(ChooseLogPath(module.File("missing")), temporary.File("HHDebug.txt"));
    EXPECT_EQ(ChooseLogPath(module.Path()), module.File("HHDebug.txt"));
    EXPECT_FALSE(FileExists(module.File("$_Temp_$.$$$")));

    ::setenv("TMPDIR", module.File("missing").c_str(), 1);
    EXPECT_EQ(TemporaryFolder(), "/tmp");
    if (saved) {
        ::setenv("TMPDIR", savedTmp.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
}

TEST(DLogFile, ReportErrorShowsTheMessageAndLogsItWhenOn) {
    FixedClockText clock;
    TempFolder folder;
    std::vector<std::string> shown;
    TDLogFile on(StartupIn(folder.Path(), {"quillix", "/debug"}));
    on.SetShowErrorMessage([&](const std::string& message) { shown.push_back(message); });
    on.ReportError("Help file %s not found (%d)", {"Calc.chm", 2});
    EXPECT_EQ(shown, Lines{"Help file Calc.chm not found (2)"});
    EXPECT_EQ(LogLines(on.LogPath()).back(), "12:34:56   Help file Calc.chm not found (2)");

    TempFolder quiet;
    TDLogFile off(StartupIn(quiet.Path(), {"quillix"}));
    off.SetShowErrorMessage([&](const std::string& message) { shown.push_back(message); });
    off.ReportError("plain");
    EXPECT_EQ(shown.back(), "plain");
    EXPECT_FALSE(FileExists(off.LogPath()));
}

TEST(DLogFile, ALineThatCannotBeWrittenIsDropped) {
    TempFolder folder;
    TDLogFile file(StartupIn(folder.Path(), {"quillix", "/debug"}));
    std::filesystem::remove(file.LogPath());
    std::filesystem::create_directory(file.LogPath());
    file.LogLine("dropped");
    EXPECT_TRUE(std::filesystem::is_directory(file.LogPath()));
}

}  // namespace
}  // namespace quillix::test
