// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display format of one quillix-cli run: --fixed N, or else the home's
// "Main"/"ValueFormat" and "ValueDigits" settings, set into the global
// value-format record before any subcommand runs. The settings are only read.

#include <optional>
#include <string>

#include "cli_context.h"
#include "model/value_format.h"

namespace quillix::cli {

// The format the settings file of home asks for (ReadValueFormat); a missing
// or unreadable file gives the defaults.
TValueFormatRecord ReadDisplayFormat(const std::string& home);

// Sets the global record: fixed with --fixed decimals when given, else as read
// from the home.
void ApplyDisplayFormat(const CliContext& context);

// Dates show in the short date format of the user's locale; without a locale
// (C, C.UTF-8 or POSIX, where it would have a two-digit year) as yyyy-mm-dd.
void ApplyDateFormat();

}  // namespace quillix::cli
