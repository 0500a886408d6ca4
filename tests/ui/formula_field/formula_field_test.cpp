// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's formula field: what Enter inserts, what an error leaves alone,
// where the keys go, completion and the hint of the function at the caret.

#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QGuiApplication>
#include <QLayout>
#include <QStringListModel>
#include <QStyle>
#include <QStyleOptionFrame>

#include "config/settings_table.h"
#include "keypad/formula_field.h"
#include "keypad/keypad_test_support.h"
#include "model/calc_commands.h"

namespace quillix::test {
namespace {

class FormulaFieldTest : public KeypadTest {
  protected:
    TFormulaField& Field() const { return *keypad->FormulaField(); }
    QLineEdit& Edit() const { return *Field().Edit(); }

    // Keys as the window delivers them: to the focus widget, else the keypad.
    void TypeKeys(const QString& text) const {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClicks(target ? target : keypad.get(), text);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : keypad.get(), key, modifiers);
    }
    // Ctrl+L, the text, Enter.
    void Enter(const QString& formula) const {
        Key(Qt::Key_L, Qt::ControlModifier);
        ASSERT_TRUE(Edit().hasFocus());
        TypeKeys(formula);
        Key(Qt::Key_Return);
    }
    QStringList Completions(const QString& typed) {
        Edit().clear();
        TypeKeys(typed);
        QStringList offered;
        QAbstractItemModel* model = Field().Completer()->completionModel();
        for (int row = 0; row < model->rowCount(); ++row)
            offered << model->index(row, 0).data().toString();
        return offered;
    }
};

TEST_F(FormulaFieldTest, EnterInsertsTheValueWithItsFormula) {
    Activate();
    const struct {
        QString Formula;
        QString Display;
        QString Expression;
    } cases[] = {
        {"PMT(0.06/12,360,100000,0)*12", "-7,194.60630183302875", "PMT(0.06/12,360,100000,0,0)*12"},
        {"  (1+2)*3 ", "9", "(1+2)*3"},
        {"sqrt(16)+2^3", "12", "Sqrt(16)+2^3"},
    };
    for (const auto& c : cases) {
        keypad->ExecuteCommand(ccClear);
        Enter(c.Formula);
        EXPECT_EQ(Display(), c.Display) << c.Formula.toStdString();
        EXPECT_EQ(Expression(), c.Expression) << c.Formula.toStdString();
        // The keys act on the calculation again; the text stays for another try.
        EXPECT_FALSE(Edit().hasFocus());
        EXPECT_EQ(Edit().text(), c.Formula);
    }
    EXPECT_EQ(env.Prompts().Beeps(), 0);
}

TEST_F(FormulaFieldTest, TheInsertedValueContinuesTheCalculation) {
    Activate();
    Press("2 +");
    Enter("3*4");
    Press("=");
    EXPECT_EQ(Display(), "14");
}

TEST_F(FormulaFieldTest, AddVariableStoresTheFormulaThatFollowsItsOperands) {
    ASSERT_TRUE(env.Vars().Add("a", TCalcValue::New(3)));
    ASSERT_TRUE(env.Vars().Add("b", TCalcValue::New(4)));
    Activate();
    Enter("a*b+1");
    EXPECT_EQ(Display(), "13");
    env.Prompts().ScriptText(QStringLiteral("c"));
    keypad->AddVariableOther();
    TCalcValue* c = env.Vars().GetValue("c");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetFormulaText(), "a*b+1");
    EXPECT_EQ(c->Number(), 13);
    ASSERT_NE(env.Vars().SetValue("a", TCalcValue::New(10)), nullptr);
    EXPECT_EQ(c->Number(), 41);
}

TEST_F(FormulaFieldTest, AnErrorBeepsAndLeavesEngineAndTextAlone) {
    Activate();
    Press("5 +");
    const QString display = Display();
    const QString expression = Expression();
    const struct {
        QString Formula;
        int Caret;  // where the fault is
    } cases[] = {
        {"Sqrt(4)+Rat", 8},
        {"1+*2", 2},
        {"MyMissing(2)", 0},
    };
    int beeps = 0;
    for (const auto& c : cases) {
        Enter(c.Formula);
        EXPECT_EQ(env.Prompts().Beeps(), ++beeps) << c.Formula.toStdString();
        EXPECT_EQ(Display(), display);
        EXPECT_EQ(Expression(), expression);
        EXPECT_EQ(Edit().text(), c.Formula);
        EXPECT_TRUE(Edit().hasFocus());
        EXPECT_EQ(Edit().cursorPosition(), c.Caret) << c.Formula.toStdString();
        EXPECT_TRUE(Field().Status()->isVisibleTo(keypad.get()));
        EXPECT_FALSE(Field().Status()->text().isEmpty());
    }
    EXPECT_EQ(Field().Status()->text(), "unknown function 'MyMissing' at 1");
    // Escape empties the field and the message goes; the calculation stays.
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Edit().hasFocus());
    EXPECT_TRUE(Edit().text().isEmpty());
    EXPECT_FALSE(Field().Status()->isVisibleTo(keypad.get()));
    EXPECT_EQ(Display(), display);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Edit().hasFocus());
    Press("1 =");
    EXPECT_EQ(Display(), "6");
}

