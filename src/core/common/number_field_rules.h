// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The typing rules of the number field of the tool windows and dialogs (the
// drop-down calculator box): which keys start a plain number, which typed
// characters it accepts, and which of its texts become its number. "." is the
// decimal separator.

#include <optional>
#include <string>
#include <string_view>

namespace quillix {

// What a key does in a number field, as the window reads its key event.
enum class TFieldKey {
    Character,   // a printable character typed into the text
    EditingKey,  // Backspace, Delete, cut, paste, undo, redo and the deleting shortcuts
    PassingKey,  // Tab, Backtab, Escape, Enter, copy, select-all, navigation, other shortcuts
};

// The kind of a key that is no shortcut and produced the text ch: a printable
// character is typed; a control character (Tab, Enter, Escape) passes.
TFieldKey FieldKeyOfChar(char32_t ch);

// Whether the key turns a field that holds a date, an error or a formula into a
// plain number before it acts: a number character typed or an editing key
// does; a passing key leaves the value as it is (a date stays a date when the
// user tabs past it or selects all).
bool KeyStartsPlainNumber(TFieldKey key, char32_t ch);

// The printable characters of a number: digits, "-", "e", "E" and ".".
bool IsNumberEditingChar(char32_t ch);

// Whether a number field whose text is text accepts the character ch typed
// into it: only number characters, at most one ".", one "-" and one exponent
// letter.
bool NumberFieldAcceptsChar(std::u32string_view text, char32_t ch);

// The number a field's text stands for: 0 for the empty text and "-"; nothing
// for a text that is not (yet) a whole number, which leaves the field's number
// as it was ("1e" while an exponent is typed, "5-", "1e-5").
std::optional<long double> NumberFieldTextValue(std::string_view text);

// Why a complete number text gives no number: it lies beyond the extended
// range ("'1e9999' is not a valid floating point value"). None for a text that
// converts, and for one that is merely unfinished or no number text at all.
std::optional<std::string> NumberFieldConversionProblem(std::string_view text);

}  // namespace quillix
