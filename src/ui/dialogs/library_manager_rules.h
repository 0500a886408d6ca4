// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The library manager's rules that need no widget: the name check on "&Ok" in
// the save modes, which folder drops are allowed, and the file chooser's filter
// and default extension for a library.

#include <optional>
#include <string>
#include <string_view>

namespace quillix {

class TUserFuncFolder;

// The library manager's modes.
enum TLibraryMode : int { kModeOpen = 0, kModeSave = 1, kModeSaveAs = 2, kModeManager = 3 };

// Why a name typed for saving cannot be used, or none. A name with one of
// * / : < > ? \ | gets "Name can't contain "/,\,:,*,?,<,>,|""; any other name
// the library refuses gets the library's reason.
std::optional<std::string> SaveNameProblem(std::string_view name);

// Whether a folder may be dropped on target: not on itself, nor below itself.
bool FolderDropAllowed(const TUserFuncFolder& dragged, const TUserFuncFolder& target);

// "Program files (*.prg)" or "Function files (*.fn)" after the library's extension.
std::string LibraryFileFilter(const std::string& extension);

// The path with the extension (".prg") appended when its file name has none.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace quillix
