// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of the keypad's button grid by caption, with the command each one
// sends: the table the keypad, quillix-cli and the tests share. "RPN" and "ALG"
// send the mode codes here; the keypad's own buttons change the mode through
// the settings instead.

#include <cstdint>
#include <span>
#include <string_view>

namespace quillix {

struct TKeypadKey {
    std::string_view Caption;
    std::uint8_t Code;
    std::uint8_t FuncID;  // for ccFunction: the catalogue function the key applies
};

std::span<const TKeypadKey> KeypadKeys();
// The key of that caption (exact letter case), or null.
const TKeypadKey* FindKeypadKey(std::string_view caption);

}  // namespace quillix
