// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number_field_rules.h"

#include <algorithm>

#include "common/number_text.h"

namespace quillix {

namespace {

bool IsControlChar(char32_t ch) {
    return ch < 0x20 || ch == 0x7f;
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// The characters, the single leading "-" and the single "." not in front: what
// a field's text must keep to to be read at all.
bool KeepsTheNumberRules(std::string_view text) {
    const bool onlyNumberChars = std::all_of(text.begin(), text.end(), [](char c) {
        return IsDigit(c) || c == '-' || c == 'e' || c == 'E' || c == '.';
    });
    if (!onlyNumberChars) return false;
    const auto minus = text.find('-');
    if (minus != std::string_view::npos && (minus != 0 || text.find('-', 1) != text.npos))
        return false;
    const auto point = text.find('.');
    return point != 0 && (point == text.npos || text.find('.', point + 1) == text.npos);
}

// Digits, an optional fraction and an optional exponent with digits: nothing
// left to type for the text to be a number.
bool IsCompleteNumberText(std::string_view text) {
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const auto digits = [&text, &at] {
        const std::size_t start = at;
        while (at < text.size() && IsDigit(text[at]))
            ++at;
        return at - start;
    };
    if (digits() == 0) return false;
    if (at < text.size() && text[at] == '.') {
        ++at;
        digits();
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (digits() == 0) return false;
    }
    return at == text.size();
}

}  // namespace

TFieldKey FieldKeyOfChar(char32_t ch) {
    return IsControlChar(ch) ? TFieldKey::PassingKey : TFieldKey::Character;
}

bool KeyStartsPlainNumber(TFieldKey key, char32_t ch) {
    switch (key) {
        case TFieldKey::EditingKey:
            return true;
        case TFieldKey::Character:
            return IsNumberEditingChar(ch);
        case TFieldKey::PassingKey:
            break;
    }
    return false;
}

bool IsNumberEditingChar(char32_t ch) {
    return (ch >= U'0' && ch <= U'9') || ch == U'-' || ch == U'e' || ch == U'E' || ch == U'.';
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
    if (!KeepsTheNumberRules(text)) return std::nullopt;
    return ParseDecimal(text);
}

std::optional<std::string> NumberFieldConversionProblem(std::string_view text) {
    if (!KeepsTheNumberRules(text) || !IsCompleteNumberText(text) || ParseDecimal(text))
        return std::nullopt;
    return "'" + std::string(text) + "' is not a valid floating point value";
}

}  // namespace quillix
