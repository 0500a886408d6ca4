// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Binding the arguments of a call to the parameters of a function: the node
// that applies a built-in function (described by its catalogue row) or a
// stored user function, with the operands and lists a formula holds. The
// formula reader, the function parameter dialog and the command line build
// their calls here; which of them a chosen function needs is FunctionUse
// (functions/func_catalogue.h).

#include <cstddef>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "functions/func_catalogue.h"
#include "model/operate_func.h"
#include "model/operate_user.h"
#include "model/value_ref.h"

namespace quillix {

// The argument of one parameter: a value for a plain parameter, a list of
// values for a list parameter.
using TCallArgument = std::variant<ValueRef, TCalcOperateMultiFunc::ValueList>;
using TCallArguments = std::vector<TCallArgument>;

// How many arguments a row takes: at most one per parameter (one, X, for a
// one-argument function), at least those up to the last parameter without a
// default, since only trailing defaults may be left out.
struct TArgumentCount {
    std::size_t Required = 0;
    std::size_t Total = 0;
};
TArgumentCount CatalogueArgumentCount(const TFuncDataItem& row);
// The same in words: "no arguments", "1 argument", "4 to 5 arguments".
std::string ArgumentCountText(const TFuncDataItem& row);

// The node applying row to args, given in parameter order: a TCalcOperateFunc
// over the one value of a one-argument function; otherwise a
// TCalcOperateMultiFunc whose operands are the plain arguments (left-out
// trailing ones take their defaults) and whose Array1 and Array2 are the first
// and second list (a left-out list is empty). The values become the node's own
// operands and elements; pass clones to keep the originals out of the tree.
// Nothing, and no value taken, when row has no catalogue FuncID (a user
// function's record: see BindUserFunctionCall), the count is outside
// CatalogueArgumentCount, an argument is a list where a plain value belongs (or
// the reverse), or a value is null.
std::unique_ptr<TCalcOperate> BindCatalogueCall(const TFuncDataItem& row, TCallArguments args);

// The node calling the stored user function name with args as its operands.
// They bind to the function's inputs by position when it runs: extra ones are
// dropped, missing ones keep the numbers stored in the function. Nothing when
// a value is null.
std::unique_ptr<TCalcOperateUserFunc> BindUserFunctionCall(std::string name,
                                                           std::vector<ValueRef> args);

}  // namespace quillix
