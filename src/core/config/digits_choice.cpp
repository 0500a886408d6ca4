// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/digits_choice.h"

#include <algorithm>

namespace quillix {

namespace {
constexpr int kGeneral = 0;
constexpr int kFixed = 2;
}  // namespace

std::vector<std::string> DigitsListEntries() {
    std::vector<std::string> entries{"Default"};
    for (int digits = 0; digits <= kMaxValueDigits; ++digits)
        entries.push_back(std::to_string(digits));
    return entries;
}

int DigitsListIndex(int valueFormat, int valueDigits) {
    if (valueFormat == kGeneral) return kDigitsListDefault;
    return std::clamp(valueDigits, 0, kMaxValueDigits) + 1;
}

TDigitsChoice DigitsFromListIndex(int index, int currentDigits) {
    if (index <= kDigitsListDefault || index > kMaxValueDigits + 1)
        return {kGeneral, currentDigits};
    return {kFixed, index - 1};
}

}  // namespace quillix
