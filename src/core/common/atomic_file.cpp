// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/atomic_file.h"

#include "common/regular_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

namespace quillix {

namespace {

// The injected faults, one per step: the calls still to go before the first
// failing one (a full disk stays full: every later call fails too).
struct Fault {
    int callsLeft = 0;
    int error = 0;
    bool active = false;
};
std::array<Fault, 4> faults;

// True (with errno set) when this call of the step is to fail.
bool Faulted(TWriteStep step) {
    Fault& fault = faults[static_cast<std::size_t>(step)];
    if (!fault.active || --fault.callsLeft > 0) return false;
    fault.callsLeft = 0;
    errno = fault.error;
    return true;
}

bool Fail(std::string* error, const std::string& path, const std::string& reason) {
    if (error) *error = "Cannot write \"" + path + "\": " + reason;
    return false;
}

bool FailWith(std::string* error, const std::string& path, int code) {
    return Fail(error, path, std::strerror(code));
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        if (Faulted(TWriteStep::Write)) return false;
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at (path itself when it is none; a
// link that leads nowhere gives the path of the file it would lead to).
std::optional<std::string> LinkTarget(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::vector<char> buffer(PATH_MAX + 1);
        const ssize_t length = ::readlink(current.c_str(), buffer.data(), buffer.size() - 1);
        if (length < 0) return std::nullopt;
        std::string target(buffer.data(), static_cast<std::size_t>(length));
        current = target.starts_with('/') ? target : FolderOf(current) + "/" + target;
    }
    errno = ELOOP;
    return std::nullopt;
}

// The rule of the header: the system's answer for an ordinary user, the
// permission bits for root.
bool MayWrite(const std::string& path, const struct stat& info) {
    if (::geteuid() == 0) return (info.st_mode & 0222) != 0;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// Whether target (existing or not) may be written: its own permission, and
// that of its folder when a name is made there (a new file, or the temporary
// file of a replacement). existing gets the file's status when there is one.
bool CheckWritable(const std::string& path, const std::string& target, bool makesName,
                   struct stat& existing, bool& exists, std::string* error) {
    exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISREG(existing.st_mode) && !MayWrite(target, existing))
        return Fail(error, path, "the file is read-only");
    if (exists && !makesName) return true;
    struct stat folder {};
    const std::string folderPath = FolderOf(target);
    if (::stat(folderPath.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode) && ::geteuid() == 0 &&
        (folder.st_mode & 0222) == 0) {
        return Fail(error, path, "the folder is read-only");
    }
    return true;
}

// Root keeps a replaced file with its owner, as an editor does; for anyone
// else the owner cannot change, and the new file is theirs.
void KeepOwner(int fd, const struct stat& existing) {
    if (::geteuid() != 0) return;
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) return;  // stays root's
}

}  // namespace

void InjectWriteFault(TWriteStep step, int nth, int error) {
    faults[static_cast<std::size_t>(step)] = Fault{nth, error, nth > 0};
}

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string* error) {
    const std::optional<std::string> target = LinkTarget(path);
    if (!target) return FailWith(error, path, errno);
    struct stat existing {};
    bool exists = false;
    if (!CheckWritable(path, *target, true, existing, exists, error)) return false;

    std::vector<char> pattern(target->begin(), target->end());
    const char suffix[] = ".tmp-XXXXXX";
    pattern.insert(pattern.end(), suffix, suffix + sizeof suffix);  // with the NUL
    const int fd = Faulted(TWriteStep::Create) ? -1 : ::mkstemp(pattern.data());
    if (fd < 0) return FailWith(error, path, errno);
    const std::string temp(pattern.data());

    const mode_t mode = exists ? (existing.st_mode & 07777) : 0644;
    if (exists) KeepOwner(fd, existing);
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && !Faulted(TWriteStep::Sync) &&
              ::fsync(fd) == 0;
    int code = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && (Faulted(TWriteStep::Rename) || ::rename(temp.c_str(), target->c_str()) != 0)) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return FailWith(error, path, code);
    }
    return true;
}

bool AppendToFile(const std::string& path, std::string_view content, std::string* error) {
    struct stat existing {};
    bool exists = false;
    if (!CheckWritable(path, path, false, existing, exists, error)) return false;
    // O_NOFOLLOW: a link planted under the name must not redirect the writes.
    const int fd =
        Faulted(TWriteStep::Create)
            ? -1
            : ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return FailWith(error, path, errno);
    struct stat before {};
    bool ok = ::fstat(fd, &before) == 0 && S_ISREG(before.st_mode);
    int code = ok ? 0 : EINVAL;
    if (ok && !WriteAll(fd, content)) {
        ok = false;
        code = errno;
        // Taken back; should even that fail, the failure is reported all the same.
        const bool takenBack = ::ftruncate(fd, before.st_size) == 0;
        static_cast<void>(takenBack);
    }
    ::close(fd);
    return ok || FailWith(error, path, code);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    return ReadRegularFile(path);
}

}  // namespace quillix
