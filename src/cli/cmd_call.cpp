// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli call NAME ARG...: applies a catalogue function to typed numbers.
// The arguments become the operands and lists of the same node a formula holds,
// inside a value, so the result, its kind, its text and its formula are exactly
// what the calculator would show for that formula.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_context.h"
#include "common/number_text.h"
#include "functions/func_catalogue.h"
#include "model/calc_value.h"
#include "model/function_call.h"
#include "value_json.h"
#include "vars/library_call_runner.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"
#include "vars/user_libraries.h"

namespace quillix::cli {

namespace {

long double ParseNumberArgument(std::string_view text) {
    const std::optional<long double> number = ParseDecimal(text);
    if (!number)
        throw UsageError("'" + std::string(text) + "' is not a valid floating point value");
    return *number;
}

// A list written [1,2,-3.5]; [] is the empty list.
TCalcOperateMultiFunc::ValueList ParseListArgument(const TFuncParamDef& param,
                                                   std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') {
        throw UsageError(param.Name + " takes a list written [1,2,3] ([] for none), not '" +
                         std::string(text) + "'");
    }
    TCalcOperateMultiFunc::ValueList values;
    const std::string_view inner = std::string_view(trimmed).substr(1, trimmed.size() - 2);
    if (TrimBlanks(inner).empty()) return values;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = inner.find(',', start);
        const std::string element = TrimBlanks(inner.substr(start, comma - start));
        if (element.empty()) throw UsageError("'" + std::string(text) + "' has an empty element");
        values.push_back(TCalcValue::New(ParseNumberArgument(element)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return values;
}

[[noreturn]] void FailArgumentCount(const TFuncDataItem& row, std::size_t given) {
    std::string expected = ArgumentCountText(row);
    std::string names = row.MultiParam ? "" : "X";
    for (const TFuncParamDef& param : row.Params)
        names += (names.empty() ? "" : ", ") + param.Name;
    if (!names.empty()) expected += " (" + names + ")";
    throw UsageError(row.Name + " takes " + expected + ", not " + std::to_string(given));
}

// Each argument is read as its parameter takes it: a number, or a list for a
// list parameter; the core binds them to the node.
ValueRef CallCatalogueFunction(const TFuncDataItem& row, const Arguments& args) {
    const TArgumentCount count = CatalogueArgumentCount(row);
    if (args.size() < count.Required || args.size() > count.Total) {
        FailArgumentCount(row, args.size());
    }
    TCallArguments values;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (row.MultiParam && row.Params[i].IsArray) {
            values.emplace_back(ParseListArgument(row.Params[i], args[i]));
        } else {
            values.emplace_back(TCalcValue::New(ParseNumberArgument(args[i])));
        }
    }
    return TCalcValue::NewComputed(BindCatalogueCall(row, std::move(values)));
}

// A user function of the home's library: the arguments bind to its inputs by
// position, as its node in a formula does (extra ones are dropped, missing
// ones keep the numbers stored in the function).
ValueRef CallOtherFunction(const CliContext& context, const std::string& name,
                           const Arguments& args) {
    TUserLibraries libraries(context.home);
    const TUserFuncObj* function = libraries.Functions().FindByName(name);
    if (!function) throw UsageError("unknown function '" + name + "'");
    std::vector<ValueRef> values;
    for (const std::string& arg : args)
        values.push_back(TCalcValue::New(ParseNumberArgument(arg)));
    const TLibraryCallRunner runner;
    return TCalcValue::NewComputed(BindUserFunctionCall(function->Name(), std::move(values)));
}

}  // namespace

int RunCall(CliContext& context, const Arguments& args) {
    const Arguments rest = WithoutOptionsEnd(args);  // "call Sqrt -- -1"
    if (rest.empty()) throw UsageError("usage: call NAME ARG...");
    const std::string& name = rest[0];
    const Arguments callArgs(rest.begin() + 1, rest.end());
    ValueRef result;
    if (const TFuncDataItem* row = FindFuncByName(name)) {
        result = CallCatalogueFunction(*row, callArgs);
    } else {
        result = CallOtherFunction(context, name, callArgs);
    }
    return PrintValueResult(context, *result);
}

}  // namespace quillix::cli
