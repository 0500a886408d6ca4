// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/atomic_file.h"

#include "common/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace quillix {

namespace {

bool Fail(std::string* error, const std::string& path, int code) {
    if (error) *error = "Cannot write \"" + path + "\": " + std::strerror(code);
    return false;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string* error) {
    std::vector<char> pattern(path.begin(), path.end());
    const char suffix[] = ".tmp-XXXXXX";
    pattern.insert(pattern.end(), suffix, suffix + sizeof suffix);  // with the NUL
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return Fail(error, path, errno);
    const std::string temp(pattern.data());

    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
    int code = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Fail(error, path, code);
    }
    return true;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    return ReadRegularFile(path);
}

}  // namespace quillix
