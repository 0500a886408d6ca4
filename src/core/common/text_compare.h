// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small text helpers every area uses: trimming a given set of blank characters
// and comparing names without regard to the case of ASCII letters. Each caller
// keeps its own idea of a blank (an INI value, an XML attribute, a unit name).

#include <string_view>

namespace quillix {

// The text without the leading and trailing characters for which isBlank holds.
template <class IsBlank>
std::string_view TrimIf(std::string_view text, IsBlank isBlank) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text without the leading and trailing characters found in blanks.
inline std::string_view TrimAny(std::string_view text, std::string_view blanks) {
    return TrimIf(text, [blanks](char c) { return blanks.find(c) != std::string_view::npos; });
}

inline char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// Equal but for the case of ASCII letters.
inline bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    }
    return true;
}

}  // namespace quillix
