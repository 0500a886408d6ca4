// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcALGProcessor: the algebraic input mode. Operators stand between their
// operands and apply strictly left to right as soon as the next operator, "=",
// ")" or a recalled value completes them; parentheses put the pending operator
// aside until they close. There is no precedence between operators.

#include "engine/calc_processor.h"

namespace quillix {

class TCalcALGProcessor final : public TCalcProcessor {
  public:
    using TCalcProcessor::TCalcProcessor;

  protected:
    void BeginEntry() override;
    void DoOperator(std::uint8_t code) override;
    void DoEquals() override;
    void DoOpenParen() override;
    void DoCloseParen() override;
    // A recalled value completes the pending operation at once.
    void Insert(const ValueRef& value, bool asReference) override;
};

}  // namespace quillix
