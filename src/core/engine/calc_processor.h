// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcProcessor: turns commands into changes of the calculation stack. The
// base holds the dispatch of every command code and the operations both input
// modes share (number entry, functions, percent, references, clear); the ALG
// and RPN processors supply how an entry begins and what operators and "="
// do. A processor owns nothing: the engine lends it the stack and the editor.

#include <cstdint>
#include <memory>

#include "engine/calc_inputor.h"
#include "engine/calc_stack.h"
#include "model/calc_commands.h"
#include "model/calc_operate.h"

namespace quillix {

class TCalcProcessor {
  public:
    // entering: the flag inherited from the previous processor (true for the
    // first one, so that the first digit replaces the initial 0 of X).
    TCalcProcessor(TCalcStack& stack, bool entering, TCalcInputor& inputor);
    virtual ~TCalcProcessor() = default;
    TCalcProcessor(const TCalcProcessor&) = delete;
    TCalcProcessor& operator=(const TCalcProcessor&) = delete;

    // One command. A number text that cannot be converted raises ECalcError;
    // the stack is then as before the command.
    virtual void ExecCommand(std::uint8_t code, const TCalcCommondData* data);

    TCalcInputor& Inputor;
    bool Entering;
    TCalcStack& Stack;

  protected:
    virtual void DoNumberInput(std::uint8_t code, const TCalcCommondData* data);
    virtual void DoFunction(const TCalcCommondData* data);
    virtual void DoUserFunction(const TCalcCommondData* data);
    virtual void DoOperator(std::uint8_t code) = 0;
    virtual void DoEquals() = 0;
    virtual void DoReferenceX();
    virtual void DoInsertReference(const TCalcCommondData* data);
    virtual void DoPercent();
    virtual void DoInsertValue(const TCalcCommondData* data);
    virtual void DoOpenParen() {}
    virtual void DoCloseParen() {}
    virtual void EndEntry();
    virtual void BeginEntry() = 0;

    void ApplyPending() { Stack.ApplyPending(); }
    // X := a new value whose tree is node over the old X.
    void ApplyToX(std::unique_ptr<TCalcOperate> node);
    // X := a new value whose tree is node (its operands already added).
    void SetXTree(std::unique_ptr<TCalcOperate> node);

    // Codes 33 and 34: X := value, as a reference to it for 33. Here the form
    // RPN uses: an untouched X being typed is dropped, anything else is
    // finished and pushed, and entry ends.
    virtual void Insert(const ValueRef& value, bool asReference);

  private:
    void ClearAll();
};

}  // namespace quillix
