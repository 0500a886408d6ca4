// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif/whatif_range.h"

#include <cmath>

#include "common/number_text.h"
#include "common/untrusted_text.h"

namespace quillix {

namespace {

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos) return parts;
        from = at + 1;
    }
}

std::string NotANumber(std::string_view text) {
    return "'" + VisibleText(std::string(text)) + "' is not a number";
}

// start + (stop - start) * i / last keeps whole-number ranges whole; the
// weighted form only serves ends so far apart that their difference overflows.
long double LinearPoint(long double start, long double stop, int i, int last) {
    const long double span = stop - start;
    if (std::isfinite(span)) return start + span * i / last;
    const long double t = static_cast<long double>(i) / last;
    return start * (1 - t) + stop * t;
}

long double GeometricPoint(long double start, long double stop, int i, int last) {
    const long double from = std::log(std::fabs(start));
    const long double to = std::log(std::fabs(stop));
    const long double magnitude = std::exp(from + (to - from) * i / last);
    return start < 0 ? -magnitude : magnitude;
}

}  // namespace

std::string RangeProblem(const TWhatIfRange& range) {
    if (!range.List.empty()) {
        if (range.List.size() > static_cast<std::size_t>(kMaxRangeSteps))
            return "a list holds at most 1,000,000 values";
        for (long double value : range.List) {
            if (!std::isfinite(value)) return "every value of the list must be a finite number";
        }
        return "";
    }
    if (range.Steps == 0) return "the range is empty";
    if (range.Steps < kMinRangeSteps || range.Steps > kMaxRangeSteps)
        return "the number of steps must be from 2 to 1,000,000, not " +
               std::to_string(range.Steps);
    if (!std::isfinite(range.Start) || !std::isfinite(range.Stop))
        return "the ends of the range must be finite numbers";
    if (range.Spacing == TRangeSpacing::kGeometric &&
        (range.Start == 0 || range.Stop == 0 || (range.Start < 0) != (range.Stop < 0))) {
        return "a geometric range needs two ends of the same sign, neither of them 0";
    }
    return "";
}

std::vector<long double> RangePoints(const TWhatIfRange& range) {
    if (!range.List.empty()) return range.List;
    std::vector<long double> points;
    points.reserve(static_cast<std::size_t>(range.Steps));
    const int last = range.Steps - 1;
    points.push_back(range.Start);
    for (int i = 1; i < last; ++i) {
        points.push_back(range.Spacing == TRangeSpacing::kGeometric
                             ? GeometricPoint(range.Start, range.Stop, i, last)
                             : LinearPoint(range.Start, range.Stop, i, last));
    }
    points.push_back(range.Stop);
    return points;
}

TRangeReading ReadRange(std::string_view text) {
    TRangeReading reading;
    if (text.empty()) {
        reading.problem = "the range is empty";
        return reading;
    }
    TWhatIfRange range;
    if (text.find(':') == std::string_view::npos) {
        for (std::string_view item : SplitAt(text, ',')) {
            const std::optional<long double> value = ParseDecimal(item);
            if (!value) {
                reading.problem = NotANumber(item);
                return reading;
            }
            range.List.push_back(*value);
        }
    } else {
        const std::vector<std::string_view> parts = SplitAt(text, ':');
        if (parts.size() < 3 || parts.size() > 4 || (parts.size() == 4 && parts[3] != "log")) {
            reading.problem =
                "a range is START:STOP:STEPS, START:STOP:STEPS:log or V1,V2,..., not '" +
                VisibleText(std::string(text)) + "'";
            return reading;
        }
        const std::optional<long double> start = ParseDecimal(parts[0]);
        const std::optional<long double> stop = ParseDecimal(parts[1]);
        const std::optional<long double> steps = ParseDecimal(parts[2]);
        for (const auto& [value, part] : {std::pair{start, parts[0]}, {stop, parts[1]}}) {
            if (!value) {
                reading.problem = NotANumber(part);
                return reading;
            }
        }
        if (!steps || *steps != std::trunc(*steps) || *steps < kMinRangeSteps ||
            *steps > kMaxRangeSteps) {
            reading.problem =
                "the number of steps must be a whole number from 2 to 1,000,000, not '" +
                VisibleText(std::string(parts[2])) + "'";
            return reading;
        }
        range.Start = *start;
        range.Stop = *stop;
        range.Steps = static_cast<int>(*steps);
        if (parts.size() == 4) range.Spacing = TRangeSpacing::kGeometric;
    }
    reading.problem = RangeProblem(range);
    if (reading.problem.empty()) reading.range = std::move(range);
    return reading;
}

}  // namespace quillix
