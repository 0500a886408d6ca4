// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The typing rules of the number field of the tool windows and dialogs (the
// drop-down calculator box): which typed characters it accepts, and which of
// its texts become its number. "." is the decimal separator.

#include <optional>
#include <string_view>

namespace quillix {

// Characters that edit a number: digits, "-", "e", "E", "." and the control
// characters other than Enter (backspace, the editing shortcuts).
bool IsNumberEditingChar(char32_t ch);

// Whether a number field whose text is text accepts ch typed into it: only
// editing characters, at most one ".", one "-" and one exponent letter.
bool NumberFieldAcceptsChar(std::u32string_view text, char32_t ch);

// The number a field's text stands for: 0 for the empty text and "-"; nothing
// for a text that is not (yet) a whole number, which leaves the field's number
// as it was ("1e" while an exponent is typed, "5-", "1e-5").
std::optional<long double> NumberFieldTextValue(std::string_view text);

}  // namespace quillix
