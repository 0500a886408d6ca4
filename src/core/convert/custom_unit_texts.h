// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The custom units dialog's "&Add": the three texts the user typed, turned into
// a custom unit that is registered and written to the file.

#include <optional>
#include <string_view>

#include "convert/custom_units.h"

namespace quillix {

// Nothing (and nothing done) when any of the three texts is empty. Otherwise the
// factor text (blanks around it allowed) is read as a number and the unit added
// with AddCustomUnit(category, unit, true, factor). A factor text that is not a
// finite number fails with "'<text>' is not a valid floating point value"; that
// and every failure of AddCustomUnit throw EConversionError, and then nothing is
// registered or written.
std::optional<TConvType> AddCustomUnitFromTexts(TCustomUnits& customUnits,
                                                std::string_view category, std::string_view unit,
                                                std::string_view factorText);

}  // namespace quillix
