// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Type-to-filter in the unit converter's lists: how well a unit name matches
// what the user typed. Letter case and everything but letters and digits are
// ignored, so "km/h" finds "KilometersPerHour" and "mph" "MilesPerHour".

#include <string_view>

namespace quillix {

enum class TUnitMatch {
    None,            // the name does not hold the typed letters in order
    Scattered,       // the typed letters occur in the name in order ("kmh")
    InitialsOrPart,  // the words' initials ("mph"), or a part of the name ("meter")
    Start,           // the name starts with them; also any name for an empty text
};

// Better matches compare greater; the lists show those first.
TUnitMatch MatchUnitName(std::string_view name, std::string_view typed);

}  // namespace quillix
