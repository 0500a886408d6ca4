// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/library_names.h"
#include "common/text_compare.h"

namespace quillix {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Upper case of a code point below U+0800 (every letter mapped here and its upper
// case fit in two UTF-8 bytes); other code points map to themselves.
char32_t UpperCodePoint(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // Latin-1, not the division sign
    if (c == 0xFF) return 0x178;                               // y with diaeresis
    if (c == 0x131) return U'I';                               // dotless i
    // Latin Extended-A pairs its letters: upper case first, lower case second, with
    // the pairs shifted by one between U+0139 and U+0148 and from U+0179 on.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return (c & 1) ? c - 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c : c - 1;
    if (c == 0x3C2) return 0x3A3;  // final sigma
    if (c == 0x3AC) return 0x386;  // Greek with tonos
    if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
    if (c == 0x3CC) return 0x38C;
    if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
    if (c >= 0x3B1 && c <= 0x3C9) return c - 0x20;  // Greek
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;  // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;  // Cyrillic with marks
    return c;
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

void AppendCodePoint(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

bool Refuse(std::string* reason, const std::string& text) {
    if (reason) *reason = text;
    return false;
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    return std::string(TrimIf(text, IsBlank));
}

std::string UpperCaseName(std::string_view text) {
    // Names are mostly ASCII, whose letters map in place.
    std::string out(text);
    std::size_t i = 0;
    for (; i < out.size() && static_cast<unsigned char>(out[i]) < 0x80; ++i) {
        if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 0x20);
    }
    if (i == out.size()) return out;
    out.resize(i);
    for (; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead >= 'a' && lead <= 'z' ? lead - 0x20 : lead);
        } else if (lead >= 0xC2 && lead <= 0xDF && i + 1 < text.size() &&
                   IsContinuation(static_cast<unsigned char>(text[i + 1]))) {
            const char32_t c = (static_cast<char32_t>(lead & 0x1F) << 6) |
                               (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            AppendCodePoint(out, UpperCodePoint(c));
            ++i;
        } else {
            out += text[i];  // longer sequences and stray bytes: no case to map
        }
    }
    return out;
}

std::string NameKey(std::string_view name) {
    return UpperCaseName(TrimIf(name, IsBlank));
}

bool SameName(std::string_view a, std::string_view b) {
    return NameKey(a) == NameKey(b);
}

bool CheckLibraryName(std::string_view name, std::string* reason) {
    const std::string trimmed = TrimBlanks(name);
    if (trimmed.empty()) return Refuse(reason, "The name cannot be empty");
    if (trimmed.find('\0') != std::string::npos)
        return Refuse(reason, "The name cannot contain a NUL character");
    if (trimmed == "." || trimmed == "..")
        return Refuse(reason, "The name '" + trimmed + "' is not allowed");
    for (const char forbidden : {'/', '\\'}) {
        if (trimmed.find(forbidden) != std::string::npos)
            return Refuse(reason, "The name '" + trimmed + "' cannot contain '" +
                                      std::string(1, forbidden) + "'");
    }
    return true;
}

}  // namespace quillix
