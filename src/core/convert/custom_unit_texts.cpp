// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/custom_unit_texts.h"

#include <string>

namespace quillix {

std::optional<TConvType> AddCustomUnitFromTexts(TCustomUnits& customUnits,
                                                std::string_view category, std::string_view unit,
                                                std::string_view factorText) {
    if (category.empty() || unit.empty() || factorText.empty()) return std::nullopt;
    const std::optional<double> factor = ParseCustomFactor(factorText);
    if (!factor) {
        throw EConversionError("'" + std::string(factorText) +
                               "' is not a valid floating point value");
    }
    return customUnits.AddCustomUnit(category, unit, true, *factor);
}

}  // namespace quillix
