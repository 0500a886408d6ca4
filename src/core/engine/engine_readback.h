// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the keypad, the memory view and quillix-cli read back from an engine
// after a command: the display and expression lines, the mode and depth
// indicators, and the memory view's listing of the stack. One implementation,
// so that every front shows the same texts.

#include <string>
#include <vector>

#include "engine/calc_engine.h"
#include "engine/calc_stack.h"

namespace quillix {

// The value display: the editor's grouped text while entering, otherwise X in
// grouped style ("0" with no X).
std::string DisplayText(const TCalcEngine& engine);
// The expression line: the editor's grouped text while entering, otherwise
// X's formula.
std::string ExpressionText(const TCalcEngine& engine);
// Copy Value's text for another program: the number being typed as typed,
// never grouped, otherwise X with every digit (ValueCopyText); "0" with no X.
std::string CopyValueText(const TCalcEngine& engine);

// "RPN" or "ALG".
std::string ModeText(const TCalcEngine& engine);
// "Classic" or "Stack": how RPN works in this engine.
std::string RPNStyleText(const TCalcEngine& engine);
// "M=" and the depth of the value stack in RPN; "(=" and the number of open
// parentheses in ALG.
std::string CounterText(const TCalcEngine& engine);

// The texts of the saved operators, bottom (index 0) first.
std::vector<std::string> OperatorStackTexts(const TCalcStack& stack);

struct TMemoryEntry {
    std::string Label;    // "X0" for the top of the value stack, "X1" below it, ...
    std::string Value;    // plain display form
    std::string Formula;  // formula text
};

struct TMemoryListing {
    std::string XValue;    // X in plain display form
    std::string XFormula;  // X's formula
    bool HasX = false;     // without X the view keeps what it showed
    bool Entering = false;
    std::string PendingText;            // the pending operator's text; empty for none
    std::string OpsText;                // each saved operator's text followed by ","
    std::vector<TMemoryEntry> Entries;  // top of the value stack first
};

TMemoryListing MemoryListing(const TCalcStack& stack, bool entering);

// A level of the stack above X, as Stack style shows it over the display.
struct TStackLevel {
    std::string Label;    // "Y", "Z", "T", then the level's number: "5", "6", ...
    std::string Value;    // grouped, as the display shows X
    std::string Formula;  // formula text
};

// The name of the level index places above X (0: "Y", 1: "Z", 2: "T", 3: "5", ...).
std::string StackLevelLabel(int index);

// The levels above X, the top of the value stack (Y) first: at most count,
// and no more than the stack holds.
std::vector<TStackLevel> StackLevels(const TCalcStack& stack, int count);

// The memory view rebuilds its stack list after every command except a digit
// ("0".."9", "00", "000") that follows another digit: typing a number rebuilds
// it only at the first digit.
bool MemoryListNeedsRebuild(std::uint8_t code, std::uint8_t previousCode);
// The rows of the stack list: as many as fit (visibleRows), or one per value
// when there are more values.
int MemoryRowCount(int visibleRows, int valueCount);

}  // namespace quillix
