// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif/root_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillix {

namespace {

constexpr long double kEpsilon = std::numeric_limits<long double>::epsilon();
// The bracket search stops here, so that Brent's method keeps at least 80
// evaluations.
constexpr int kBracketEvaluations = 120;

struct Point {
    long double x;
    long double f;
};

bool OppositeSigns(long double a, long double b) {
    return (a < 0) != (b < 0);
}

class RootSearcher {
  public:
    RootSearcher(const TRootFunction& f, long double start, long double tolerance,
                 int maxEvaluations)
        : f_(f), start_(start), tolerance_(tolerance), max_(maxEvaluations) {
        result_.X = start;
        result_.Low = result_.High = start;
    }

    TRootSearch Run() {
        const std::optional<long double> atStart = Evaluate(start_);
        if (atStart && Small(*atStart)) return Finish(TRootOutcome::kFound, start_);
        std::optional<Point> startPoint;
        if (atStart) startPoint = Point{start_, *atStart};
        if (const std::optional<std::pair<Point, Point>> bracket = Bracket(startPoint))
            return Refine(bracket->first, bracket->second);
        if (found_) return Finish(TRootOutcome::kFound, *found_);
        return Finish(sawError_ ? TRootOutcome::kErrorValue : TRootOutcome::kNoSignChange, BestX());
    }

  private:
    // One side of the start: its last good point and the next step from there.
    struct Side {
        long double sign;
        std::optional<Point> good;
        long double step;
        bool shrinking = false;  // an error was met: the step no longer grows
        bool done = false;
    };

    bool Small(long double f) const { return std::fabs(f) <= tolerance_; }

    long double BestX() const { return best_ ? best_->x : start_; }

    std::optional<long double> Evaluate(long double x) {
        ++result_.Evaluations;
        const std::optional<long double> y = f_(x);
        if (!y || !std::isfinite(*y)) {
            if (!sawError_) result_.ErrorAt = x;
            sawError_ = true;
            return std::nullopt;
        }
        if (!best_ || std::fabs(*y) < std::fabs(best_->f)) best_ = Point{x, *y};
        result_.Low = std::min(result_.Low, x);
        result_.High = std::max(result_.High, x);
        return y;
    }

    // Steps outward on both sides in turn until f changes sign between two
    // neighbouring good points of one side.
    std::optional<std::pair<Point, Point>> Bracket(const std::optional<Point>& startPoint) {
        const long double firstStep = start_ != 0 ? std::fabs(start_) / 100 : 0.01L;
        Side sides[2] = {{1, startPoint, firstStep}, {-1, startPoint, firstStep}};
        while (result_.Evaluations < std::min(kBracketEvaluations, max_) &&
               !(sides[0].done && sides[1].done)) {
            for (Side& side : sides) {
                if (side.done) continue;
                if (std::optional<std::pair<Point, Point>> bracket = StepOut(side)) return bracket;
                if (found_) return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::optional<std::pair<Point, Point>> StepOut(Side& side) {
        const long double from = side.good ? side.good->x : start_;
        const long double x = from + side.sign * side.step;
        if (!std::isfinite(x) || x == from) {
            side.done = true;
            return std::nullopt;
        }
        const std::optional<long double> y = Evaluate(x);
        if (!y) {
            // Back toward the last good point, or further out while there is none.
            side.shrinking = side.shrinking || side.good.has_value();
            side.step = side.shrinking ? side.step / 2 : side.step * 2;
            return std::nullopt;
        }
        if (Small(*y)) {
            found_ = x;
            return std::nullopt;
        }
        const Point here{x, *y};
        if (side.good && OppositeSigns(side.good->f, here.f)) return std::pair{*side.good, here};
        side.good = here;
        if (!side.shrinking) side.step *= 2;
        return std::nullopt;
    }

    // Brent's method on a bracket [a, b], f(a) and f(b) of opposite signs.
    TRootSearch Refine(Point a, Point b) {
        result_.Bracketed = true;
        const long double floor = kEpsilon * 1e-6L * std::fabs(b.x - a.x);
        Point c = a;
        long double d = b.x - a.x;
        long double e = d;
        for (;;) {
            if (!OppositeSigns(b.f, c.f)) {
                c = a;
                d = e = b.x - a.x;
            }
            if (std::fabs(c.f) < std::fabs(b.f)) {
                a = b;
                b = c;
                c = a;
            }
            const long double tol = 2 * kEpsilon * std::fabs(b.x) + floor;
            const long double half = (c.x - b.x) / 2;
            if (Small(b.f)) return Finish(TRootOutcome::kFound, b.x);
            if (std::fabs(half) <= tol || b.x + half == b.x || b.x + half == c.x) {
                result_.Low = std::min(b.x, c.x);
                result_.High = std::max(b.x, c.x);
                return Finish(TRootOutcome::kDiscontinuity, b.x);
            }
            if (result_.Evaluations >= max_) return Finish(TRootOutcome::kEvaluationLimit, BestX());
            NextStep(a, b, c, half, tol, d, e);
            a = b;
            b.x += std::fabs(d) > tol ? d : (half > 0 ? tol : -tol);
            const std::optional<long double> y = Evaluate(b.x);
            if (!y) return Finish(TRootOutcome::kErrorValue, BestX());
            b.f = *y;
        }
    }

    // Interpolation when it promises to shrink the bracket well, else bisection.
    static void NextStep(const Point& a, const Point& b, const Point& c, long double half,
                         long double tol, long double& d, long double& e) {
        if (std::fabs(e) < tol || std::fabs(a.f) <= std::fabs(b.f)) {
            d = e = half;
            return;
        }
        const long double s = b.f / a.f;
        long double p;
        long double q;
        if (a.x == c.x) {
            p = 2 * half * s;  // secant
            q = 1 - s;
        } else {  // inverse quadratic interpolation
            const long double qa = a.f / c.f;
            const long double r = b.f / c.f;
            p = s * (2 * half * qa * (qa - r) - (b.x - a.x) * (r - 1));
            q = (qa - 1) * (r - 1) * (s - 1);
        }
        if (p > 0) {
            q = -q;
        } else {
            p = -p;
        }
        if (2 * p < std::min(3 * half * q - std::fabs(tol * q), std::fabs(e * q))) {
            e = d;
            d = p / q;
        } else {
            d = e = half;
        }
    }

    TRootSearch Finish(TRootOutcome outcome, long double x) {
        result_.Outcome = outcome;
        result_.AnyGoodPoint = best_.has_value();
        result_.X = x;
        return result_;
    }

    const TRootFunction& f_;
    const long double start_;
    const long double tolerance_;
    const int max_;
    TRootSearch result_;
    std::optional<Point> best_;
    std::optional<long double> found_;
    bool sawError_ = false;
};

}  // namespace

TRootSearch FindRoot(const TRootFunction& f, long double start, long double tolerance,
                     int maxEvaluations) {
    return RootSearcher(f, start, tolerance, maxEvaluations).Run();
}

}  // namespace quillix
