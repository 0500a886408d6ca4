// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The function catalogue: one constant table of the 93 built-in functions with
// their parameters, descriptions and help topics, and the lookups by number, name
// and category. Everything else names a built-in function by its FuncID, which
// files store, so the numbers never change. Read-only; safe from any thread.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "functions/func_types.h"

namespace quillix {

struct TFuncParamDef {
    std::string Name;
    std::string Description;
    bool IsArray = false;
    bool HasDefault = false;
    long double DefaultValue = 0;
    std::uint8_t DefaultType = 0;  // CVType of the default: 0 number, 1 date
};

using TFuncParamDefArray = std::vector<TFuncParamDef>;

struct TFuncDataItem {
    std::int32_t FuncID = 0;
    std::string Category;
    bool MultiParam = false;
    TFuncProc Func = nullptr;            // set when MultiParam is false
    TMultiFuncProc MultiFunc = nullptr;  // set when MultiParam is true
    std::string Name;
    std::uint8_t ResultType = 0;  // CVType of the result: 1 (date) for Today, else 0
    std::int32_t ParamCount = 0;
    std::string Description;
    std::int32_t HelpContext = 0;
    TFuncParamDefArray Params;  // empty for one-argument functions and Today
};

inline constexpr int FuncCount = 93;

// The row of FuncID 1 to 93, nullptr for any other number.
const TFuncDataItem* FindFunc(int FuncID);
// The FuncID of the first row whose Name is exactly Name (case-sensitive), else 0.
int FindFuncID(std::string_view Name);
// The row named exactly Name, else the first row of that name trimmed of
// blanks and without regard to letter case ("sqrt ", "PMT"); nullptr when none.
const TFuncDataItem* FindFuncByName(std::string_view Name);
// The seven categories in the order of their first appearance in the table.
std::vector<std::string> FuncCategories();
// The names of the rows of that category, in table order.
std::vector<std::string> FuncNamesOf(std::string_view Category);
// Description and help topic of a FuncID; empty and 0 for 0 or an unknown number.
std::string FuncDescription(int FuncID);
int FuncHelpContext(int FuncID);

// How a chosen function is applied, from a menu, a pad button, a key or the
// user's library: to X as a command when it takes one argument, as a node of
// its own when it takes none, or with its arguments asked for when it takes
// more. A user function's record (TCalcUserFuncExec::MakeFuncData) follows the
// same rule. The nodes are bound in model/function_call.h.
enum class TFunctionUse { CommandOnX, InsertNode, AskArguments };
TFunctionUse FunctionUse(const TFuncDataItem& row);

}  // namespace quillix
