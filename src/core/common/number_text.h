// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number texts: the general and fixed display formats, digit grouping, the
// 15-digit form used in files, and a strict decimal reader. "." is always the
// decimal point; nothing here depends on the process locale.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillix {

// At most `precision` significant digits, trailing zeros dropped. Plain notation
// when the decimal exponent e (value = 0.d1d2... x 10^e) lies in -3..precision,
// otherwise scientific: "1.5E20", "1E-05", the exponent with at least
// `minExpDigits` digits (no padding when minExpDigits exceeds 4).
// Infinities are "INF" / "-INF", not-a-number "NAN".
std::string FormatFloatGeneral(long double x, int precision, int minExpDigits);

// Exactly `decimals` decimals (at most 18) with at most `precision` significant
// digits; a value whose integer part needs more than `precision` digits is shown
// in the scientific notation of the general format.
std::string FormatFloatFixed(long double x, int decimals, int precision, int minExpDigits);

// Inserts "," between groups of three integer digits, keeping a leading sign and
// everything from the first ".", "E" or "e" on: -1234.5 becomes -1,234.5.
std::string GroupDigits(std::string_view text);

// The short form of the files: the number as a double with 15 significant digits,
// plain for exponents -3..15, otherwise "1E20", "1E-5".
std::string FormatFloat15(double x);

// The number text of the files. A number in the normal range of a double is
// written as FormatFloat15 writes that double, so files stay as they always
// were; a finite number beyond that range (which the double would lose or
// blur) gets the fewest digits, 15 to 21, that ParseDecimal reads back as the
// same extended number. Infinities and not-a-number as in FormatFloatGeneral.
std::string FormatFloatStored(long double x);
// FormatFloatStored written to out, which has room for kMaxStoredNumberLength
// bytes; the end of the text. Numbers in the normal range of a double are
// written without building strings on the way.
inline constexpr std::size_t kMaxStoredNumberLength = 48;
char* WriteFloatStored(char* out, long double x);

// Reads a whole decimal text: optional sign, digits with an optional ".", an
// optional exponent ("e" or "E", optional sign, digits). No blanks, no
// hexadecimal. With allowSpecial, "INF", "-INF" and "NAN" (any letter case)
// are accepted too. Nothing for any other text or a value outside the range of
// the extended type (a value too small becomes 0 or a denormal).
std::optional<long double> ParseDecimal(std::string_view text, bool allowSpecial = false);

}  // namespace quillix
