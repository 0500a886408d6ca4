// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file writes that never leave a half-written file: the content goes to a
// temporary file in the same folder, which is then renamed over the target. If
// anything fails, the old file is untouched, no temporary file stays and the
// reason is returned. A write through a symbolic link replaces the file the
// link leads to (the link stays a link). A file the user may not write is never
// replaced, although the rename could go around its permission: for an ordinary
// user the system decides (its permission bits and access lists); for root,
// whom the system lets write anything, a file without any write permission bit
// (mode 0444) counts as read-only, and so does a folder without one, as an
// editor would warn.

#include <optional>
#include <string>
#include <string_view>

namespace quillix {

// Writes content to path atomically. Returns false and sets *error (when given)
// to a message naming the file and the reason on failure.
bool WriteFileAtomically(const std::string& path, std::string_view content,
                         std::string* error = nullptr);

// Adds content at the end of the file at path (created when missing; never
// through a link, as a log may sit in a shared folder). A write that fails
// part way is taken back, so the file ends with its last whole piece. False
// with *error set on failure.
bool AppendToFile(const std::string& path, std::string_view content, std::string* error = nullptr);

// Reads a whole regular file; nothing if it cannot be opened or read, or is no
// regular file (a folder, a device, a FIFO: refused without waiting on it).
std::optional<std::string> ReadWholeFile(const std::string& path);

// The test seam of the writes above: the nth call (from 1) of one step, and
// every later one, fails with the error number given (ENOSPC for a full disk,
// EROFS, EIO); nth 0 removes the fault of that step.
enum class TWriteStep { Create, Write, Sync, Rename };
void InjectWriteFault(TWriteStep step, int nth, int error);

}  // namespace quillix
