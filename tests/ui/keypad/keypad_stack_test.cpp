// SPDX-License-Identifier: GPL-3.0-or-later
// Stack-style RPN on the keypad: the mode menu and the setting switch it, the
// levels over X follow the stack (formulas as hints, more rows when taller),
// and the stack's buttons and keys work only in that style.
#include <QHeaderView>
#include <QTableView>

#include "config/calc_config.h"
#include "keypad/stack_panel.h"
#include "keypad_test_support.h"

namespace quillix::test {
namespace {

class KeypadInStackStyle : public KeypadTest {
  protected:
    KeypadInStackStyle() : KeypadTest("[Keypad]\nInputMode=1\nRPNStyle=Stack\n") {}

    TStackPanel& Panel() const { return *keypad->StackPanel(); }
    // The text of a level ("Y", "Z", "T", "5", ...) as the panel shows it.
    QString Level(const QString& label, int role = Qt::DisplayRole) const {
        const QAbstractItemModel& model = Panel().Model();
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.index(row, 0).data().toString() == label)
                return model.index(row, 1).data(role).toString();
        ADD_FAILURE() << "no level " << label.toStdString();
        return {};
    }
    QString Levels() const { return Level("T") + " " + Level("Z") + " " + Level("Y"); }
    void Click(const char* name) const { ButtonNamed(QLatin1String(name))->click(); }
};

TEST_F(KeypadInStackStyle, TheSettingDecidesTheStyleAtCreation) {
    EXPECT_EQ(keypad->Engine().RPNStyle(), TRPNStyle::Stack);
    EXPECT_FALSE(Panel().isHidden());
    // Enter pushes a copy of X: 3 Enter Enter + is 6.
    Press("3 = = +");
    EXPECT_EQ(Display(), "6");
}

TEST_F(KeypadInStackStyle, LevelsShowTheStackWithFormulasAsHints) {
    Press("1 = 2 = 3");
    EXPECT_EQ(Levels(), "0 1 2");  // T is not held: the style counts it as zero
    EXPECT_EQ(Display(), "3");
    Press("C 2 = 3 + = 4");
    EXPECT_EQ(Level("Y"), "5");
    EXPECT_EQ(Level("Y", Qt::ToolTipRole), "2+3");
    EXPECT_EQ(Level("Z", Qt::ToolTipRole), "");
}

struct StackButtonRow {
    const char* Button;
    const char* Before;   // captions pressed first
    const char* Display;  // X afterwards
    const char* Levels;   // T Z Y afterwards
};

const StackButtonRow kButtonRows[] = {
    {"bb_swapXY", "1 = 2", "1", "0 0 2"},
    {"bb_rollDown", "1 = 2 = 3", "2", "0 3 1"},
    {"bb_drop", "1 = 2 = 3", "2", "0 0 1"},
    {"bb_lastX", "4 1/x", "4", "0 0 0.25"},
};

TEST_F(KeypadInStackStyle, StackButtonsWorkTheStack) {
    for (const StackButtonRow& row : kButtonRows) {
        Press("C");
        Press(row.Before);
        Click(row.Button);
        EXPECT_EQ(Display().toStdString(), row.Display) << row.Button;
        EXPECT_EQ(Levels().toStdString(), row.Levels) << row.Button;
    }
}

struct StackKeyRow {
    const char* Name;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    const char* Text;
    const char* Before;  // captions pressed first
    const char* Levels;  // T Z Y X afterwards
};

const StackKeyRow kKeyRows[] = {
    {"Ctrl+X swaps", Qt::Key_X, Qt::ControlModifier, "\x18", "1 = 2 = 3", "0 1 3 2"},
    {"Page Down rolls", Qt::Key_PageDown, Qt::NoModifier, "", "1 = 2 = 3", "0 3 1 2"},
    {"Ctrl+Backspace drops", Qt::Key_Backspace, Qt::ControlModifier, "", "1 = 2 = 3", "0 0 1 2"},
    {"Shift+Enter brings LastX", Qt::Key_Return, Qt::ShiftModifier, "\r", "4 1/x", "0 0 0.25 4"},
};

TEST_F(KeypadInStackStyle, KeysOfTheStackCommands) {
    Activate();
    for (const StackKeyRow& row : kKeyRows) {
        Press(std::string("C ") + row.Before);
        Type(row.Key, QString::fromLatin1(row.Text), row.Modifiers);
        EXPECT_EQ((Levels() + " " + Display()).toStdString(), row.Levels) << row.Name;
    }
}

TEST_F(KeypadInStackStyle, ButtonHintsNameTheirKeys) {
    const std::pair<const char*, const char*> hints[] = {{"bb_swapXY", "Ctrl+X"},
                                                         {"bb_rollDown", "Page Down"},
                                                         {"bb_drop", "Ctrl+Backspace"},
                                                         {"bb_lastX", "Shift+Enter"}};
    for (const auto& [name, key] : hints)
        EXPECT_TRUE(ButtonNamed(QLatin1String(name))->toolTip().contains(QLatin1String(key)))
            << name;
}

TEST_F(KeypadInStackStyle, ATallerKeypadShowsMoreLevels) {
    keypad->show();
    keypad->resize(keypad->sizeHint());
    ASSERT_TRUE(QTest::qWaitFor([&] { return keypad->isVisible(); }, kCeilingMs));
    const int rows = Panel().Model().rowCount();
    EXPECT_GE(rows, TStackPanel::kMinimumLevels);
    keypad->resize(keypad->width(), keypad->height() + 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Panel().Model().rowCount() > rows + 2; }, kCeilingMs));
    // Y stays the row nearest the display, the fourth level is called 5.
    const QAbstractItemModel& model = Panel().Model();
    EXPECT_EQ(model.index(model.rowCount() - 1, 0).data().toString(), "Y");
    EXPECT_EQ(model.index(model.rowCount() - 4, 0).data().toString(), "5");
}

