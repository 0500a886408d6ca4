// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_values.h"
#include "common/text_compare.h"

#include <cstdint>
#include <limits>

namespace quillix {

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

bool StartsWithHexPrefix(std::string_view text, std::size_t& prefixLength) {
    if (!text.empty() && text[0] == '$') {
        prefixLength = 1;
        return true;
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        prefixLength = 2;
        return true;
    }
    return false;
}

}  // namespace

std::string_view TrimIniBlanks(std::string_view text) {
    return TrimAny(text, " \t");
}

std::optional<int> ParseIniInteger(std::string_view text) {
    text = TrimIniBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    std::size_t prefixLength = 0;
    if (StartsWithHexPrefix(text, prefixLength)) {
        base = 16;
        text.remove_prefix(prefixLength);
    }
    if (text.empty()) return std::nullopt;
    // The magnitude may reach 2^31 for the most negative int; stop well before
    // the 64-bit accumulator could overflow.
    const std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        const int digit = DigitValue(c);
        if (digit >= base) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

std::string IniIntegerText(int value) {
    return std::to_string(value);
}

std::optional<bool> ParseIniBool(std::string_view text) {
    const std::optional<int> value = ParseIniInteger(text);
    if (!value) return std::nullopt;
    return *value != 0;
}

}  // namespace quillix
