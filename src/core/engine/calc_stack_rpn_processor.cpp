// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calc_stack_rpn_processor.h"

#include <utility>

#include "model/operate_binary.h"

namespace quillix {

void TCalcStackRPNProcessor::ExecCommand(std::uint8_t code, const TCalcCommondData* data) {
    switch (code) {
        case ccSwapXY:
            return SwapXY();
        case ccRollDown:
            return RollDown();
        case ccDrop:
            return Drop();
        case ccLastX:
            return RecallLastX();
        default:
            return TCalcProcessor::ExecCommand(code, data);
    }
}

void TCalcStackRPNProcessor::BeginEntry() {
    Entering = true;
    if (liftEnabled_)
        Stack.PushX();
    else
        Stack.ReleaseValue(Stack.X);  // the copy Enter left is typed over
    Stack.X = TCalcValue::New();
    liftEnabled_ = true;
}

void TCalcStackRPNProcessor::DoOperator(std::uint8_t code) {
    EndEntry();
    if (!IsBinaryOperator(code)) return;
    if (Stack.Values.Empty()) Stack.Values.Push(TCalcValue::New(0));
    Stack.LastX = Stack.X;
    Stack.Pending = code;
    ApplyPending();
    liftEnabled_ = true;
}

void TCalcStackRPNProcessor::DoEquals() {
    EndEntry();
    // The value itself waits; X keeps a copy with the same tree, which the
    // next number replaces.
    ValueRef copy = Stack.X->Clone();
    Stack.PushX();
    Stack.X = std::move(copy);
    liftEnabled_ = false;
}

void TCalcStackRPNProcessor::DoNumberInput(std::uint8_t code, const TCalcCommondData* data) {
    const bool changesSign = !Entering && code == ccChangeSign;
    TCalcProcessor::DoNumberInput(code, data);
    if (changesSign) liftEnabled_ = true;
}

void TCalcStackRPNProcessor::DoFunction(const TCalcCommondData* data) {
    if (data) Stack.LastX = Stack.X;
    TCalcProcessor::DoFunction(data);
    liftEnabled_ = true;
}

void TCalcStackRPNProcessor::DoUserFunction(const TCalcCommondData* data) {
    if (data) Stack.LastX = Stack.X;
    TCalcProcessor::DoUserFunction(data);
    liftEnabled_ = true;
}

void TCalcStackRPNProcessor::DoReferenceX() {
    TCalcProcessor::DoReferenceX();
    liftEnabled_ = true;
}

// The percent of the value above X (Y), which stays for the next operator.
void TCalcStackRPNProcessor::DoPercent() {
    EndEntry();
    auto node = std::make_unique<TCalcOperatePercent>();
    node->AddOperand(Stack.Values.Empty() ? TCalcValue::New(0) : Stack.Values.Peek()->Clone());
    node->AddOperand(Stack.X);
    Stack.LastX = Stack.X;
    SetXTree(std::move(node));
    liftEnabled_ = true;
}

void TCalcStackRPNProcessor::Insert(const ValueRef& value, bool asReference) {
    ValueRef inserted = value;
    MakeRoomForX();
    Stack.X = std::move(inserted);
    if (asReference) Stack.ReferenceX();
}

void TCalcStackRPNProcessor::SwapXY() {
    EndEntry();
    ValueRef y = PopOrZero();
    Stack.PushX();
    Stack.X = std::move(y);
    liftEnabled_ = true;
}

void TCalcStackRPNProcessor::RollDown() {
    EndEntry();
    liftEnabled_ = true;
    if (Stack.Values.Empty()) return;
    ValueRef top = Stack.Values.Pop();
    Stack.Values.PushBottom(std::move(Stack.X));
    Stack.X = std::move(top);
}

void TCalcStackRPNProcessor::Drop() {
    EndEntry();
    Stack.ReleaseValue(Stack.X);
    Stack.X = PopOrZero();
    liftEnabled_ = true;
}

void TCalcStackRPNProcessor::RecallLastX() {
    // A copy: LastX is an operand of the result, which must not change with it.
    ValueRef last = Stack.LastX ? Stack.LastX->Clone() : TCalcValue::New(0);
    MakeRoomForX();
    Stack.X = std::move(last);
}

void TCalcStackRPNProcessor::MakeRoomForX() {
    const bool untouched = Stack.X->IsEmpty() && Entering;
    EndEntry();
    if (untouched || !liftEnabled_)
        Stack.ReleaseValue(Stack.X);
    else
        Stack.PushX();
    liftEnabled_ = true;
}

ValueRef TCalcStackRPNProcessor::PopOrZero() {
    return Stack.Values.Empty() ? TCalcValue::New(0) : Stack.Values.Pop();
}

}  // namespace quillix
