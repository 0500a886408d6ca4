// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of quillix-cli's subcommands: name, one-line usage, entry point.
// Each subcommand lives in its own file cmd_<name>.cpp.

#include <span>

#include "cli_context.h"

namespace quillix::cli {

using SubcommandFn = int (*)(CliContext& context, const Arguments& args);

struct Subcommand {
    const char* name;
    const char* usage;
    SubcommandFn run;
};

std::span<const Subcommand> Subcommands();

}  // namespace quillix::cli
