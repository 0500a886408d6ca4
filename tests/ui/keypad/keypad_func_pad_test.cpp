// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad_test_support.h"
#include "launchers.h"

namespace quillix::test {
namespace {

// A first start shows a pad of named, working functions, within the keypad's
// column (the longest captions share one column).
TEST_F(KeypadTest, WithoutPadSettingsThePadHoldsTheFirstStartFunctions) {
    const struct {
        const char* Button;
        const char* Caption;
    } rows[] = {
        {"sb_Func00", "Sqrt"},   {"sb_Func04", "Log10"}, {"sb_Func13", "Int"},
        {"sb_Func24", "StdDev"}, {"sb_Func30", "PMT"},   {"sb_Func34", "Today"},
    };
    for (const auto& row : rows) {
        QAbstractButton* button = ButtonNamed(QString::fromLatin1(row.Button));
        ASSERT_NE(button, nullptr) << row.Button;
        EXPECT_EQ(button->text(), row.Caption) << row.Button;
        EXPECT_EQ(button->accessibleName(), row.Caption) << row.Button;
        EXPECT_TRUE(button->isEnabled()) << row.Button;
    }
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            QAbstractButton* button = ButtonNamed(QString("sb_Func%1%2").arg(row).arg(col));
            ASSERT_NE(button, nullptr);
            EXPECT_FALSE(button->text().isEmpty()) << row << col;
        }
    }
}

const char* const kPadSettings =
    "[sb_Func00]\nFuncID=3\nAlias=Sqr\n"
    "[sb_Func01]\nFuncID=0\nFuncName=Foo\nAlias=Foo\n"
    "[sb_Func02]\nFuncID=200\nAlias=Bad\n"
    "[sb_Func03]\nFuncID=42\nAlias=Now\nFontColor=255\n"
    "[sb_Func04]\nFuncID=23\nAlias=Hyp\n"
    "[sb_Func10]\nFuncID=259\nAlias=Sq2\n";

class KeypadPadTest : public KeypadTest {
  protected:
    KeypadPadTest() : KeypadTest(kPadSettings) {}
};

struct PadRow {
    const char* Button;
    const char* Caption;
    bool Enabled;
    const char* Hint;
    QColor Color;
    const char* ExpressionAfterClick;  // after "3" and a click
};

TEST_F(KeypadPadTest, PadButtonsFollowTheirSettingsSections) {
    const PadRow rows[] = {
        {"sb_Func00", "Sqr", true, "Returns the square of a number", Qt::blue, "Sqr(3)"},
        // A function name without a function: shown, and does nothing.
        {"sb_Func01", "Foo", true, "", Qt::blue, "3"},
        // A number the catalogue does not know (a hand-edited file).
        {"sb_Func02", "Bad", true, "", Qt::blue, "3"},
        // No parameters: the node is inserted without a dialog.
        {"sb_Func03", "Now", true, "Returns the current date.", Qt::red, "Today()"},
        // Only the low eight bits of FuncID count.
        {"sb_Func10", "Sq2", true, "Returns the square of a number", Qt::blue, "Sqr(3)"},
        {"sb_Func04", "Hyp", true, "Calculates the length of the hypotenuse.", Qt::blue, nullptr},
        {"sb_Func34", "", false, "", Qt::blue, "3"},
    };
    for (const PadRow& row : rows) {
        QAbstractButton* button = ButtonNamed(row.Button);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), row.Caption) << row.Button;
        EXPECT_EQ(button->isEnabled(), row.Enabled) << row.Button;
        if (!button->text().isEmpty()) {
            EXPECT_EQ(button->toolTip(), row.Hint) << row.Button;
            EXPECT_EQ(button->palette().color(QPalette::ButtonText), row.Color) << row.Button;
            EXPECT_EQ(button->accessibleName(), row.Caption) << row.Button;
        }
        if (!row.ExpressionAfterClick) continue;
        Press("C 3");
        button->click();
        EXPECT_EQ(Expression(), row.ExpressionAfterClick) << row.Button;
    }
    EXPECT_TRUE(env.Prompts().Records().empty());
}

// A screen reader never meets a nameless pad button: an empty one is named
// by its place, a filled one by its caption.
TEST_F(KeypadPadTest, EveryPadButtonHasAName) {
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            const QString name = QStringLiteral("sb_Func%1%2").arg(row).arg(col);
            QAbstractButton* button = ButtonNamed(name);
            ASSERT_NE(button, nullptr);
            const QString expected =
                button->text().isEmpty()
                    ? QStringLiteral("Empty function button %1").arg(row * 5 + col + 1)
                    : button->text();
            EXPECT_EQ(button->accessibleName(), expected) << name.toStdString();
        }
    }
    EXPECT_EQ(ButtonNamed("sb_Func34")->accessibleName(), "Empty function button 20");
}

TEST_F(KeypadPadTest, RebuildingThePadShowsTheSavedSettings) {
    IConfigor& settings = env.Settings().Configor();
    settings.WriteInteger("sb_Func11", "FuncID", 1);
    settings.WriteString("sb_Func11", "Alias", "Root");
    settings.WriteInteger("sb_Func00", "FuncID", 0);
    settings.WriteString("sb_Func00", "Alias", "");
    EXPECT_EQ(ButtonNamed("sb_Func11")->text(), "");
    keypad->RebuildFunctionPad();
    EXPECT_EQ(ButtonNamed("sb_Func11")->text(), "Root");
    EXPECT_TRUE(ButtonNamed("sb_Func11")->isEnabled());
    EXPECT_FALSE(ButtonNamed("sb_Func00")->isEnabled());
    Press("1 6");
    ButtonNamed("sb_Func11")->click();
    EXPECT_EQ(Display(), "4");
}

}  // namespace
}  // namespace quillix::test
