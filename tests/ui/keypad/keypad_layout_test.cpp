// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLayout>
#include <QWhatsThis>

#include "keypad_test_support.h"
#include "model/value_format.h"

namespace quillix::test {
namespace {

// What a user meets at a button: its caption (read aloud as its name), its
// hint, the help topic "Help" then a click on it opens, and what a click does.
TEST_F(KeypadTest, AButtonShowsItsCaptionHintAndTopicAndDoesItsJob) {
    const struct {
        const char* Name;
        const char* Caption;
        const char* Hint;
        int Topic;
        const char* Before;   // keys pressed first
        const char* Display;  // after the click; null: a menu opens instead
    } rows[] = {
        {"bb_7", "7", "", 100110, "", "7"},
        {"bb_EQ", "=", "", 100120, "1 + 2", "3"},
        {"bb_dis", "+/-", "", 100113, "5", "-5"},
        {"bb_divOne", "1/x", "", 100122, "4", "0.25"},
        {"bb_clear", "C", "", 100126, "1 2", "0"},
        {"bb_backspare", "BS", "", 100125, "1 2", "1"},
        {"bb_vadd", "V+", "Add Variable", 100210, "", nullptr},
        {"bb_vr", "V=", "Replace Variable", 100211, "", nullptr},
        {"bb_buildinFunc", "Functions", "", 100100, "", nullptr},
    };
    for (const auto& row : rows) {
        QAbstractButton* button = ButtonNamed(row.Name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), row.Caption) << row.Name;
        EXPECT_EQ(button->accessibleName(), row.Caption) << row.Name;
        EXPECT_EQ(button->toolTip(), row.Hint) << row.Name;
        // A button without a topic of its own leads to the keypad's.
        const int own = button->property("helpContext").toInt();
        EXPECT_EQ(own != 0 ? own : keypad->property("helpContext").toInt(), row.Topic) << row.Name;
        if (!row.Display) continue;
        Press(std::string("C ") + row.Before);
        button->click();
        EXPECT_EQ(Display(), row.Display) << row.Name;
    }
}

TEST_F(KeypadTest, EveryPartOfTheKeypadIsInItsSkinAreaAndNamed) {
    for (QWidget* part : keypad->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(part) && !qobject_cast<QLabel*>(part)) continue;
        EXPECT_EQ(part->property("skinArea").toString(), "Keypad")
            << part->objectName().toStdString();
    }
    for (QLabel* label : keypad->findChildren<QLabel*>())
        EXPECT_FALSE(label->accessibleName().isEmpty()) << label->objectName().toStdString();
}

TEST_F(KeypadTest, TheDropDownVariantShowsVAndHidesThePad) {
    keypad->show();
    EXPECT_FALSE(ButtonNamed("bb_vars")->isVisible());
    EXPECT_TRUE(ButtonNamed("sb_Func00")->isVisible());
    keypad->SetVarsButtonVisible(true);
    keypad->SetFunctionPadVisible(false);
    keypad->SetHelpEnabled(false);
    EXPECT_TRUE(ButtonNamed("bb_vars")->isVisible());
    EXPECT_FALSE(ButtonNamed("sb_Func00")->isVisible());
    EXPECT_FALSE(ButtonNamed("sb_Help")->isEnabled());
}

