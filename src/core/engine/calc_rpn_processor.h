// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcRPNProcessor: the reverse-Polish input mode. Operands come first; an
// operator combines the most recently pushed value with X. Enter only ends the
// number being typed; parentheses do nothing. Everything else is the base's.

#include "engine/calc_processor.h"

namespace quillix {

class TCalcRPNProcessor final : public TCalcProcessor {
  public:
    using TCalcProcessor::TCalcProcessor;

  protected:
    void BeginEntry() override;
    void DoOperator(std::uint8_t code) override;
    void DoEquals() override;
};

}  // namespace quillix
