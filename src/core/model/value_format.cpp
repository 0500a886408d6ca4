// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/value_format.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/number_text.h"

namespace quillix {

void SetValueFormat(int decimals) {
    TValueFormatRecord& record = ValueFormatSettings();
    if (decimals < 0) {
        record.ValueFormat = kGeneralFormat;
    } else {
        record.ValueFormat = kFixedFormat;
        record.ValueDigits = ClampValueDigits(decimals);
    }
}

int ClampValueDigits(int digits) {
    return std::clamp(digits, 0, 18);
}

int EffectiveValueDigits() {
    return ClampValueDigits(ValueFormatSettings().ValueDigits);
}

long double RoundedToFixedFormat(long double x) {
    // A number beyond the double range cannot be narrowed (it would become an
    // infinity), and it has no decimals left to round: it is taken as it is.
    if (std::fabs(x) > std::numeric_limits<double>::max()) return x;
    const double value = static_cast<double>(x);
    const double step = std::pow(10.0, -EffectiveValueDigits());
    const double rounded = std::nearbyint(value / step) * step;
    // Near the top of the double range value / step overflows, although such a
    // number is whole and rounding would keep it.
    if (std::isinf(rounded) && std::isfinite(value)) return value;
    return static_cast<long double>(rounded);
}

std::string FormatNumber(long double x) {
    const TValueFormatRecord& record = ValueFormatSettings();
    const int digits = EffectiveValueDigits();
    if (record.ValueFormat == kGeneralFormat) {
        return FormatFloatGeneral(x, record.Precision, digits);
    }
    return FormatFloatFixed(x, digits, record.Precision, digits);
}

}  // namespace quillix
