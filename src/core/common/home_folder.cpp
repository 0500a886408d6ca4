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

std::string ResolveHomeFolder(const std::optional<std::string>& explicitHome) {
    if (explicitHome && !explicitHome->empty()) return WithoutTrailingSlash(*explicitHome);
    const std::string fromEnv = Env("QUILLIX_HOME");
    if (!fromEnv.empty()) return WithoutTrailingSlash(fromEnv);
    const std::string exeFolder = ExecutableFolder();
    if (!exeFolder.empty() && ::access(exeFolder.c_str(), W_OK) == 0) return exeFolder;
    std::string dataHome = Env("XDG_DATA_HOME");
    if (dataHome.empty()) dataHome = JoinPath(Env("HOME"), ".local/share");
    return JoinPath(WithoutTrailingSlash(dataHome), "quillix");
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace quillix
