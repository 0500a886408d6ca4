// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/library_manager_rules.h"

#include "common/text_compare.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"
#include "vars/user_libraries.h"

namespace quillix {

std::optional<std::string> SaveNameProblem(std::string_view name) {
    if (name.find_first_of("*/:<>?\\|") != std::string_view::npos)
        return std::string("Name can't contain \"/,\\,:,*,?,<,>,|\"");
    std::string reason;
    if (!CheckLibraryName(name, &reason)) return reason;
    return std::nullopt;
}

bool FolderDropAllowed(const TUserFuncFolder& dragged, const TUserFuncFolder& target) {
    for (const TUserFuncFolder* folder = &target; folder; folder = folder->Parent())
        if (folder == &dragged) return false;
    return true;
}

std::string LibraryFileFilter(const std::string& extension) {
    const bool functions = EqualsIgnoreAsciiCase(extension, kUserFunctionExtension);
    const std::string pattern = "(*" + extension + ")";
    return functions ? "Function files " + pattern : "Program files " + pattern;
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return hasExtension ? path : path + extension;
}

}  // namespace quillix
