// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which command a key typed in the keypad's window sends: the digits, operators
// and editing keys of the numeric keypad and the main keyboard, the characters
// of the operator buttons on any layout, and copy and paste. A pure mapping,
// free of any widget set; the hot-key filter turns its key events into strokes.

#include <cstdint>
#include <optional>
#include <string>

namespace quillix {

// The keys the mapping tells apart by identity; every other key is known only
// by the text it types.
enum class TKeyName : std::uint8_t {
    Other,
    Digit,  // 0 to 9, on the main keyboard or the numeric keypad
    LetterE,
    LetterC,
    LetterV,
    LetterX,
    F9,
    Enter,  // Return or the keypad's Enter
    Backspace,
    Delete,
    Escape,
    PageDown,
};

struct TKeyStroke {
    TKeyName Key = TKeyName::Other;
    int Digit = 0;        // for TKeyName::Digit
    bool Keypad = false;  // the key lies on the numeric keypad
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
    std::string Text;  // what the key typed (UTF-8), empty when nothing
    // The stack's own keys (Ctrl+X x<->y, Page Down R-down, Ctrl+Backspace
    // Drop, Shift+Enter LastX) are live: only in Stack-style RPN, so that
    // elsewhere these keys stay with whoever else wants them.
    bool StackKeys = false;
};

// The command code of the stroke (ccCopy and ccPaste for Ctrl+C and Ctrl+V), or
// none when the keypad leaves the key alone.
std::optional<std::uint8_t> KeyCommand(const TKeyStroke& stroke);

// With the keyboard set to typed formulas: the stroke types a character of a
// formula (a digit, a letter, an operator, a blank; also through AltGr), which
// goes to the formula field rather than to the keypad's keys.
bool TypesIntoFormula(const TKeyStroke& stroke);

}  // namespace quillix