TEST_F(FormulaFieldTest, EscapeEmptiesTheFieldThenLeavesItAndNeverClearsTheResult) {
    Activate();
    Press("6 * 7 =");
    ASSERT_EQ(Display(), "42");
    QTest::mouseClick(&Edit(), Qt::LeftButton);
    ASSERT_TRUE(Edit().hasFocus());
    TypeKeys("1+");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Edit().text().isEmpty());
    EXPECT_TRUE(Edit().hasFocus());
    EXPECT_EQ(Display(), "42");
    // Undo brings the text back, as after any edit.
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Edit().text(), "1+");
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Edit().hasFocus());
    EXPECT_EQ(Display(), "42");
    EXPECT_EQ(Expression(), "6*7");
    // Back on the keypad, Escape is the keypad's "C" again.
    Key(Qt::Key_Escape);
    EXPECT_EQ(Display(), "0");
}

TEST_F(FormulaFieldTest, ErrorNamesTheColumn) {
    Activate();
    Enter("Sqrt(4)+Rat");
    EXPECT_EQ(Field().Status()->text(), "unknown name 'Rat' at 9");
}

TEST_F(FormulaFieldTest, KeysTypeIntoTheFieldOnlyWhileItHasTheFocus) {
    Activate();
    // Showing the window leaves the keys to the calculation.
    EXPECT_FALSE(Edit().hasFocus());
    TypeKeys("7");
    EXPECT_EQ(Display(), "7");
    QTest::mouseClick(&Edit(), Qt::LeftButton);
    ASSERT_TRUE(Edit().hasFocus());
    // E, Backspace and the operators are the field's now.
    TypeKeys("12E+3");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Edit().text(), "12E+");
    EXPECT_EQ(Display(), "7");
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Edit().hasFocus());
    EXPECT_TRUE(Edit().text().isEmpty());
    TypeKeys("3E2");
    EXPECT_EQ(Display(), "73E+2");
    EXPECT_TRUE(Edit().text().isEmpty());
}

TEST_F(FormulaFieldTest, CtrlLSelectsTheTextToTypeOver) {
    Activate();
    Enter("1+1");
    Key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(Edit().selectedText(), "1+1");
    TypeKeys("4");
    EXPECT_EQ(Edit().text(), "4");
}

TEST_F(FormulaFieldTest, CompletionOffersFunctionsAndVariables) {
    ASSERT_TRUE(env.Vars().Add("alpha", TCalcValue::New(1)));
    Activate();
    Key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(Completions("Sq").contains("Sqrt"));
    EXPECT_TRUE(Completions("2*sq").contains("Sqrt"));
    EXPECT_EQ(Completions("1+alp"), QStringList({"alpha"}));
    Completions("3+");
    EXPECT_FALSE(Field().Completer()->popup()->isVisible());
    // Choosing a name replaces the part typed before the caret.
    Completions("2*sq");
    emit Field().Completer()->activated(QStringLiteral("Sqrt"));
    EXPECT_EQ(Edit().text(), "2*Sqrt");
    TypeKeys("(9)");
    Key(Qt::Key_Return);
    EXPECT_EQ(Display(), "6");
}

TEST_F(FormulaFieldTest, EnterTakesAChosenNameAndReadsOtherwise) {
    Activate();
    Key(Qt::Key_L, Qt::ControlModifier);
    TypeKeys("Sqr");
    QAbstractItemView* list = Field().Completer()->popup();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Edit().text(), "Sqrt");
    EXPECT_TRUE(Edit().hasFocus());
    EXPECT_EQ(env.Prompts().Beeps(), 0);
    // With the list open but nothing chosen, Enter reads the text.
    TypeKeys("(4)+Sq");
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(env.Prompts().Beeps(), 1);
    EXPECT_EQ(Field().Status()->text(), "unknown name 'Sq' at 9");
}

