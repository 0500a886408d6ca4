// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a formula text back into an operation tree: the inverse of the formula
// writer. Whatever text the calculator shows for a tree reads back into a tree
// that shows the same text and has the same value; a user can type the same
// language. Numbers are written with "." and an optional exponent (no digit
// grouping: "," separates arguments), names resolve against a variable set,
// the operators have the levels of the nodes (comparisons, And/Or/Xor, + -,
// Mod, * / and a*b%, ^ grouping to the right, prefix -), built-in functions go
// by catalogue name in any letter case with "[...]" lists, user functions as
// Name(args), programs as Name('Result',args), dates as "[" date "]".
// The reader keeps its own stacks, so a text nested a million levels deep
// reads without deep recursion.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/value_ref.h"

namespace quillix {

class ICalcVarsBase;

// Where and why a text is no formula.
struct FormulaReadError {
    std::string message;     // says what and where: "unknown name 'Rat' at 9"
    std::size_t offset = 0;  // byte offset of the fault in the text, from 0
    std::size_t column = 1;  // the same as a character position, from 1 (used in message)
};

// Finds a stored user function or program by the name as typed: its name as
// the library spells it, or nothing when the library has none.
using FormulaNameLookup = std::function<std::optional<std::string>(std::string_view name)>;

struct FormulaReaderOptions {
    // Variables that names refer to; none means every name is unknown.
    ICalcVarsBase* vars = nullptr;
    // When set, a call of a name that is no catalogue function must name a
    // stored user function (or, written Name('Result',...), a program); when
    // not set, such a call is taken as typed.
    FormulaNameLookup findUserFunction;
    FormulaNameLookup findProgram;
};

struct FormulaReadResult {
    // The formula's value, computed by its tree (an evaluation failure such as
    // 1/0 is an error value, not a read error); empty when the text has an error.
    ValueRef value;
    std::optional<FormulaReadError> error;
    bool ok() const { return !error.has_value(); }
};

// Reads the whole text. Nothing is built when it has an error.
FormulaReadResult ReadFormula(std::string_view text, const FormulaReaderOptions& options = {});

// The names of the built-in functions in catalogue order, as formulas write
// them (for completion in a formula field).
std::vector<std::string> FormulaFunctionNames();

}  // namespace quillix
