// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formula_tokens.h"

#include "common/text_compare.h"
#include "model/calc_commands.h"

namespace quillix {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t DigitsEnd(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

struct Spelling {
    std::string_view text;
    std::uint8_t code;
    bool word;
};

// Longer spellings first, so "<=" is not read as "<".
constexpr Spelling kSpellings[] = {
    {"==", ccEqual, false},    {"<=", ccLessEqual, false}, {">=", ccGreaterEqual, false},
    {"<>", ccNotEqual, false}, {"<", ccLess, false},       {">", ccGreater, false},
    {"+", ccPlus, false},      {"-", ccMinus, false},      {"*", ccMultiply, false},
    {"/", ccDivide, false},    {"^", ccPower, false},      {"Mod", ccMod, true},
    {"And", ccAnd, true},      {"Or", ccOr, true},         {"Xor", ccXor, true},
};

}  // namespace

bool IsNameStart(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || u >= 0x80;
}

bool IsNamePart(char c) {
    return IsNameStart(c) || IsDigit(c) || c == '.';
}

bool IsPlainName(std::string_view text) {
    return !text.empty() && IsNameStart(text[0]) && NameEnd(text, 0) == text.size();
}

std::size_t NameEnd(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || !IsNameStart(text[pos])) return pos;
    while (pos < text.size() && IsNamePart(text[pos]))
        ++pos;
    return pos;
}

std::size_t NumberEnd(std::string_view text, std::size_t pos, bool allowSign) {
    const std::size_t start = pos;
    if (allowSign && pos < text.size() && text[pos] == '-') ++pos;
    const std::size_t intEnd = DigitsEnd(text, pos);
    std::size_t end = intEnd;
    bool digits = intEnd > pos;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fracEnd = DigitsEnd(text, end + 1);
        digits = digits || fracEnd > end + 1;
        end = fracEnd;
    }
    if (!digits) return start;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exp = end + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
        const std::size_t expEnd = DigitsEnd(text, exp);
        if (expEnd > exp) end = expEnd;
    }
    return end;
}

std::optional<FormulaOperator> OperatorAt(std::string_view text, std::size_t pos) {
    const std::string_view rest = text.substr(pos);
    for (const Spelling& spelling : kSpellings) {
        if (rest.size() < spelling.text.size()) continue;
        const std::string_view head = rest.substr(0, spelling.text.size());
        if (spelling.word) {
            if (!EqualsIgnoreAsciiCase(head, spelling.text)) continue;
            if (rest.size() > head.size() && IsNamePart(rest[head.size()])) continue;
        } else if (head != spelling.text) {
            continue;
        }
        return FormulaOperator{spelling.code, OperatorLevel(spelling.code), spelling.text.size()};
    }
    return std::nullopt;
}

int OperatorLevel(std::uint8_t code) {
    switch (code) {
        case ccPlus:
        case ccMinus:
            return 4;
        case ccMultiply:
        case ccDivide:
            return kProductLevel;
        case ccPower:
            return kPowerLevel;
        case ccMod:
            return 5;
        case ccAnd:
        case ccOr:
        case ccXor:
            return 3;
        default:
            return 2;  // the comparisons
    }
}

std::optional<QuotedText> ReadQuoted(std::string_view text, std::size_t pos) {
    QuotedText quoted;
    for (std::size_t i = pos + 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
                quoted.text += '"';
                quoted.origins.push_back(i);
                ++i;
                continue;
            }
            quoted.origins.push_back(i);
            quoted.end = i + 1;
            return quoted;
        }
        quoted.text += text[i];
        quoted.origins.push_back(i);
    }
    return std::nullopt;
}

std::size_t ColumnOf(std::string_view text, std::size_t offset) {
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++column;
    }
    return column;
}

}  // namespace quillix
