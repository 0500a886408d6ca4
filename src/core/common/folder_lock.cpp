// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace quillix {

namespace {

constexpr int kRetryMs = 10;

}  // namespace

TFolderLock::TFolderLock(const std::string& folder, int waitMs)
    : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ < 0) return;
    for (int waited = 0;; waited += kRetryMs) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= waitMs) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(kRetryMs));
    }
}

TFolderLock::~TFolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing lets the lock go
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace quillix
