// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small pieces of the formula language that the reader scans: which
// characters make a name, how a number is spelled, the operator spellings with
// their levels, and the double-quoted form of a list element.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillix {

// A name starts with a letter, "_" or any non-ASCII character and goes on with
// those, digits and ".".
bool IsNameStart(char c);
bool IsNamePart(char c);
// Whether the whole text is spelled as such a name.
bool IsPlainName(std::string_view text);
// The end of the name that starts at pos.
std::size_t NameEnd(std::string_view text, std::size_t pos);

// The end of the number spelled at pos ("-" only when allowSign), or pos when
// none is: digits with an optional "." (or "." and digits) and an optional
// exponent "e"/"E", sign, digits.
std::size_t NumberEnd(std::string_view text, std::size_t pos, bool allowSign);

// An operator between two operands.
struct FormulaOperator {
    std::uint8_t code = 0;   // the operator code of the node (ccPlus, ...)
    int level = 0;           // the node's level
    std::size_t length = 0;  // characters of its spelling
};
// The binary operator spelled at pos: "+", "-", "*", "/", "^", the comparisons,
// or the words Mod, And, Or, Xor (any letter case, standing alone).
std::optional<FormulaOperator> OperatorAt(std::string_view text, std::size_t pos);
// The level of the node of an operator code.
int OperatorLevel(std::uint8_t code);
inline constexpr int kPowerLevel = 8;
inline constexpr int kProductLevel = 6;
inline constexpr int kSignLevel = 9;

// A list element in double quotes starting at pos: its text with doubled quotes
// made single, and for each of its characters the offset it came from.
struct QuotedText {
    std::string text;
    std::vector<std::size_t> origins;  // one per character, plus the closing quote
    std::size_t end = 0;               // just after the closing quote
};
// Nothing when the closing quote is missing.
std::optional<QuotedText> ReadQuoted(std::string_view text, std::size_t pos);

// The 1-based character position of a byte offset of UTF-8 text.
std::size_t ColumnOf(std::string_view text, std::size_t offset);

}  // namespace quillix
