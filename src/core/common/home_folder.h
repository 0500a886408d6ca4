// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The home folder: where every file of the calculator lives (settings, remembered
// parameters, custom units, the two libraries). The rule, in order: an explicit
// folder (the --home option), $QUILLIX_HOME, the executable's folder when it is
// writable and the program is not installed, else $XDG_DATA_HOME/quillix
// (default ~/.local/share/quillix). An installed program (in a "bin" folder with
// "share/quillix" beside it, or in a system folder such as /usr/bin) never
// writes beside itself, even when run by a user who could.

#include <optional>
#include <string>

namespace quillix {

// The folder the rule chooses, without a trailing "/". It is not created.
std::string ResolveHomeFolder(const std::optional<std::string>& explicitHome);

// The facts the rule weighs, and the rule itself (GatherHomeFolderFacts reads
// them from the environment and the file system).
struct HomeFolderFacts {
    std::optional<std::string> explicitHome;  // --home
    std::string quillixHome;                  // $QUILLIX_HOME
    std::string executableFolder;
    bool executableFolderWritable = false;
    bool installed = false;   // see IsInstalledProgramFolder
    std::string xdgDataHome;  // $XDG_DATA_HOME (ignored unless absolute)
    std::string userHome;     // $HOME, else the account's home folder
};
std::string ChooseHomeFolder(const HomeFolderFacts& facts);
HomeFolderFacts GatherHomeFolderFacts(const std::optional<std::string>& explicitHome,
                                      const std::string& executableFolder);

// True for the folder of an installed executable: a folder named "bin" with
// "../share/quillix" beside it, or one of the system's program folders.
bool IsInstalledProgramFolder(const std::string& executableFolder);

// Creates the home folder when it is missing: each missing folder of the path
// gets mode 0700, as the user's private data should. An existing folder is
// left as it is. False (with *error saying why) when it cannot be made.
bool CreateHomeFolder(const std::string& folder, std::string* error = nullptr);

// The folder of the running executable, without a trailing "/"; empty if unknown.
std::string ExecutableFolder();

// Joins a folder and a name with one "/".
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace quillix
