// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/operate_ref.h"

#include "model/formula_writer.h"

namespace quillix {

long double TCalcOperateSign::Calculate(std::uint8_t& kind) {
    RequireOperands(1);
    kind = cvNumber;
    return -Operand(0)->Number();
}

void TCalcOperateSign::AppendFormula(FormulaWriter& writer) const {
    const TCalcValue* operand = OperandOrNull(0);
    writer.Text("-");
    writer.RefText(operand, OperandLevel(operand) < 10);
}

std::unique_ptr<TCalcOperate> TCalcOperateSign::Clone() const {
    auto copy = std::make_unique<TCalcOperateSign>();
    CopyOperandsTo(*copy);
    return copy;
}

long double TCalcOperateRef::Calculate(std::uint8_t& kind) {
    RequireOperands(1);
    kind = Operand(0)->CVType();
    return Operand(0)->Number();
}

int TCalcOperateRef::Level() const {
    // A chain of references to unnamed values is followed without recursion.
    const TCalcOperate* node = this;
    while (true) {
        const TCalcValue* operand = node->OperandCount() > 0 ? node->Operand(0) : nullptr;
        if (!operand || operand->IsNamed() || !operand->Operate()) return 10;
        node = operand->Operate();
        if (!dynamic_cast<const TCalcOperateRef*>(node)) return node->Level();
    }
}

void TCalcOperateRef::AppendFormula(FormulaWriter& writer) const {
    writer.RefText(OperandOrNull(0));
}

std::unique_ptr<TCalcOperate> TCalcOperateRef::Clone() const {
    auto copy = std::make_unique<TCalcOperateRef>();
    CopyOperandsTo(*copy);
    return copy;
}

void TCalcOperateRef::NameRemoved(TCalcValue* value) {
    TCalcValue* owner = Owner();
    if (!owner || owner->Operate() != this) return;
    // Keeps this node alive until the owner has its replacement; it is destroyed
    // on return, which removes it from the referred value's referrers.
    const std::unique_ptr<TCalcOperate> self = owner->DetachOperate();
    if (value->Operate()) owner->SetOperate(value->Operate()->Clone());
}

}  // namespace quillix
