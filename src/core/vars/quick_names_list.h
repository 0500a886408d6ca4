// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor of the quick variable names in the options dialog, without its
// widgets: which text "Add" accepts, how Up and Down move a name, and which of
// the buttons Remove, Up and Down a selection enables.

#include <string>
#include <string_view>
#include <vector>

namespace quillix {

// The name "Add" appends for text, or "" when it adds nothing: text that is
// empty or blank, or a name the list holds already (compared as names are:
// trimmed and without regard to letter case). The name is stored trimmed.
std::string QuickNameToAdd(const std::vector<std::string>& names, std::string_view text);

// Swaps the name at index with its predecessor (delta -1) or successor
// (delta +1) when there is one; returns the index the name has afterwards
// (index itself when nothing moved or index is outside the list).
int MoveQuickName(std::vector<std::string>& names, int index, int delta);

struct TQuickNameButtons {
    bool Remove = false;
    bool Up = false;
    bool Down = false;
    bool operator==(const TQuickNameButtons&) const = default;
};

// Nothing selected (selected outside 0..count-1): all disabled. The first name:
// Down and Remove. A name in the middle: all three. The last name (not also the
// first): Up and Remove.
TQuickNameButtons QuickNameButtons(int count, int selected);

}  // namespace quillix
