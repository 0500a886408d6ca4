// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the keypad's widget tests share: a keypad frame over a fresh
// environment, pressing its buttons by caption, typing keys into its window,
// reading its display, and choosing menu entries by their captions.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>
#include <sstream>
#include <string>

#include "keypad/keypad_buttons.h"
#include "keypad/keypad_frame.h"
#include "support/ui_environment.h"

namespace quillix::test {

// The longest a test waits for something that happens by itself: generous,
// so that a loaded machine never fails a test that would pass.
inline constexpr int kCeilingMs = 60000;

class KeypadTest : public ::testing::Test {
  protected:
    explicit KeypadTest(const std::string& settings = {})
        : env(settings), keypad(std::make_unique<Tfra_KeypadFW>()) {}

    QAbstractButton* ButtonNamed(const QString& name) const {
        auto* button = keypad->findChild<QAbstractButton*>(name);
        EXPECT_NE(button, nullptr) << name.toStdString();
        return button;
    }

    // The button of a caption as the keypad is built ("=" also when it reads "Enter").
    QAbstractButton* ButtonOf(std::string_view caption) const {
        for (const TKeypadButtonDef& def : KeypadButtons())
            if (def.Caption == caption)
                return ButtonNamed(QString::fromUtf8(def.Name.data(), int(def.Name.size())));
        ADD_FAILURE() << "no button " << caption;
        return nullptr;
    }

    // Clicks the buttons of the blank-separated captions, in order.
    void Press(const std::string& captions) const {
        std::istringstream words(captions);
        for (std::string caption; words >> caption;)
            if (QAbstractButton* button = ButtonOf(caption)) button->click();
    }

    QString Display() const { return keypad->findChild<QLineEdit*>("ed_Display")->text(); }
    QString Expression() const { return keypad->findChild<QLabel*>("lb_Expression")->text(); }
    QString Counter() const { return keypad->findChild<QLabel*>("lb_Counter")->text(); }
    QString ModeLabel() const { return keypad->findChild<QLabel*>("lb_Mode")->text(); }

    // Shows the keypad as the active window and registers its hot keys.
    void Activate() const {
        keypad->show();
        QApplication::setActiveWindow(keypad.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(keypad.get()));
        keypad->RegisterHotkeys(true);
    }

    // A key event as a layout delivers it: key, modifiers and the typed text.
    void Type(Qt::Key key, const QString& text,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::sendKeyEvent(QTest::Press, keypad.get(), key, text, modifiers);
        QTest::sendKeyEvent(QTest::Release, keypad.get(), key, text, modifiers);
    }

    // The entry at the end of the caption path, searched from menu.
    static QAction* Entry(QMenu* menu, const QStringList& path) {
        QAction* found = nullptr;
        for (const QString& caption : path) {
            found = nullptr;
            if (!menu) break;
            for (QAction* action : menu->actions())
                if (action->text() == caption) found = action;
            menu = found ? found->menu() : nullptr;
        }
        EXPECT_NE(found, nullptr) << path.join(" > ").toStdString();
        return found;
    }

    // The captions of menu's entries, "-" for separators.
    static QStringList Captions(QMenu* menu) {
        QStringList captions;
        for (QAction* action : menu->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }

    TUiEnvironment env;
    std::unique_ptr<Tfra_KeypadFW> keypad;
};

}  // namespace quillix::test
