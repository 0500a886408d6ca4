// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TTapeRecorder: the rule of what makes a line on the tape. It listens to one
// engine and adds a line when a command completes a calculation: "=" in ALG,
// an operator or percent in RPN, a function applied to X (or inserted as a
// finished value by a dialog) in either mode, and a variable stored from X.
// Typing, Enter, recalling a variable or a line of the tape, and moving the
// stack complete nothing. A line is not made twice for the same result, nor
// for a "calculation" whose formula is just its value.

#include <cstdint>
#include <functional>
#include <string>

#include "engine/calc_engine.h"
#include "tape/tape.h"

namespace quillix {

// The longest formula a line keeps, in bytes; a longer one is cut, with "…".
inline constexpr std::size_t kTapeFormulaLimit = 4096;

class TTapeRecorder {
  public:
    // Milliseconds since 1970-01-01 UTC.
    using TClock = std::function<std::int64_t()>;

    TTapeRecorder(TCalcEngine& engine, TTape& tape, TClock clock = {});
    ~TTapeRecorder();
    TTapeRecorder(const TTapeRecorder&) = delete;
    TTapeRecorder& operator=(const TTapeRecorder&) = delete;

  private:
    void Told(std::uint8_t code, const TCalcCommondData* data, const TCalcStack& stack);
    void Inserted(const ValueRef& inserted, const ValueRef& x);
    // A line for a result; its value is a copy, so that the line stays as it
    // was when X goes on into later calculations.
    void RecordResult(const ValueRef& value);
    // A line for a stored variable: its name, and the variable itself to recall.
    void RecordVariable(const ValueRef& x);
    void Record(std::string formula, const TCalcValue& shown, ValueRef value);

    TCalcEngine& engine_;
    TTape& tape_;
    TClock clock_;
    TCommondProcessorEventObject listener_;
    ValueRef previousX_;  // X after the previous command
    ValueRef onTape_;     // an X that is on the tape already: "=" on it adds nothing
};

// The formula cut to kTapeFormulaLimit bytes at a character boundary, with "…".
std::string CappedTapeFormula(std::string formula);

// The system clock in milliseconds since 1970-01-01 UTC.
std::int64_t TapeClockNow();

}  // namespace quillix
