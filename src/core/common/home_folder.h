// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The home folder: where every file of the calculator lives (settings, remembered
// parameters, custom units, the two libraries). The rule, in order: an explicit
// folder (the --home option), $QUILLIX_HOME, the executable's folder when it is
// writable, else $XDG_DATA_HOME/quillix (default ~/.local/share/quillix).

#include <optional>
#include <string>

namespace quillix {

// The folder the rule chooses, without a trailing "/". It is not created.
std::string ResolveHomeFolder(const std::optional<std::string>& explicitHome);

// The facts the rule weighs, and the rule itself (ResolveHomeFolder gathers the
// facts from the environment and the file system).
struct HomeFolderFacts {
    std::optional<std::string> explicitHome;  // --home
    std::string quillixHome;                  // $QUILLIX_HOME
    std::string executableFolder;
    bool executableFolderWritable = false;
    std::string xdgDataHome;  // $XDG_DATA_HOME
    std::string userHome;     // $HOME
};
std::string ChooseHomeFolder(const HomeFolderFacts& facts);

// The folder of the running executable, without a trailing "/"; empty if unknown.
std::string ExecutableFolder();

// Joins a folder and a name with one "/".
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace quillix
