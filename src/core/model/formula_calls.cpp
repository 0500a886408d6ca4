// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formula_calls.h"

#include "functions/func_catalogue.h"
#include "model/operate_func.h"
#include "model/operate_user.h"

namespace quillix {

namespace {

std::size_t RequiredCount(const TFuncDataItem& row) {
    if (!row.MultiParam) return 1;
    std::size_t required = row.Params.size();
    while (required > 0 && row.Params[required - 1].HasDefault)
        --required;
    return required;
}

std::size_t TotalCount(const TFuncDataItem& row) {
    return row.MultiParam ? row.Params.size() : 1;
}

std::string CountText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " argument" : " arguments");
}

std::string ArgumentCountFailure(const TFuncDataItem& row, std::size_t given) {
    const std::size_t required = RequiredCount(row);
    const std::size_t total = TotalCount(row);
    std::string expected = total == 0 ? std::string("no arguments")
                           : required == total
                               ? CountText(total)
                               : std::to_string(required) + " to " + CountText(total);
    return row.Name + " takes " + expected + " (" + std::to_string(given) + " given)";
}

}  // namespace

bool IsListParameter(const TFuncDataItem& row, std::size_t index) {
    return row.MultiParam && index < row.Params.size() && row.Params[index].IsArray;
}

std::unique_ptr<TCalcOperate> MakeCatalogueCall(const TFuncDataItem& row,
                                                std::vector<CallArgument>& args,
                                                std::string* failure) {
    if (args.size() < RequiredCount(row) || args.size() > TotalCount(row)) {
        *failure = ArgumentCountFailure(row, args.size());
        return nullptr;
    }
    const auto funcId = static_cast<std::uint8_t>(row.FuncID);
    if (!row.MultiParam) {
        auto node = std::make_unique<TCalcOperateFunc>(funcId);
        node->AddOperand(std::move(args[0].value));
        return node;
    }
    auto node = std::make_unique<TCalcOperateMultiFunc>(funcId);
    bool listSeen = false;
    for (std::size_t i = 0; i < row.Params.size(); ++i) {
        const TFuncParamDef& param = row.Params[i];
        if (!param.IsArray) {
            node->AddOperand(i < args.size()
                                 ? std::move(args[i].value)
                                 : TCalcValue::New(param.DefaultValue, param.DefaultType));
            continue;
        }
        const bool first = !listSeen;
        listSeen = true;
        first ? node->EnsureArray1() : node->EnsureArray2();
        if (i >= args.size()) continue;
        for (ValueRef& element : args[i].elements) {
            first ? node->AddArray1Element(std::move(element))
                  : node->AddArray2Element(std::move(element));
        }
    }
    return node;
}

std::unique_ptr<TCalcOperate> MakeUserCall(const std::string& name,
                                           const std::optional<std::string>& resultName,
                                           std::vector<CallArgument>& args) {
    std::unique_ptr<TCalcOperate> node;
    if (resultName) {
        node = std::make_unique<TCalcOperateUserProgram>(name, *resultName);
    } else {
        node = std::make_unique<TCalcOperateUserFunc>(name);
    }
    for (CallArgument& arg : args)
        node->AddOperand(std::move(arg.value));
    return node;
}

}  // namespace quillix
