// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a value shows outside the keypad's display: the plain text of the
// display format (what quillix-cli prints), the text another program reads
// (Copy Value: every digit, never grouped, whatever the display format), and
// what a number field holds (a typed number, a variable, or a formula).

#include <string>

namespace quillix {

class TCalcValue;

// The value's plain display text: a number in the current display format, a
// date in square brackets, an error's message. Never grouped.
std::string ValuePlainText(const TCalcValue& value);

// The value for another program: a number with all its 18 significant digits
// in the general format ("1585.75783637...", "1E4000"), from the number the
// value holds even while the fixed format shows fewer decimals, never grouped;
// the general format's text of quillix-cli. A date is its short date without
// the brackets (a spreadsheet reads it as a date); an error its message.
std::string ValueCopyText(const TCalcValue& value);

// What a number field holds, so that it can show a picked variable or a
// computed formula apart from a typed number.
enum class TFieldContent {
    Number,     // a number without a formula (typed, pasted, or a date)
    Reference,  // a reference to a named variable: the field shows its value
    Formula,    // any other formula
};
TFieldContent FieldContentOf(const TCalcValue& value);

}  // namespace quillix
