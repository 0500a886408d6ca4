// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six standard conversion families ("Distance", "Area", "Volume", "Mass",
// "Temperature", "Time") with all their units, registered in the fixed order
// that every list shown to the user follows.

#include <string_view>

#include "convert/conv_registry.h"

namespace quillix {

// Registers the standard families and units into a registry; call it once, on an
// empty registry, before the custom units are loaded.
void RegisterStandardFamilies(TConvRegistry& registry);

// Whether the unit of that name (ignoring case) is a standard unit of the standard
// family of that name.
bool IsStandardUnit(std::string_view familyName, std::string_view unitName);

}  // namespace quillix
