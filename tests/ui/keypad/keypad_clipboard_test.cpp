// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "keypad/formula_field.h"
#include "model/value_format.h"

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

// Copy Value gives another program the number with every digit and no
// grouping, whatever the display shows, and a computed value's formula as a
// second format that Paste puts back into the formula field.
TEST_F(KeypadTest, CopyValueGivesEveryDigitAndTheFormula) {
    const struct {
        const char* keys;
        const char* text;
        const char* formula;  // empty: no formula format
    } rows[] = {
        {"1 2 3 4 . 5", "1234.5", ""},  // being typed
        {"1 2 3 4 5 6 7 =", "1234567", ""},
        {"2 / 3 =", "0.666666666666666667", "2/3"},
        {"1 0 0 0 0 0 0 * 1 0 0 0 0 0 0 =", "1000000000000", "1000000*1000000"},
    };
    const QString formulaType = QString::fromLatin1(Tfra_KeypadFW::kFormulaMimeType);
    for (const auto& row : rows) {
        Press("C");
        Press(row.keys);
        keypad->CopyValueToClipboard();
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        EXPECT_EQ(copied->text(), QString::fromLatin1(row.text)) << row.keys;
        EXPECT_EQ(QString::fromUtf8(copied->data(formulaType)), QString::fromLatin1(row.formula))
            << row.keys;
    }
    // With 2 fixed decimals on the display, the copy still has every digit.
    const TValueFormatRecord kept = ValueFormatSettings();
    SetValueFormat(2);
    Press("C 2 / 3 =");
    ASSERT_EQ(Display(), "0.67");
    keypad->CopyValueToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0.666666666666666667");
    ValueFormatSettings() = kept;
    QGuiApplication::clipboard()->setText(QStringLiteral("1E4000"));
    keypad->PasteFromClipboard();
    Press("=");
    keypad->CopyValueToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1E4000");
}

TEST_F(KeypadTest, ACopiedFormulaPastesIntoTheFormulaField) {
    Press("( 2 + 3 ) * 4 =");
    keypad->CopyValueToClipboard();
    Press("C 7");
    keypad->PasteFromClipboard();
    EXPECT_EQ(keypad->FormulaField()->Edit()->text(), "(2+3)*4");
    EXPECT_EQ(Display(), "7");  // X is left alone
    // A plain number copied by another program still goes to X.
    QGuiApplication::clipboard()->setText(QStringLiteral("42"));
    keypad->PasteFromClipboard();
    EXPECT_EQ(Display(), "42");
}

}  // namespace
}  // namespace quillix::test
