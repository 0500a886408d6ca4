// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/value_users.h"

#include <unordered_set>

#include "model/calc_operate.h"
#include "model/calc_value.h"

namespace quillix {

namespace {

// Walks upward from value; beyond a named value only when throughNamed.
std::vector<TCalcValue*> NamedAbove(const TCalcValue& value, bool throughNamed) {
    std::vector<TCalcValue*> named;
    if (value.ReferrerCount() == 0) return named;
    std::unordered_set<const TCalcValue*> seen{&value};
    std::vector<const TCalcValue*> pending{&value};
    while (!pending.empty()) {
        const TCalcValue* current = pending.back();
        pending.pop_back();
        for (int i = 0; i < current->ReferrerCount(); ++i) {
            TCalcValue* owner = current->ReferrerAt(i)->Owner();
            if (!owner || !seen.insert(owner).second) continue;
            if (owner->IsNamed()) {
                named.push_back(owner);
                if (!throughNamed) continue;
            }
            pending.push_back(owner);
        }
    }
    return named;
}

}  // namespace

std::vector<TCalcValue*> NamedUsersOf(const TCalcValue& value) {
    return NamedAbove(value, false);
}

std::vector<TCalcValue*> NamedDependantsOf(const TCalcValue& value) {
    return NamedAbove(value, true);
}

}  // namespace quillix
