// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/memory_view.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "engine/keypad_keys.h"
#include "support/ui_environment.h"

namespace quillix::test {
namespace {

class MemoryView : public ::testing::Test {
  protected:
    TUiEnvironment env;
    TCalcEngine engine{kModeALG};
    TFrm_MemoryView window;

    MemoryView() {
        window.resize(300, 260);
        window.show();
        window.BindEngine(engine);
    }
    TFra_MemoryView& Frame() { return window.Frame(); }
    void Keys(std::initializer_list<const char*> captions) {
        for (const char* caption : captions)
            engine.Execute(FindKeypadKey(caption)->Code);
    }
    QString Cell(int row, int column) {
        QTableWidgetItem* item = Frame().StackList()->item(row, column);
        return item ? item->text() : QString();
    }
};

TEST_F(MemoryView, AnEmptyStackStillFillsTheList) {
    QTableWidget* list = Frame().StackList();
    const int rows = list->rowCount();
    ASSERT_GT(rows, 1);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("X%1").arg(rows - 1));
    EXPECT_EQ(Cell(rows - 1, 0), "X0");
    for (int row = 0; row < rows; ++row)
        EXPECT_TRUE(Cell(row, 1).isEmpty());
}

TEST_F(MemoryView, MoreValuesThanFitScrollToX0) {
    ASSERT_TRUE(env.Settings().Configor().ReadInteger("Keypad", "InputMode", 2) == 2);
    engine.SetMode(kModeRPN);
    const int visible = Frame().StackList()->rowCount();
    while (engine.Stack().Values.Count() < visible + 5)
        Keys({"7", "="});
    QTableWidget* list = Frame().StackList();
    EXPECT_EQ(list->rowCount(), visible + 5);
    EXPECT_EQ(Cell(list->rowCount() - 1, 0), "X0");
    EXPECT_EQ(Cell(list->rowCount() - 1, 1), "7");
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
}

TEST_F(MemoryView, TypingRebuildsOnlyAtTheFirstDigit) {
    const int before = Frame().RebuildCount();
    Keys({"1", "2", "3"});
    EXPECT_EQ(Frame().RebuildCount(), before + 1);
    EXPECT_EQ(Frame().XText(), "123");
    EXPECT_TRUE(Frame().Entering());
    Keys({"+"});
    EXPECT_EQ(Frame().RebuildCount(), before + 2);
    EXPECT_FALSE(Frame().Entering());
    EXPECT_EQ(Frame().PendingText(), "+");
}

TEST_F(MemoryView, AParenthesisPutsThePendingOperatorAside) {
    Keys({"2", "*", "("});
    EXPECT_EQ(Frame().OperatorsText(), "*,");
    EXPECT_TRUE(Frame().PendingText().isEmpty());
    Keys({"3", "+", "4", ")", "="});
    EXPECT_EQ(Frame().XText(), "14");
    EXPECT_EQ(Frame().FormulaText(), "2*(3+4)");
    EXPECT_TRUE(Frame().OperatorsText().isEmpty());
}

// As the main window opens it: made and bound while hidden, then shown.
class MemoryViewOpened : public ::testing::Test {
  protected:
    TUiEnvironment env;
    TCalcEngine engine{kModeALG};
    TFrm_MemoryView window;

    MemoryViewOpened() {
        window.resize(300, 260);
        window.BindEngine(engine);
        window.show();
    }
    QTableWidget* List() { return window.Frame().StackList(); }
    QString Caption(int row) {
        QTableWidgetItem* item = List()->item(row, 0);
        return item ? item->text() : QString();
    }
    // The rows the list's height fits, as the list's own rows measure them.
    int Fitting() {
        const int row = List()->verticalHeader()->defaultSectionSize();
        return row > 0 ? List()->viewport()->height() / row : 0;
    }
};

TEST_F(MemoryViewOpened, TheFirstOpeningShowsTheRowsThatFit) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_GT(Fitting(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return List()->rowCount() == Fitting(); }))
        << List()->rowCount() << " rows, " << Fitting() << " fit";
    const int rows = List()->rowCount();
    EXPECT_EQ(Caption(0), QStringLiteral("X%1").arg(rows - 1));
    EXPECT_EQ(Caption(rows - 1), "X0");
}

TEST_F(MemoryViewOpened, TheRowsFollowTheWindowsHeight) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const int before = List()->rowCount();
    window.resize(300, 520);
    ASSERT_TRUE(QTest::qWaitFor([&] { return List()->rowCount() > before; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return List()->rowCount() == Fitting(); }));
    EXPECT_EQ(Caption(List()->rowCount() - 1), "X0");
    window.resize(300, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return List()->rowCount() < before; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return List()->rowCount() == Fitting(); }));
}

TEST_F(MemoryViewOpened, EscapeClosesIt) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace quillix::test
