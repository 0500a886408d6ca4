// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's tape: View > Tape and Ctrl+T show and hide it, the shown
// state is kept in the settings, and the keypad's calculations are on the tape
// again after a restart.
#include <gtest/gtest.h>

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QListView>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include "keypad/keypad_frame.h"
#include "support/ui_environment.h"
#include "window/main_window.h"
#include "window/tape_dock.h"

namespace quillix::test {
namespace {

class MainWindowTape : public ::testing::Test {
  protected:
    explicit MainWindowTape(const std::string& settings = {}) : env(settings) {}

    void Open() {
        window.reset();
        window = std::make_unique<Tfrm_main>(log);
    }
    QAction* ViewTape() const {
        for (QAction* top : window->menuBar()->actions())
            if (top->text() == QLatin1String("&View"))
                for (QAction* entry : top->menu()->actions())
                    if (entry->text() == QLatin1String("&Tape")) return entry;
        ADD_FAILURE() << "no View > Tape";
        return nullptr;
    }
    bool ShowTapeSetting() { return env.Settings().ReadBool("Main", "ShowTape", false); }

    TUiEnvironment env;
    TDLogFile log{TDLogStartup{env.Home(), {"quillix"}, "0.1.0.0", {}, {}, std::nullopt}};
    std::unique_ptr<Tfrm_main> window;
};

TEST_F(MainWindowTape, CtrlTAndTheViewMenuToggleTheTapeAndTheSettingFollows) {
    Open();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(window->Tape().isHidden());
    EXPECT_FALSE(ViewTape()->isChecked());
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(window->Tape().isHidden());
    EXPECT_TRUE(ViewTape()->isChecked());
    EXPECT_TRUE(ShowTapeSetting());
    ViewTape()->trigger();
    EXPECT_TRUE(window->Tape().isHidden());
    EXPECT_FALSE(ShowTapeSetting());
    // The dock's own close button is a choice too.
    ViewTape()->trigger();
    ASSERT_TRUE(ShowTapeSetting());
    window->Tape().close();
    EXPECT_FALSE(ShowTapeSetting());
    EXPECT_FALSE(ViewTape()->isChecked());
}

// The tape takes room of its own: shown, the window widens by it and the
// keypad and variables keep their width, as far as the screen allows; hidden,
// the window is as before.
TEST_F(MainWindowTape, ShowingTheTapeWidensTheWindowInsteadOfNarrowingTheRest) {
    Open();
    const int screenWidth = window->screen()->availableGeometry().width();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // A little wider than it must be (at its least width the window would
    // widen for the tape anyway), with room on the screen for the tape.
    const int least = window->minimumSize().width();
    const int spare = std::min(60, screenWidth - least - window->Tape().sizeHint().width() - 20);
    ASSERT_GT(spare, 0) << "the screen is too narrow for the test";
    window->resize(least + spare, 420);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->width() == least + spare; }, 60000));
    const int windowWidth = window->width();
    const int centralWidth = window->centralWidget()->width();
    ViewTape()->trigger();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->Tape().isVisible() && window->width() > windowWidth; }, 60000));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->centralWidget()->width() == centralWidth; }, 60000))
        << window->centralWidget()->width() << " instead of " << centralWidth;
    ViewTape()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->width() == windowWidth; }, 60000))
        << window->width() << " instead of " << windowWidth;

    // A window as wide as the screen stays on it.
    window->resize(screenWidth, 420);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->width() == screenWidth; }, 60000));
    ViewTape()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Tape().isVisible(); }, 60000));
    EXPECT_LE(window->width(), screenWidth);
    EXPECT_GE(window->geometry().left(), window->screen()->availableGeometry().left());
}

class MainWindowTapeShown : public MainWindowTape {
  protected:
    MainWindowTapeShown() : MainWindowTape("[Main]\nShowTape=1\n") {}
};

TEST_F(MainWindowTapeShown, TheTapeIsShownAtStartAndKeepsItsLinesAfterARestart) {
    Open();
    window->show();
    EXPECT_FALSE(window->Tape().isHidden());
    EXPECT_TRUE(ViewTape()->isChecked());
    for (const char* name : {"bb_2", "bb_Plus", "bb_3", "bb_EQ"})
        window->Keypad().findChild<QAbstractButton*>(QLatin1String(name))->click();
    ASSERT_EQ(window->Tape().Tape().Count(), 1);
    window->close();
    Open();
    ASSERT_EQ(window->Tape().Tape().Count(), 1);
    EXPECT_EQ(TapeLineText(window->Tape().Tape().At(0)), "2+3 = 5");
    // Hiding the whole window is no choice of the user's: the setting stays.
    window->show();
    window->hide();
    EXPECT_TRUE(ShowTapeSetting());
}

}  // namespace
}  // namespace quillix::test
