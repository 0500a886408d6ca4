#include "config/digits_menu.h"

namespace quillix {
namespace {
// The value format codes (the settings store them as these integers).
constexpr int kGeneralFormat = 0;
constexpr int kFixedFormat = 2;
}  // namespace

std::vector<std::string> DigitsEntryCaptions() {
    std::vector<std::string> captions{"Default"};
    for (int digits = 0; digits < kDigitsEntryCount - 1; ++digits)
        captions.push_back(std::to_string(digits));
    return captions;
}

TDigitsChoice ChooseDigitsEntry(int tag, TDigitsChoice current) {
    if (tag == 0) return {kGeneralFormat, current.ValueDigits};
    if (tag < 0 || tag >= kDigitsEntryCount) return current;
    return {kFixedFormat, tag - 1};
}

int CheckedDigitsEntry(TDigitsChoice current) {
    if (current.ValueFormat == kGeneralFormat) return 0;
    // A hand-edited file may hold digits outside the list: the nearest entry.
    int digits = current.ValueDigits;
    if (digits < 0) digits = 0;
    if (digits > kDigitsEntryCount - 2) digits = kDigitsEntryCount - 2;
    return digits + 1;
}

}  // namespace quillix
