// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_arguments.h"

#include "common/calc_error.h"
#include "functions/numeric_rules.h"

namespace quillix {

TFuncArguments LayOutFuncArguments(const TFuncParamDefArray& Params,
                                   const std::vector<TExtendedArray>& Values) {
    static const TExtendedArray kNone;
    TFuncArguments laid;
    int arraysSeen = 0;
    for (std::size_t i = 0; i < Params.size(); ++i) {
        const TExtendedArray& given = i < Values.size() ? Values[i] : kNone;
        const TFuncParamDef& param = Params[i];
        if (param.IsArray) {
            TExtendedArray& target = arraysSeen++ == 0 ? laid.Array1 : laid.Array2;
            target.insert(target.end(), given.begin(), given.end());
        } else if (given.size() == 1) {
            laid.Args.push_back(given.front());
        } else if (given.empty() && param.HasDefault) {
            laid.Args.push_back(param.DefaultValue);
        } else if (given.empty()) {
            RaiseCalcError(kMsgTooFewArguments);
        } else {
            RaiseCalcError("Parameter " + param.Name + " takes one number, not a list");
        }
    }
    return laid;
}

}  // namespace quillix
