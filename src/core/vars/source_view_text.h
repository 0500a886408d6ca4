// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of the source view of a program or function file: the description,
// an empty line, then per entry a header line (its role and description) and a
// body line (name=formula;(value)). The lines carry their kind so a window can
// colour them; the command-line tool prints them plainly.

#include <string>
#include <vector>

namespace quillix {

class TCalcVarsBase;

struct TSourceLine {
    enum Kind { kDescription, kBlank, kHeader, kBody } kind;
    std::string text;
};

std::vector<TSourceLine> SourceViewLines(const TCalcVarsBase& set);

// The lines joined with line breaks, the last one included; control characters
// within a line are written as visible escapes (VisibleText).
std::string SourceViewText(const TCalcVarsBase& set);

}  // namespace quillix
