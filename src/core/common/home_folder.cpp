// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/home_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace quillix {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// $HOME, or the account's entry when a service started us without it.
std::string UserHomeFolder() {
    std::string home = Env("HOME");
    if (!home.empty()) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return {};
}

// Folders that belong to the system's packages: never anybody's home.
bool IsSystemProgramFolder(const std::string& folder) {
    static const char* const kSystemFolders[] = {"/bin",      "/sbin",          "/usr/bin",
                                                 "/usr/sbin", "/usr/local/bin", "/usr/games"};
    for (const char* system : kSystemFolders)
        if (folder == system) return true;
    return false;
}

bool Fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

}  // namespace

std::string ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return exe.parent_path().string();
}

bool IsInstalledProgramFolder(const std::string& executableFolder) {
    const std::string folder = WithoutTrailingSlash(executableFolder);
    if (IsSystemProgramFolder(folder)) return true;
    const std::filesystem::path path(folder);
    return path.filename() == "bin" && IsFolder((path.parent_path() / "share/quillix").string());
}

std::string ChooseHomeFolder(const HomeFolderFacts& facts) {
    if (facts.explicitHome && !facts.explicitHome->empty()) {
        return WithoutTrailingSlash(*facts.explicitHome);
    }
    if (!facts.quillixHome.empty()) return WithoutTrailingSlash(facts.quillixHome);
    if (!facts.executableFolder.empty() && facts.executableFolderWritable && !facts.installed) {
        return facts.executableFolder;
    }
    // A relative data folder would depend on the working folder: not a place.
    std::string dataHome = facts.xdgDataHome;
    if (dataHome.empty() || dataHome.front() != '/')
        dataHome = JoinPath(facts.userHome, ".local/share");
    return JoinPath(WithoutTrailingSlash(dataHome), "quillix");
}

HomeFolderFacts GatherHomeFolderFacts(const std::optional<std::string>& explicitHome,
                                      const std::string& executableFolder) {
    HomeFolderFacts facts;
    facts.explicitHome = explicitHome;
    facts.quillixHome = Env("QUILLIX_HOME");
    facts.executableFolder = executableFolder;
    facts.executableFolderWritable =
        !executableFolder.empty() && ::access(executableFolder.c_str(), W_OK) == 0;
    facts.installed = !executableFolder.empty() && IsInstalledProgramFolder(executableFolder);
    facts.xdgDataHome = Env("XDG_DATA_HOME");
    facts.userHome = UserHomeFolder();
    return facts;
}

std::string ResolveHomeFolder(const std::optional<std::string>& explicitHome) {
    return ChooseHomeFolder(GatherHomeFolderFacts(explicitHome, ExecutableFolder()));
}

bool CreateHomeFolder(const std::string& folder, std::string* error) {
    if (folder.empty()) return Fail(error, "No home folder");
    // Each step of the path, from the top down, so that only the missing ones
    // are made (and made private).
    std::string step;
    std::size_t start = 0;
    while (start <= folder.size()) {
        std::size_t end = folder.find('/', start);
        if (end == std::string::npos) end = folder.size();
        step = folder.substr(0, end);
        start = end + 1;
        if (step.empty() || step.back() == '/') continue;  // the root, or "//"
        if (IsFolder(step)) continue;
        if (::mkdir(step.c_str(), 0700) == 0) continue;
        const int reason = errno;
        if (reason == EEXIST && IsFolder(step)) continue;  // another start made it
        const std::string why = reason == EEXIST ? "'" + step + "' is not a folder"
                                                 : std::generic_category().message(reason);
        return Fail(error, "Cannot create the home folder '" + folder + "': " + why);
    }
    return true;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace quillix
