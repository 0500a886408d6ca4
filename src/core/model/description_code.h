// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The encoding of description texts inside the calculation XML: form-URL style,
// byte by byte. Letters, digits and ! $ ' ( ) * - . @ _ stay, a blank becomes
// "+", every other byte "%XX" (upper-case hexadecimal), so a description keeps
// its line breaks and any bytes through a file.

#include <optional>
#include <string>
#include <string_view>

namespace quillix {

std::string EncodeDescription(std::string_view text);
// The same written to out, which has room for three bytes per byte of text;
// the end of what was written.
char* EncodeDescriptionTo(char* out, std::string_view text);

// Reverses the encoding: "+" is a blank, "%XX" (either case) that byte, "%%" a
// "%", any other character itself. Nothing, with *error set, for a "%" not
// followed by two characters or by two that are not hexadecimal digits; the
// position in the message is the 1-based position of that "%".
std::optional<std::string> DecodeDescription(std::string_view encoded,
                                             std::string* error = nullptr);

inline constexpr const char* kMsgDecodingUrlText =
    "Error decoding URL style (%XX) encoded string at position ";
inline constexpr const char* kMsgInvalidUrlCharacter = "Invalid URL encoded character (";

}  // namespace quillix
