// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcEngine: the calculator behind one keypad. It owns the number-entry
// editor, the calculation stack and the processor of the current input mode,
// takes every command through Execute and tells its listeners after each one.
// Each keypad has its own engine; nothing here is process-wide.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/calc_inputor.h"
#include "engine/calc_processor.h"
#include "engine/calc_stack.h"
#include "engine/rpn_style.h"
#include "model/calc_commands.h"

namespace quillix {

// A listener registration: the listener owns it and removes it from the
// engine before it goes.
struct TCommondProcessorEventObject {
    std::function<void(std::uint8_t code, const TCalcCommondData* data, const TCalcStack& stack,
                       bool entering)>
        OnCommand;
};

class TCalcEngine {
  public:
    explicit TCalcEngine(std::uint8_t mode = kModeALG);
    TCalcEngine(const TCalcEngine&) = delete;
    TCalcEngine& operator=(const TCalcEngine&) = delete;

    // Codes 0 and 1 switch the mode, 50 and 51 the RPN style, every other code
    // goes to the processor; then the listeners are told, in registration
    // order, whatever the code.
    // A number text that cannot be converted raises ECalcError before any
    // listener is told; the stack stays as it was before the command.
    void Execute(std::uint8_t code, const TCalcCommondData* data = nullptr);

    // Replaces the processor; X, both stack lists, the pending operator, the
    // text being typed and the entering flag stay.
    void SetMode(std::uint8_t mode);
    std::uint8_t Mode() const { return mode_; }
    // The style RPN works in (Classic until set); in RPN mode a change replaces
    // the processor as a mode change does, keeping the calculation.
    void SetRPNStyle(TRPNStyle style);
    TRPNStyle RPNStyle() const { return style_; }
    bool IsEntering() const { return processor_->Entering; }

    const TCalcInputor& GetInputor() const { return inputor_; }
    const TCalcStack& Stack() const { return stack_; }
    // For the keypad's "V=", which makes a variable's value the current X.
    TCalcStack& Stack() { return stack_; }

    void AddListener(TCommondProcessorEventObject* listener);
    void RemoveListener(TCommondProcessorEventObject* listener);

  private:
    void ReplaceProcessor();

    TCalcStack stack_;
    TCalcInputor inputor_;
    std::unique_ptr<TCalcProcessor> processor_;
    std::uint8_t mode_ = 0;
    TRPNStyle style_ = TRPNStyle::Classic;
    std::vector<TCommondProcessorEventObject*> listeners_;
};

}  // namespace quillix
