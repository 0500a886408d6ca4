// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the variables view that need no widget: which commands are
// enabled for a given selection, and where the entries go when several rows
// are deleted. The frame asks these; tests check them as tables.

#include <vector>

namespace quillix {

// What the enabled rules depend on.
struct TVarsViewFacts {
    int RowCount = 0;
    std::vector<int> SelectedRows;  // ascending
    bool HasVars = false;
    bool HasKeypad = false;
};

struct TVarsCommandStates {
    bool Up = false;
    bool Down = false;
    bool CopyValue = false;
    bool SetType = false;  // "Normal", "Input", "Output" and their buttons
    bool Delete = false;
    bool Clear = false;
    bool CreateFunction = false;
    bool Statistical = false;
    bool Properties = false;
    bool ProgramProperties = false;
    bool EditFormula = false;

    friend bool operator==(const TVarsCommandStates&, const TVarsCommandStates&) = default;
};

TVarsCommandStates VarsCommandStates(const TVarsViewFacts& facts);

// The indices to hand to DeleteAt, one call after another, so that the entries
// at the given ascending rows go, each delete having shifted the rows after it.
std::vector<int> DeletionIndices(const std::vector<int>& rows);

}  // namespace quillix
