// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/keypad_hotkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/modal_state.h"

namespace quillix {

TKeypadHotkeys::TKeypadHotkeys(QWidget* keypad, TAct act) : keypad_(keypad), act_(std::move(act)) {}

TKeypadHotkeys::~TKeypadHotkeys() {
    Unregister();
}

void TKeypadHotkeys::Register(bool respectModal) {
    if (registered_) return;
    if (respectModal && ModalFlag()) return;
    respectModal_ = respectModal;
    qApp->installEventFilter(this);
    registered_ = true;
}

void TKeypadHotkeys::Unregister() {
    if (!registered_) return;
    qApp->removeEventFilter(this);
    registered_ = false;
}

bool TKeypadHotkeys::KeypadWindowActive() const {
    if (!keypad_) return false;
    QWidget* window = keypad_->window();
    if (respectModal_ && ModalFlag() && QApplication::activeModalWidget() != window) return false;
    // An open menu (ours or another's) takes the keys itself.
    if (QWidget* popup = QApplication::activePopupWidget()) return popup == window;
    return QApplication::activeWindow() == window;
}

bool TKeypadHotkeys::ListKeepsKey(int key) {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || !focus->property(kKeepsListKeysProperty).toBool()) return false;
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            return false;
    }
}

bool TKeypadHotkeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    if (!KeypadWindowActive()) return false;
    if (typingField_ && typingField_->hasFocus()) return false;
    const auto& keyEvent = *static_cast<QKeyEvent*>(event);
    if (ListKeepsKey(keyEvent.key())) return false;
    TKeyStroke stroke = StrokeOf(keyEvent);
    stroke.StackKeys = stackKeys_;
    if (typedFormulas_ && typingField_ && TypesIntoFormula(stroke)) {
        if (type == QEvent::ShortcutOverride) return false;
        // The field takes the focus and the key, and Enter there evaluates.
        typingField_->setFocus(Qt::ShortcutFocusReason);
        QApplication::sendEvent(typingField_, event);
        return true;
    }
    const auto code = KeyCommand(stroke);
    if (!code) return false;
    event->accept();
    // Claiming the shortcut keeps a menu shortcut (the window's Ctrl+C) from
    // acting as well; the key press that follows runs the command once.
    if (type == QEvent::KeyPress) act_(*code);
    return true;
}

TKeyStroke StrokeOf(const QKeyEvent& event) {
    TKeyStroke stroke;
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        stroke.Key = TKeyName::Digit;
        stroke.Digit = key - Qt::Key_0;
    } else {
        switch (key) {
            case Qt::Key_E:
                stroke.Key = TKeyName::LetterE;
                break;
            case Qt::Key_C:
                stroke.Key = TKeyName::LetterC;
                break;
            case Qt::Key_V:
                stroke.Key = TKeyName::LetterV;
                break;
            case Qt::Key_X:
                stroke.Key = TKeyName::LetterX;
                break;
            case Qt::Key_PageDown:
                stroke.Key = TKeyName::PageDown;
                break;
            case Qt::Key_F9:
                stroke.Key = TKeyName::F9;
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                stroke.Key = TKeyName::Enter;
                break;
            case Qt::Key_Backspace:
                stroke.Key = TKeyName::Backspace;
                break;
            case Qt::Key_Delete:
                stroke.Key = TKeyName::Delete;
                break;
            case Qt::Key_Escape:
                stroke.Key = TKeyName::Escape;
                break;
            default:
                break;
        }
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    stroke.Keypad = modifiers.testFlag(Qt::KeypadModifier);
    stroke.Shift = modifiers.testFlag(Qt::ShiftModifier);
    stroke.Ctrl = modifiers.testFlag(Qt::ControlModifier);
    stroke.Alt = modifiers.testFlag(Qt::AltModifier);
    stroke.Text = event.text().toStdString();
    return stroke;
}

}  // namespace quillix

#include "moc_keypad_hotkeys.cpp"
