// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/calc_exec.h"

namespace quillix {

// --- TCalcProgramExec ---------------------------------------------------------

void TCalcProgramExec::AfterLoad() {
    inputs_.clear();
    outputs_.clear();
    for (const auto& entry : Items()) {
        if (entry->Type == wtInput) inputs_.push_back(entry.get());
        if (entry->Type == wtOutput) outputs_.push_back(entry.get());
    }
}

TCalcValueWarper* TCalcProgramExec::FindInput(const std::string& name) const {
    for (TCalcValueWarper* input : inputs_) {
        if (input->GetName() == name) return input;
    }
    return nullptr;
}

bool TCalcProgramExec::SetInput(const std::string& name, ValueRef value) {
    TCalcValueWarper* input = value ? FindInput(name) : nullptr;
    if (!input) return false;
    input->Value->TakeOver(std::move(value), false);
    return true;
}

// --- TCalcUserFuncExec --------------------------------------------------------

void TCalcUserFuncExec::AfterLoad() {
    inputs_.clear();
    output_ = nullptr;
    for (const auto& entry : Items()) {
        if (entry->Type == wtInput) inputs_.push_back(entry.get());
        if (entry->Type == wtOutput) output_ = entry.get();
    }
}

TCalcValueWarper* TCalcUserFuncExec::GetInput(int index) const {
    return index >= 0 && index < GetInputCount() ? inputs_[static_cast<std::size_t>(index)]
                                                 : nullptr;
}

TCalcValue* TCalcUserFuncExec::GetResult() const {
    TCalcValueWarper* output = GetOutput();
    return output ? output->Value.get() : nullptr;
}

bool TCalcUserFuncExec::SetInput(int index, ValueRef value) {
    TCalcValueWarper* input = value ? GetInput(index) : nullptr;
    if (!input) return false;
    input->Value->TakeOver(std::move(value), false);
    return true;
}

TFuncDataItem TCalcUserFuncExec::MakeFuncData() const {
    TFuncDataItem data;
    // The parameter dialog shows a user function's description as it shows a
    // built-in one's.
    data.Description = Description();
    data.ParamCount = GetInputCount();
    data.MultiParam = data.ParamCount != 1;
    const TCalcValue* result = GetResult();
    data.ResultType = result ? result->CVType() : cvNumber;
    for (const auto& entry : Items()) {
        if (entry->Type != wtInput) continue;
        TFuncParamDef param;
        param.Name = entry->GetName();
        param.Description = entry->Description;
        param.HasDefault = true;
        // Every digit of the stored input: the fixed format rounds only reads.
        param.DefaultValue = entry->Value->Number();
        param.DefaultType = entry->Value->CVType();
        data.Params.push_back(std::move(param));
    }
    return data;
}

}  // namespace quillix
