// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the settings files write and read numbers and truth values: integers in
// decimal, read back in decimal or in hexadecimal after "0x", "0X" or "$";
// booleans as "1" and "0", read as true for any integer other than 0.

#include <optional>
#include <string>
#include <string_view>

namespace quillix {

// The text without its leading and trailing blanks (spaces and tabs).
std::string_view TrimIniBlanks(std::string_view text);

// An integer with optional outer blanks and sign: decimal digits, or hexadecimal
// digits after "0x", "0X" or "$". Nothing for any other text or for a value
// outside the range of int.
std::optional<int> ParseIniInteger(std::string_view text);

std::string IniIntegerText(int value);
inline std::string IniBoolText(bool value) {
    return value ? "1" : "0";
}

// True for any integer other than 0, nothing when the text is not an integer.
std::optional<bool> ParseIniBool(std::string_view text);

}  // namespace quillix
