// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The library folders of user functions (".fn") and programs (".prg"): a directory
// tree on disk mirrored in memory as TUserFuncFolder objects holding TUserFuncObj
// entries, with lookups by name for the evaluator and the windows, and the file
// operations of the library manager and of saving. No operation shows a message:
// each says whether it succeeded and, when it failed, why (the *reason text).

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillix {

class TUserFuncFolder;
class TUserFuncFolderIntfs;
class TUserFuncObj;

// How a holder outside the library (the open program document) keeps hold of a
// library object: the object while it lives, none once it is gone (deleted, or
// its library destroyed). A rescan hands the link on to the new object of the
// same file, and rename and move keep the object itself, so the holder never
// sees a freed object and never loses its file to a rescan.
class TUserFuncObjLink {
  public:
    TUserFuncObj* Object() const { return object_; }
    // The holder's handler, called after the object was renamed or moved, and
    // after it went away (Object() is none by then). One holder listens: a new
    // handler replaces the one before. It must not change the library.
    void SetOnChange(std::function<void()> handler) const { onChange_ = std::move(handler); }

  private:
    friend class TUserFuncObj;
    friend class TUserFuncFolder;
    explicit TUserFuncObjLink(TUserFuncObj* object) : object_(object) {}
    void Changed() const {
        if (onChange_) onChange_();
    }
    TUserFuncObj* object_;
    mutable std::function<void()> onChange_;
};

// One program or user function: a file of its folder.
class TUserFuncObj {
  public:
    ~TUserFuncObj();
    TUserFuncObj(const TUserFuncObj&) = delete;
    TUserFuncObj& operator=(const TUserFuncObj&) = delete;

    TUserFuncFolder* Folder() const { return folder_; }
    const std::string& Name() const { return name_; }
    // The extension of this object's own file, as written on disk (".prg", ".PRG").
    const std::string& Extension() const { return extension_; }
    // Folder path, "/", Name, Extension.
    std::string GetFileName() const;

    // Renames the file to the trimmed new name (keeping its extension). Refused for
    // an invalid name or when the folder already has an object of that name.
    bool Rename(std::string_view newName, std::string* reason = nullptr);
    // Moves the file into another folder of the same library. Refused when the
    // target already has an object of that name; moving into its own folder is
    // nothing to do and succeeds.
    bool MoveTo(TUserFuncFolder& target, std::string* reason = nullptr);
    // The one link of this object (made on first use), for holders that must
    // outlive it safely.
    std::shared_ptr<const TUserFuncObjLink> Link();

  private:
    friend class TUserFuncFolder;
    TUserFuncObj(TUserFuncFolder* folder, std::string name, std::string extension);
    void SetName(std::string name);

    TUserFuncFolder* folder_;
    std::string name_;
    std::string key_;  // NameKey(name_), for lookups and ordering
    std::string extension_;
    std::shared_ptr<TUserFuncObjLink> link_;
};

// What other subsystems reach a library root through (UserFunctionsIntf,
// UserProgramsIntf). Names are trimmed and compared without regard to case.
class IUserFuncFolder {
  public:
    virtual ~IUserFuncFolder() = default;
    // Deletes the file of FindByName(name), as TUserFuncFolder::DeleteFile.
    virtual bool DeleteByName(std::string_view name, std::string* reason) = 0;
    virtual TUserFuncObj* FindByName(std::string_view name) = 0;
    // A direct subfolder of the root.
    virtual TUserFuncFolder* FindFolder(std::string_view name) = 0;
    virtual TUserFuncFolder& GetFolder() = 0;
    // The file path of FindByName(name), or empty when there is none.
    virtual std::string GetFileName(std::string_view name) = 0;
};

// A folder of a library; a folder without a parent is a library root. The lists
// are kept sorted by name (without regard to case), so lookups that take the
// first match are deterministic.
// How many scans of library folders this process has made: kept results of
// library files (the execution sets of formulas' calls) are dropped when it changes.
std::uint64_t LibraryScanCount();

class TUserFuncFolder {
  public:
    using FolderList = std::vector<std::unique_ptr<TUserFuncFolder>>;
    using FileList = std::vector<std::unique_ptr<TUserFuncObj>>;
    // Writes a library object's file at path; false with *reason (when given) set
    // on failure.
    using FileWriter = std::function<bool(const std::string& path, std::string* reason)>;

    // Sets the fields and scans the directory. A root (no parent) publishes its
    // interface: as UserFunctionsIntf when the extension is ".fn", else as
    // UserProgramsIntf. A missing directory gives an empty folder.
    TUserFuncFolder(std::string path, std::string extension, TUserFuncFolder* parent = nullptr);
    ~TUserFuncFolder();
    TUserFuncFolder(const TUserFuncFolder&) = delete;
    TUserFuncFolder& operator=(const TUserFuncFolder&) = delete;

    TUserFuncFolder* Parent() const { return parent_; }
    const std::string& Name() const { return name_; }
    const std::string& Path() const { return path_; }
    const FolderList& Subfolders() const { return subfolders_; }
    const FileList& Files() const { return files_; }
    const std::string& Extension() const { return extension_; }
    bool IsRoot() const { return parent_ == nullptr; }
    TUserFuncFolder& Root();
    // The root's interface; none for a folder that is not a root.
    IUserFuncFolder* Interface() const;

    // Rebuilds Subfolders and Files from disk (every object of the subtree is new;
    // links held elsewhere follow to the new object of their file, or go dead).
    // Each directory is read once, known by its device and inode: a link to a
    // folder already read (or above this one) is listed as an empty folder.
    void Scan();

    // This folder's files first, then each subfolder depth first; first match wins.
    TUserFuncObj* FindByName(std::string_view name) const;
    TUserFuncFolder* FindFolder(std::string_view name) const;
    std::string GetFileName(std::string_view name) const;

    // Takes the folder over as a subfolder: sets its parent and the paths below it.
    TUserFuncFolder& AddFolder(std::unique_ptr<TUserFuncFolder> subfolder);
    // How a deleted file or empty folder leaves the disk: for good by default
    // (RemoveFromDisk); the window moves it to the desktop's trash instead.
    // False with *reason set when it stays; an empty reason when the user chose
    // to keep it.
    using PathRemover = std::function<bool(const std::string& path, std::string* reason)>;
    // Removes the directory of the named direct subfolder; only an empty one
    // goes. One already gone from the disk only leaves its entry to drop.
    bool DeleteFolder(std::string_view name, std::string* reason = nullptr,
                      const PathRemover& remove = {});
    // The same for the subfolder itself (which must be one of Subfolders), so
    // that a sibling whose name differs only in letter case (a case-sensitive
    // disk allows it) is never taken for it.
    bool DeleteFolder(const TUserFuncFolder& folder, std::string* reason = nullptr,
                      const PathRemover& remove = {});
    // Deletes the object's file and the object (which must be one of Files).
    bool DeleteFile(const TUserFuncObj& object, std::string* reason = nullptr,
                    const PathRemover& remove = {});
    // Refused for a root, for an invalid name and for a name a sibling has.
    bool RenameFolder(std::string_view newName, std::string* reason = nullptr);
    // Moves this folder under target (of the same library). Refused for a root, for
    // a target that is this folder or lies below it, and when target has a
    // subfolder of this name; a move into the own parent succeeds and does nothing.
    bool MoveFolder(TUserFuncFolder& target, std::string* reason = nullptr);
    // Copies the object's file to destPath, replacing it, written atomically.
    bool ExportFile(const TUserFuncObj& object, const std::string& destPath,
                    std::string* reason = nullptr) const;
    // Copies a file into the library under the name of its file-name part (without
    // the library extension). An object of that name anywhere in the library is the
    // destination; otherwise a new object in this folder. A failed copy adds nothing.
    bool ImportFile(const std::string& sourcePath, std::string* reason = nullptr);
    // The object whose file ImportFile(sourcePath) would replace, or none when
    // it would add a new one.
    TUserFuncObj* ImportReplaces(const std::string& sourcePath);

    // Makes sure the directory exists: a root is created (with missing parents)
    // when it is missing; a missing subfolder is an error.
    bool EnsureDirectory(std::string* reason = nullptr);
    // "NewFolder", else "NewFolder1", "NewFolder2", ...: the first name that no
    // subfolder bears and nothing on disk uses.
    std::string UnusedSubfolderName(std::string_view base = "NewFolder") const;
    // Creates the directory of a new subfolder and adds it (the "New Folder" command).
    TUserFuncFolder* CreateFolder(std::string_view name, std::string* reason = nullptr);
    // The object of that name in this folder: the one it has, or a new one (with the
    // library's extension, its file not yet written). Ensures the directory exists.
    TUserFuncObj* NewObject(std::string_view name, std::string* reason = nullptr,
                            bool* created = nullptr);
    // NewObject, then write(its file name); a new object is dropped again when the
    // write fails, so a failed save leaves no entry without a file.
    TUserFuncObj* SaveObject(std::string_view name, const FileWriter& write,
                             std::string* reason = nullptr);

  private:
    friend class TUserFuncObj;
    struct NoScan {};
    struct ScanState;
    TUserFuncFolder(std::string path, std::string extension, TUserFuncFolder* parent, NoScan);
    // The library name of an imported file: its file name without the extension.
    std::string ImportName(const std::string& sourcePath) const;
    struct HeldLink {
        std::string fileName;
        std::shared_ptr<TUserFuncObjLink> link;
    };
    void ScanBelow(ScanState& state);
    void TakeHeldLinks(std::vector<HeldLink>& held);
    void PassOnLinks(std::vector<HeldLink>& held);
    void Publish();
    void Unpublish();
    void SetName(std::string name);
    void UpdatePathsBelow();
    TUserFuncObj* OwnFile(const std::string& key, const TUserFuncObj* except = nullptr) const;
    TUserFuncFolder* OwnSubfolder(const std::string& key,
                                  const TUserFuncFolder* except = nullptr) const;
    TUserFuncObj* FindByKey(const std::string& key) const;
    bool IsWithin(const TUserFuncFolder& folder) const;
    // Keeps a list in name order (without regard to case, then as written).
    template <typename List>
    static void SortByName(List& list);
    TUserFuncObj& InsertFile(std::unique_ptr<TUserFuncObj> object);
    std::unique_ptr<TUserFuncObj> TakeFile(const TUserFuncObj* object);
    std::unique_ptr<TUserFuncFolder> TakeSubfolder(const TUserFuncFolder* folder);

    TUserFuncFolder* parent_;
    std::string name_;
    std::string key_;  // NameKey(name_)
    std::string path_;
    FolderList subfolders_;
    FileList files_;
    std::string extension_;
    std::unique_ptr<TUserFuncFolderIntfs> intfs_;  // roots only
};

// Exposes a root folder as IUserFuncFolder; holds a plain pointer to it.
class TUserFuncFolderIntfs : public IUserFuncFolder {
  public:
    explicit TUserFuncFolderIntfs(TUserFuncFolder* folder) : folder_(folder) {}
    bool DeleteByName(std::string_view name, std::string* reason) override;
    TUserFuncObj* FindByName(std::string_view name) override;
    TUserFuncFolder* FindFolder(std::string_view name) override;
    TUserFuncFolder& GetFolder() override { return *folder_; }
    std::string GetFileName(std::string_view name) override;

  private:
    TUserFuncFolder* folder_;
};

// The names one scan reads at most (every entry of every folder counts); a scan
// that reaches the limit stops there and says so in the diagnostic log.
inline constexpr std::size_t kLibraryScanEntryLimit = 100000;
// Sets the limit (tests lower it); 0 restores kLibraryScanEntryLimit.
void SetLibraryScanEntryLimit(std::size_t limit);

// The published library roots; none while no such root exists.
IUserFuncFolder* UserFunctionsIntf();
IUserFuncFolder* UserProgramsIntf();

// Deletes a file, or an empty directory, for good; false with *reason when it stays.
bool RemoveFromDisk(const std::string& path, std::string* reason = nullptr);

// Renames from to to unless something named to exists: 0 on success, else the
// error number (EEXIST when to exists). Uses the kernel's no-replace rename where
// the file system has it, else a hard link (files) or a check first (folders);
// forcePortable takes the second way at once.
int RenameWithoutReplacing(const std::string& from, const std::string& to,
                           bool forcePortable = false);

}  // namespace quillix
