// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values an input of a what-if table runs over: from a start to a stop in
// a number of steps (both ends included), evenly or geometrically spaced, or
// an explicit list. The rules of a sound range are here, and the text form
// that the command line takes: START:STOP:STEPS, START:STOP:STEPS:log, or
// V1,V2,...

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillix {

inline constexpr int kMinRangeSteps = 2;
inline constexpr int kMaxRangeSteps = 1000000;

enum class TRangeSpacing { kLinear, kGeometric };

struct TWhatIfRange {
    // Used when not empty; otherwise Start, Stop and Steps.
    std::vector<long double> List;
    long double Start = 0;
    long double Stop = 0;
    int Steps = 0;
    TRangeSpacing Spacing = TRangeSpacing::kLinear;
};

// Why the range gives no values to tabulate, or "" when it is sound.
std::string RangeProblem(const TWhatIfRange& range);

// The values in order; the first is Start and the last Stop exactly. The range
// must be sound.
std::vector<long double> RangePoints(const TWhatIfRange& range);

struct TRangeReading {
    std::optional<TWhatIfRange> range;
    std::string problem;  // set when there is no range
};

// Reads the text form; a range that reads is also sound.
TRangeReading ReadRange(std::string_view text);

}  // namespace quillix
