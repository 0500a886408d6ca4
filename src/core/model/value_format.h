// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one global value-format record: how every number is shown and, in fixed
// format, to what precision every operand is taken. Formatting is a function of
// a number and this record; no value stores a format of its own.

#include <cstdint>
#include <string>

namespace quillix {

inline constexpr std::uint8_t kGeneralFormat = 0;
inline constexpr std::uint8_t kFixedFormat = 2;

struct TValueFormatRecord {
    std::uint8_t ValueFormat = kGeneralFormat;  // 0 general, 2 fixed
    int Precision = 18;                         // significant digits; never changed
    int ValueDigits = 2;  // decimals in fixed format; least exponent digits in general
};

// The record shared by the whole program.
inline TValueFormatRecord valueFormatRecord;
inline TValueFormatRecord& ValueFormatSettings() {
    return valueFormatRecord;
}

// Sets general format (decimals < 0) or fixed format with that many decimals (0..18).
void SetValueFormat(int decimals);

// The number of decimals limited to 0..18, whatever a settings file or a
// caller asked for.
int ClampValueDigits(int digits);

// ValueDigits limited to 0..18.
int EffectiveValueDigits();

// The number an operand contributes: x itself in general format, otherwise x as a
// double rounded to ValueDigits decimals (halves to even), the product in double.
long double RoundedToFixedFormat(long double x);
inline long double RoundedToFormat(long double x) {
    return valueFormatRecord.ValueFormat == kGeneralFormat ? x : RoundedToFixedFormat(x);
}

// The display text of a number in the current format (not grouped).
std::string FormatNumber(long double x);

}  // namespace quillix
