// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/calc_operate.h"

#include "common/calc_error.h"
#include "model/formula_writer.h"
#include "model/value_traversal.h"

namespace quillix {

void OperandList::push_back(ValueRef value) {
    if (!spill_ && count_ < 2) {
        inline_[count_++] = std::move(value);
        return;
    }
    if (!spill_) {
        spill_ = std::make_unique<std::vector<ValueRef>>();
        spill_->reserve(4);
        for (int i = 0; i < count_; ++i)
            spill_->push_back(std::move(inline_[i]));
        count_ = 0;
    }
    spill_->push_back(std::move(value));
}

void OperandList::clear() {
    for (ValueRef& ref : inline_)
        ref.reset();
    count_ = 0;
    spill_.reset();
}

TCalcOperate::~TCalcOperate() {
    for (int i = 0; i < operands_.size(); ++i) {
        if (TCalcValue* operand = operands_[i]) operand->RemoveReferrer(this);
    }
    operands_.clear();  // an unnamed operand no one else holds goes with its last referrer
}

void TCalcOperate::AddOperand(ValueRef value) {
    if (value) value->AddReferrer(this);
    operands_.push_back(std::move(value));
}

void TCalcOperate::CopyOperandsTo(TCalcOperate& node) const {
    for (int i = 0; i < operands_.size(); ++i)
        node.AddOperand(ValueRef(operands_[i]));
}

long double TCalcOperate::Evaluate(std::uint8_t& kind) {
    CheckOperands();
    return Calculate(kind);
}

long double TCalcOperate::EvaluateAll(std::uint8_t& kind) {
    ValueTraversal::RecalculateBelow(*this);
    return Evaluate(kind);
}

void TCalcOperate::CheckOperands() const {
    for (int i = 0; i < operands_.size(); ++i) {
        const TCalcValue* operand = operands_[i];
        if (operand && operand->CVType() == cvError) RaiseCalcError(operand->ErrorText());
    }
}

std::string TCalcOperate::GetFormulaText() const {
    return RenderNodeFormula(*this);
}

void TCalcOperate::NameRemoved(TCalcValue*) {}

void TCalcOperate::RecalcOwner() {
    if (owner_) owner_->Recalculate();
}

void TCalcOperate::CollectNames(std::vector<std::string>& names) const {
    ValueTraversal::CollectNamesBelow(*this, names);
}

TCalcValue* TCalcOperate::OperandOrNull(int index) const {
    return index < operands_.size() ? operands_[index] : nullptr;
}

bool TCalcOperate::HasMissingOperand() const {
    for (int i = 0; i < operands_.size(); ++i) {
        if (!operands_[i]) return true;
    }
    return false;
}

void TCalcOperate::FailIncomplete() {
    RaiseCalcError(kMsgIncompleteFormula);
}

int OperandLevel(const TCalcValue* value) {
    if (!value || !value->Operate()) return kNoTreeLevel;
    return value->Operate()->Level();
}

}  // namespace quillix
