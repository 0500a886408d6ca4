// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/library_manager_rules.h"

#include <filesystem>
#include <system_error>

#include "common/text_compare.h"
#include "config/settings_table.h"
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

std::string FolderCaption(const TUserFuncFolder& folder) {
    if (folder.IsRoot()) return "Root";
    std::string caption = folder.Name();
    for (const TUserFuncFolder* above = folder.Parent(); above && !above->IsRoot();
         above = above->Parent())
        caption = above->Name() + "/" + caption;
    return caption;
}

std::string ReplaceQuestion(const TUserFuncObj& object) {
    const bool function =
        EqualsIgnoreAsciiCase(object.Folder()->Extension(), kUserFunctionExtension);
    return "Replace the " + std::string(function ? "function" : "program") + " '" + object.Name() +
           "' in folder '" + FolderCaption(*object.Folder()) + "'?";
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

std::string LibraryFileSuffix(const std::string& extension) {
    return extension.starts_with('.') ? extension.substr(1) : extension;
}

std::string LibraryChooserFolder(const IConfigor* settings, const std::string& home) {
    const std::string remembered =
        settings ? ReadTextSetting(*settings, TSetting::MainLibraryFileFolder) : std::string();
    std::error_code error;
    if (!remembered.empty() && std::filesystem::path(remembered).is_absolute() &&
        std::filesystem::is_directory(remembered, error))
        return remembered;
    return home;
}

void RememberLibraryChooserFolder(IConfigor* settings, const std::string& chosenFile) {
    if (!settings) return;
    const std::string folder = std::filesystem::path(chosenFile).parent_path().string();
    if (folder.empty()) return;
    WriteTextSetting(*settings, TSetting::MainLibraryFileFolder, folder);
}

}  // namespace quillix