TEST_F(FormulaFieldTest, TheLineUnderTheFieldDescribesTheFunctionAtTheCaret) {
    Activate();
    Key(Qt::Key_L, Qt::ControlModifier);
    TypeKeys("PMT(0.06/12,");
    const QString status = Field().Status()->text();
    EXPECT_TRUE(status.startsWith("PMT: ")) << status.toStdString();
    EXPECT_GT(status.size(), 6);
    Edit().clear();
    TypeKeys("1+2");
    EXPECT_FALSE(Field().Status()->isVisibleTo(keypad.get()));
}

// Names are the reader's: they may start with "_" and hold ".", and the field
// completes, describes and reads them as the core does.
TEST_F(FormulaFieldTest, NamesWithAnUnderscoreOrAPointCompleteAndRead) {
    ASSERT_TRUE(env.Vars().Add("_rate", TCalcValue::New(0.5L)));
    ASSERT_TRUE(env.Vars().Add("tax.base", TCalcValue::New(200)));
    Activate();
    Key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(Completions("1+_ra"), QStringList({"_rate"}));
    EXPECT_EQ(Completions("2*tax.b"), QStringList({"tax.base"}));
    emit Field().Completer()->activated(QStringLiteral("tax.base"));
    EXPECT_EQ(Edit().text(), "2*tax.base");
    TypeKeys("*_ra");
    emit Field().Completer()->activated(QStringLiteral("_rate"));
    EXPECT_EQ(Edit().text(), "2*tax.base*_rate");
    Edit().setText(QStringLiteral("Sqrt(_rate"));
    Edit().setCursorPosition(static_cast<int>(Edit().text().size()));
    EXPECT_TRUE(Field().Status()->text().startsWith("Sqrt: "))
        << Field().Status()->text().toStdString();
    Edit().setText(QStringLiteral("2*tax.base*_rate"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Display(), "200");
    EXPECT_EQ(Expression(), "2*tax.base*_rate");
}

// The keyboard option: keypad keys run left to right (2+3*4 gives 20); with
// typed formulas the same keys go to the formula field and Enter evaluates
// it with precedence (14). The choice applies at once.
TEST_F(FormulaFieldTest, TheKeyboardOptionSendsTypingToTheField) {
    Activate();
    const struct {
        bool typed;
        const char* display;
        const char* field;
    } rows[] = {{false, "20", ""}, {true, "14", "2+3*4"}, {false, "20", ""}};
    for (const auto& row : rows) {
        WriteBoolSetting(env.Settings().Configor(), TSetting::KeypadTypedFormulas, row.typed);
        Press("C");
        Edit().clear();
        keypad->setFocus();
        for (const QChar key : QStringLiteral("2+3*4"))
            TypeKeys(key);  // each to the focus
        Key(Qt::Key_Return);
        EXPECT_EQ(Display(), row.display) << row.typed;
        EXPECT_EQ(Edit().text(), row.field) << row.typed;
        // The window's shortcuts stay: Ctrl+C copies the display.
        Key(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.display) << row.typed;
    }
}

// The field's caption fits it whole, at any font, in both ways; its hint
// names both ways.
TEST_F(FormulaFieldTest, TheCaptionIsNeverClippedAndTheHintNamesBothWays) {
    keypad->show();
    for (const bool typed : {false, true}) {
        WriteBoolSetting(env.Settings().Configor(), TSetting::KeypadTypedFormulas, typed);
        for (const int factor : {1, 2}) {
            QFont font = QApplication::font();
            font.setPointSizeF(font.pointSizeF() * factor);
            keypad->setFont(font);
            keypad->resize(keypad->minimumSizeHint());
            keypad->layout()->activate();
            const QStyleOptionFrame frame = [this] {
                QStyleOptionFrame option;
                option.initFrom(&Edit());
                return option;
            }();
            const QRect room =
                Edit().style()->subElementRect(QStyle::SE_LineEditContents, &frame, &Edit());
            EXPECT_LE(Edit().fontMetrics().horizontalAdvance(Edit().placeholderText()),
                      room.width() - Edit().textMargins().left() - Edit().textMargins().right())
                << Edit().placeholderText().toStdString() << " at " << factor << "x";
        }
        EXPECT_TRUE(Edit().toolTip().contains("Ctrl+L"));
        EXPECT_TRUE(Edit().toolTip().contains("typed formulas"));
    }
}

}  // namespace
}  // namespace quillix::test
