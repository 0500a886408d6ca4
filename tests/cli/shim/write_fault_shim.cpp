// SPDX-License-Identifier: GPL-3.0-or-later
// An LD_PRELOAD library that makes a program's file writes fail as on a full
// disk, for the end-to-end tests of quillix-cli: QUILLIX_FAIL_WRITE=N fails
// the Nth write to a regular file and every later one (ENOSPC),
// QUILLIX_FAIL_FSYNC=N the Nth fsync (EIO), QUILLIX_FAIL_RENAME=N the Nth
// rename (EROFS). Writes to pipes and terminals pass, so the program's
// messages still arrive.

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

// Whether this call of a counted operation fails: from the Nth call on, where
// N comes from the environment variable (none: never).
bool Fails(const char* variable, std::atomic<long>& calls) {
    const char* setting = std::getenv(variable);
    if (!setting) return false;
    const long nth = std::atol(setting);
    return nth > 0 && ++calls >= nth;
}

template <class Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

std::atomic<long> writes{0};
std::atomic<long> syncs{0};
std::atomic<long> renames{0};

}  // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && Fails("QUILLIX_FAIL_WRITE", writes)) {
        errno = ENOSPC;
        return -1;
    }
    return next(fd, data, size);
}

extern "C" int fsync(int fd) {
    static const auto next = Next<int (*)(int)>("fsync");
    if (Fails("QUILLIX_FAIL_FSYNC", syncs)) {
        errno = EIO;
        return -1;
    }
    return next(fd);
}

extern "C" int rename(const char* from, const char* to) {
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    if (Fails("QUILLIX_FAIL_RENAME", renames)) {
        errno = EROFS;
        return -1;
    }
    return next(from, to);
}
