// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The library manager's rules that need no widget: the name check on "&OK" in
// the save modes, the question asked before a save or an import replaces a
// program, which folder drops are allowed, the file chooser's filter and
// suffix for a library, and the folder the choosers open in.

#include <optional>
#include <string>
#include <string_view>

namespace quillix {

class IConfigor;
class TUserFuncFolder;
class TUserFuncObj;

// The library manager's modes.
enum TLibraryMode : int { kModeOpen = 0, kModeSave = 1, kModeSaveAs = 2, kModeManager = 3 };

// Why a name typed for saving cannot be used, or none. A name with one of
// * / : < > ? \ | gets "Name can't contain "/,\,:,*,?,<,>,|""; any other name
// the library refuses gets the library's reason.
std::optional<std::string> SaveNameProblem(std::string_view name);

// A folder as the manager names it: "Root" for the library root, else its path
// below the root ("Loans/2024").
std::string FolderCaption(const TUserFuncFolder& folder);

// "Replace the program 'loan' in folder 'Loans'?" ("function" in the functions
// library): what is asked before the object's file is written over.
std::string ReplaceQuestion(const TUserFuncObj& object);

// Whether a folder may be dropped on target: not on itself, nor below itself.
bool FolderDropAllowed(const TUserFuncFolder& dragged, const TUserFuncFolder& target);

// "Program files (*.prg)" or "Function files (*.fn)" after the library's extension.
std::string LibraryFileFilter(const std::string& extension);

// The suffix the save chooser adds to a name without one: "prg" for ".prg".
std::string LibraryFileSuffix(const std::string& extension);

// The folder the Import and Export choosers open in: the one last used when it
// still exists, else home (never the process's working folder).
std::string LibraryChooserFolder(const IConfigor* settings, const std::string& home);
// Remembers the folder of a chosen file for the next chooser.
void RememberLibraryChooserFolder(IConfigor* settings, const std::string& chosenFile);

}  // namespace quillix
