// SPDX-License-Identifier: GPL-3.0-or-later
#include "diag/hook_help_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/diag/log_test_support.h"

namespace quillix::test {
namespace {

using Lines = std::vector<std::string>;

class FakeHelpEngine : public IHelpEngine {
  public:
    int result = 0;
    Lines calls;

    int ShowTopic(const std::string& helpAddress, int contextNumber) override {
        calls.push_back("topic " + helpAddress + " " + std::to_string(contextNumber));
        return result;
    }
    void ShowTextPopup(const std::string& textTopic, int stringId, int x, int y) override {
        calls.push_back("popup " + textTopic + " " + std::to_string(stringId) + " " +
                        std::to_string(x) + "," + std::to_string(y));
    }
    void CloseAll() override { calls.push_back("close all"); }
};

// A log that is on, emptied of its header, and a hook on "/home/u/Calc.chm".
class HookHelpSystemTest : public ::testing::Test {
  protected:
    HookHelpSystemTest() : log_(StartupIn(folder_.Path(), {"quillix", "/debug"})) {
        std::filesystem::remove(log_.LogPath());
    }

    THelpHookSetup Setup(IHelpEngine* engine) {
        THelpHookSetup setup;
        setup.HelpFile = "/home/u/Calc.chm";
        setup.Engine = engine;
        setup.ApplicationHelp = &applicationHelp_;
        setup.ShowError = [this](const std::string& message) { shown_.push_back(message); };
        return setup;
    }
    Lines Logged() const { return LogLines(log_.LogPath()); }

    FixedClockText clock_;
    TempFolder folder_;
    TDLogFile log_;
    THelpHandler applicationHelp_;
    Lines shown_;
};

TEST_F(HookHelpSystemTest, F1ShowsContext1000AndLogsEachStep) {
    FakeHelpEngine engine;
    {
        THookHelpSystem hook(log_, Setup(&engine));
        EXPECT_TRUE(applicationHelp_(kHelpContext, 1000));
    }
    EXPECT_EQ(engine.calls, (Lines{"topic /home/u/Calc.chm 1000", "close all"}));
    EXPECT_TRUE(shown_.empty());
    const Lines expected = {
        "12:34:56   THookHelpSystem.Create(\"/home/u/Calc.chm\",\"\", 0)",
        "12:34:56   THookHelpSystem.HelpHook(1 (HELP_CONTEXT), 1000)",
        "12:34:56   HHHelpContext(\"/home/u/Calc.chm\", 1000, \"\", 0)",
        "12:34:56   ShowContext(\"/home/u/Calc.chm\", 1000)",
        "12:34:56     returned - 0",
        "12:34:56   THookHelpSystem.Destroy",
    };
    EXPECT_EQ(Logged(), expected);
}

TEST_F(HookHelpSystemTest, FailuresAreShownAndLoggedWithTheirMessage) {
    struct Row {
        int result;
        const char* message;
    };
    const Row rows[] = {
        {1, "MS Html Help is not installed on this PC."},
        {2, "System file KeyHH.EXE was not found in the Windows folder."},
        {3, "System file HH.EXE was not found in the Windows folder."},
        {7, "Unknown error returned by HHHelpContext"},
    };
    for (const Row& row : rows) {
        FakeHelpEngine engine;
        engine.result = row.result;
        THookHelpSystem hook(log_, Setup(&engine));
        EXPECT_EQ(hook.ShowTopic(20), row.result);
        EXPECT_EQ(shown_.back(), row.message);
        const Lines lines = Logged();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], "12:34:56     returned - " + std::to_string(row.result));
        EXPECT_EQ(lines.back(), "12:34:56   HHShowError(" + std::to_string(row.result) + "), \"" +
                                    row.message + "\"");
    }
}

TEST_F(HookHelpSystemTest, WithoutAnEngineTheResultIsOne) {
    THookHelpSystem hook(log_, Setup(nullptr));
    EXPECT_TRUE(hook.HelpHook(kHelpContext, 5));
    EXPECT_EQ(shown_, Lines{"MS Html Help is not installed on this PC."});
}

