// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two ways RPN can work. Classic: Enter only ends the number being typed,
// and an operator with no value waiting does nothing. Stack: the convention of
// stack calculators, where Enter pushes a copy of X, the next number replaces
// that copy, missing stack levels count as zeros, and x<->y, R-down, Drop and
// LastX work on the stack. The "RPNStyle" setting names the style.

#include <cstdint>
#include <string_view>

namespace quillix {

enum class TRPNStyle : std::uint8_t { Classic, Stack };

// "Classic" or "Stack", as the setting writes it.
std::string_view RPNStyleText(TRPNStyle style);
// The style a setting's text names, in any letter case and with blanks
// around it; anything else (a hand-edited file) is Classic.
TRPNStyle ParseRPNStyle(std::string_view text);

}  // namespace quillix
