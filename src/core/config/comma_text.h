// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Comma text: a list of names or values in one line, as "Keypad"/"QuickVarNames"
// and the remembered list arguments keep it. Items are separated by ","; an item
// that is empty or holds a blank (or any control character), a comma or a double
// quote is written between double quotes with inner double quotes doubled.

#include <string>
#include <string_view>
#include <vector>

namespace quillix {

std::string ToCommaText(const std::vector<std::string>& items);

// Reads comma text back; ToCommaText's output gives the same items again. Other
// text is read leniently and never fails: blanks around an unquoted item are
// dropped; empty items ("a,,b", a trailing ",") are kept as empty texts, only
// an all-blank text gives no item; an unclosed quote runs to the end; text after
// a closing quote, up to the next comma, is added to the item.
std::vector<std::string> ParseCommaText(std::string_view text);

}  // namespace quillix
