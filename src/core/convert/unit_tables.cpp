// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/unit_tables.h"

namespace quillix {

void RegisterFamilyTables(TConvRegistry& registry, std::span<const FamilyTable> tables) {
    for (const FamilyTable& table : tables) {
        const TConvFamily family = registry.AddFamily(table.name);
        for (const UnitRow& unit : table.units) {
            if (unit.toBase) {
                registry.AddProcUnit(family, unit.name, unit.toBase, unit.fromBase);
            } else {
                registry.AddFactorUnit(family, unit.name, unit.factor);
            }
        }
    }
}

bool TablesListUnit(std::span<const FamilyTable> tables, std::string_view familyName,
                    std::string_view unitName) {
    for (const FamilyTable& table : tables) {
        if (!SameConvName(table.name, familyName)) continue;
        for (const UnitRow& unit : table.units) {
            if (SameConvName(unit.name, unitName)) return true;
        }
    }
    return false;
}

}  // namespace quillix
