// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IKeypad: how the other windows reach a keypad frame (the main window's, or
// the one inside a drop-down calculator), and TKeypadModalScope, the one
// bracket around a modal dialog opened over a keypad's window.

#include <cstdint>

#include "model/calc_commands.h"

namespace quillix {

class IKeypad {
  public:
    virtual ~IKeypad() = default;
    // Presses the button of the command (visibly), or executes a command that
    // has no button directly.
    virtual void PressCommand(std::uint8_t code, const TCalcCommondData* data) = 0;
    virtual void RegisterHotkeys(bool respectModal) = 0;
    virtual void UnregisterHotkeys() = 0;
    virtual bool HotkeysRegistered() const = 0;
    // Whether the registration holds the keys back while a modal dialog is open.
    virtual bool HotkeysRespectModal() const = 0;
    // Tell the window that hosts the keypad that one of its dialogs closed /
    // opens (a drop-down calculator then does not hide meanwhile).
    virtual void EndModal() = 0;
    virtual void BeginModal() = 0;
    // Applies a built-in function: at once when it has no parameters, else
    // through the function parameter dialog; the node is inserted as X.
    virtual void ApplyFunction(int funcID) = 0;
};

// While it lives, a modal dialog is open over the keypad's window: the hot
// keys are suspended and the host is told that a dialog is open; at the end
// (however the dialog ends, an exception included) the host is told it closed
// and the hot keys come back as they were, with the same regard for the modal
// flag, so that a drop-down calculator inside a dialog gets its keys back
// too. A null keypad brackets nothing.
class TKeypadModalScope {
  public:
    explicit TKeypadModalScope(IKeypad* keypad) : keypad_(keypad) {
        if (!keypad_) return;
        wasRegistered_ = keypad_->HotkeysRegistered();
        respectModal_ = keypad_->HotkeysRespectModal();
        keypad_->UnregisterHotkeys();
        keypad_->BeginModal();
    }
    ~TKeypadModalScope() {
        if (!keypad_) return;
        keypad_->EndModal();
        if (wasRegistered_) keypad_->RegisterHotkeys(respectModal_);
    }
    TKeypadModalScope(const TKeypadModalScope&) = delete;
    TKeypadModalScope& operator=(const TKeypadModalScope&) = delete;

  private:
    IKeypad* keypad_;
    bool wasRegistered_ = false;
    bool respectModal_ = true;
};

}  // namespace quillix
