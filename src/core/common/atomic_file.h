// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file writes that never leave a half-written file: the content goes to a
// temporary file in the same folder, which is then renamed over the target. If
// anything fails, the old file is untouched and the reason is returned.

#include <optional>
#include <string>
#include <string_view>

namespace quillix {

// Writes content to path atomically. Returns false and sets *error (when given)
// to a message naming the file and the reason on failure.
bool WriteFileAtomically(const std::string& path, std::string_view content,
                         std::string* error = nullptr);

// Reads a whole regular file; nothing if it cannot be opened or read, or is no
// regular file (a folder, a device, a FIFO: refused without waiting on it).
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace quillix
