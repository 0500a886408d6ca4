// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calc_stack.h"

#include <utility>

#include "model/operate_factory.h"

namespace quillix {

TCalcStack::TCalcStack() : X(TCalcValue::New()) {
    if (ICalcVars* vars = CalcVarsIntf()) {
        intfs_ = std::make_unique<TCalcXStackIntfs>(this);
        vars->AddStack(intfs_.get());
        registeredWith_ = vars;
    }
}

TCalcStack::~TCalcStack() {
    // Only the document this stack registered with knows it; a document that
    // has gone meanwhile must not be touched.
    if (intfs_ && CalcVarsIntf() && CalcVarsIntf() == registeredWith_)
        CalcVarsIntf()->RemoveStack(intfs_.get());
}

void TCalcStack::Clear() {
    ReleaseValue(X);
    X = TCalcValue::New();
    for (int i = 0; i < Values.Count(); ++i)
        Values.SetItem(i, nullptr);
    Values.Clear();
    Ops.Clear();
    Pending = ccNone;
    LastX.reset();
}

void TCalcStack::ReleaseValue(ValueRef& slot) {
    // The slot's reference is the stack's claim on the value: dropping it
    // releases the value once the stack holds it nowhere else and no tree or
    // variable set keeps it.
    slot.reset();
}

void TCalcStack::PushX() {
    if (X) Values.Push(std::move(X));
    X.reset();
}

void TCalcStack::ReferenceX() {
    if (X) X = X->MakeReference();
}

void TCalcStack::ApplyPending() {
    if (Values.Empty() || Pending == ccNone) return;
    std::unique_ptr<TCalcOperate> node = CreateOperateForOperator(Pending);
    if (!node || !X) return;
    node->AddOperand(Values.Pop());
    node->AddOperand(X);
    X = TCalcValue::NewComputed(std::move(node));
    Pending = ccNone;
}

}  // namespace quillix
