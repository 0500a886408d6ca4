// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calls of a formula text: a built-in function by catalogue name (any
// letter case), a user function, or a program with its result variable. The
// reader gathers the arguments; this hands them to the one binder
// (model/function_call.h) and words its refusal for the reader.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/calc_operate.h"

namespace quillix {

struct TFuncDataItem;

// One argument as written: a value, or a "[...]" list of values.
struct CallArgument {
    bool isList = false;
    ValueRef value;
    std::vector<ValueRef> elements;
};

// Whether argument index of the catalogue function is a list parameter.
bool IsListParameter(const TFuncDataItem& row, std::size_t index);

// The node of a catalogue function over the arguments, trailing arguments left
// out taking their defaults; or, in *failure, "PMT takes 4 to 5 arguments (3 given)".
std::unique_ptr<TCalcOperate> MakeCatalogueCall(const TFuncDataItem& row,
                                                std::vector<CallArgument>& args,
                                                std::string* failure);

// The node of a user function, or of a program when resultName is given.
std::unique_ptr<TCalcOperate> MakeUserCall(const std::string& name,
                                           const std::optional<std::string>& resultName,
                                           std::vector<CallArgument>& args);

}  // namespace quillix
