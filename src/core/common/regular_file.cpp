// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace quillix {

namespace {

std::string CannotRead(const std::string& path, const std::string& reason) {
    return "Cannot read \"" + path + "\": " + reason;
}

int Fail(std::string* error, const std::string& text) {
    if (error) *error = text;
    return -1;
}

std::string KindProblem(const std::string& path, mode_t mode) {
    if (S_ISDIR(mode)) return CannotRead(path, std::strerror(EISDIR));
    return NotRegularFileText(path);
}

class TDescriptor {
  public:
    explicit TDescriptor(int fd) : fd_(fd) {}
    ~TDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

enum class TReadOutcome { Read, TooLarge, Failed };

// Reads to the end: a file may grow or shrink while it is read. Past the size
// the file had, the end is found with a small read, so that the text grows
// (and is copied) only when the file did.
TReadOutcome ReadAll(int fd, std::size_t expected, std::size_t maxSize, std::string& text) {
    text.resize(expected);
    std::size_t filled = 0;
    for (;;) {
        if (filled == text.size()) {
            char more[4096];
            const std::size_t left = maxSize - filled;
            // At the limit, one byte more is too much.
            const std::size_t room = left < sizeof more ? left + 1 : sizeof more;
            const ssize_t n = ::read(fd, more, room);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return TReadOutcome::Failed;
            if (n == 0) break;
            if (static_cast<std::size_t>(n) > left) return TReadOutcome::TooLarge;
            text.append(more, static_cast<std::size_t>(n));
            filled += static_cast<std::size_t>(n);
            continue;
        }
        const ssize_t n = ::read(fd, text.data() + filled, text.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return TReadOutcome::Failed;
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    text.resize(filled);
    return TReadOutcome::Read;
}

}  // namespace

std::string NotRegularFileText(const std::string& path) {
    return CannotRead(path, "Not a regular file");
}

std::optional<std::string> RegularFileProblem(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return CannotRead(path, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) return KindProblem(path, info.st_mode);
    return std::nullopt;
}

int OpenRegularFile(const std::string& path, std::string* error) {
    TDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) return Fail(error, CannotRead(path, std::strerror(errno)));
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) return Fail(error, CannotRead(path, std::strerror(errno)));
    if (!S_ISREG(info.st_mode)) return Fail(error, KindProblem(path, info.st_mode));
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return Fail(error, CannotRead(path, std::strerror(errno)));
    return fd.Release();
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::string* error,
                                           std::size_t maxSize) {
    const TDescriptor fd(OpenRegularFile(path, error));
    if (fd.Get() < 0) return std::nullopt;
    const std::string tooLarge =
        CannotRead(path, "Larger than " + std::to_string(maxSize) + " bytes");
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        Fail(error, CannotRead(path, std::strerror(errno)));
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size > maxSize) {
        Fail(error, tooLarge);
        return std::nullopt;
    }
    std::string text;
    switch (ReadAll(fd.Get(), size, maxSize, text)) {
        case TReadOutcome::Read:
            return text;
        case TReadOutcome::TooLarge:
            Fail(error, tooLarge);
            return std::nullopt;
        case TReadOutcome::Failed:
            break;
    }
    Fail(error, CannotRead(path, std::strerror(errno)));
    return std::nullopt;
}

}  // namespace quillix
