// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli solve PROGRAM OUTPUT=TARGET --for INPUT [--near VALUE]: goal seek
// on a stored program, the value of INPUT for which OUTPUT equals TARGET.

#include <ostream>

#include "cli_context.h"
#include "common/number_text.h"
#include "common/untrusted_text.h"
#include "json_writer.h"
#include "value_json.h"
#include "whatif/goal_seek.h"
#include "whatif_program.h"

namespace quillix::cli {

namespace {

constexpr const char* kSolveUsage = "usage: solve PROGRAM OUTPUT=TARGET --for INPUT [--near VALUE]";

long double NumberArgument(const std::string& text) {
    const std::optional<long double> number = ParseDecimal(text);
    if (!number) throw UsageError("'" + VisibleText(text) + "' is not a number");
    return *number;
}

struct SolveOptions {
    std::string program;
    TGoalSeekRequest request;
};

SolveOptions ParseSolveArguments(const Arguments& args) {
    SolveOptions options;
    std::vector<std::string> words;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--for" || arg == "--near")) {
            if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
            if (arg == "--for") {
                options.request.Input = args[++i];
            } else {
                options.request.Start = NumberArgument(args[++i]);
            }
        } else if (!optionsEnded && arg.starts_with("--")) {
            throw UsageError("unknown option '" + arg + "'");
        } else {
            words.push_back(arg);
        }
    }
    if (words.size() != 2 || options.request.Input.empty()) throw UsageError(kSolveUsage);
    options.program = words[0];
    const std::size_t equals = words[1].find('=');
    if (equals == std::string::npos)
        throw UsageError("the goal is OUTPUT=TARGET, not '" + VisibleText(words[1]) + "'");
    options.request.Output = words[1].substr(0, equals);
    options.request.Target = NumberArgument(words[1].substr(equals + 1));
    return options;
}

void WriteAnswerJson(const CliContext& context, const TGoalSeekAnswer& answer) {
    JsonWriter json;
    json.BeginObject().Key("found").Bool(answer.Found);
    if (!answer.Found) json.Key("reason").String(answer.Reason);
    json.Key("input");
    WriteValueJson(json, *TWhatIfCell::OfNumber(answer.InputValue).ToValue());
    json.Key("output");
    WriteValueJson(json, *answer.OutputValue.ToValue());
    json.Key("evaluations").Int(answer.Evaluations).EndObject();
    *context.out << json.Text() << "\n";
}

}  // namespace

int RunSolve(CliContext& context, const Arguments& args) {
    const SolveOptions options = ParseSolveArguments(args);
    WhatIfProgram loaded(context, options.program);
    const TGoalSeekAnswer answer =
        RefusalsAsUsage([&] { return GoalSeek(loaded.Set(), options.request); });
    const std::string inputText = TWhatIfCell::OfNumber(answer.InputValue).PlainText();
    if (context.json) {
        WriteAnswerJson(context, answer);
    } else if (answer.Found) {
        *context.out << inputText << "\n";
    }
    if (answer.Found) return kExitOk;
    *context.err << "no solution: " << VisibleText(answer.Reason) << " (best "
                 << VisibleText(answer.Input) << "=" << inputText << " gives "
                 << VisibleText(answer.Output) << "=" << VisibleText(answer.OutputValue.PlainText())
                 << ")\n";
    return kExitFailed;
}

}  // namespace quillix::cli
