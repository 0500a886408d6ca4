// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting library files and folders: the entry goes only when its file or
// directory has left the disk, by the remover the caller gives (the window's
// trash) or for good.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "vars/library_disk.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"

namespace quillix {

namespace {

using namespace library_disk;

bool IsGone(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

// Only an empty directory may go, whatever takes it (a trash takes a full one too).
bool CheckEmptyDirectory(const std::string& path, std::string* reason) {
    const std::unique_ptr<DIR, DirectoryCloser> directory(::opendir(path.c_str()));
    if (!directory)
        return Fail(reason, "Cannot delete " + Quoted(path) + ": " + SystemReason(errno));
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            return Fail(reason, "Cannot delete " + Quoted(path) + ": " + SystemReason(ENOTEMPTY));
    }
    return true;
}

bool Remove(const TUserFuncFolder::PathRemover& remove, const std::string& path,
            std::string* reason) {
    if (!remove) return RemoveFromDisk(path, reason);
    std::string why;
    if (remove(path, &why)) return true;
    return Fail(reason, why);
}

}  // namespace

bool RemoveFromDisk(const std::string& path, std::string* reason) {
    struct stat info {};
    const bool directory = ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    if ((directory ? ::rmdir(path.c_str()) : ::unlink(path.c_str())) == 0) return true;
    return Fail(reason, "Cannot delete " + Quoted(path) + ": " + SystemReason(errno));
}

bool TUserFuncFolder::DeleteFolder(std::string_view name, std::string* reason,
                                   const PathRemover& remove) {
    const TUserFuncFolder* folder = FindFolder(name);
    if (!folder)
        return Fail(reason,
                    "There is no folder named '" + TrimBlanks(name) + "' in " + Quoted(path_));
    return DeleteFolder(*folder, reason, remove);
}

bool TUserFuncFolder::DeleteFolder(const TUserFuncFolder& folder, std::string* reason,
                                   const PathRemover& remove) {
    const bool listed =
        std::any_of(subfolders_.begin(), subfolders_.end(),
                    [&folder](const auto& subfolder) { return subfolder.get() == &folder; });
    if (!listed) return Fail(reason, "'" + folder.name_ + "' is not in " + Quoted(path_));
    // A directory that is already gone only leaves its entry to drop.
    if (!IsGone(folder.path_)) {
        if (!CheckEmptyDirectory(folder.path_, reason)) return false;
        if (!Remove(remove, folder.path_, reason)) return false;
    }
    TakeSubfolder(&folder);
    return true;
}

bool TUserFuncFolder::DeleteFile(const TUserFuncObj& object, std::string* reason,
                                 const PathRemover& remove) {
    const bool listed = std::any_of(files_.begin(), files_.end(),
                                    [&object](const auto& file) { return file.get() == &object; });
    if (!listed) return Fail(reason, "'" + object.Name() + "' is not in " + Quoted(path_));
    const std::string fileName = object.GetFileName();
    if (!IsGone(fileName) && !Remove(remove, fileName, reason)) return false;
    TakeFile(&object);
    return true;
}

}  // namespace quillix
