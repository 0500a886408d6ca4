// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/untrusted_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace quillix {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

struct TSequence {
    std::size_t length;  // bytes taken: the whole sequence, or its broken start
    bool valid;
};

// The UTF-8 sequence at text[at], with the byte ranges of the standard's table
// (no overlong forms, no surrogates, nothing past U+10FFFF).
TSequence NextSequence(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {1, true};
    int more = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
    } else if (lead == 0xE0) {
        more = 2;
        low = 0xA0;
    } else if (lead == 0xED) {
        more = 2;
        high = 0x9F;
    } else if (lead >= 0xE1 && lead <= 0xEF) {
        more = 2;
    } else if (lead == 0xF0) {
        more = 3;
        low = 0x90;
    } else if (lead == 0xF4) {
        more = 3;
        high = 0x8F;
    } else if (lead >= 0xF1 && lead <= 0xF3) {
        more = 3;
    } else {
        return {1, false};
    }
    std::size_t length = 1;
    for (int i = 0; i < more; ++i, ++length) {
        if (at + length >= text.size()) return {length, false};
        const auto next = static_cast<unsigned char>(text[at + length]);
        if (next < low || next > high) return {length, false};
        low = 0x80;
        high = 0xBF;
    }
    return {length, true};
}

// C0 and DEL are one byte; C1 is U+0080-U+009F, "\xC2\x80" to "\xC2\x9F".
bool IsControlSequence(std::string_view sequence) {
    const auto first = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1) return first < 0x20 || first == 0x7F;
    return sequence.size() == 2 && first == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0;
}

// The length of the text's leading run of ASCII, which names and numbers
// mostly are whole: taken eight bytes at a time.
std::size_t AsciiLength(std::string_view text) {
    std::size_t at = 0;
    for (std::uint64_t eight; text.size() - at >= 8; at += 8) {
        std::memcpy(&eight, text.data() + at, 8);
        if (eight & 0x8080808080808080ULL) break;
    }
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80)
        ++at;
    return at;
}

// Calls visit(sequence, valid) for each sequence of the text in turn.
template <class Visit>
void ForEachSequence(std::string_view text, Visit visit) {
    for (std::size_t at = 0; at < text.size();) {
        const TSequence next = NextSequence(text, at);
        visit(text.substr(at, next.length), next.valid);
        at += next.length;
    }
}

std::string Escaped(std::string_view sequence) {
    char buffer[8];
    if (sequence.size() == 1) {
        std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned char>(sequence[0]));
    } else {
        std::snprintf(buffer, sizeof buffer, "\\u%04X",
                      0x80u + (static_cast<unsigned char>(sequence[1]) - 0x80u));
    }
    return buffer;
}

bool IsBlank(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    bool valid = true;
    ForEachSequence(text.substr(AsciiLength(text)),
                    [&valid](std::string_view, bool ok) { valid = valid && ok; });
    return valid;
}

std::string ValidUtf8(std::string_view text) {
    if (AsciiLength(text) == text.size()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    ForEachSequence(text, [&out](std::string_view sequence, bool valid) {
        out += valid ? sequence : kReplacement;
    });
    return out;
}

std::string TakeValidUtf8(std::string&& text) {
    if (IsValidUtf8(text)) return std::move(text);
    return ValidUtf8(std::string_view(text));
}

bool HasControlCharacter(std::string_view text) {
    const std::size_t ascii = AsciiLength(text);
    for (const char c : text.substr(0, ascii)) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    }
    bool found = false;
    ForEachSequence(text.substr(ascii), [&found](std::string_view sequence, bool valid) {
        found = found || (valid && IsControlSequence(sequence));
    });
    return found;
}

std::string VisibleText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    ForEachSequence(text, [&out](std::string_view sequence, bool valid) {
        if (!valid) {
            out += kReplacement;
        } else if (IsControlSequence(sequence)) {
            out += Escaped(sequence);
        } else {
            out += sequence;
        }
    });
    return out;
}

std::string VariableNameProblem(std::string_view name) {
    // Blanks (control characters among them) around a name are dropped where
    // the name is made; NUL is no blank, so it stays and is refused.
    std::string_view trimmed = name;
    while (!trimmed.empty() && IsBlank(trimmed.front()))
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && IsBlank(trimmed.back()))
        trimmed.remove_suffix(1);
    if (trimmed.empty()) return "A variable needs a name";
    if (!IsValidUtf8(trimmed))
        return "The variable name '" + VisibleText(trimmed) + "' is not valid UTF-8 text";
    if (HasControlCharacter(trimmed))
        return "The variable name '" + VisibleText(trimmed) + "' contains a control character";
    return {};
}

std::optional<std::size_t> FindNulCharacterReference(std::string_view xml) {
    for (std::size_t at = xml.find("&#"); at != std::string_view::npos;
         at = xml.find("&#", at + 2)) {
        std::size_t i = at + 2;
        const bool hex = i < xml.size() && (xml[i] == 'x' || xml[i] == 'X');
        if (hex) ++i;
        const std::size_t digits = i;
        while (i < xml.size() && xml[i] == '0')
            ++i;
        if (i > digits && i < xml.size() && xml[i] == ';') return at;
    }
    return std::nullopt;
}

bool LooksBinary(std::string_view text) {
    std::size_t binary = 0;
    ForEachSequence(text, [&binary](std::string_view sequence, bool valid) {
        if (!valid) {
            binary += sequence.size();
        } else if (sequence.size() == 1 && IsControlSequence(sequence) && sequence[0] != '\t' &&
                   sequence[0] != '\r' && sequence[0] != '\n') {
            ++binary;
        }
    });
    return !text.empty() && binary * 4 >= text.size();
}

}  // namespace quillix
