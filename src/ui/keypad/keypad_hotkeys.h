// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keypad's hot keys: while registered, an application event filter turns
// the keys of the keypad's window into commands (see keypad_key_map.h), but only
// while that window is the active one (or the active pop-up, for the drop-down
// calculator) and, for a registration that respects it, no modal dialog is open.

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>

#include "keypad/keypad_key_map.h"

class QKeyEvent;
class QWidget;

namespace quillix {

// A list in the keypad's window that has the focus and carries this property
// (true) keeps its moving and choosing keys (arrows, Page Up/Down, Home, End,
// Enter); every other key still reaches the keypad.
inline constexpr const char* kKeepsListKeysProperty = "keepsListKeys";

class TKeypadHotkeys final : public QObject {
    Q_OBJECT
  public:
    using TAct = std::function<void(std::uint8_t code)>;
    // keypad: the widget whose window must be active; act runs each command.
    TKeypadHotkeys(QWidget* keypad, TAct act);
    ~TKeypadHotkeys() override;

    // Nothing when registered already, or when respectModal and a modal dialog
    // is open.
    void Register(bool respectModal);
    void Unregister();
    bool Registered() const { return registered_; }
    bool RespectsModal() const { return respectModal_; }
    // While this widget has the focus, the keys type into it instead.
    void SetTypingField(QWidget* field) { typingField_ = field; }
    // The stack's keys work (Stack-style RPN); see TKeyStroke::StackKeys.
    void SetStackKeys(bool live) { stackKeys_ = live; }
    // Typed formulas: a character typed in the window goes to the typing field.
    void SetTypedFormulas(bool on) { typedFormulas_ = on; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool KeypadWindowActive() const;
    static bool ListKeepsKey(int key);

    QPointer<QWidget> keypad_;
    QPointer<QWidget> typingField_;
    bool typedFormulas_ = false;
    TAct act_;
    bool registered_ = false;
    bool respectModal_ = true;
    bool stackKeys_ = false;
};

// The stroke of a Qt key event, for KeyCommand.
TKeyStroke StrokeOf(const QKeyEvent& event);

}  // namespace quillix
