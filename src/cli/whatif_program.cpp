// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif_program.h"

#include "program_source.h"

namespace quillix::cli {

WhatIfProgram::WhatIfProgram(const CliContext& context, const std::string& nameOrPath)
    : libraries_(context.home) {
    std::string error;
    if (!program_.LoadFromFile(ProgramFile(context, nameOrPath), &error))
        throw CommandFailed(error);
    program_.RecalcAll();
}

std::vector<std::string> WhatIfProgram::OutputNames() const {
    std::vector<std::string> names;
    for (const TCalcValueWarper* output : program_.Outputs())
        names.push_back(output->GetName());
    return names;
}

}  // namespace quillix::cli
