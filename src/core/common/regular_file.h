// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the files the program reads (programs, functions, settings, units,
// remembered parameters, skins and their images): only regular files, and
// never a wait while finding out. A FIFO or a device under a file's name would
// otherwise hold the caller in open() or read() for good; such a path is
// refused with "Cannot read "<path>": Not a regular file".

#include <cstddef>
#include <optional>
#include <string>

namespace quillix {

// No limit on the size of a file read whole.
inline constexpr std::size_t kNoSizeLimit = static_cast<std::size_t>(-1);

// The message for a path that is no regular file.
std::string NotRegularFileText(const std::string& path);

// Why path cannot be read as a regular file, found with stat() alone (no open,
// so nothing can block); none when it is a regular file (a link to one counts).
std::optional<std::string> RegularFileProblem(const std::string& path);

// Opens a regular file for reading: opened without waiting (O_NONBLOCK), then
// checked with fstat, then switched back to ordinary reads. The descriptor, or
// -1 with *error (when given) saying why.
int OpenRegularFile(const std::string& path, std::string* error = nullptr);

// The whole content of a regular file of at most maxSize bytes; none with
// *error set when it cannot be opened, is no regular file, is larger, or
// cannot be read.
std::optional<std::string> ReadRegularFile(const std::string& path, std::string* error = nullptr,
                                           std::size_t maxSize = kNoSizeLimit);

}  // namespace quillix
