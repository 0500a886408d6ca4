// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The version shown to the user and sent to the update service: the major and
// minor numbers of the program's four-part version, joined by ".". The build
// numbers are left out, so every 1.0.x.y reads "1.0".

#include <string>
#include <string_view>

namespace quillix {

// "0.1.0.0" gives "0.1". Each part is read as a decimal number (leading zeros
// dropped); a part that is missing or no number counts as 0.
std::string VersionText(std::string_view fullVersion);

}  // namespace quillix
