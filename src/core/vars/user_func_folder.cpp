// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/user_func_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

#include "common/atomic_file.h"
#include "common/diag_note.h"
#include "common/home_folder.h"
#include "common/regular_file.h"
#include "vars/library_disk.h"
#include "vars/library_names.h"

namespace quillix {

namespace {

IUserFuncFolder* userFunctions = nullptr;
IUserFuncFolder* userPrograms = nullptr;
std::size_t scanEntryLimit = kLibraryScanEntryLimit;

using namespace library_disk;

bool IsFunctionsExtension(std::string_view extension) {
    return SameName(extension, ".fn");
}

std::string KindWord(std::string_view extension) {
    return IsFunctionsExtension(extension) ? "function" : "program";
}

IUserFuncFolder*& PublishedSlot(std::string_view extension) {
    return IsFunctionsExtension(extension) ? userFunctions : userPrograms;
}

// The extension at the end of fileName when it equals the library's extension
// without regard to case.
std::optional<std::string> MatchingExtension(const std::string& fileName,
                                             const std::string& extension) {
    if (extension.empty() || fileName.size() < extension.size()) return std::nullopt;
    const std::string tail = fileName.substr(fileName.size() - extension.size());
    if (UpperCaseName(tail) != UpperCaseName(extension)) return std::nullopt;
    return tail;
}

std::string LastComponent(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool RenameFailed(std::string* reason, const std::string& from, const std::string& to, int code) {
    if (code == EEXIST) return Fail(reason, Quoted(to) + " already exists");
    return Fail(reason,
                "Cannot rename " + Quoted(from) + " to " + Quoted(to) + ": " + SystemReason(code));
}

// The whole content of a library or import file, refusing what is not a file.
std::optional<std::string> ReadFileForCopy(const std::string& path, std::string* reason) {
    return ReadRegularFile(path, reason);
}

bool ExistsOnDisk(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// Takes an item out of an owning list without freeing it; none when it is not there.
template <typename T>
std::unique_ptr<T> TakeOut(std::vector<std::unique_ptr<T>>& list, const T* item) {
    const auto it = std::find_if(list.begin(), list.end(),
                                 [item](const auto& owned) { return owned.get() == item; });
    if (it == list.end()) return nullptr;
    std::unique_ptr<T> taken = std::move(*it);
    list.erase(it);
    return taken;
}

}  // namespace

int RenameWithoutReplacing(const std::string& from, const std::string& to, bool forcePortable) {
    if (!forcePortable) {
#if defined(RENAME_NOREPLACE)
        const int result =
            ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
#elif defined(SYS_renameat2)
        const int result = static_cast<int>(
            ::syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 1));
#else
        const int result = -1;
        errno = ENOSYS;
#endif
        if (result == 0) return 0;
        // File systems without the flag answer EINVAL; so does a folder moved into
        // itself, which the portable way then refuses the same.
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    }
    struct stat source {};
    if (::lstat(from.c_str(), &source) != 0) return errno;
    if (!S_ISDIR(source.st_mode)) {
        // A hard link never replaces anything; the old name then goes.
        if (::link(from.c_str(), to.c_str()) == 0) {
            if (::unlink(from.c_str()) == 0) return 0;
            const int code = errno;
            ::unlink(to.c_str());
            return code;
        }
        if (errno != EPERM && errno != ENOTSUP && errno != EMLINK) return errno;
    }
    struct stat existing {};
    if (::lstat(to.c_str(), &existing) == 0) return EEXIST;
    if (errno != ENOENT) return errno;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

IUserFuncFolder* UserFunctionsIntf() {
    return userFunctions;
}
IUserFuncFolder* UserProgramsIntf() {
    return userPrograms;
}

// ---- TUserFuncObj ----

TUserFuncObj::TUserFuncObj(TUserFuncFolder* folder, std::string name, std::string extension)
    : folder_(folder), extension_(std::move(extension)) {
    SetName(std::move(name));
}

void TUserFuncObj::SetName(std::string name) {
    name_ = std::move(name);
    key_ = NameKey(name_);
}

std::string TUserFuncObj::GetFileName() const {
    return JoinPath(folder_->Path(), name_ + extension_);
}

bool TUserFuncObj::Rename(std::string_view newName, std::string* reason) {
    if (!CheckLibraryName(newName, reason)) return false;
    std::string name = TrimBlanks(newName);
    if (name == name_) return true;
    if (folder_->OwnFile(NameKey(name), this))
        return Fail(reason, "A " + KindWord(folder_->Extension()) + " named '" + name +
                                "' already exists in " + Quoted(folder_->Path()));
    const std::string from = GetFileName();
    const std::string to = JoinPath(folder_->Path(), name + extension_);
    if (const int code = RenameWithoutReplacing(from, to))
        return RenameFailed(reason, from, to, code);
    SetName(std::move(name));
    TUserFuncFolder::SortByName(folder_->files_);
    if (link_) link_->Changed();
    return true;
}

bool TUserFuncObj::MoveTo(TUserFuncFolder& target, std::string* reason) {
    if (&target == folder_) return true;
    if (&target.Root() != &folder_->Root())
        return Fail(reason, "'" + name_ + "' cannot be moved into another library");
    if (target.OwnFile(key_))
        return Fail(reason, "A " + KindWord(target.Extension()) + " named '" + name_ +
                                "' already exists in " + Quoted(target.Path()));
    const std::string from = GetFileName();
    const std::string to = JoinPath(target.Path(), name_ + extension_);
    if (const int code = RenameWithoutReplacing(from, to))
        return RenameFailed(reason, from, to, code);
    std::unique_ptr<TUserFuncObj> self = folder_->TakeFile(this);
    folder_ = &target;
    target.InsertFile(std::move(self));
    if (link_) link_->Changed();
    return true;
}

// ---- TUserFuncFolder: structure ----

TUserFuncFolder::TUserFuncFolder(std::string path, std::string extension, TUserFuncFolder* parent)
    : TUserFuncFolder(std::move(path), std::move(extension), parent, NoScan{}) {
    Scan();
    if (!parent_) Publish();
}

TUserFuncFolder::TUserFuncFolder(std::string path, std::string extension, TUserFuncFolder* parent,
                                 NoScan)
    : parent_(parent),
      path_(WithoutTrailingSlashes(std::move(path))),
      extension_(std::move(extension)) {
    SetName(LastComponent(path_));
}

TUserFuncFolder::~TUserFuncFolder() {
    Unpublish();
}

void TUserFuncFolder::Publish() {
    intfs_ = std::make_unique<TUserFuncFolderIntfs>(this);
    PublishedSlot(extension_) = intfs_.get();
}

void TUserFuncFolder::Unpublish() {
    if (!intfs_) return;
    IUserFuncFolder*& slot = PublishedSlot(extension_);
    // Only this root's own publication goes; a later root of the kind keeps its own.
    if (slot == intfs_.get()) slot = nullptr;
    intfs_.reset();
}

void TUserFuncFolder::SetName(std::string name) {
    name_ = std::move(name);
    key_ = NameKey(name_);
}

TUserFuncFolder& TUserFuncFolder::Root() {
    TUserFuncFolder* folder = this;
    while (folder->parent_)
        folder = folder->parent_;
    return *folder;
}

IUserFuncFolder* TUserFuncFolder::Interface() const {
    return intfs_.get();
}

template <typename List>
void TUserFuncFolder::SortByName(List& list) {
    std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
        return a->key_ != b->key_ ? a->key_ < b->key_ : a->name_ < b->name_;
    });
}

namespace {
std::uint64_t libraryScans = 0;
}  // namespace

std::uint64_t LibraryScanCount() {
    return libraryScans;
}

struct TUserFuncFolder::ScanState {
    std::set<std::pair<dev_t, ino_t>> visited;
    std::size_t entries = 0;
    bool stopped = false;
};

void SetLibraryScanEntryLimit(std::size_t limit) {
    scanEntryLimit = limit == 0 ? kLibraryScanEntryLimit : limit;
}

void TUserFuncFolder::Scan() {
    ++libraryScans;
    std::vector<HeldLink> held;
    TakeHeldLinks(held);
    ScanState state;
    // The folders above were listed already; a link back to one would list
    // them again, without end.
    for (const TUserFuncFolder* folder = parent_; folder; folder = folder->parent_) {
        struct stat info {};
        if (::stat(folder->path_.c_str(), &info) == 0)
            state.visited.insert({info.st_dev, info.st_ino});
    }
    subfolders_.clear();
    files_.clear();
    struct stat own {};
    if (::stat(path_.c_str(), &own) == 0 && S_ISDIR(own.st_mode) &&
        state.visited.insert({own.st_dev, own.st_ino}).second) {
        ScanBelow(state);
    }
    if (state.stopped)
        DiagNote("The library scan of " + Quoted(path_) + " stopped after " +
                 std::to_string(scanEntryLimit) + " entries");
    PassOnLinks(held);
    for (const HeldLink& gone : held) {
        gone.link->object_ = nullptr;  // its file is no longer in the library
        gone.link->Changed();
    }
}

void TUserFuncFolder::ScanBelow(ScanState& state) {
    const std::unique_ptr<DIR, DirectoryCloser> directory(::opendir(path_.c_str()));
    if (!directory) return;
    while (const dirent* entry = ::readdir(directory.get())) {
        const std::string entryName = entry->d_name;
        if (entryName == "." || entryName == "..") continue;
        if (state.entries >= scanEntryLimit) {
            state.stopped = true;
            break;
        }
        ++state.entries;
        const std::string entryPath = JoinPath(path_, entryName);
        struct stat info {};
        if (::stat(entryPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            auto subfolder = std::unique_ptr<TUserFuncFolder>(
                new TUserFuncFolder(entryPath, extension_, this, NoScan{}));
            // A folder reached again (through a link) is listed, but read only once.
            if (state.visited.insert({info.st_dev, info.st_ino}).second)
                subfolder->ScanBelow(state);
            subfolders_.push_back(std::move(subfolder));
            continue;
        }
        const std::optional<std::string> extension = MatchingExtension(entryName, extension_);
        if (!extension) continue;
        std::string name = entryName.substr(0, entryName.size() - extension->size());
        if (TrimBlanks(name).empty()) continue;  // ".prg" alone names nothing
        files_.push_back(
            std::unique_ptr<TUserFuncObj>(new TUserFuncObj(this, std::move(name), *extension)));
    }
    SortByName(subfolders_);
    SortByName(files_);
}

TUserFuncObj* TUserFuncFolder::OwnFile(const std::string& key, const TUserFuncObj* except) const {
    for (const auto& file : files_)
        if (file.get() != except && file->key_ == key) return file.get();
    return nullptr;
}

TUserFuncFolder* TUserFuncFolder::OwnSubfolder(const std::string& key,
                                               const TUserFuncFolder* except) const {
    for (const auto& folder : subfolders_)
        if (folder.get() != except && folder->key_ == key) return folder.get();
    return nullptr;
}

TUserFuncObj* TUserFuncFolder::FindByName(std::string_view name) const {
    const std::string key = NameKey(name);
    return key.empty() ? nullptr : FindByKey(key);
}

TUserFuncObj* TUserFuncFolder::FindByKey(const std::string& key) const {
    // Folders nest no deeper than a path is long, so the recursion is bounded.
    if (TUserFuncObj* own = OwnFile(key)) return own;
    for (const auto& folder : subfolders_)
        if (TUserFuncObj* found = folder->FindByKey(key)) return found;
    return nullptr;
}

TUserFuncFolder* TUserFuncFolder::FindFolder(std::string_view name) const {
    const std::string key = NameKey(name);
    return key.empty() ? nullptr : OwnSubfolder(key);
}

std::string TUserFuncFolder::GetFileName(std::string_view name) const {
    const TUserFuncObj* object = FindByName(name);
    return object ? object->GetFileName() : std::string();
}

bool TUserFuncFolder::IsWithin(const TUserFuncFolder& folder) const {
    for (const TUserFuncFolder* f = this; f; f = f->parent_)
        if (f == &folder) return true;
    return false;
}

void TUserFuncFolder::UpdatePathsBelow() {
    for (const auto& folder : subfolders_) {
        folder->path_ = JoinPath(path_, folder->name_);
        folder->UpdatePathsBelow();
    }
}

TUserFuncObj& TUserFuncFolder::InsertFile(std::unique_ptr<TUserFuncObj> object) {
    TUserFuncObj& inserted = *object;
    files_.push_back(std::move(object));
    SortByName(files_);
    return inserted;
}

std::unique_ptr<TUserFuncObj> TUserFuncFolder::TakeFile(const TUserFuncObj* object) {
    return TakeOut(files_, object);
}

std::unique_ptr<TUserFuncFolder> TUserFuncFolder::TakeSubfolder(const TUserFuncFolder* folder) {
    return TakeOut(subfolders_, folder);
}

TUserFuncFolder& TUserFuncFolder::AddFolder(std::unique_ptr<TUserFuncFolder> subfolder) {
    TUserFuncFolder& added = *subfolder;
    added.Unpublish();  // a former root stops being one
    added.parent_ = this;
    added.path_ = JoinPath(path_, added.name_);
    added.UpdatePathsBelow();
    subfolders_.push_back(std::move(subfolder));
    SortByName(subfolders_);
    return added;
}

// ---- TUserFuncFolder: operations on disk ----

bool TUserFuncFolder::RenameFolder(std::string_view newName, std::string* reason) {
    if (!parent_) return Fail(reason, "The library root cannot be renamed");
    if (!CheckLibraryName(newName, reason)) return false;
    std::string name = TrimBlanks(newName);
    if (name == name_) return true;
    if (parent_->OwnSubfolder(NameKey(name), this))
        return Fail(reason,
                    "A folder named '" + name + "' already exists in " + Quoted(parent_->path_));
    const std::string to = JoinPath(parent_->path_, name);
    if (const int code = RenameWithoutReplacing(path_, to))
        return RenameFailed(reason, path_, to, code);
    SetName(std::move(name));
    path_ = to;
    UpdatePathsBelow();
    SortByName(parent_->subfolders_);
    return true;
}

bool TUserFuncFolder::MoveFolder(TUserFuncFolder& target, std::string* reason) {
    if (!parent_) return Fail(reason, "The library root cannot be moved");
    if (&target == parent_) return true;
    if (target.IsWithin(*this))
        return Fail(reason, "The folder '" + name_ +
                                "' cannot be moved into itself or one of its own subfolders");
    if (&target.Root() != &Root())
        return Fail(reason, "The folder '" + name_ + "' cannot be moved into another library");
    if (target.OwnSubfolder(key_))
        return Fail(reason,
                    "A folder named '" + name_ + "' already exists in " + Quoted(target.path_));
    const std::string to = JoinPath(target.path_, name_);
    if (const int code = RenameWithoutReplacing(path_, to))
        return RenameFailed(reason, path_, to, code);
    target.AddFolder(parent_->TakeSubfolder(this));
    return true;
}

bool TUserFuncFolder::ExportFile(const TUserFuncObj& object, const std::string& destPath,
                                 std::string* reason) const {
    const std::optional<std::string> content = ReadFileForCopy(object.GetFileName(), reason);
    return content && WriteFileAtomically(destPath, *content, reason);
}

std::string TUserFuncFolder::ImportName(const std::string& sourcePath) const {
    const std::string fileName = LastComponent(sourcePath);
    const std::optional<std::string> extension = MatchingExtension(fileName, extension_);
    return extension ? fileName.substr(0, fileName.size() - extension->size()) : fileName;
}

TUserFuncObj* TUserFuncFolder::ImportReplaces(const std::string& sourcePath) {
    const std::string name = ImportName(sourcePath);
    return CheckLibraryName(name) ? Root().FindByName(name) : nullptr;
}

bool TUserFuncFolder::ImportFile(const std::string& sourcePath, std::string* reason) {
    const std::string name = ImportName(sourcePath);
    if (!CheckLibraryName(name, reason)) return false;
    const std::optional<std::string> content = ReadFileForCopy(sourcePath, reason);
    if (!content) return false;
    const FileWriter copy = [&content](const std::string& path, std::string* why) {
        return WriteFileAtomically(path, *content, why);
    };
    if (const TUserFuncObj* existing = Root().FindByName(name))
        return copy(existing->GetFileName(), reason);
    return SaveObject(name, copy, reason) != nullptr;
}

bool TUserFuncFolder::EnsureDirectory(std::string* reason) {
    struct stat info {};
    if (::stat(path_.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return true;
        return Fail(reason, Quoted(path_) + " is not a folder");
    }
    if (parent_) return Fail(reason, "The folder " + Quoted(path_) + " does not exist");
    std::error_code error;
    std::filesystem::create_directories(path_, error);
    if (error)
        return Fail(reason, "Cannot create folder " + Quoted(path_) + ": " + error.message());
    return true;
}

std::string TUserFuncFolder::UnusedSubfolderName(std::string_view base) const {
    const std::string stem = TrimBlanks(base);
    for (unsigned number = 0;; ++number) {
        const std::string name = number == 0 ? stem : stem + std::to_string(number);
        if (!OwnSubfolder(NameKey(name)) && !ExistsOnDisk(JoinPath(path_, name))) return name;
    }
}

TUserFuncFolder* TUserFuncFolder::CreateFolder(std::string_view name, std::string* reason) {
    if (!CheckLibraryName(name, reason)) return nullptr;
    const std::string trimmed = TrimBlanks(name);
    if (OwnSubfolder(NameKey(trimmed)))
        return FailNull<TUserFuncFolder>(
            reason, "A folder named '" + trimmed + "' already exists in " + Quoted(path_));
    if (!EnsureDirectory(reason)) return nullptr;
    const std::string path = JoinPath(path_, trimmed);
    if (::mkdir(path.c_str(), 0777) != 0)
        return FailNull<TUserFuncFolder>(
            reason, "Cannot create folder " + Quoted(path) + ": " + SystemReason(errno));
    return &AddFolder(
        std::unique_ptr<TUserFuncFolder>(new TUserFuncFolder(path, extension_, this, NoScan{})));
}

TUserFuncObj* TUserFuncFolder::NewObject(std::string_view name, std::string* reason,
                                         bool* created) {
    if (created) *created = false;
    if (!CheckLibraryName(name, reason)) return nullptr;
    std::string trimmed = TrimBlanks(name);
    if (TUserFuncObj* existing = OwnFile(NameKey(trimmed))) return existing;
    if (!EnsureDirectory(reason)) return nullptr;
    if (created) *created = true;
    return &InsertFile(
        std::unique_ptr<TUserFuncObj>(new TUserFuncObj(this, std::move(trimmed), extension_)));
}

TUserFuncObj* TUserFuncFolder::SaveObject(std::string_view name, const FileWriter& write,
                                          std::string* reason) {
    bool created = false;
    TUserFuncObj* object = NewObject(name, reason, &created);
    if (!object) return nullptr;
    if (!write(object->GetFileName(), reason)) {
        if (created) TakeFile(object);
        return nullptr;
    }
    return object;
}

// ---- TUserFuncFolderIntfs ----

bool TUserFuncFolderIntfs::DeleteByName(std::string_view name, std::string* reason) {
    const TUserFuncObj* object = folder_->FindByName(name);
    if (!object)
        return Fail(reason, "There is no " + KindWord(folder_->Extension()) + " named '" +
                                TrimBlanks(name) + "'");
    return object->Folder()->DeleteFile(*object, reason);
}

TUserFuncObj* TUserFuncFolderIntfs::FindByName(std::string_view name) {
    return folder_->FindByName(name);
}

TUserFuncFolder* TUserFuncFolderIntfs::FindFolder(std::string_view name) {
    return folder_->FindFolder(name);
}

std::string TUserFuncFolderIntfs::GetFileName(std::string_view name) {
    return folder_->GetFileName(name);
}

}  // namespace quillix
