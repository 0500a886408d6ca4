// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif_windows/variable_choices.h"

#include "model/calc_value_warper.h"
#include "model/calc_vars_intf.h"
#include "whatif/whatif_table.h"

namespace quillix {

QStringList InputChoices(ICalcVarsBase& vars) {
    QStringList names;
    for (const std::string& name : WhatIfInputs(vars))
        names.append(QString::fromStdString(name));
    return names;
}

QStringList OutputChoices(ICalcVarsBase& vars) {
    QStringList names;
    for (const auto& entry : vars.GetItems()) {
        if (WhatIfOutputProblem(vars, entry->GetName()).empty())
            names.append(QString::fromStdString(entry->GetName()));
    }
    return names;
}

QString FirstOutputRole(ICalcVarsBase& vars) {
    for (const auto& entry : vars.GetItems()) {
        if (entry->Type == wtOutput) return QString::fromStdString(entry->GetName());
    }
    return {};
}

}  // namespace quillix
