// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keypad's "Functions" menu as data: sub-menus by path, and per entry the
// caption, the catalogue FuncID and how it is applied (to X as a one-argument
// function, or through ApplyFunction).

#include <cstdint>
#include <span>
#include <string_view>

namespace quillix {

struct TFuncMenuEntry {
    std::string_view Caption;  // empty: a separator
    std::uint8_t FuncID = 0;
    bool Apply = false;  // true: ApplyFunction(FuncID); false: ccFunction with FuncID
};

struct TFuncMenuGroup {
    // The sub-menu's captions from the top, "/" between levels ("Trigonometry/Hyperbolic").
    std::string_view Path;
    std::span<const TFuncMenuEntry> Entries;
};

// In menu order; a group follows the groups of its parents.
std::span<const TFuncMenuGroup> FunctionMenuGroups();

// The caption of the sub-menu rebuilt from the functions library.
inline constexpr std::string_view kMyFunctionsCaption = "My Functions";

}  // namespace quillix
