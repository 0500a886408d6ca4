// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLayout>
#include <QWhatsThis>

#include "keypad_test_support.h"

namespace quillix::test {
namespace {

TEST_F(KeypadTest, EveryButtonCarriesItsNameCaptionAndHelpContext) {
    EXPECT_EQ(keypad->property("helpContext").toInt(), kKeypadHelpContext);
    for (const TKeypadButtonDef& def : KeypadButtons()) {
        const QString name = QString::fromUtf8(def.Name.data(), int(def.Name.size()));
        QAbstractButton* button = ButtonNamed(name);
        ASSERT_NE(button, nullptr);
        const QString caption = QString::fromUtf8(def.Caption.data(), int(def.Caption.size()));
        EXPECT_EQ(button->text(), caption) << def.Name;
        EXPECT_EQ(button->accessibleName(), caption) << def.Name;
        EXPECT_EQ(button->property("skinArea").toString(), "Keypad") << def.Name;
        EXPECT_EQ(button->property("helpContext").toInt(), def.HelpContext) << def.Name;
    }
    EXPECT_EQ(ButtonNamed("bb_vadd")->toolTip(), "Add Variable");
    EXPECT_EQ(ButtonNamed("bb_vr")->toolTip(), "Replace Variable");
    for (QLabel* label : keypad->findChildren<QLabel*>()) {
        EXPECT_EQ(label->property("skinArea").toString(), "Keypad");
        EXPECT_FALSE(label->accessibleName().isEmpty()) << label->objectName().toStdString();
    }
    EXPECT_EQ(ButtonNamed("sb_Func23")->property("skinArea").toString(), "Keypad");
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
