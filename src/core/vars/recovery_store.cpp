// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "common/atomic_file.h"
#include "common/diag_note.h"
#include "common/home_folder.h"
#include "common/instance_key.h"

namespace quillix {

namespace {

constexpr const char* kFolderName = "Recovery";

// The slot's file name without extension: the key, then the slot's number
// from the second slot on.
std::string SlotName(const std::string& key, int slot) {
    return slot == 0 ? key : key + "." + std::to_string(slot + 1);
}

// The lock of path, held: its descriptor, or -1 when another process holds it
// (or it cannot be opened).
int TakeLock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    ::close(fd);
    return -1;
}

std::string TimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

}  // namespace

TRecoveryStore::TRecoveryStore(const std::string& homeFolder, const std::string& instanceTag)
    : folder_(JoinPath(homeFolder, kFolderName)) {
    if (::mkdir(folder_.c_str(), 0700) != 0 && errno != EEXIST) {
        problem_ = "\"" + folder_ + "\" cannot be made: " + std::strerror(errno);
        return;
    }
    // The lock files stay: removing one could let two instances lock two
    // different files of the same name.
    const std::string key = InstanceKey(homeFolder, instanceTag);
    for (int slot = 0; slot < kSlots && lockFd_ < 0; ++slot) {
        const std::string base = JoinPath(folder_, SlotName(key, slot));
        lockFd_ = TakeLock(base + ".lock");
        if (lockFd_ >= 0) path_ = base + ".recovery";
    }
    if (lockFd_ < 0) problem_ = "no recovery slot of \"" + folder_ + "\" is free";
}

TRecoveryStore::~TRecoveryStore() {
    if (lockFd_ >= 0) ::close(lockFd_);
}

std::optional<TRecoveryCopy> TRecoveryStore::Find() {
    if (!Claimed()) return std::nullopt;
    const std::optional<std::string> text = ReadWholeFile(path_);
    if (!text) return std::nullopt;
    std::string problem;
    std::optional<TRecoveryCopy> copy = ParseRecoveryCopy(*text, &problem);
    if (!copy) SetAside(problem);
    return copy;
}

bool TRecoveryStore::Write(const std::string& text, std::string* error) {
    if (!Claimed()) {
        if (error) *error = problem_;
        return false;
    }
    return WriteFileAtomically(path_, text, error);
}

bool TRecoveryStore::Remove(std::string* error) {
    if (!Claimed() || ::unlink(path_.c_str()) == 0 || errno == ENOENT) return true;
    if (error)
        *error = "The recovery copy \"" + path_ + "\" cannot be removed: " + std::strerror(errno);
    return false;
}

void TRecoveryStore::SetAside(const std::string& why) {
    if (!Claimed()) return;
    const std::string aside = path_ + ".damaged-" + TimeStamp();
    if (::rename(path_.c_str(), aside.c_str()) != 0) {
        DiagNote("The damaged recovery copy \"" + path_ + "\" (" + why +
                 ") cannot be set aside: " + std::strerror(errno));
        std::string error;
        if (!Remove(&error)) DiagNote(error);
        return;
    }
    DiagNote("The recovery copy \"" + path_ + "\" is damaged (" + why +
             "); it was set aside as \"" + aside + "\"");
}

}  // namespace quillix
