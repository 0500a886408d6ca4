// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion the unit converter performs: two units picked by name within one
// family, a calculator number in, and the result rounded to 15 significant digits
// out, as the converter shows it. Shared by the converter window and quillix-cli.

#include <string_view>

#include "convert/conv_registry.h"

namespace quillix {

// x written in the shortest general form with 15 significant digits and read back.
long double RoundToFifteenDigits(double x);

// Converts value from the unit fromName to the unit toName of family (names
// ignoring case). Fails with "Incompatible conversion types [%s, %s]"
// (EConversionError) when either is not a unit of that family, with "Floating
// point overflow" (ECalcError) when value or the result does not fit a double,
// and with the errors of the units' own conversions.
long double ConvertUnitsByName(const TConvRegistry& registry, TConvFamily family,
                               std::string_view fromName, std::string_view toName,
                               long double value);

}  // namespace quillix
