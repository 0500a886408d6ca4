// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/home_folder.h"

#include <unistd.h>

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

}  // namespace

std::string ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return exe.parent_path().string();
}

std::string ChooseHomeFolder(const HomeFolderFacts& facts) {
    if (facts.explicitHome && !facts.explicitHome->empty()) {
        return WithoutTrailingSlash(*facts.explicitHome);
    }
    if (!facts.quillixHome.empty()) return WithoutTrailingSlash(facts.quillixHome);
    if (!facts.executableFolder.empty() && facts.executableFolderWritable) {
        return facts.executableFolder;
    }
    std::string dataHome = facts.xdgDataHome;
    if (dataHome.empty()) dataHome = JoinPath(facts.userHome, ".local/share");
    return JoinPath(WithoutTrailingSlash(dataHome), "quillix");
}

std::string ResolveHomeFolder(const std::optional<std::string>& explicitHome) {
    HomeFolderFacts facts;
    facts.explicitHome = explicitHome;
    facts.quillixHome = Env("QUILLIX_HOME");
    facts.executableFolder = ExecutableFolder();
    facts.executableFolderWritable =
        !facts.executableFolder.empty() && ::access(facts.executableFolder.c_str(), W_OK) == 0;
    facts.xdgDataHome = Env("XDG_DATA_HOME");
    facts.userHome = Env("HOME");
    return ChooseHomeFolder(facts);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace quillix
