// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_source.h"

#include <filesystem>

#include "vars/library_names.h"
#include "vars/user_func_folder.h"

namespace quillix::cli {

namespace {

bool HasProgramExtension(const std::filesystem::path& path) {
    const std::string extension = UpperCaseName(path.extension().string());
    return extension == ".PRG" || extension == ".FN";
}

}  // namespace

std::string ProgramFile(const CliContext&, const std::string& nameOrPath) {
    std::error_code error;
    const std::filesystem::path path(nameOrPath);
    if (HasProgramExtension(path) && std::filesystem::is_regular_file(path, error)) {
        return nameOrPath;
    }
    for (IUserFuncFolder* library : {UserProgramsIntf(), UserFunctionsIntf()}) {
        if (!library) continue;
        const std::string file = library->GetFileName(nameOrPath);
        if (!file.empty()) return file;
    }
    throw CommandFailed("There is no program named '" + TrimBlanks(nameOrPath) + "'");
}

}  // namespace quillix::cli
