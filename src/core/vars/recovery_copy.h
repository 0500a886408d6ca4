// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery copy of an unsaved program document: what the window keeps in
// the home folder while the document has unsaved changes, so that a program
// that was killed, or a machine that lost power, loses at most the last
// seconds of work. A short header names the program (its place in the
// programs library; none for a new program) and the time it was written; the
// program follows as its Vars document.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillix {

class TCalcVars;

struct TRecoveryCopy {
    std::string ProgramName;     // the library's program; empty for a new one
    std::int64_t WrittenAt = 0;  // seconds since the epoch
    std::string Document;        // the Vars document
};

std::string RecoveryCopyText(const TRecoveryCopy& copy);
// Nothing, with *problem saying why, for a text that is no readable copy (its
// document is parsed, not yet read into a set).
std::optional<TRecoveryCopy> ParseRecoveryCopy(std::string_view text, std::string* problem);

// The copy of the program document as it is now.
TRecoveryCopy TakeRecoveryCopy(TCalcVars& document, std::int64_t now);

// "Quillix did not close normally. Restore the unsaved program 'X' from HH:MM?"
std::string RecoveryQuestion(const TRecoveryCopy& copy);
// The local time of day, "HH:MM".
std::string ClockTimeText(std::int64_t secondsSinceEpoch);

}  // namespace quillix
