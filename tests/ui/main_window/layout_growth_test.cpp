// SPDX-License-Identifier: GPL-3.0-or-later
// The room a passing message line takes from the main window comes back.
#include "window/layout_growth.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <optional>
#include <vector>

#include "keypad/formula_field.h"
#include "keypad/keypad_frame.h"
#include "support/ui_environment.h"
#include "window/main_window.h"

namespace quillix::test {
namespace {

// One step: a resize (old, new, minimum), or the minimum changed to minimum.
struct Step {
    const char* what;
    int oldSize;  // -2: no resize, only the minimum changed
    int newSize;
    int minimum;
    std::optional<int> givenBack;
};

void RunSteps(const std::vector<Step>& steps) {
    TLayoutGrowth growth;
    int size = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.oldSize != -2) {
            growth.Resized(step.oldSize, step.newSize, step.minimum);
            size = step.newSize;
        }
        const std::optional<int> back = growth.GiveBack(size, step.minimum);
        EXPECT_EQ(back, step.givenBack);
        if (back) {
            growth.Resized(size, *back, step.minimum);
            size = *back;
        }
    }
}

TEST(LayoutGrowth, ALineThatComesAndGoes) {
    RunSteps({{"first size", -1, 434, 434, std::nullopt},
              {"the line appears", 434, 447, 447, std::nullopt},
              {"the line goes", -2, 0, 434, 434},
              {"and nothing more", -2, 0, 434, std::nullopt}});
}

TEST(LayoutGrowth, TwoGrowthsGoBackToTheFirstSize) {
    RunSteps({{"first size", -1, 500, 400, std::nullopt},
              {"grown", 500, 520, 520, std::nullopt},
              {"grown again", 520, 540, 540, std::nullopt},
              {"partly back", -2, 0, 520, 520},
              {"all back", -2, 0, 400, 500}});
}

TEST(LayoutGrowth, TheUsersSizeIsKept) {
    RunSteps({{"first size", -1, 434, 434, std::nullopt},
              {"grown", 434, 447, 447, std::nullopt},
              {"the user makes it taller", 447, 600, 447, std::nullopt},
              {"the line goes", -2, 0, 434, std::nullopt}});
    RunSteps({{"a window larger than its minimum", -1, 600, 434, std::nullopt},
              {"the line fits without growth", -2, 0, 447, std::nullopt},
              {"the line goes", -2, 0, 434, std::nullopt}});
}

TEST(LayoutGrowth, TheMainWindowGivesBackTheRoomOfTheFormulaMessage) {
    TUiEnvironment env;
    TDLogFile log{TDLogStartup{env.Home(), {"quillix"}, "0.1.0.0", {}, {}, std::nullopt}};
    Tfrm_main window(log);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // At its smallest, as a window is whose size its contents decide.
    window.resize(window.width(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.height() == window.minimumHeight(); }));
    const int before = window.height();

    TFormulaField& field = *window.Keypad().FormulaField();
    field.Edit()->setText(QStringLiteral("1+*2"));
    EXPECT_FALSE(field.Submit());
    ASSERT_TRUE(field.Status()->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.height() > before; }, 10000));

    field.Leave();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.height() == before; }, 10000))
        << window.height() << " instead of " << before;
}

}  // namespace
}  // namespace quillix::test
