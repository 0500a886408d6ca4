// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Goal seek: the value of an input variable for which an output variable
// equals a target, searched from the input's current value (or a given one)
// with root_search.h, each point re-evaluating only what depends on the input.
// The variable set is left as it was; only ApplyGoalSeekAnswer changes it, as
// one ordinary change of the input.

#include <optional>
#include <string>

#include "whatif/root_search.h"
#include "whatif/whatif_table.h"

namespace quillix {

class ICalcVarsBase;

struct TGoalSeekRequest {
    std::string Output;                // "Set variable"
    long double Target = 0;            // "To value"
    std::string Input;                 // "By changing"
    std::optional<long double> Start;  // else the input's current value
};

struct TGoalSeekAnswer {
    bool Found = false;
    std::string Input;  // the names as the set spells them
    std::string Output;
    long double InputValue = 0;  // the answer, or the best point seen
    TWhatIfCell OutputValue;     // the output there
    int Evaluations = 0;
    TRootOutcome Outcome = TRootOutcome::kFound;
    std::string Reason;  // why there is no answer ("" when found)
};

// |output - target| <= this is an answer.
long double GoalSeekTolerance(long double target);

// Throws WhatIfRefused for names that cannot serve.
TGoalSeekAnswer GoalSeek(ICalcVarsBase& vars, const TGoalSeekRequest& request);

// The input takes the value (one vaValueChanged, the set becomes modified);
// false when the input can no longer take it.
bool ApplyGoalSeekAnswer(ICalcVarsBase& vars, const std::string& input, long double value);

}  // namespace quillix
