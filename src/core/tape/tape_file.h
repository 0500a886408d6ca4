// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tape's file, "tape.xml" in the home folder: one "Line" element per line
// of the tape, oldest first, with its time, kind, number, shown value and
// formula as attributes. Written whole and atomically. A file that is not a
// tape as written here (broken XML, a line without its attributes, a folder
// or a device under the name, a file too large) is set aside under a new name
// with a line in the diagnostic log, and the lines that could be read are
// kept: starting never fails for a tape.

#include <string>
#include <vector>

#include "tape/tape.h"

namespace quillix {

inline constexpr const char* kTapeFileName = "tape.xml";
// A tape of kTapeLimit lines of the longest formulas stays far below this.
inline constexpr std::size_t kTapeFileSizeLimit = 16u << 20;

std::string TapeFilePath(const std::string& home);

struct TTapeFileRead {
    std::vector<TTapeEntry> Entries;  // oldest first
    // False when a damaged file could not be set aside: writing the tape would
    // then replace it, so it must stay as it is for this run.
    bool MayWrite = true;
    // The file was damaged and is now under another name.
    bool SetAside = false;
};

// Reads the tape file; no lines (and no message) when there is none.
TTapeFileRead ReadTapeFile(const std::string& path);

// The file's text for the lines of tape.
std::string TapeFileText(const TTape& tape);
// Writes the file atomically; false with *error set when it cannot be written.
bool WriteTapeFile(const std::string& path, const TTape& tape, std::string* error = nullptr);
// Removes the file; a file that is not there is no failure.
bool RemoveTapeFile(const std::string& path, std::string* error = nullptr);

}  // namespace quillix
