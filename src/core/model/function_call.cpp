// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/function_call.h"

#include <string>
#include <utility>

#include "model/calc_value.h"

namespace quillix {

namespace {

bool IsList(const TCallArgument& arg) {
    return std::holds_alternative<TCalcOperateMultiFunc::ValueList>(arg);
}

bool HasNoNullValue(const TCallArgument& arg) {
    if (const ValueRef* value = std::get_if<ValueRef>(&arg)) return static_cast<bool>(*value);
    for (const ValueRef& element : std::get<TCalcOperateMultiFunc::ValueList>(arg)) {
        if (!element) return false;
    }
    return true;
}

// Whether every argument has the shape of its parameter, so that a refusal
// happens before any value is taken.
bool ArgumentsFit(const TFuncDataItem& row, const TCallArguments& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool listParam = row.MultiParam && row.Params[i].IsArray;
        if (IsList(args[i]) != listParam || !HasNoNullValue(args[i])) return false;
    }
    return true;
}

std::unique_ptr<TCalcOperate> BindParameters(const TFuncDataItem& row, TCallArguments& args) {
    auto node = std::make_unique<TCalcOperateMultiFunc>(static_cast<std::uint8_t>(row.FuncID));
    bool firstListSeen = false;
    for (std::size_t i = 0; i < row.Params.size(); ++i) {
        const TFuncParamDef& param = row.Params[i];
        const bool given = i < args.size();
        if (!param.IsArray) {
            node->AddOperand(given ? std::move(std::get<ValueRef>(args[i]))
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
        if (!given) continue;
        for (ValueRef& element : std::get<TCalcOperateMultiFunc::ValueList>(args[i])) {
            if (first) {
                node->AddArray1Element(std::move(element));
            } else {
                node->AddArray2Element(std::move(element));
            }
        }
    }
    return node;
}

}  // namespace

TArgumentCount CatalogueArgumentCount(const TFuncDataItem& row) {
    if (!row.MultiParam) return {1, 1};
    std::size_t required = row.Params.size();
    while (required > 0 && row.Params[required - 1].HasDefault)
        --required;
    return {required, row.Params.size()};
}

std::string ArgumentCountText(const TFuncDataItem& row) {
    const TArgumentCount count = CatalogueArgumentCount(row);
    const auto words = [](std::size_t n) {
        return std::to_string(n) + (n == 1 ? " argument" : " arguments");
    };
    if (count.Total == 0) return "no arguments";
    if (count.Required == count.Total) return words(count.Total);
    return std::to_string(count.Required) + " to " + words(count.Total);
}

std::unique_ptr<TCalcOperate> BindCatalogueCall(const TFuncDataItem& row, TCallArguments args) {
    if (!FindFunc(row.FuncID)) return nullptr;  // a user function's record has none
    const TArgumentCount count = CatalogueArgumentCount(row);
    if (args.size() < count.Required || args.size() > count.Total) return nullptr;
    if (!ArgumentsFit(row, args)) return nullptr;
    if (row.MultiParam) return BindParameters(row, args);
    auto node = std::make_unique<TCalcOperateFunc>(static_cast<std::uint8_t>(row.FuncID));
    node->AddOperand(std::move(std::get<ValueRef>(args[0])));
    return node;
}

std::unique_ptr<TCalcOperateUserFunc> BindUserFunctionCall(std::string name,
                                                           std::vector<ValueRef> args) {
    for (const ValueRef& arg : args) {
        if (!arg) return nullptr;
    }
    auto node = std::make_unique<TCalcOperateUserFunc>(std::move(name));
    for (ValueRef& arg : args)
        node->AddOperand(std::move(arg));
    return node;
}

}  // namespace quillix
