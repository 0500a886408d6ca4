// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli eval [--program FILE] [--set NAME] [--save FILE] FORMULA: reads a
// formula text as the formula column shows it, with names resolving in the
// program's variables, prints its value, and can store the result as a
// variable of the program and save the program.

#include <optional>
#include <string>

#include "cli_context.h"
#include "common/untrusted_text.h"
#include "model/formula_reader.h"
#include "program_source.h"
#include "value_json.h"
#include "vars/calc_vars.h"
#include "vars/library_call_runner.h"
#include "vars/library_names.h"
#include "vars/user_libraries.h"

namespace quillix::cli {

namespace {

struct EvalOptions {
    std::string program;  // loaded first; names resolve in it
    std::optional<std::string> setName;
    std::string saveFile;
    std::optional<std::string> formula;
};

// The options stand before or after the formula; a formula may itself start
// with "-" ("-5+3"), so only "--" words are taken as options, and "--" ends
// them ("eval -- --5").
EvalOptions ParseEvalArguments(const Arguments& args) {
    EvalOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (optionsEnded || !arg.starts_with("--")) {
            if (options.formula)
                throw UsageError("eval takes one FORMULA (quote it), not also '" + arg + "'");
            options.formula = arg;
        } else if (arg == "--program" || arg == "--set" || arg == "--save") {
            if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--program") {
                options.program = value;
            } else if (arg == "--set") {
                if (const std::string problem = VariableNameProblem(value); !problem.empty())
                    throw UsageError("--set: " + problem);
                options.setName = value;
            } else {
                options.saveFile = value;
            }
        } else {
            throw UsageError("unknown option '" + arg + "'");
        }
    }
    if (!options.formula)
        throw UsageError("usage: eval [--program FILE] [--set NAME] [--save FILE] FORMULA");
    return options;
}

FormulaNameLookup LibraryLookup(TUserFuncFolder& library) {
    return [&library](std::string_view name) -> std::optional<std::string> {
        const TUserFuncObj* found = library.FindByName(name);
        if (!found) return std::nullopt;
        return found->Name();
    };
}

// Adds the result as a new variable, or gives the variable of that name the
// result's value and formula (its dependants follow).
TCalcValue& StoreResult(TCalcVars& document, const std::string& name, ValueRef result) {
    if (!document.Find(name)) {
        TCalcValue& value = *result;
        if (!document.Add(name, std::move(result)))
            throw CommandFailed("the result cannot be stored as '" + VisibleText(name) + "'");
        return value;
    }
    TCalcValue* stored = document.SetValue(name, std::move(result));
    if (!stored) {
        throw CommandFailed("the formula of '" + TrimBlanks(name) +
                            "' cannot use that variable itself or one listed after it");
    }
    return *stored;
}

}  // namespace

int RunEval(CliContext& context, const Arguments& args) {
    const EvalOptions options = ParseEvalArguments(args);
    TUserLibraries libraries(context.home);
    const TLibraryCallRunner runner;
    TCalcVars document;
    std::string error;
    if (!options.program.empty() &&
        !document.LoadFromFile(ProgramFile(context, options.program), &error)) {
        throw CommandFailed(error);
    }

    FormulaReaderOptions reading;
    reading.vars = &document;
    reading.findUserFunction = LibraryLookup(libraries.Functions());
    reading.findProgram = LibraryLookup(libraries.Programs());
    FormulaReadResult read = ReadFormula(*options.formula, reading);
    if (!read.ok()) throw CommandFailed(read.error->message);

    const TCalcValue* shown = read.value.get();
    if (options.setName) shown = &StoreResult(document, *options.setName, std::move(read.value));
    if (!options.saveFile.empty() && !document.SaveToFile(options.saveFile, &error)) {
        throw CommandFailed(error);
    }
    // An error value still goes into the program (its formula may work with
    // other inputs), but the run reports it as a failure.
    return PrintValueResult(context, *shown);
}

}  // namespace quillix::cli
