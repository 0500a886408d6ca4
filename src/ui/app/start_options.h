// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line of the desktop program asks for: --home DIR, --help,
// --version, "Auto" (any letter case, first argument) to start hidden in the
// tray, and the debug switch ("-debug" / "/debug"). Qt-free, so it is tested
// without a display.

#include <optional>
#include <string>
#include <vector>

namespace quillix {

struct TStartOptions {
    std::optional<std::string> Home;
    bool StartHidden = false;
    bool ShowHelp = false;
    bool ShowVersion = false;
    std::string Error;  // a usage error; empty when the line is fine
};

// args: the arguments after the program's name.
TStartOptions ParseStartOptions(const std::vector<std::string>& args);
std::string StartUsageText();

}  // namespace quillix
