// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Significant Digits:" list of the options dialog: "Default" (general
// format) followed by "0" to "18" (fixed format with that many decimals), and
// how a position in it maps to and from the ValueFormat / ValueDigits pair.

#include <string>
#include <vector>

namespace quillix {

inline constexpr int kDigitsListDefault = 0;  // the position of "Default"
inline constexpr int kMaxValueDigits = 18;

// "Default", "0", "1", ... "18".
std::vector<std::string> DigitsListEntries();

// The position to select: "Default" in general format (ValueFormat 0),
// otherwise ValueDigits + 1, with ValueDigits limited to 0..18 so that a
// hand-edited settings file still selects an entry.
int DigitsListIndex(int valueFormat, int valueDigits);

struct TDigitsChoice {
    int ValueFormat = 0;
    int ValueDigits = 0;
    bool operator==(const TDigitsChoice&) const = default;
};

// What a position means: "Default" (or a position outside the list) keeps
// currentDigits with ValueFormat 0; any other gives ValueFormat 2 with
// ValueDigits = position - 1.
TDigitsChoice DigitsFromListIndex(int index, int currentDigits);

}  // namespace quillix
