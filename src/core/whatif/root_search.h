// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds where a function of one number crosses zero, starting from a given
// point: first a bracket, by steps that widen (doubling) in both directions
// from the start, then Brent's method inside it (inverse quadratic and secant
// steps, bisection whenever they would not shrink the bracket fast enough).
// The function may fail at a point (an error value); the search then stops
// widening on that side, stepping back toward its last good point. Knows
// nothing of variables: goal_seek.h binds it to a program.

#include <functional>
#include <optional>

namespace quillix {

inline constexpr int kRootSearchEvaluations = 200;

enum class TRootOutcome {
    kFound,            // |f(X)| <= tolerance
    kNoSignChange,     // f keeps its sign over [Low, High]
    kErrorValue,       // f failed at ErrorAt, and no bracket was found, or inside it
    kDiscontinuity,    // the bracket [Low, High] cannot narrow, yet f jumps over zero
    kEvaluationLimit,  // neither within the evaluations allowed
};

struct TRootSearch {
    TRootOutcome Outcome = TRootOutcome::kNoSignChange;
    // The answer; otherwise the point where |f| was least (the start when f
    // failed everywhere it was tried).
    long double X = 0;
    int Evaluations = 0;
    long double Low = 0;  // kNoSignChange: the range searched; kDiscontinuity: the bracket
    long double High = 0;
    long double ErrorAt = 0;    // kErrorValue: the first point where f failed
    bool Bracketed = false;     // a sign change was found
    bool AnyGoodPoint = false;  // f gave a number somewhere
};

// f gives nothing where it fails.
using TRootFunction = std::function<std::optional<long double>(long double x)>;

TRootSearch FindRoot(const TRootFunction& f, long double start, long double tolerance,
                     int maxEvaluations = kRootSearchEvaluations);

}  // namespace quillix
