// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/keypad_key_map.h"

#include <string_view>

#include "model/calc_commands.h"

namespace quillix {
namespace {

struct TCharCommand {
    char Char;
    std::uint8_t Code;
};

// The characters of the operator buttons, whatever key types them.
constexpr TCharCommand kCharCommands[] = {
    {'+', ccPlus},   {'-', ccMinus},        {'*', ccMultiply},  {'/', ccDivide},
    {'^', ccPower},  {'%', ccPercent},      {'(', ccOpenParen}, {')', ccCloseParen},
    {'=', ccEquals}, {'.', ccDecimalPoint},
};

std::optional<std::uint8_t> CharCommand(std::string_view text) {
    if (text.size() != 1) return std::nullopt;
    for (const TCharCommand& entry : kCharCommands)
        if (entry.Char == text.front()) return entry.Code;
    return std::nullopt;
}

std::uint8_t DigitCommand(int digit) {
    return static_cast<std::uint8_t>(ccDigit0 + digit);
}

bool IsDigitText(std::string_view text) {
    return text.size() == 1 && text.front() >= '0' && text.front() <= '9';
}

// A digit of the main keyboard. The typed character decides where there is one,
// so a layout that needs Shift for digits still types them; without a text the
// physical rule holds: Shift+9 and Shift+0 are the parentheses.
std::optional<std::uint8_t> MainDigitCommand(const TKeyStroke& stroke) {
    if (IsDigitText(stroke.Text)) return DigitCommand(stroke.Text.front() - '0');
    if (!stroke.Text.empty()) return CharCommand(stroke.Text);
    if (!stroke.Shift) return DigitCommand(stroke.Digit);
    if (stroke.Digit == 9) return ccOpenParen;
    if (stroke.Digit == 0) return ccCloseParen;
    return std::nullopt;
}

// The stack's keys, beside the keys above (which keep their meaning).
std::optional<std::uint8_t> StackKeyCommand(const TKeyStroke& stroke) {
    if (!stroke.StackKeys || stroke.Alt) return std::nullopt;
    const bool ctrlOnly = stroke.Ctrl && !stroke.Shift;
    const bool plain = !stroke.Ctrl && !stroke.Shift;
    if (stroke.Key == TKeyName::LetterX && ctrlOnly) return ccSwapXY;
    if (stroke.Key == TKeyName::PageDown && plain) return ccRollDown;
    if (stroke.Key == TKeyName::Backspace && ctrlOnly) return ccDrop;
    if (stroke.Key == TKeyName::Enter && stroke.Shift && !stroke.Ctrl) return ccLastX;
    return std::nullopt;
}

std::optional<std::uint8_t> NamedKeyCommand(const TKeyStroke& stroke) {
    switch (stroke.Key) {
        case TKeyName::Digit:
            if (stroke.Digit < 0 || stroke.Digit > 9) return std::nullopt;
            if (stroke.Keypad) return DigitCommand(stroke.Digit);
            return MainDigitCommand(stroke);
        case TKeyName::Escape:
            return ccClear;
        case TKeyName::Enter:
            if (!stroke.Shift) return ccEquals;
            return std::nullopt;
        case TKeyName::Backspace:
            if (!stroke.Shift) return ccBackspace;
            return std::nullopt;
        case TKeyName::Delete:
            if (!stroke.Shift) return ccClear;
            return std::nullopt;
        case TKeyName::F9:
            if (!stroke.Shift) return ccChangeSign;
            return std::nullopt;
        case TKeyName::LetterE:
            if (!stroke.Shift) return ccExponent;
            return std::nullopt;
        default:
            break;
    }
    // The keypad's decimal key types the locale's separator; it is always the point.
    if (stroke.Keypad && (stroke.Text == "." || stroke.Text == ",")) return ccDecimalPoint;
    return CharCommand(stroke.Text);
}

}  // namespace

std::optional<std::uint8_t> KeyCommand(const TKeyStroke& stroke) {
    if (const auto stackCode = StackKeyCommand(stroke)) return stackCode;
    // Ctrl+Alt is how AltGr arrives on some systems: it types characters.
    const bool altGr = stroke.Ctrl && stroke.Alt;
    if (altGr) return CharCommand(stroke.Text);
    if (stroke.Ctrl) {
        if (stroke.Shift) return std::nullopt;
        if (stroke.Key == TKeyName::LetterC) return ccCopy;
        if (stroke.Key == TKeyName::LetterV) return ccPaste;
        return std::nullopt;
    }
    // Alt combinations belong to the menus' access keys.
    if (stroke.Alt) return std::nullopt;
    return NamedKeyCommand(stroke);
}

bool TypesIntoFormula(const TKeyStroke& stroke) {
    const bool altGr = stroke.Ctrl && stroke.Alt;
    if ((stroke.Ctrl || stroke.Alt) && !altGr) return false;
    if (stroke.Text.empty()) return false;
    // Control characters (Enter, Backspace, Escape, Tab, Delete) stay the keypad's.
    for (const char c : stroke.Text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
    return true;
}

}  // namespace quillix
