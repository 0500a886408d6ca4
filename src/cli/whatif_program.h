// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stored program that "table" and "solve" work on: loaded into a private
// execution set as "run" loads it and brought up to date once, with the home's
// libraries and the call runner alive for as long as it is used (its formulas
// may call stored functions and programs). The file is only read.

#include <string>

#include "cli_context.h"
#include "vars/calc_exec.h"
#include "vars/library_call_runner.h"
#include "vars/user_libraries.h"
#include "whatif/whatif_table.h"

namespace quillix::cli {

class WhatIfProgram {
  public:
    // CommandFailed when there is no such program or its file cannot be read.
    WhatIfProgram(const CliContext& context, const std::string& nameOrPath);

    TCalcProgramExec& Set() { return program_; }
    // The names of the program's outputs, in order.
    std::vector<std::string> OutputNames() const;

  private:
    TUserLibraries libraries_;
    TLibraryCallRunner runner_;
    TCalcProgramExec program_;
};

// Runs a what-if step, turning a name the program cannot serve with into a
// usage error.
template <class Step>
auto RefusalsAsUsage(Step step) {
    try {
        return step();
    } catch (const WhatIfRefused& refused) {
        throw UsageError(refused.what());
    }
}

}  // namespace quillix::cli
