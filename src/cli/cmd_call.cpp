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
#include "model/operate_func.h"
#include "model/operate_user.h"
#include "value_json.h"
#include "vars/library_call_runner.h"
#include "vars/library_names.h"
#include "vars/user_func_folder.h"
#include "vars/user_libraries.h"

namespace quillix::cli {

namespace {

// The row named exactly name, else the first row of the same name without
// regard to letter case (and surrounding blanks); nothing when there is none.
const TFuncDataItem* FindCatalogueFunction(const std::string& name) {
    if (const int exact = FindFuncID(name)) return FindFunc(exact);
    for (int id = 1; id <= FuncCount; ++id) {
        const TFuncDataItem* row = FindFunc(id);
        if (row && SameName(row->Name, name)) return row;
    }
    return nullptr;
}

long double ParseNumberArgument(std::string_view text) {
    const std::optional<long double> number = ParseDecimal(text);
    if (!number)
        throw UsageError("'" + std::string(text) + "' is not a valid floating point value");
    return *number;
}

// A list written [1,2,-3.5]; [] is the empty list.
std::vector<long double> ParseListArgument(const TFuncParamDef& param, std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') {
        throw UsageError(param.Name + " takes a list written [1,2,3] ([] for none), not '" +
                         std::string(text) + "'");
    }
    std::vector<long double> numbers;
    const std::string_view inner = std::string_view(trimmed).substr(1, trimmed.size() - 2);
    if (TrimBlanks(inner).empty()) return numbers;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = inner.find(',', start);
        const std::string element = TrimBlanks(inner.substr(start, comma - start));
        if (element.empty()) throw UsageError("'" + std::string(text) + "' has an empty element");
        numbers.push_back(ParseNumberArgument(element));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return numbers;
}

// How many of the parameters must be given: all up to the last one without a
// default (only trailing defaults may be left out).
std::size_t RequiredArgumentCount(const TFuncParamDefArray& params) {
    std::size_t required = params.size();
    while (required > 0 && params[required - 1].HasDefault)
        --required;
    return required;
}

std::string ArgumentCountText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " argument" : " arguments");
}

[[noreturn]] void FailArgumentCount(const TFuncDataItem& row, std::size_t given) {
    const std::size_t total = row.MultiParam ? row.Params.size() : 1;
    const std::size_t required = row.MultiParam ? RequiredArgumentCount(row.Params) : 1;
    std::string expected = required == total
                               ? ArgumentCountText(total)
                               : std::to_string(required) + " to " + ArgumentCountText(total);
    if (total == 0) expected = "no arguments";
    std::string names = row.MultiParam ? "" : "X";
    for (const TFuncParamDef& param : row.Params)
        names += (names.empty() ? "" : ", ") + param.Name;
    if (!names.empty()) expected += " (" + names + ")";
    throw UsageError(row.Name + " takes " + expected + ", not " + std::to_string(given));
}

ValueRef Evaluated(std::unique_ptr<TCalcOperate> node) {
    ValueRef value = TCalcValue::New();
    value->SetOperate(std::move(node));
    return value;
}

ValueRef CallOneArgumentFunction(const TFuncDataItem& row, const Arguments& args) {
    if (args.size() != 1) FailArgumentCount(row, args.size());
    auto node = std::make_unique<TCalcOperateFunc>(static_cast<std::uint8_t>(row.FuncID));
    node->AddOperand(TCalcValue::New(ParseNumberArgument(args[0])));
    return Evaluated(std::move(node));
}

// The plain parameters become operands in order (left-out trailing ones with
// their defaults); the first list parameter fills Array1, any further one Array2.
ValueRef CallMultiArgumentFunction(const TFuncDataItem& row, const Arguments& args) {
    const TFuncParamDefArray& params = row.Params;
    if (args.size() < RequiredArgumentCount(params) || args.size() > params.size()) {
        FailArgumentCount(row, args.size());
    }
    auto node = std::make_unique<TCalcOperateMultiFunc>(static_cast<std::uint8_t>(row.FuncID));
    bool firstListSeen = false;
    for (std::size_t i = 0; i < params.size(); ++i) {
        const TFuncParamDef& param = params[i];
        if (!param.IsArray) {
            node->AddOperand(i < args.size()
                                 ? TCalcValue::New(ParseNumberArgument(args[i]))
                                 : TCalcValue::New(param.DefaultValue, param.DefaultType));
            continue;
        }
        const bool first = !firstListSeen;
        firstListSeen = true;
        if (first) {
            node->EnsureArray1();
        } else {
            node->EnsureArray2();
        }
        if (i >= args.size()) continue;  // a left-out list is empty
        for (const long double number : ParseListArgument(param, args[i])) {
            if (first) {
                node->AddArray1Element(TCalcValue::New(number));
            } else {
                node->AddArray2Element(TCalcValue::New(number));
            }
        }
    }
    return Evaluated(std::move(node));
}

// A NAME that is no catalogue function. User functions of the home's library
// are to be looked up here; until then the name is unknown.
// A user function of the home's library: the arguments bind to its inputs by
// position, as its node in a formula does (extra ones are dropped, missing
// ones keep the numbers stored in the function).
ValueRef CallOtherFunction(const CliContext& context, const std::string& name,
                           const Arguments& args) {
    TUserLibraries libraries(context.home);
    const TUserFuncObj* function = libraries.Functions().FindByName(name);
    if (!function) throw UsageError("unknown function '" + name + "'");
    auto node = std::make_unique<TCalcOperateUserFunc>(function->Name());
    for (const std::string& arg : args)
        node->AddOperand(TCalcValue::New(ParseNumberArgument(arg)));
    const TLibraryCallRunner runner;
    ValueRef result = TCalcValue::New();
    result->SetOperate(std::move(node));
    return result;
}

}  // namespace

int RunCall(CliContext& context, const Arguments& args) {
    if (args.empty()) throw UsageError("usage: call NAME ARG...");
    const std::string& name = args[0];
    const Arguments callArgs(args.begin() + 1, args.end());
    ValueRef result;
    if (const TFuncDataItem* row = FindCatalogueFunction(name)) {
        result = row->MultiParam ? CallMultiArgumentFunction(*row, callArgs)
                                 : CallOneArgumentFunction(*row, callArgs);
    } else {
        result = CallOtherFunction(context, name, callArgs);
    }
    PrintValueResult(context, *result);
    return kExitOk;
}

}  // namespace quillix::cli
