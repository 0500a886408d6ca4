// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/atomic_file.h"

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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat status {};
    std::optional<std::string> content;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        std::string text;
        text.resize(static_cast<std::size_t>(status.st_size));
        std::size_t filled = 0;
        bool failed = false;
        for (;;) {
            if (filled == text.size()) text.resize(text.size() + 4096);  // the file grew
            const ssize_t n = ::read(fd, text.data() + filled, text.size() - filled);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) failed = true;
            if (n <= 0) break;
            filled += static_cast<std::size_t>(n);
        }
        if (!failed) {
            text.resize(filled);
            content = std::move(text);
        }
    }
    ::close(fd);
    return content;
}

}  // namespace quillix
