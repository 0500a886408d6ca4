// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names of programs, user functions and their library folders: how they compare
// (trimmed of blanks and without regard to letter case) and which names may become
// a file or folder name inside a library. A name that passes CheckLibraryName can
// never reach outside the folder it is joined to.

#include <string>
#include <string_view>

namespace quillix {

// The text without the leading and trailing blanks (every character up to and
// including the space, as control characters count as blanks too).
std::string TrimBlanks(std::string_view text);

// The text in upper case: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic
// letters of UTF-8 text are mapped; every other byte is kept as it is.
std::string UpperCaseName(std::string_view text);

// The form in which names compare: trimmed, then upper-cased.
std::string NameKey(std::string_view name);

// Whether two names are the same name (equal NameKey).
bool SameName(std::string_view a, std::string_view b);

// Whether the name, once trimmed, may name a file or folder of a library: not
// empty, not "." or "..", and without "/", "\" or a NUL character. On refusal
// *reason (when given) says why, e.g. "The name 'a/b' cannot contain '/'".
bool CheckLibraryName(std::string_view name, std::string* reason = nullptr);

}  // namespace quillix
