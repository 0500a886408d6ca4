// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nodes that call stored user functions and programs by name. Their
// operands are the arguments, bound to the inputs by position; the result comes
// from the library through the installed user-call runner.

#include <memory>
#include <string>

#include "model/calc_operate.h"

namespace quillix {

class TCalcOperateUserFunc final : public TCalcOperate {
  public:
    TCalcOperateUserFunc() = default;
    explicit TCalcOperateUserFunc(std::string funcName) : FuncName(std::move(funcName)) {}

    const char* ClassName() const override { return "TCalcOperateUserFunc"; }
    long double Calculate(std::uint8_t& kind) override;
    void AppendFormula(FormulaWriter& writer) const override;
    std::unique_ptr<TCalcOperate> Clone() const override;

    std::string FuncName;
};

class TCalcOperateUserProgram final : public TCalcOperate {
  public:
    TCalcOperateUserProgram() = default;
    TCalcOperateUserProgram(std::string prgName, std::string resName)
        : PrgName(std::move(prgName)), ResName(std::move(resName)) {}

    const char* ClassName() const override { return "TCalcOperateUserProgram"; }
    long double Calculate(std::uint8_t& kind) override;
    void AppendFormula(FormulaWriter& writer) const override;
    std::unique_ptr<TCalcOperate> Clone() const override;

    std::string PrgName;
    std::string ResName;
};

}  // namespace quillix
