// SPDX-License-Identifier: GPL-3.0-or-later
#include "subcommands.h"

namespace quillix::cli {

// Entry points, one per cmd_<name>.cpp.
int RunCall(CliContext& context, const Arguments& args);
int RunFunctions(CliContext& context, const Arguments& args);
int RunConvert(CliContext& context, const Arguments& args);
int RunUnits(CliContext& context, const Arguments& args);
int RunKeys(CliContext& context, const Arguments& args);
int RunRun(CliContext& context, const Arguments& args);
int RunShow(CliContext& context, const Arguments& args);
int RunEval(CliContext& context, const Arguments& args);
int RunTable(CliContext& context, const Arguments& args);
int RunSolve(CliContext& context, const Arguments& args);

namespace {

const Subcommand kSubcommands[] = {
    {"call", "call NAME ARG...", RunCall},
    {"functions", "functions [CATEGORY]", RunFunctions},
    {"convert", "convert VALUE FROM TO [--family NAME]", RunConvert},
    {"units", "units [FAMILY]", RunUnits},
    {"keys", "keys [--program FILE] [--save FILE] [--rpn-style STYLE] KEY...", RunKeys},
    {"run", "run PROGRAM [NAME=VALUE | VALUE ...]", RunRun},
    {"show", "show FILE", RunShow},
    {"eval", "eval [--program FILE] [--set NAME] [--save FILE] FORMULA", RunEval},
    {"table", "table PROGRAM INPUT=RANGE [INPUT2=RANGE] [OUTPUT...] [--csv]", RunTable},
    {"solve", "solve PROGRAM OUTPUT=TARGET --for INPUT [--near VALUE]", RunSolve},
    {nullptr, nullptr, nullptr},
};

}  // namespace

std::span<const Subcommand> Subcommands() {
    std::span<const Subcommand> all(kSubcommands);
    return all.first(all.size() - 1);  // without the end marker
}

}  // namespace quillix::cli
