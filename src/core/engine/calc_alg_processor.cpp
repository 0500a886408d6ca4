// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calc_alg_processor.h"

namespace quillix {

void TCalcALGProcessor::BeginEntry() {
    Entering = true;
    if (Stack.Pending == ccNone)
        Stack.ReleaseValue(Stack.X);  // the previous result is dropped
    else
        Stack.PushX();  // X waits as the left operand
    Stack.X = TCalcValue::New();
}

void TCalcALGProcessor::DoOperator(std::uint8_t code) {
    EndEntry();
    ApplyPending();
    if (IsBinaryOperator(code)) Stack.Pending = code;
}

void TCalcALGProcessor::DoEquals() {
    EndEntry();
    ApplyPending();
}

void TCalcALGProcessor::DoOpenParen() {
    EndEntry();
    if (Stack.Pending == ccNone) return;  // a parenthesis needs an operator before it
    Stack.PushX();
    Stack.X = TCalcValue::New();
    Entering = true;
    Stack.Ops.Push(Stack.Pending);
    Stack.Pending = ccNone;
}

void TCalcALGProcessor::DoCloseParen() {
    EndEntry();
    ApplyPending();
    if (!Stack.Ops.Empty() && Stack.Pending == ccNone) Stack.Pending = Stack.Ops.Pop();
}

void TCalcALGProcessor::Insert(const ValueRef& value, bool asReference) {
    ValueRef inserted = value;
    EndEntry();
    if (Stack.X->IsEmpty())
        Stack.X.reset();
    else if (Stack.Pending == ccNone)
        Stack.ReleaseValue(Stack.X);
    else
        Stack.PushX();
    Stack.X = std::move(inserted);
    if (asReference) Stack.ReferenceX();
    ApplyPending();
}

}  // namespace quillix
