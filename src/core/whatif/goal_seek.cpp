// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif/goal_seek.h"

#include <algorithm>
#include <cmath>

#include "model/calc_vars_intf.h"
#include "model/value_format.h"
#include "whatif/input_trial.h"

namespace quillix {

namespace {

TCalcValue& RequiredValue(ICalcVarsBase& vars, const std::string& name,
                          const std::string& problem) {
    if (!problem.empty()) throw WhatIfRefused(problem);
    return *vars.GetValue(name);
}

std::string Point(const std::string& name, long double x) {
    return name + "=" + FormatNumber(x);
}

std::string NoSignChange(const TRootSearch& search, const TGoalSeekAnswer& answer) {
    return "no sign change of " + answer.Output + " minus the target between " +
           Point(answer.Input, search.Low) + " and " + FormatNumber(search.High);
}

std::string ErrorValue(const TRootSearch& search, const TGoalSeekAnswer& answer,
                       const std::string& message) {
    std::string text = answer.Output + " is an error value (\"" + message + "\") at " +
                       Point(answer.Input, search.ErrorAt);
    if (!search.AnyGoodPoint) return text + " and at every other point tried";
    // Where the error stopped the search on one side, the other side said no too.
    if (!search.Bracketed) return NoSignChange(search, answer) + ", and " + text;
    return text;
}

std::string ReasonText(const TRootSearch& search, const TGoalSeekAnswer& answer,
                       const std::string& firstError) {
    switch (search.Outcome) {
        case TRootOutcome::kFound:
            return "";
        case TRootOutcome::kNoSignChange:
            return NoSignChange(search, answer);
        case TRootOutcome::kErrorValue:
            return ErrorValue(search, answer, firstError);
        case TRootOutcome::kDiscontinuity: {
            const std::string jump =
                "a discontinuity: " + answer.Output + " jumps over the target ";
            // Neighbouring numbers often show alike.
            if (FormatNumber(search.Low) == FormatNumber(search.High))
                return jump + "at " + Point(answer.Input, search.Low);
            return jump + "between " + Point(answer.Input, search.Low) + " and " +
                   FormatNumber(search.High);
        }
        case TRootOutcome::kEvaluationLimit:
            return "no answer within " + std::to_string(kRootSearchEvaluations) + " evaluations";
    }
    return "";
}

}  // namespace

long double GoalSeekTolerance(long double target) {
    return 1e-12L * std::max(1.0L, std::fabs(target));
}

TGoalSeekAnswer GoalSeek(ICalcVarsBase& vars, const TGoalSeekRequest& request) {
    TCalcValue& input = RequiredValue(vars, request.Input, WhatIfInputProblem(vars, request.Input));
    const TCalcValue& output =
        RequiredValue(vars, request.Output, WhatIfOutputProblem(vars, request.Output));
    TGoalSeekAnswer answer;
    answer.Input = input.Name();
    answer.Output = output.Name();

    TInputTrial trial(input);
    std::string firstError;
    const auto difference = [&](long double x) -> std::optional<long double> {
        trial.Set(x);
        if (output.CVType() == cvError) {
            if (firstError.empty()) firstError = output.ErrorText();
            return std::nullopt;
        }
        return output.Number() - request.Target;
    };
    const TRootSearch search = FindRoot(difference, request.Start.value_or(input.Number()),
                                        GoalSeekTolerance(request.Target));
    // The output at the answer or best point, read again (not counted).
    trial.Set(search.X);
    answer.Found = search.Outcome == TRootOutcome::kFound;
    answer.InputValue = search.X;
    answer.OutputValue = TWhatIfCell::Of(output);
    answer.Evaluations = search.Evaluations;
    answer.Outcome = search.Outcome;
    answer.Reason = ReasonText(search, answer, firstError);
    return answer;
}

bool ApplyGoalSeekAnswer(ICalcVarsBase& vars, const std::string& input, long double value) {
    if (!WhatIfInputProblem(vars, input).empty()) return false;
    return vars.SetValue(input, TCalcValue::New(value)) != nullptr;
}

}  // namespace quillix
