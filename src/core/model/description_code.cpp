// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/description_code.h"

#include <algorithm>

namespace quillix {

namespace {

bool IsKeptAsIs(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    switch (c) {
        case '!':
        case '$':
        case '\'':
        case '(':
        case ')':
        case '*':
        case '-':
        case '.':
        case '@':
        case '_':
            return true;
        default:
            return false;
    }
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> Fail(std::string* error, std::string message) {
    if (error) *error = std::move(message);
    return std::nullopt;
}

}  // namespace

std::string EncodeDescription(std::string_view text) {
    std::string encoded(3 * text.size(), '\0');
    encoded.resize(
        static_cast<std::size_t>(EncodeDescriptionTo(encoded.data(), text) - encoded.data()));
    return encoded;
}

char* EncodeDescriptionTo(char* out, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsKeptAsIs(c)) {
            *out++ = ch;
        } else if (c == ' ') {
            *out++ = '+';
        } else {
            *out++ = '%';
            *out++ = kHex[c >> 4];
            *out++ = kHex[c & 0x0F];
        }
    }
    return out;
}

std::optional<std::string> DecodeDescription(std::string_view encoded, std::string* error) {
    // Most descriptions are words and digits: their blanks map in place.
    if (encoded.find('%') == std::string_view::npos) {
        std::string text(encoded);
        std::replace(text.begin(), text.end(), '+', ' ');
        return text;
    }
    std::string text;
    text.reserve(encoded.size());
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '+') {
            text += ' ';
            continue;
        }
        if (c != '%') {
            text += c;
            continue;
        }
        if (i + 1 < encoded.size() && encoded[i + 1] == '%') {
            text += '%';
            ++i;
            continue;
        }
        const auto position = [i] { return std::to_string(i + 1); };  // of the "%", from 1
        if (i + 2 >= encoded.size()) return Fail(error, kMsgDecodingUrlText + position());
        const int high = HexDigitValue(encoded[i + 1]);
        const int low = HexDigitValue(encoded[i + 2]);
        if (high < 0 || low < 0) {
            return Fail(error, std::string(kMsgInvalidUrlCharacter) + "%" +
                                   std::string(encoded.substr(i + 1, 2)) + ") at position " +
                                   position());
        }
        text += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return text;
}

}  // namespace quillix
