// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/format_indicator.h"

namespace quillix {

namespace {

bool IsFixed(const TValueFormatRecord& record) {
    // Any format other than the general one formats as fixed (FormatNumber).
    return record.ValueFormat != kGeneralFormat;
}

std::string Decimals(const TValueFormatRecord& record) {
    const int digits = ClampValueDigits(record.ValueDigits);
    return std::to_string(digits) + (digits == 1 ? " decimal" : " decimals");
}

}  // namespace

std::string FixedFormatIndicator(const TValueFormatRecord& record) {
    if (!IsFixed(record)) return {};
    return "FIX " + std::to_string(ClampValueDigits(record.ValueDigits));
}

std::string FixedFormatHint(const TValueFormatRecord& record) {
    if (!IsFixed(record)) return {};
    return FixedFormatIndicator(record) + ": numbers are shown with " + Decimals(record) +
           ", and calculations read every number rounded to them. Significant Digits " +
           "\u203a Default shows and uses all digits again.";
}

}  // namespace quillix
