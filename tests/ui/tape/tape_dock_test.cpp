// SPDX-License-Identifier: GPL-3.0-or-later
// The tape panel beside a keypad: completed calculations become lines, newest
// at the bottom; a line goes back into the calculation with its formula by
// double-click or Enter; its menu copies and clears; the file keeps the lines
// for the next start only while keeping is on.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <memory>
#include <sstream>

#include "keypad/keypad_buttons.h"
#include "keypad/keypad_frame.h"
#include "support/temp_folder.h"
#include "support/ui_environment.h"
#include "window/tape_dock.h"

namespace quillix::test {
namespace {

constexpr int kCeilingMs = 60000;

class TapeDock : public ::testing::Test {
  protected:
    TapeDock() { Open(true); }

    // A window as the main one is: the keypad, the tape docked beside it.
    void Open(bool keep) {
        dock.reset();  // as in the main window: before the engine it records
        window = std::make_unique<QMainWindow>();
        keypad = new Tfra_KeypadFW(window.get());
        window->setCentralWidget(keypad);
        dock = std::make_unique<TTapeDock>(keypad->Engine(), keypad->Keypad(), &env.Vars(), Path(),
                                           keep, window.get());
        window->addDockWidget(Qt::RightDockWidgetArea, dock.get());
    }
    std::string Path() const { return env.Home() + "/tape.xml"; }

    void Press(const std::string& captions) const {
        std::istringstream words(captions);
        for (std::string caption; words >> caption;) {
            bool found = false;
            for (const TKeypadButtonDef& def : KeypadButtons()) {
                if (def.Caption != caption) continue;
                keypad
                    ->findChild<QAbstractButton*>(
                        QString::fromUtf8(def.Name.data(), int(def.Name.size())))
                    ->click();
                found = true;
                break;
            }
            ASSERT_TRUE(found) << caption;
        }
    }
    std::string Display() const {
        return keypad->findChild<QLineEdit*>("ed_Display")->text().toStdString();
    }
    std::string Expression() const {
        return keypad->findChild<QLabel*>("lb_Expression")->text().toStdString();
    }
    QStringList Lines() const {
        QStringList lines;
        const QAbstractItemModel* model = dock->List()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            lines << model->index(row, 0).data().toString();
        return lines;
    }
    QAction* MenuEntry(int row, const char* caption) const {
        for (QAction* action : dock->LineMenu(row)->actions())
            if (action->text() == QLatin1String(caption)) return action;
        ADD_FAILURE() << caption;
        return nullptr;
    }
    void ShowActive() const {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        keypad->RegisterHotkeys(true);
    }

    TUiEnvironment env;
    std::unique_ptr<QMainWindow> window;
    Tfra_KeypadFW* keypad = nullptr;
    std::unique_ptr<TTapeDock> dock;
};

TEST_F(TapeDock, CompletedCalculationsBecomeLinesNewestAtTheBottom) {
    Press("2 + 3 = C 7");  // typing completes nothing
    Press("C 4 * 5 =");
    Press("RPN 6 = 7 +");
    EXPECT_EQ(Lines().join("|").toStdString(), "2+3 = 5|4*5 = 20|6+7 = 13");
    // The time is kept as the hint of the line.
    EXPECT_FALSE(dock->List()->model()->index(0, 0).data(Qt::ToolTipRole).toString().isEmpty());
}

TEST_F(TapeDock, DoubleClickInsertsTheResultWithItsFormula) {
    ShowActive();
    Press("2 + 3 = C");
    QListView* list = dock->List();
    const QModelIndex first = list->model()->index(0, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->visualRect(first).isValid(); }, kCeilingMs));
    const QPoint at = list->visualRect(first).center();
    // A view takes a double click as the second click of a pair.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Display(), "5");
    EXPECT_EQ(Expression(), "2+3");
    Press("* 2 =");
    EXPECT_EQ(Display(), "10");
    // The new line carries the inserted formula, not just its number.
    EXPECT_EQ(Lines().last().toStdString(), "(2+3)*2 = 10");
}

TEST_F(TapeDock, EnterOnALineInsertsItWhileOtherKeysStillReachTheKeypad) {
    ShowActive();
    Press("2 + 3 = C");
    QListView* list = dock->List();
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    // Enter inserted the line (the keypad's Enter would have shown 0).
    EXPECT_EQ(Display(), "5");
    EXPECT_EQ(Expression(), "2+3");
    QTest::keyClick(list, Qt::Key_Asterisk, Qt::NoModifier);
    QTest::keyClick(list, Qt::Key_2);
    // The keypad has its Enter back afterwards.
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(Display(), "10");
}

TEST_F(TapeDock, LineMenuCopiesTheLineTheValueAndTheWholeTape) {
    Press("1 2 3 4 + 1 =");
    Press("C 4 * 5 =");
    QClipboard* clipboard = QGuiApplication::clipboard();
    MenuEntry(0, "Copy Line")->trigger();
    EXPECT_EQ(clipboard->text().toStdString(), "1234+1 = 1,235");
    MenuEntry(0, "Copy Value")->trigger();
    EXPECT_EQ(clipboard->text().toStdString(), "1,235");
    MenuEntry(0, "Copy Whole Tape")->trigger();
    EXPECT_EQ(clipboard->text().toStdString(), "1234+1 = 1,235\n4*5 = 20\n");
    // Beside the lines only the whole tape's entries work.
    EXPECT_FALSE(MenuEntry(-1, "Copy Line")->isEnabled());
    EXPECT_FALSE(MenuEntry(-1, "Insert")->isEnabled());
    EXPECT_TRUE(MenuEntry(-1, "Clear Tape")->isEnabled());
}

TEST_F(TapeDock, KeptLinesComeBackAtTheNextStartAndInsertWithTheirFormula) {
    Press("2 + 3 = C 4 * 5 =");
    Open(true);  // the old dock saves as it goes
    EXPECT_EQ(Lines().join("|").toStdString(), "2+3 = 5|4*5 = 20");
    MenuEntry(0, "Insert")->trigger();
    EXPECT_EQ(Display(), "5");
    EXPECT_EQ(Expression(), "2+3");
}

TEST_F(TapeDock, ClearTapeEmptiesTheListAndTheFile) {
    Press("2 + 3 =");
    dock->SaveNow();
    ASSERT_TRUE(FileExists(Path()));
    MenuEntry(0, "Clear Tape")->trigger();
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_FALSE(FileExists(Path()));
    Open(true);
    EXPECT_TRUE(Lines().isEmpty());
}

TEST_F(TapeDock, WithKeepingOffNothingIsWrittenAndTurningItOffRemovesTheFile) {
    Open(false);
    Press("2 + 3 =");
    dock->SaveNow();
    EXPECT_FALSE(FileExists(Path()));
    dock->SetKeep(true);
    dock->SaveNow();
    EXPECT_TRUE(FileExists(Path()));
    dock->SetKeep(false);
    EXPECT_FALSE(FileExists(Path()));
    EXPECT_EQ(Lines().size(), 1);  // the lines of this run stay
}

TEST_F(TapeDock, ANewLineIsWrittenAfterAPauseWithoutAnyClose) {
    Press("2 + 3 =");
    ASSERT_TRUE(QTest::qWaitFor([&] { return FileExists(Path()); }, kCeilingMs));
    EXPECT_NE(ReadFile(Path()).find("2+3"), std::string::npos);
}

}  // namespace
}  // namespace quillix::test
