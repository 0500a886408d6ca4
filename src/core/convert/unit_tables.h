// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape of the built-in unit tables (standard_units.cpp, extra_units.cpp)
// and their registration: each family with its units, in the order every list
// shown to the user follows.

#include <span>

#include "convert/conv_registry.h"

namespace quillix {

using UnitProc = double (*)(double);

// One unit of a built-in family: a factor unit, or a procedure unit when both
// procedures are given (its factor is then unused).
struct UnitRow {
    const char* name;
    double factor;
    UnitProc toBase = nullptr;
    UnitProc fromBase = nullptr;
};

struct FamilyTable {
    const char* name;
    std::span<const UnitRow> units;
};

// Registers the families and their units in table order.
void RegisterFamilyTables(TConvRegistry& registry, std::span<const FamilyTable> tables);

// Whether the unit of that name (ignoring case) is listed under the family of
// that name (ignoring case) in the tables.
bool TablesListUnit(std::span<const FamilyTable> tables, std::string_view familyName,
                    std::string_view unitName);

}  // namespace quillix
