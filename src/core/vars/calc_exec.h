// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The execution sets of stored programs and user functions: a private set that
// a file is loaded into once, whose inputs take the caller's numbers (bound by
// position), and which is then re-evaluated as a whole to read a result.

#include <memory>
#include <string>
#include <vector>

#include "functions/func_catalogue.h"
#include "vars/calc_vars_base.h"

namespace quillix {

class TCalcProgramExec final : public TCalcVarsBase {
  public:
    const std::vector<TCalcValueWarper*>& Inputs() const { return inputs_; }
    const std::vector<TCalcValueWarper*>& Outputs() const { return outputs_; }
    // The input of exactly that name (letter case included), or null.
    TCalcValueWarper* FindInput(const std::string& name) const;
    // The input takes value over (no dependant is told; the caller re-evaluates
    // the set). False, and value is left to the caller, when there is no such input.
    bool SetInput(const std::string& name, ValueRef value);

  private:
    // After loading: the inputs and outputs in file order.
    void AfterLoad() override;

    std::vector<TCalcValueWarper*> inputs_;
    std::vector<TCalcValueWarper*> outputs_;
};

class TCalcUserFuncExec final : public TCalcVarsBase {
  public:
    int GetInputCount() const { return static_cast<int>(inputs_.size()); }
    // The index-th input in list order, or null.
    TCalcValueWarper* GetInput(int index) const;
    // The last output entry, or null.
    TCalcValueWarper* GetOutput() const { return output_; }
    TCalcValue* GetResult() const;
    bool SetInput(int index, ValueRef value);
    // The description of the function for the keypad and the parameter dialog;
    // the caller sets its Name.
    TFuncDataItem MakeFuncData() const;

  private:
    // After loading: the inputs in file order and the last output, which every
    // call of the function uses.
    void AfterLoad() override;

    std::vector<TCalcValueWarper*> inputs_;
    TCalcValueWarper* output_ = nullptr;
};

}  // namespace quillix
