// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IKeypad: how the other windows reach a keypad frame (the main window's, or
// the one inside a drop-down calculator).

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
    // Tell the window that hosts the keypad that one of its dialogs closed /
    // opens (a drop-down calculator then does not hide meanwhile).
    virtual void EndModal() = 0;
    virtual void BeginModal() = 0;
    // Applies a built-in function: at once when it has no parameters, else
    // through the function parameter dialog; the node is inserted as X.
    virtual void ApplyFunction(int funcID) = 0;
};

}  // namespace quillix
