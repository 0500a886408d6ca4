// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What-if tables over a variable set: the outputs of a program over the values
// of one input, or one output over the values of two inputs (a grid: rows for
// the first, columns for the second). Any variable that holds a plain number
// (no formula) can be an input, which includes every input of a program; any
// variable can be an output. Each point re-evaluates only what depends on the
// input (see input_trial.h), a cell whose calculation fails holds that error,
// and the set is left exactly as it was: no event, no change.

#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/calc_value.h"

namespace quillix {

class ICalcVarsBase;

// A name that cannot serve as asked (no such variable, an input with a formula).
class WhatIfRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What an output held at one point.
struct TWhatIfCell {
    long double Number = 0;
    std::uint8_t Kind = cvNumber;
    std::string ErrorText;  // an error value's message

    static TWhatIfCell Of(const TCalcValue& value);
    static TWhatIfCell OfNumber(long double number) { return TWhatIfCell{number, cvNumber, {}}; }
    bool IsError() const { return Kind == cvError; }
    // A value without a formula that holds the cell, to format or print.
    ValueRef ToValue() const;
    // The plain display text in the current display format.
    std::string PlainText() const;
};

// Why the variable cannot be an input of a table or a goal seek, or "".
std::string WhatIfInputProblem(ICalcVarsBase& vars, const std::string& name);
// Why the variable cannot be an output, or "".
std::string WhatIfOutputProblem(ICalcVarsBase& vars, const std::string& name);
// Why a table over these inputs (one or two) and outputs cannot be made, or "".
std::string TableProblem(ICalcVarsBase& vars, const std::vector<std::string>& inputs,
                         const std::vector<std::string>& outputs);
// The variables that can be inputs, in the set's order.
std::vector<std::string> WhatIfInputs(ICalcVarsBase& vars);
// The variable's name as the set spells it (names are found without regard
// to letter case and blanks).
std::string StoredName(ICalcVarsBase& vars, const std::string& name);

// Called once per row: the row's input value and its cells.
using WhatIfRowSink = std::function<void(long double input, std::span<const TWhatIfCell> cells)>;

// One input: a row per point, a cell per output. Throws WhatIfRefused for a
// name that cannot serve.
void TabulateRows(ICalcVarsBase& vars, const std::string& input,
                  std::span<const long double> points, const std::vector<std::string>& outputs,
                  const WhatIfRowSink& sink);

// Two inputs: a row per value of the first, a cell per value of the second.
struct TGridAxes {
    std::string RowInput;
    std::vector<long double> RowPoints;
    std::string ColumnInput;
    std::vector<long double> ColumnPoints;
};
void TabulateGridRows(ICalcVarsBase& vars, const TGridAxes& axes, const std::string& output,
                      const WhatIfRowSink& sink);

// A table kept whole (to show it) holds at most this many cells; the command
// line, which prints row by row, has no such bound.
inline constexpr std::size_t kMaxKeptCells = 2000000;
// Why a table of rows x columns cells is too large to keep whole, or "".
std::string KeptTableProblem(std::size_t rows, std::size_t columns);

// The same, kept whole.
struct TWhatIfTable {
    std::string Input;
    std::vector<std::string> Outputs;
    std::vector<long double> Points;
    std::vector<std::vector<TWhatIfCell>> Rows;  // Rows[point][output]
};
TWhatIfTable Tabulate(ICalcVarsBase& vars, const std::string& input,
                      std::span<const long double> points, const std::vector<std::string>& outputs);

struct TWhatIfGrid {
    TGridAxes Axes;
    std::string Output;
    std::vector<std::vector<TWhatIfCell>> Rows;  // Rows[row][column]
};
TWhatIfGrid TabulateGrid(ICalcVarsBase& vars, const TGridAxes& axes, const std::string& output);

}  // namespace quillix
