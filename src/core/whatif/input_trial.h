// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TInputTrial: tries numbers in one variable that holds a plain number, and
// brings exactly the values that depend on it up to date (the live
// propagation, with its order worked out once for every trial number). It
// works on the values themselves, below the variable set's change operations,
// so no listener hears of a trial and the set's modified flag stays as it is.
// When the trial ends, the variable and every value the trial re-evaluated
// get back the number, kind and error text they had, as they were and not
// recalculated (a value that was stale stays stale), so the document saves to
// the same text before and after. A trial lives inside one synchronous
// operation: nothing may change the variable set while it lasts.

#include <cstdint>
#include <string>
#include <vector>

#include "model/value_ref.h"

namespace quillix {

class TCalcValue;

class TInputTrial {
  public:
    explicit TInputTrial(TCalcValue& input);
    ~TInputTrial();
    TInputTrial(const TInputTrial&) = delete;
    TInputTrial& operator=(const TInputTrial&) = delete;

    // The variable holds x (a number) and everything that depends on it follows.
    void Set(long double x);
    // How many values a trial number re-evaluates.
    std::size_t DependantCount() const { return order_.size(); }

  private:
    struct Saved {
        ValueRef value;
        long double number;
        std::uint8_t kind;
        std::string errorText;
    };
    static Saved Save(TCalcValue& value);
    static void Restore(const Saved& saved);

    ValueRef input_;
    std::vector<TCalcValue*> order_;  // the dependants, operands before their users
    std::vector<Saved> saved_;        // the input first, then every dependant
    bool cyclic_ = false;
};

}  // namespace quillix
