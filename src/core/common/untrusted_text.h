// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text from outside the program (files, the command line) on its way into the
// calculator and out to a terminal or to JSON. Names must not carry what could
// forge an output line or break its encoding, and text read from a file is
// made valid UTF-8 before it is kept. Control characters here are C0
// (U+0000-U+001F), DEL (U+007F) and C1 (U+0080-U+009F).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillix {

bool IsValidUtf8(std::string_view text);
// Each invalid UTF-8 sequence (its longest broken start) becomes U+FFFD; valid
// text comes back unchanged.
std::string ValidUtf8(std::string_view text);
// The same for a text of its own, kept without a copy when it is valid.
std::string TakeValidUtf8(std::string&& text);
// True when the (UTF-8) text holds a control character.
bool HasControlCharacter(std::string_view text);
// For text output: ValidUtf8, then each control character as a visible escape,
// "\x0A" for C0 and DEL, "\u0085" for C1.
std::string VisibleText(std::string_view text);

// Why the text cannot be a variable name (it has no characters once trimmed of
// blanks, holds a control character or is not valid UTF-8); empty when it can.
std::string VariableNameProblem(std::string_view name);

// The offset of the first XML character reference to NUL ("&#0;", "&#x00;"),
// which would cut a text short where it stands; none when there is none.
std::optional<std::size_t> FindNulCharacterReference(std::string_view xml);

// True when at least a quarter of the bytes are not text: NUL and other control
// characters but tab, CR and LF, and bytes of invalid UTF-8.
bool LooksBinary(std::string_view text);

}  // namespace quillix
