// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli show FILE: the source view of a program or function file.

#include <iostream>

#include "cli_context.h"
#include "program_source.h"
#include "vars/calc_exec.h"
#include "vars/source_view_text.h"
#include "vars/user_libraries.h"

namespace quillix::cli {

int RunShow(CliContext& context, const Arguments& args) {
    if (args.size() != 1) throw UsageError("usage: show FILE");
    TUserLibraries libraries(context.home);
    const std::string file = ProgramFile(context, args[0]);
    TCalcProgramExec set;
    std::string error;
    if (!set.LoadFromFile(file, &error)) throw CommandFailed(error);
    *context.out << SourceViewText(set);
    return kExitOk;
}

}  // namespace quillix::cli
