// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Edit formula..." of the variables view: the variable's formula in the input
// box; OK gives the variable the formula read from the answer, so that its
// dependants recalculate. A text that is no formula, or a formula the set
// refuses (a name listed after the variable, a cycle), is asked again with the
// reason above the prompt and the typed text kept; nothing changes until a
// formula is accepted.

#include <string>

class QWidget;

namespace quillix {

class ICalcVarsBase;

inline constexpr const char* kEditFormulaCaption = "Edit formula";

// True when the variable took a new formula; false when cancelled or when the
// set has no such variable.
bool EditVariableFormula(QWidget* parent, ICalcVarsBase& vars, const std::string& name);

}  // namespace quillix
