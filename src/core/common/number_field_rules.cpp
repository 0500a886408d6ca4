// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number_field_rules.h"

#include <algorithm>

#include "common/number_text.h"

namespace quillix {

namespace {

constexpr char32_t kEnter = U'\r';

bool IsControlChar(char32_t ch) {
    return ch < 0x20 || ch == 0x7f;
}

bool IsDigit(char32_t ch) {
    return ch >= U'0' && ch <= U'9';
}

}  // namespace

bool IsNumberEditingChar(char32_t ch) {
    if (IsControlChar(ch)) return ch != kEnter;
    return IsDigit(ch) || ch == U'-' || ch == U'e' || ch == U'E' || ch == U'.';
}

bool NumberFieldAcceptsChar(std::u32string_view text, char32_t ch) {
    if (!IsNumberEditingChar(ch)) return false;
    const auto holds = [text](char32_t c) { return text.find(c) != std::u32string_view::npos; };
    if (ch == U'.') return !holds(U'.');
    if (ch == U'-') return !holds(U'-');
    if (ch == U'e' || ch == U'E') return !holds(U'e') && !holds(U'E');
    return true;
}

std::optional<long double> NumberFieldTextValue(std::string_view text) {
    if (text.empty() || text == "-") return 0.0L;
    const bool onlyNumberChars = std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '-' || c == 'e' || c == 'E' || c == '.';
    });
    if (!onlyNumberChars) return std::nullopt;
    const auto minus = text.find('-');
    if (minus != std::string_view::npos && (minus != 0 || text.find('-', 1) != text.npos))
        return std::nullopt;
    const auto point = text.find('.');
    if (point == 0 || (point != text.npos && text.find('.', point + 1) != text.npos))
        return std::nullopt;
    return ParseDecimal(text);
}

}  // namespace quillix
