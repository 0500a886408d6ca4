// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where quillix-cli finds a program: the path of a ".prg" or ".fn" file, or a
// name of the home's programs library (then of its functions library).

#include <string>

#include "cli_context.h"

namespace quillix::cli {

// The file of the program or function; CommandFailed when there is none.
std::string ProgramFile(const CliContext& context, const std::string& nameOrPath);

}  // namespace quillix::cli
