// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the library folders' own sources share about the disk: the reason
// texts of failed operations and the closing of listed directories.

#include <dirent.h>

#include <cstring>
#include <string>

namespace quillix::library_disk {

struct DirectoryCloser {
    void operator()(DIR* directory) const { ::closedir(directory); }
};

inline bool Fail(std::string* reason, const std::string& text) {
    if (reason) *reason = text;
    return false;
}

template <typename T>
T* FailNull(std::string* reason, const std::string& text) {
    Fail(reason, text);
    return nullptr;
}

inline std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

inline std::string SystemReason(int code) {
    return std::strerror(code);
}

}  // namespace quillix::library_disk
