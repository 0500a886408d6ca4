// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in families beyond the six standard ones: "Speed", "Pressure",
// "Energy", "Power" and "DataSize". They are registered right after the standard
// families, so those keep their identifiers and order, and the user's custom
// families follow all of them.

#include "convert/conv_registry.h"

namespace quillix {

// Call once, right after RegisterStandardFamilies and before the custom units.
void RegisterExtraFamilies(TConvRegistry& registry);

}  // namespace quillix
