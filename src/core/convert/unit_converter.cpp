// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/unit_converter.h"

#include <optional>
#include <string>

#include "common/fp_checks.h"
#include "common/number_text.h"

namespace quillix {

long double RoundToFifteenDigits(double x) {
    const std::optional<long double> read = ParseDecimal(FormatFloat15(x), true);
    // Every text FormatFloat15 writes reads back; the fallback only guards that.
    return read.value_or(x);
}

long double ConvertUnitsByName(const TConvRegistry& registry, TConvFamily family,
                               std::string_view fromName, std::string_view toName,
                               long double value) {
    const std::optional<TConvType> from = registry.FindUnit(family, fromName);
    const std::optional<TConvType> to = registry.FindUnit(family, toName);
    if (!from || !to) {
        throw EConversionError("Incompatible conversion types [" + std::string(fromName) + ", " +
                               std::string(toName) + "]");
    }
    // The registry computes in doubles; a larger number cannot enter it.
    const double operand = static_cast<double>(CheckedResult(static_cast<double>(value), {value}));
    return RoundToFifteenDigits(registry.ConvertUnits(operand, *from, *to));
}

}  // namespace quillix
