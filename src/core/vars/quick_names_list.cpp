// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/quick_names_list.h"

#include <algorithm>
#include <utility>

#include "vars/library_names.h"

namespace quillix {

std::string QuickNameToAdd(const std::vector<std::string>& names, std::string_view text) {
    std::string name = TrimBlanks(text);
    if (name.empty()) return {};
    const bool known = std::any_of(names.begin(), names.end(),
                                   [&](const std::string& other) { return SameName(other, name); });
    return known ? std::string() : name;
}

int MoveQuickName(std::vector<std::string>& names, int index, int delta) {
    const int count = static_cast<int>(names.size());
    const int target = index + delta;
    if (index < 0 || index >= count || target < 0 || target >= count) return index;
    std::swap(names[static_cast<std::size_t>(index)], names[static_cast<std::size_t>(target)]);
    return target;
}

TQuickNameButtons QuickNameButtons(int count, int selected) {
    if (selected < 0 || selected >= count) return {};
    if (selected == 0) return {true, false, true};
    if (selected == count - 1) return {true, true, false};
    return {true, true, true};
}

}  // namespace quillix
