// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formula_calls.h"

#include "functions/func_catalogue.h"
#include "model/function_call.h"
#include "model/operate_func.h"
#include "model/operate_user.h"

namespace quillix {

bool IsListParameter(const TFuncDataItem& row, std::size_t index) {
    return row.MultiParam && index < row.Params.size() && row.Params[index].IsArray;
}

std::unique_ptr<TCalcOperate> MakeCatalogueCall(const TFuncDataItem& row,
                                                std::vector<CallArgument>& args,
                                                std::string* failure) {
    const TArgumentCount count = CatalogueArgumentCount(row);
    if (args.size() < count.Required || args.size() > count.Total) {
        *failure = row.Name + " takes " + ArgumentCountText(row) + " (" +
                   std::to_string(args.size()) + " given)";
        return nullptr;
    }
    TCallArguments bound;
    bound.reserve(args.size());
    for (CallArgument& arg : args) {
        if (arg.isList) {
            bound.emplace_back(std::move(arg.elements));
        } else {
            bound.emplace_back(std::move(arg.value));
        }
    }
    std::unique_ptr<TCalcOperate> node = BindCatalogueCall(row, std::move(bound));
    if (!node) *failure = row.Name + " cannot take these arguments";
    return node;
}

std::unique_ptr<TCalcOperate> MakeUserCall(const std::string& name,
                                           const std::optional<std::string>& resultName,
                                           std::vector<CallArgument>& args) {
    std::vector<ValueRef> values;
    values.reserve(args.size());
    for (CallArgument& arg : args)
        values.push_back(std::move(arg.value));
    if (!resultName) return BindUserFunctionCall(name, std::move(values));
    auto node = std::make_unique<TCalcOperateUserProgram>(name, *resultName);
    for (ValueRef& value : values)
        node->AddOperand(std::move(value));
    return node;
}

}  // namespace quillix
