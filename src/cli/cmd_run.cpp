// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli run PROGRAM [NAME=VALUE | VALUE ...]: runs a stored program as the
// program runner does and prints its outputs.

#include <iostream>

#include "cli_context.h"
#include "common/number_text.h"
#include "common/untrusted_text.h"
#include "json_writer.h"
#include "program_source.h"
#include "value_json.h"
#include "vars/calc_exec.h"
#include "vars/library_call_runner.h"
#include "vars/library_names.h"
#include "vars/user_libraries.h"

namespace quillix::cli {

namespace {

long double NumberArgument(const std::string& text) {
    const std::optional<long double> number = ParseDecimal(text);
    if (!number) throw UsageError("'" + text + "' is not a number");
    return *number;
}

// NAME=VALUE binds by name (without regard to case), a bare VALUE the next input.
void BindInputs(TCalcProgramExec& program, const Arguments& bindings) {
    const std::vector<TCalcValueWarper*>& inputs = program.Inputs();
    std::size_t next = 0;
    for (const std::string& binding : bindings) {
        const std::size_t equals = binding.find('=');
        TCalcValueWarper* input = nullptr;
        std::string valueText = binding;
        if (equals != std::string::npos) {
            const std::string name = binding.substr(0, equals);
            valueText = binding.substr(equals + 1);
            for (TCalcValueWarper* candidate : inputs) {
                if (SameName(candidate->GetName(), name)) input = candidate;
            }
            if (!input) throw UsageError("the program has no input '" + TrimBlanks(name) + "'");
        } else {
            if (next >= inputs.size()) throw UsageError("more values than the program has inputs");
            input = inputs[next++];
        }
        program.SetInput(input->GetName(), TCalcValue::New(NumberArgument(valueText)));
    }
}

// Every output is printed; the run has failed when any of them is an error value.
int PrintOutputs(const CliContext& context, const TCalcProgramExec& program) {
    bool anyError = false;
    for (const TCalcValueWarper* output : program.Outputs())
        anyError = anyError || output->Value->CVType() == cvError;
    if (context.json) {
        JsonWriter json;
        json.BeginObject().Key("outputs").BeginArray();
        for (const TCalcValueWarper* output : program.Outputs()) {
            json.BeginObject().Key("name").String(output->GetName()).Key("value");
            WriteValueJson(json, *output->Value);
            json.EndObject();
        }
        json.EndArray().EndObject();
        *context.out << json.Text() << "\n";
    } else {
        // One line per output, whatever a name or text holds.
        for (const TCalcValueWarper* output : program.Outputs()) {
            *context.out << VisibleText(output->GetName()) << " = "
                         << VisibleText(ValuePlainText(*output->Value)) << "\n";
        }
    }
    return anyError ? kExitFailed : kExitOk;
}

}  // namespace

int RunRun(CliContext& context, const Arguments& args) {
    const Arguments rest = WithoutOptionsEnd(args);
    if (rest.empty()) throw UsageError("usage: run PROGRAM [NAME=VALUE | VALUE ...]");
    TUserLibraries libraries(context.home);
    TLibraryCallRunner runner;
    const std::string file = ProgramFile(context, rest[0]);
    TCalcProgramExec program;
    std::string error;
    if (!program.LoadFromFile(file, &error)) throw CommandFailed(error);
    BindInputs(program, Arguments(rest.begin() + 1, rest.end()));
    program.RecalcAll();
    return PrintOutputs(context, program);
}

}  // namespace quillix::cli
