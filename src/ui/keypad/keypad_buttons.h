// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keypad's buttons as data: object name, caption, help context and place.
// The command a grid button sends comes from the core's key table by caption;
// "RPN", "ALG" and "Date" have actions of their own.

#include <span>
#include <string_view>

namespace quillix {

enum class TKeypadPlace {
    Grid,    // the six-by-seven grid, at Row and Col
    Top,     // the band under the display, left to right
    Column,  // the right column, top to bottom
};

struct TKeypadButtonDef {
    std::string_view Name;
    std::string_view Caption;
    int HelpContext = 0;  // 0: the frame's context applies
    TKeypadPlace Place = TKeypadPlace::Grid;
    int Row = 0;
    int Col = 0;
    std::string_view Hint;
};

// The help context of the frame itself.
inline constexpr int kKeypadHelpContext = 100100;
// The grid cell of the counter label.
inline constexpr int kCounterRow = 0;
inline constexpr int kCounterCol = 0;
inline constexpr int kGridRows = 7;
inline constexpr int kGridCols = 6;

std::span<const TKeypadButtonDef> KeypadButtons();
// The definition with that object name, or null.
const TKeypadButtonDef* FindKeypadButton(std::string_view name);

}  // namespace quillix
