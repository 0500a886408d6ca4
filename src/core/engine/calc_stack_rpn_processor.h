// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcStackRPNProcessor: RPN in Stack style, as stack calculators work it.
// Enter pushes a copy of X and turns the stack lift off, so the next number
// replaces that copy; every other operation turns it on again. Levels below
// the value stack count as zeros (an operator on an empty stack takes 0 as its
// left operand). x<->y, R-down, Drop and LastX move values with their trees.
// Classic RPN (TCalcRPNProcessor) stays as it is; this is the other style.

#include "engine/calc_processor.h"

namespace quillix {

class TCalcStackRPNProcessor final : public TCalcProcessor {
  public:
    using TCalcProcessor::TCalcProcessor;

    void ExecCommand(std::uint8_t code, const TCalcCommondData* data) override;

  protected:
    void BeginEntry() override;
    void DoOperator(std::uint8_t code) override;
    void DoEquals() override;
    void DoNumberInput(std::uint8_t code, const TCalcCommondData* data) override;
    void DoFunction(const TCalcCommondData* data) override;
    void DoUserFunction(const TCalcCommondData* data) override;
    void DoReferenceX() override;
    void DoPercent() override;
    void Insert(const ValueRef& value, bool asReference) override;

  private:
    void SwapXY();
    void RollDown();
    void Drop();
    void RecallLastX();
    // Ends entry and frees X's place for a recalled value: an untouched 0 being
    // typed, or the copy Enter left, is replaced; any other X is lifted.
    void MakeRoomForX();
    // Takes the top of the value stack, or a 0 from the endless zeros below it.
    ValueRef PopOrZero();

    bool liftEnabled_ = true;
};

}  // namespace quillix
