// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif/input_trial.h"

#include "model/calc_value.h"
#include "model/value_traversal.h"

namespace quillix {

TInputTrial::TInputTrial(TCalcValue& input) : input_(&input) {
    order_ = ValueTraversal::DependantsInOrder(input, &cyclic_);
    saved_.reserve(order_.size() + 1);
    saved_.push_back(Save(input));
    for (TCalcValue* value : order_)
        saved_.push_back(Save(*value));
}

TInputTrial::~TInputTrial() {
    for (const Saved& saved : saved_)
        Restore(saved);
}

TInputTrial::Saved TInputTrial::Save(TCalcValue& value) {
    return Saved{ValueRef(&value), value.Number(), value.CVType(), value.ErrorText()};
}

void TInputTrial::Restore(const Saved& saved) {
    saved.value->SetNumber(saved.number);
    saved.value->SetCVType(saved.kind);
    saved.value->SetErrorText(saved.errorText);
}

void TInputTrial::Set(long double x) {
    input_->SetNumber(x);
    input_->SetCVType(cvNumber);
    // A cycle (only misuse can build one) is left to the traversal, which turns
    // the values on it into error values.
    if (cyclic_) {
        ValueTraversal::RecalculateDependants(*input_);
        return;
    }
    for (TCalcValue* value : order_)
        value->EvaluateOperate();
}

}  // namespace quillix
