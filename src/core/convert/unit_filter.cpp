// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/unit_filter.h"

#include <string>

namespace quillix {

namespace {

bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool IsLetterOrDigit(char c) {
    return IsLower(c) || IsUpper(c) || (c >= '0' && c <= '9');
}

char Lowered(char c) {
    return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

// The letters and digits, in lower case. Other bytes (UTF-8 of a custom
// unit's name among them) are left out of the comparison.
std::string Folded(std::string_view text) {
    std::string folded;
    for (const char c : text) {
        if (IsLetterOrDigit(c)) folded += Lowered(c);
    }
    return folded;
}

// The first letter of each word: "MilesPerHour" and "miles per hour" give "mph".
std::string Initials(std::string_view name) {
    std::string initials;
    char previous = ' ';
    for (const char c : name) {
        const bool startsWord =
            IsLetterOrDigit(c) && (!IsLetterOrDigit(previous) || (IsUpper(c) && IsLower(previous)));
        if (startsWord) initials += Lowered(c);
        previous = c;
    }
    return initials;
}

bool InOrder(std::string_view name, std::string_view typed) {
    std::size_t at = 0;
    for (const char c : name) {
        if (at < typed.size() && c == typed[at]) ++at;
    }
    return at == typed.size();
}

}  // namespace

TUnitMatch MatchUnitName(std::string_view name, std::string_view typed) {
    const std::string wanted = Folded(typed);
    const std::string folded = Folded(name);
    if (folded.starts_with(wanted)) return TUnitMatch::Start;
    if (folded.find(wanted) != std::string::npos || Initials(name) == wanted) {
        return TUnitMatch::InitialsOrPart;
    }
    return InOrder(folded, wanted) ? TUnitMatch::Scattered : TUnitMatch::None;
}

}  // namespace quillix
