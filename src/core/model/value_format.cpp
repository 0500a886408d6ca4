#include "model/value_format.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"

namespace quillix {

void SetValueFormat(int decimals) {
    TValueFormatRecord& record = ValueFormatSettings();
    if (decimals < 0) {
        record.ValueFormat = kGeneralFormat;
    } else {
        record.ValueFormat = kFixedFormat;
        record.ValueDigits = std::min(decimals, 18);
    }
}

int EffectiveValueDigits() {
    return std::clamp(ValueFormatSettings().ValueDigits, 0, 18);
}

long double RoundedToFixedFormat(long double x) {
    const double value = static_cast<double>(x);
    const double step = std::pow(10.0, -EffectiveValueDigits());
    const double steps = std::nearbyint(value / step);
    return static_cast<long double>(steps * step);
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
