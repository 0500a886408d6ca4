// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcStack: the state of a calculation in progress, the current value X, the
// values waiting as left operands, the operator waiting for its right operand
// and the operators put aside by open parentheses. The processors change it;
// the keypad and the memory view only read it. It knows no input mode.

#include <cstdint>
#include <memory>

#include "model/calc_commands.h"
#include "model/calc_object_stack.h"
#include "model/calc_value.h"
#include "model/calc_vars_intf.h"

namespace quillix {

class TCalcStack {
  public:
    // Registers with the program document when one is published.
    TCalcStack();
    ~TCalcStack();
    TCalcStack(const TCalcStack&) = delete;
    TCalcStack& operator=(const TCalcStack&) = delete;

    // Back to the initial state with a fresh X holding 0. Every slot lets go of
    // its value; a value held elsewhere (a variable, a tree) lives on.
    void Clear();
    // The stack lets go of the value in this slot (X or an entry of Values).
    // The value itself goes only when no other holder keeps it.
    void ReleaseValue(ValueRef& slot);
    // X waits on top of Values; X is null until the caller sets a new one.
    void PushX();
    // X becomes a new value that refers to the old X.
    void ReferenceX();
    // Combines the top of Values (left) and X (right) with the pending operator
    // into a new X; Pending becomes ccNone. Nothing happens with no pending
    // operator or an empty value stack.
    void ApplyPending();

    ValueRef X;
    TCalcObjectStack<ValueRef> Values;
    std::uint8_t Pending = ccNone;
    TCalcObjectStack<std::uint8_t> Ops;
    // Stack-style RPN's LastX: X as it was before the last operation that used
    // it; null until there was one (and after Clear).
    ValueRef LastX;

  private:
    // What the program document keeps of a registered stack: its identity.
    class TCalcXStackIntfs final : public ICalcXStack {
      public:
        explicit TCalcXStackIntfs(TCalcStack* stack) : stack_(stack) {}
        TCalcStack* Stack() const { return stack_; }

      private:
        TCalcStack* stack_;
    };

    std::unique_ptr<TCalcXStackIntfs> intfs_;
    ICalcVars* registeredWith_ = nullptr;
};

}  // namespace quillix
