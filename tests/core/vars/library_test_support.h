// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the library tests share: the temporary folder a library lives in (see
// support/temp_folder.h) and the names a library folder lists.

#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "vars/user_func_folder.h"

namespace quillix::test {

using Names = std::vector<std::string>;

// The names of the files, or of the subfolders, of a folder, in its order.
template <class Items>
Names NamesOf(const Items& items) {
    Names names;
    for (const auto& item : items)
        names.push_back(item->Name());
    return names;
}

inline Names FileNames(const TUserFuncFolder& folder) {
    return NamesOf(folder.Files());
}

inline Names FolderNames(const TUserFuncFolder& folder) {
    return NamesOf(folder.Subfolders());
}

}  // namespace quillix::test
