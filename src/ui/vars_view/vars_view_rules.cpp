// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars_view/vars_view_rules.h"

namespace quillix {

TVarsCommandStates VarsCommandStates(const TVarsViewFacts& facts) {
    TVarsCommandStates states;
    // Without a set every command would do nothing, so none is offered.
    if (!facts.HasVars) return states;
    const auto& rows = facts.SelectedRows;
    const bool one = rows.size() == 1;
    const bool some = !rows.empty();
    states.Up = one && rows.front() > 0;
    states.Down = one && rows.front() < facts.RowCount - 1;
    states.CopyValue = one;
    states.SetType = some;
    states.Delete = some;
    states.Clear = true;
    states.CreateFunction = true;
    states.Statistical = facts.HasKeypad;
    states.Properties = one;
    states.ProgramProperties = true;
    states.EditFormula = one;
    return states;
}

std::vector<int> DeletionIndices(const std::vector<int>& rows) {
    std::vector<int> indices;
    indices.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        indices.push_back(rows[i] - static_cast<int>(i));
    return indices;
}

}  // namespace quillix