TEST_F(HookHelpSystemTest, PopupsGoToTheCallbackAtTheStoredPosition) {
    FakeHelpEngine engine;
    THookHelpSystem hook(log_, Setup(&engine));
    Lines popups;
    const std::intptr_t point = (std::intptr_t{0xFFF6} << 16) | 300;  // x 300, y -10
    EXPECT_TRUE(hook.HelpHook(kHelpSetPopupPosition, point));
    EXPECT_EQ(hook.PopupX(), 300);
    EXPECT_EQ(hook.PopupY(), -10);

    EXPECT_TRUE(hook.HelpHook(kHelpContextPopup, 77));  // no callback yet: the topic
    EXPECT_EQ(engine.calls, Lines{"topic /home/u/Calc.chm 77"});
    hook.SetPopupCallback([&](int context, int x, int y) {
        popups.push_back(std::to_string(context) + " at " + std::to_string(x) + "," +
                         std::to_string(y));
    });
    EXPECT_TRUE(hook.HelpHook(kHelpContextPopup, 78));
    EXPECT_EQ(popups, Lines{"78 at 300,-10"});
    EXPECT_EQ(Logged()[1], "12:34:56   THookHelpSystem.HelpHook(13 (HELP_SETPOPUP_POS), " +
                               std::to_string(point) + ")");
}

TEST(PopupPosition, PacksTwoSigned16BitCoordinates) {
    struct Row {
        int x;
        int y;
        std::intptr_t packed;
    };
    const Row rows[] = {
        {0, 0, 0},
        {300, -10, (std::intptr_t{0xFFF6} << 16) | 300},
        {-1, 1, (std::intptr_t{1} << 16) | 0xFFFF},
        {32767, -32768, (std::intptr_t{0x8000} << 16) | 0x7FFF},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PackedPopupPosition(row.x, row.y), row.packed) << row.x << "," << row.y;
    }
}

TEST_F(HookHelpSystemTest, APackedPositionComesBackAsItWasGiven) {
    THookHelpSystem hook(log_, Setup(nullptr));
    EXPECT_TRUE(hook.HelpHook(kHelpSetPopupPosition, PackedPopupPosition(-5, 1200)));
    EXPECT_EQ(hook.PopupX(), -5);
    EXPECT_EQ(hook.PopupY(), 1200);
}

TEST_F(HookHelpSystemTest, OtherCommandsGoToTheHandlerItReplacedWhichComesBack) {
    Lines previousCalls;
    applicationHelp_ = [&](int command, std::intptr_t data) {
        previousCalls.push_back(std::to_string(command) + ":" + std::to_string(data));
        return command == 3;
    };
    {
        THookHelpSystem hook(log_, Setup(nullptr));
        EXPECT_TRUE(applicationHelp_(3, 0));
        EXPECT_FALSE(applicationHelp_(99, 1));
        EXPECT_EQ(previousCalls, (Lines{"3:0", "99:1"}));
        const Lines lines = Logged();
        EXPECT_EQ(lines[1],
                  "12:34:56   THookHelpSystem.HelpHook(3 (HELP_INDEX or HELP_CONTENTS), 0)");
        EXPECT_EQ(lines[2], "12:34:56   THookHelpSystem.HelpHook(99 (?\?), 1)");
    }
    EXPECT_FALSE(applicationHelp_(kHelpContext, 1));  // the old handler again
    EXPECT_EQ(previousCalls.back(), "1:1");
}

TEST(HelpRouting, CommandNamesAndAddresses) {
    struct NameRow {
        int command;
        const char* name;
    };
    const NameRow names[] = {
        {1, "HELP_CONTEXT"},
        {2, "HELP_QUIT"},
        {5, "HELP_SETINDEX or HELP_SETCONTENTS"},
        {8, "HELP_CONTEXTPOPUP"},
        {257, "HELP_KEY"},
        {515, "HELP_SETWINPOS"},
        {0, "??"},
        {6, "??"},
        {-1, "??"},
    };
    for (const NameRow& row : names)
        EXPECT_EQ(HelpCommandName(row.command), row.name);

    EXPECT_EQ(HelpAddress(" /my%20help/Calc.chm  ", ""), "/my help/Calc.chm");
    EXPECT_EQ(HelpAddress("Calc.chm", "main"), "Calc.chm>main");
    EXPECT_EQ(HelpAddress("%2", ""), "%2");
}

}  // namespace
}  // namespace quillix::test
