// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QGuiApplication>

#include "keypad_test_support.h"

namespace quillix::test {
namespace {

struct PasteRow {
    const char* Text;
    long double Number;
};

class KeypadPaste : public KeypadTest, public ::testing::WithParamInterface<PasteRow> {};

// Every form the display shows comes back as the same number.
TEST_P(KeypadPaste, EveryDisplayFormPastesAsItsNumber) {
    const PasteRow& row = GetParam();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(row.Text));
    keypad->PasteFromClipboard();
    Press("=");
    const long double pasted = keypad->Engine().Stack().X->Number();
    EXPECT_EQ(pasted, row.Number) << row.Text;
    EXPECT_EQ(env.Prompts().Beeps(), 0);
}

INSTANTIATE_TEST_SUITE_P(DisplayForms, KeypadPaste,
                         ::testing::Values(PasteRow{"1,234.5", 1234.5L}, PasteRow{"-12.5", -12.5L},
                                           PasteRow{"42\n", 42}, PasteRow{"1E20", 1e20L},
                                           PasteRow{"1.5E-7", 1.5e-7L}, PasteRow{" 2.5e+3 ", 2500},
                                           PasteRow{"-1,234,567.25", -1234567.25L}));

TEST_F(KeypadTest, TheDisplayIsCopiedAndPastedBack) {
    Press("1 2 3 4 . 5");
    keypad->CopyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,234.5");
    Press("C");
    keypad->PasteFromClipboard();
    EXPECT_EQ(Display(), "1,234.5");
}

TEST_F(KeypadTest, CtrlCAndCtrlVCopyAndPaste) {
    Activate();
    Press("7 7");
    Type(Qt::Key_C, QString(), Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "77");
    QGuiApplication::clipboard()->setText("-12.5");
    Type(Qt::Key_V, QString(), Qt::ControlModifier);
    EXPECT_EQ(Display(), "-12.5");
}

TEST_F(KeypadTest, ATextThatIsNoNumberChangesNothing) {
    Press("8");
    QGuiApplication::clipboard()->setText("twelve");
    keypad->PasteFromClipboard();
    EXPECT_EQ(Display(), "8");
    EXPECT_EQ(env.Prompts().Beeps(), 1);
    EXPECT_TRUE(env.Prompts().Messages().isEmpty());
}

}  // namespace
}  // namespace quillix::test
