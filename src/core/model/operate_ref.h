// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two one-operand nodes of the model: the sign change (-X) and the
// reference, which shows a value by its name inside another formula. Both read
// the operand's stored number directly, without the rounding of fixed format.

#include <memory>

#include "model/calc_operate.h"

namespace quillix {

class TCalcOperateSign final : public TCalcOperate {
  public:
    const char* ClassName() const override { return "TCalcOperateSign"; }
    int Level() const override { return 9; }
    long double Calculate(std::uint8_t& kind) override;
    void AppendFormula(FormulaWriter& writer) const override;
    std::unique_ptr<TCalcOperate> Clone() const override;
};

class TCalcOperateRef final : public TCalcOperate {
  public:
    const char* ClassName() const override { return "TCalcOperateRef"; }
    // A reference to an unnamed value shows that value's formula in its place,
    // so it takes that formula's level: (1+2)*3, not 1+2*3.
    int Level() const override;
    long double Calculate(std::uint8_t& kind) override;
    void AppendFormula(FormulaWriter& writer) const override;
    std::unique_ptr<TCalcOperate> Clone() const override;
    // The referred value lost its name: the owner takes a copy of that value's
    // tree (or keeps its number when it has none) and this node goes away.
    void NameRemoved(TCalcValue* value) override;
};

}  // namespace quillix