TEST_F(KeypadTest, TheValueAndItsFormulaAreReadableButNotEditable) {
    auto* display = keypad->findChild<QLineEdit*>("ed_Display");
    EXPECT_TRUE(display->isReadOnly());
    EXPECT_FALSE(display->focusPolicy() & Qt::ClickFocus);
    EXPECT_EQ(display->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_FALSE(display->accessibleName().isEmpty());
    Press("1 + 2");
    EXPECT_EQ(keypad->findChild<QLabel*>("lb_Expression")->accessibleDescription(), "2");
    EXPECT_EQ(keypad->findChild<QLabel*>("lb_Counter")->accessibleDescription(),
              "Open parentheses: 0");
}

// Captions fit their buttons at the keypad's smallest size, also with a font
// twice as large (large-text settings, high scale factors).
TEST_F(KeypadTest, CaptionsAreNeverClipped) {
    for (const int factor : {1, 2}) {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * factor);
        keypad->setFont(font);
        Press("RPN");  // "Enter" is the widest caption of the grid
        keypad->resize(keypad->minimumSizeHint());
        keypad->show();
        keypad->layout()->activate();
        for (QAbstractButton* button : keypad->findChildren<QAbstractButton*>()) {
            if (!button->isVisible() || button->text().isEmpty()) continue;
            const int needed = button->fontMetrics().horizontalAdvance(button->text());
            EXPECT_GE(button->contentsRect().width(), needed)
                << button->objectName().toStdString() << " at " << factor << "x";
        }
        Press("ALG");
    }
}

// The main window gives the keypad a column of 295 pixels.
TEST_F(KeypadTest, FitsTheMainWindowsKeypadColumn) {
    EXPECT_LE(keypad->minimumSizeHint().width(), 295);
}

// The fixed format shows on the value ("FIX 4"), with what it does as its
// hint and for a screen reader; it fits at any font without widening the
// keypad or covering a digit, and goes with the general format.
TEST_F(KeypadTest, TheFixedFormatShowsBesideTheMode) {
    const TValueFormatRecord kept = ValueFormatSettings();
    const int generalWidth = keypad->minimumSizeHint().width();
    auto* indicator = keypad->findChild<QLabel*>("lb_FixedFormat");
    auto* display = keypad->findChild<QLineEdit*>("ed_Display");
    ASSERT_NE(indicator, nullptr);
    keypad->show();
    for (const int factor : {1, 2}) {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * factor);
        keypad->setFont(font);
        const struct {
            int decimals;
            const char* shown;
        } rows[] = {{4, "FIX 4"}, {18, "FIX 18"}, {0, "FIX 0"}, {-1, ""}};
        for (const auto& row : rows) {
            SetValueFormat(row.decimals);
            keypad->Refresh();
            keypad->resize(keypad->minimumSizeHint());
            keypad->layout()->activate();
            EXPECT_EQ(indicator->text(), row.shown) << row.decimals;
            EXPECT_EQ(indicator->isVisible(), row.decimals >= 0) << row.decimals;
            if (row.decimals < 0) continue;
            EXPECT_EQ(indicator->accessibleName(), row.shown);
            EXPECT_TRUE(indicator->toolTip().contains("rounded"))
                << indicator->toolTip().toStdString();
            EXPECT_EQ(indicator->accessibleDescription(), indicator->toolTip());
            EXPECT_GE(indicator->contentsRect().width(),
                      indicator->fontMetrics().horizontalAdvance(indicator->text()))
                << row.shown << " at " << factor << "x";
            EXPECT_GE(display->textMargins().left(), indicator->geometry().right())
                << row.shown << " at " << factor << "x";
        }
        if (factor == 1) {
            SetValueFormat(18);
            keypad->Refresh();
            EXPECT_EQ(keypad->minimumSizeHint().width(), generalWidth);
        }
    }
    ValueFormatSettings() = kept;
}

TEST_F(KeypadTest, TabFollowsTheReadingOrder) {
    const QStringList expected = {"ed_Display", "bb_buildinFunc", "bb_Programs", "sb_Help",
                                  "bb_leftk",   "bb_rpn",         "bb_7",        "bb_alg",
                                  "bb_4",       "bb_ne",          "bb_vadd",     "bb_vr"};
    QStringList order;
    QWidget* widget = keypad.get();
    do {
        widget = widget->nextInFocusChain();
        if (expected.contains(widget->objectName())) order << widget->objectName();
    } while (widget != keypad.get());
    EXPECT_EQ(order, expected);
}

TEST_F(KeypadTest, HelpEntersWhatsThisMode) {
    keypad->show();
    ButtonNamed("sb_Help")->click();
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
}

}  // namespace
}  // namespace quillix::test
