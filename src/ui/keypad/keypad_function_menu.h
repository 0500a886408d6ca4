// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keypad's "Functions" menu as data: sub-menus by path, and per entry the
// caption, which is the catalogue's name of its function in the menu's own
// letter case ("Avg" for AVG). How a chosen function is applied is the
// catalogue's FunctionUse.

#include <span>
#include <string_view>

namespace quillix {

struct TFuncDataItem;

struct TFuncMenuGroup {
    // The sub-menu's captions from the top, "/" between levels ("Trigonometry/Hyperbolic").
    std::string_view Path;
    // The entries' captions; an empty one is a separator.
    std::span<const std::string_view> Entries;
};

// The catalogue row of an entry's caption (none for a separator).
const TFuncDataItem* MenuEntryFunction(std::string_view caption);

// In menu order; a group follows the groups of its parents.
std::span<const TFuncMenuGroup> FunctionMenuGroups();

// The caption of the sub-menu rebuilt from the functions library.
inline constexpr std::string_view kMyFunctionsCaption = "My Functions";

}  // namespace quillix
