// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>

#include "config/calc_config.h"
#include "keypad_test_support.h"

namespace quillix::test {
namespace {

struct PressRow {
    const char* Captions;  // "RPN" first switches the mode through its button
    const char* Display;
    const char* Expression;
    const char* Counter;
};

const PressRow kPressRows[] = {
    {"2 + 3 =", "5", "2+3", "(=0"},   {"1 2 3 4 . 5", "1,234.5", "1,234.5", "(=0"},
    {"1 + ( 2 + 3", "3", "3", "(=1"}, {"2 * ( 3 + 4 ) =", "14", "2*(3+4)", "(=0"},
    {"5 +/-", "-5", "-5", "(=0"},     {"4 1/x", "0.25", "Recip(4)", "(=0"},
    {"2 + 3 C", "0", "0", "(=0"},     {"RPN 2 = 3 +", "5", "2+3", "M=0"},
    {"RPN 2 = 3", "3", "3", "M=1"},   {"RPN ( 2 )", "2", "2", "M=0"},
};

TEST_F(KeypadTest, ButtonSequencesShowTheEnginesTexts) {
    for (const PressRow& row : kPressRows) {
        Press("ALG C");
        Press(row.Captions);
        EXPECT_EQ(Display().toStdString(), row.Display) << row.Captions;
        EXPECT_EQ(Expression().toStdString(), row.Expression) << row.Captions;
        EXPECT_EQ(Counter().toStdString(), row.Counter) << row.Captions;
        EXPECT_EQ(keypad->findChild<QLabel*>("lb_Expression")->toolTip(), Expression());
    }
}

TEST_F(KeypadTest, ModeButtonsGoThroughTheSettings) {
    Press("RPN");
    EXPECT_EQ(env.Settings().ReadInteger("Keypad", "InputMode", 0), 1);
    EXPECT_EQ(ModeLabel(), "RPN");
    EXPECT_EQ(ButtonOf("=")->text(), "Enter");
    EXPECT_EQ(ButtonOf("=")->accessibleName(), "Enter");
    EXPECT_FALSE(ButtonOf("(")->isEnabled());
    EXPECT_FALSE(ButtonOf(")")->isEnabled());
    // Another writer of the setting switches this keypad too.
    env.Settings().Configor().WriteInteger("Keypad", "InputMode", 2);
    EXPECT_EQ(ModeLabel(), "ALG");
    EXPECT_EQ(ButtonOf("=")->text(), "=");
    EXPECT_TRUE(ButtonOf("(")->isEnabled());
}

class KeypadStartingInRpn : public KeypadTest {
  protected:
    KeypadStartingInRpn() : KeypadTest("[Keypad]\nInputMode=1\n") {}
};

TEST_F(KeypadStartingInRpn, TheSettingDecidesTheModeAtCreation) {
    EXPECT_EQ(ModeLabel(), "RPN");
    EXPECT_EQ(Counter(), "M=0");
    EXPECT_EQ(ButtonOf("=")->text(), "Enter");
}

struct Key {
    Qt::Key Code;
    const char* Text;
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
};

struct KeyRow {
    const char* Name;
    std::vector<Key> Keys;
    const char* Display;
    const char* Counter;
};

const KeyRow kKeyRows[] = {
    {"2 + 3 Enter",
     {{Qt::Key_2, "2"},
      {Qt::Key_Plus, "+", Qt::ShiftModifier},
      {Qt::Key_3, "3"},
      {Qt::Key_Return, "\r"}},
     "5",
     "(=0"},
    {"numeric keypad",
     {{Qt::Key_1, "1", Qt::KeypadModifier},
      {Qt::Key_2, "2", Qt::KeypadModifier},
      {Qt::Key_Comma, ",", Qt::KeypadModifier},
      {Qt::Key_5, "5", Qt::KeypadModifier},
      {Qt::Key_Asterisk, "*", Qt::KeypadModifier},
      {Qt::Key_2, "2", Qt::KeypadModifier},
      {Qt::Key_Enter, "\r", Qt::KeypadModifier}},
     "25",
     "(=0"},
    {"9 types only the digit", {{Qt::Key_9, "9"}}, "9", "(=0"},
    {"Shift+9 opens a parenthesis only",
     {{Qt::Key_1, "1"}, {Qt::Key_Minus, "-"}, {Qt::Key_ParenLeft, "(", Qt::ShiftModifier}},
     "0",
     "(=1"},
    {"Shift+9 as a bare key",
     {{Qt::Key_1, "1"}, {Qt::Key_Minus, "-"}, {Qt::Key_9, "", Qt::ShiftModifier}},
     "0",
     "(=1"},
    {"typed characters",
     {{Qt::Key_8, "8"}, {Qt::Key_AsciiCircum, "^"}, {Qt::Key_2, "2"}, {Qt::Key_Equal, "="}},
     "64",
     "(=0"},
    {"exponent and change of sign",
     {{Qt::Key_1, "1"}, {Qt::Key_E, "e"}, {Qt::Key_3, "3"}, {Qt::Key_F9, ""}},
     "1E-3",
     "(=0"},
    {"backspace", {{Qt::Key_1, "1"}, {Qt::Key_2, "2"}, {Qt::Key_Backspace, "\b"}}, "1", "(=0"},
    {"Escape clears",
     {{Qt::Key_1, "1"}, {Qt::Key_Plus, "+"}, {Qt::Key_Escape, "\x1b"}},
     "0",
     "(=0"},
    {"Delete clears",
     {{Qt::Key_1, "1"}, {Qt::Key_Slash, "/"}, {Qt::Key_ParenLeft, "("}, {Qt::Key_Delete, ""}},
     "0",
     "(=0"},
    {"letters do nothing", {{Qt::Key_A, "a"}, {Qt::Key_C, "c"}}, "0", "(=0"},
};

TEST_F(KeypadTest, KeysOfTheActiveWindowActLikeTheirButtons) {
    Activate();
    for (const KeyRow& row : kKeyRows) {
        Press("C");
        for (const Key& key : row.Keys)
            Type(key.Code, QString::fromLatin1(key.Text), key.Modifiers);
        EXPECT_EQ(Display().toStdString(), row.Display) << row.Name;
        EXPECT_EQ(Counter().toStdString(), row.Counter) << row.Name;
    }
}

TEST_F(KeypadTest, AKeyVisiblyPressesItsButtonThenReleasesIt) {
    Activate();
    Press("RPN");
    Type(Qt::Key_Return, "\r");
    QAbstractButton* enter = ButtonOf("=");
    EXPECT_EQ(enter->text(), "Enter");
    EXPECT_TRUE(enter->isDown());
    // The button comes up by itself a moment later; a loaded machine may take long.
    EXPECT_TRUE(QTest::qWaitFor([enter] { return !enter->isDown(); }, kCeilingMs));
    // "(" is disabled in RPN, so Shift+9 does nothing there.
    Type(Qt::Key_ParenLeft, "(", Qt::ShiftModifier);
    EXPECT_FALSE(ButtonOf("(")->isDown());
}

TEST_F(KeypadTest, KeysAreIgnoredWhileNotRegistered) {
    Activate();
    keypad->UnregisterHotkeys();
    EXPECT_FALSE(keypad->HotkeysRegistered());
    Type(Qt::Key_5, "5");
    EXPECT_EQ(Display(), "0");
    keypad->RegisterHotkeys(true);
    Type(Qt::Key_5, "5");
    EXPECT_EQ(Display(), "5");
}

TEST_F(KeypadTest, KeysAreIgnoredWhileAModalDialogIsOpen) {
    Activate();
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    Type(Qt::Key_5, "5");
    EXPECT_EQ(Display(), "0");
    // Registering respects the open dialog; the keys return once it is closed.
    keypad->UnregisterHotkeys();
    keypad->RegisterHotkeys(true);
    EXPECT_FALSE(keypad->HotkeysRegistered());
    dialog.close();
    keypad->RegisterHotkeys(true);
    EXPECT_TRUE(keypad->HotkeysRegistered());
    QApplication::setActiveWindow(keypad.get());
    Type(Qt::Key_5, "5");
    EXPECT_EQ(Display(), "5");
}

TEST_F(KeypadTest, KeysOfAnotherWindowAreLeftAlone) {
    Activate();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(&other, Qt::Key_5);
    EXPECT_EQ(Display(), "0");
}

// Typed or pasted, a number beyond the range says why it is not taken, and
// the display keeps what it showed.
TEST_F(KeypadTest, ANumberThatCannotBeConvertedSaysWhyAndKeepsTheDisplay) {
    env.Prompts().ExpectMessages();
    Press("1 e 9 9 9");
    const QString shown = Display();
    Press("9");
    EXPECT_EQ(env.Prompts().Messages(),
              QStringList{"'1e+9999' is not a valid floating point value"});
    EXPECT_EQ(Display(), shown);
    Press("C");
    QGuiApplication::clipboard()->setText("-2E+99999");
    keypad->PasteFromClipboard();
    EXPECT_EQ(env.Prompts().Messages().size(), 2);
    EXPECT_EQ(env.Prompts().Messages().back(), "'2e+99999' is not a valid floating point value");
    EXPECT_EQ(env.Prompts().Beeps(), 0);
}

}  // namespace
}  // namespace quillix::test
