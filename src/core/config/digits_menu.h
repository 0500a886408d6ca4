#pragma once
// The "Significant Digits" choice shared by the main window's sub-menu and the
// options dialog's list: twenty entries, "Default" (tag 0) then "0" .. "18"
// (tags 1 .. 19). Default keeps the digits and selects the general format; any
// other entry selects the fixed format with tag - 1 decimals.

#include <string>
#include <vector>

namespace quillix {

inline constexpr int kDigitsEntryCount = 20;

struct TDigitsChoice {
    int ValueFormat = 0;  // 0 general, 2 fixed
    int ValueDigits = 2;
};

// The captions in tag order: "Default", "0", ..., "18".
std::vector<std::string> DigitsEntryCaptions();
// What choosing the entry of that tag makes of the current format; a tag
// outside 0..19 changes nothing.
TDigitsChoice ChooseDigitsEntry(int tag, TDigitsChoice current);
// The one entry that shows the current format (its check mark or selection).
int CheckedDigitsEntry(TDigitsChoice current);

}  // namespace quillix
