// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inserting a line of the tape into the calculation, as recalling a value
// does: the command (code 33) and the value it carries. A line of this run
// carries its own value with its tree. A line read back from the file is
// rebuilt once from its formula, with names resolving against the program
// document as it is now; when the formula no longer reads (a variable that is
// gone, a formula cut short), the line's number alone stands in.

#include "engine/calc_engine.h"
#include "tape/tape.h"

namespace quillix {

class ICalcVarsBase;

// The value the line inserts (kept in the line, so a second insert is the same).
ValueRef TapeLineValue(TTape& tape, int index, ICalcVarsBase* vars);

// Inserts the line into the engine's calculation with ccInsertReference.
void InsertTapeLine(TCalcEngine& engine, TTape& tape, int index, ICalcVarsBase* vars);

}  // namespace quillix
