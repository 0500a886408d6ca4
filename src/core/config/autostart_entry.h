// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up entry that runs the program when the user logs in: a desktop
// entry file in the user's autostart folder whose command names the program's
// executable with the argument "Auto" (start hidden in the notification area).
// Where the file lives and what it says; writing it is the window's business.

#include <optional>
#include <string>
#include <string_view>

namespace quillix {

inline constexpr std::string_view kAutostartFileName = "quillix.desktop";
inline constexpr std::string_view kAutostartArgument = "Auto";

// The autostart folder: configHome + "/autostart" when configHome (the value of
// XDG_CONFIG_HOME) is an absolute path, else home + "/.config/autostart".
std::string AutostartFolder(std::string_view configHome, std::string_view home);

// The entry's text for that executable; none for a path that a desktop entry
// cannot hold (empty, not absolute, or with a line break or other control
// character).
std::optional<std::string> AutostartEntryText(std::string_view executable);

}  // namespace quillix
