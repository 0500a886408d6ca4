// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nodes that apply built-in functions of the catalogue: TCalcOperateFunc
// with one argument, TCalcOperateMultiFunc with its plain arguments as operands
// and up to two owned lists of values for the list parameters.

#include <cstdint>
#include <memory>
#include <vector>

#include "model/calc_operate.h"

namespace quillix {

class TCalcOperateFunc final : public TCalcOperate {
  public:
    TCalcOperateFunc() = default;
    explicit TCalcOperateFunc(std::uint8_t funcId) : FuncID(funcId) {}

    const char* ClassName() const override { return "TCalcOperateFunc"; }
    long double Calculate(std::uint8_t& kind) override;
    void AppendFormula(FormulaWriter& writer) const override;
    std::unique_ptr<TCalcOperate> Clone() const override;

    std::uint8_t FuncID = 0;
};

class TCalcOperateMultiFunc final : public TCalcOperate {
  public:
    using ValueList = std::vector<ValueRef>;

    TCalcOperateMultiFunc() = default;
    explicit TCalcOperateMultiFunc(std::uint8_t funcId) : FuncID(funcId) {}
    ~TCalcOperateMultiFunc() override;

    const char* ClassName() const override { return "TCalcOperateMultiFunc"; }
    long double Calculate(std::uint8_t& kind) override;
    void AppendFormula(FormulaWriter& writer) const override;
    std::unique_ptr<TCalcOperate> Clone() const override;
    int EvaluationChildCount() const override;
    TCalcValue* EvaluationChild(int index) const override;

    // The lists; an absent list behaves as an empty one everywhere except that
    // it is not written to files.
    const ValueList* Array1() const { return array1_.get(); }
    const ValueList* Array2() const { return array2_.get(); }
    // Appends an element (the list is created when absent); the node becomes a
    // referrer of the element.
    void AddArray1Element(ValueRef element);
    void AddArray2Element(ValueRef element);
    // Creates an empty list when absent.
    void EnsureArray1();
    void EnsureArray2();

    std::uint8_t FuncID = 0;

  private:
    void AddElement(std::unique_ptr<ValueList>& list, ValueRef element);
    void ReleaseElements(std::unique_ptr<ValueList>& list);
    void CopyListTo(const std::unique_ptr<ValueList>& source, TCalcOperateMultiFunc& copy,
                    std::unique_ptr<ValueList>& target) const;

    std::unique_ptr<ValueList> array1_;
    std::unique_ptr<ValueList> array2_;
};

// The message of a function node whose identifier names no catalogue function of
// the right kind (only a damaged file makes one).
inline constexpr const char* kMsgUnknownFunction = "Unknown function";

}  // namespace quillix