// In Classic RPN and in ALG the panel is hidden and the stack's keys do nothing.
TEST_F(KeypadTest, ClassicAndAlgHaveNoStackPanelNorStackKeys) {
    Activate();
    EXPECT_TRUE(keypad->StackPanel()->isHidden());
    Press("RPN");
    EXPECT_TRUE(keypad->StackPanel()->isHidden());
    Press("1 = 2");
    Type(Qt::Key_X, "\x18", Qt::ControlModifier);
    Type(Qt::Key_PageDown, "");
    Type(Qt::Key_Backspace, "", Qt::ControlModifier);
    EXPECT_EQ(Display(), "2");
    EXPECT_EQ(Counter(), "M=1");
}

TEST_F(KeypadTest, ModeMenuSwitchesModeAndStyleThroughTheSettings) {
    QMenu* menu = keypad->ModeMenu();
    EXPECT_EQ(Captions(menu).join("|").toStdString(),
              "RPN|ALG|-|Classic RPN|Stack RPN (x\u2194y, R\u2193, Drop, LastX)");
    EXPECT_TRUE(Entry(menu, {"ALG"})->isChecked());
    EXPECT_TRUE(Entry(menu, {"Classic RPN"})->isChecked());
    Entry(menu, {"RPN"})->trigger();
    Entry(keypad->ModeMenu(), {"Stack RPN (x\u2194y, R\u2193, Drop, LastX)"})->trigger();
    EXPECT_EQ(env.Settings().ReadString("Keypad", "RPNStyle", ""), "Stack");
    EXPECT_EQ(keypad->Engine().RPNStyle(), TRPNStyle::Stack);
    EXPECT_FALSE(keypad->StackPanel()->isHidden());
    menu = keypad->ModeMenu();
    EXPECT_TRUE(Entry(menu, {"RPN"})->isChecked());
    EXPECT_TRUE(Entry(menu, {"Stack RPN (x\u2194y, R\u2193, Drop, LastX)"})->isChecked());
    // Another writer (the options dialog) switches it back at once.
    env.Settings().Configor().WriteString("Keypad", "RPNStyle", "Classic");
    EXPECT_EQ(keypad->Engine().RPNStyle(), TRPNStyle::Classic);
    EXPECT_TRUE(keypad->StackPanel()->isHidden());
    EXPECT_TRUE(Entry(keypad->ModeMenu(), {"Classic RPN"})->isChecked());
}

TEST_F(KeypadTest, SwitchingStyleKeepsTheCalculation) {
    Press("RPN 2 = 3");
    Entry(keypad->ModeMenu(), {"Stack RPN (x\u2194y, R\u2193, Drop, LastX)"})->trigger();
    EXPECT_EQ(Display(), "3");
    Press("+");
    EXPECT_EQ(Display(), "5");
}

}  // namespace
}  // namespace quillix::test
