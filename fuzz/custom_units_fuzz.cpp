// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the custom units file: any bytes as "unitconv.ini" are
// read without a fault on top of every built-in family; each custom unit that
// registered converts to the first unit of its family and back, the
// converter's remembered choice resolves to units that exist, the file the
// reader rewrites registers the same units again, and deleting the units
// leaves exactly the built-in families.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/calc_error.h"
#include "convert/converter_choice.h"
#include "convert/custom_units.h"
#include "convert/extra_units.h"
#include "convert/standard_units.h"
#include "fuzz_support.h"

namespace {

using namespace quillix;

// The built-in families, registered once: each input adds its units on top
// and takes them away again.
TConvRegistry& Registry() {
    static TConvRegistry registry;
    static const bool filled = [] {
        RegisterStandardFamilies(registry);
        RegisterExtraFamilies(registry);
        return true;
    }();
    static_cast<void>(filled);
    return registry;
}

void ConvertEveryCustomUnit(const TConvRegistry& registry, const std::string& file) {
    for (const TCustomUnitEntry& entry : ReadCustomUnitEntries(file)) {
        const std::optional<TConvFamily> family = registry.FindFamily(entry.familyName);
        if (!family) continue;
        const std::optional<TConvType> unit = registry.FindUnit(*family, entry.unitName);
        const TConvTypeArray units = registry.UnitsOf(*family);
        if (!unit || units.empty()) continue;
        try {
            const double there = registry.ConvertUnits(1.0, *unit, units.front());
            registry.ConvertUnits(there, units.front(), *unit);
        } catch (const EConversionError&) {
            // A zero factor of a built-in unit is a refusal, not a fault.
        } catch (const ECalcError&) {
            // So is an overflow.
        }
    }
}

void CheckChoice(const TConvRegistry& registry, const std::string& file) {
    const std::optional<TConverterSelection> selection =
        ResolveConverterChoice(registry, ReadConverterChoice(file));
    fuzz::Check(selection.has_value(), "no selection although families exist");
    fuzz::Check(registry.FamilyName(selection->family).has_value(), "a selected family is gone");
    for (const std::optional<TConvType>& unit : {selection->from, selection->to}) {
        fuzz::Check(unit && registry.FamilyOf(*unit) == selection->family,
                    "a selected unit is outside its family");
    }
}

// Loads the file's units; the number of families then.
std::size_t LoadedFamilies(TCustomUnits& custom) {
    custom.LoadCustomUnits();
    return Registry().Families().size();
}

void DeleteEveryUnit(TCustomUnits& custom, const std::string& file) {
    for (const TCustomUnitEntry& entry : ReadCustomUnitEntries(file))
        custom.DeleteCustomUnit(entry.familyName, entry.unitName);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TConvRegistry& registry = Registry();
    const std::size_t builtIn = registry.Families().size();
    const std::string file = fuzz::Home().File(kCustomUnitsFileName);
    test::WriteFile(file, std::string(reinterpret_cast<const char*>(data), size));

    TCustomUnits custom(registry, file);
    const std::size_t families = LoadedFamilies(custom);
    ConvertEveryCustomUnit(registry, file);
    CheckChoice(registry, file);
    const std::string rewritten = test::ReadFile(file);
    DeleteEveryUnit(custom, file);
    fuzz::Check(registry.Families().size() == builtIn, "deleting the units leaves families");

    // What the reader wrote back (normalised) registers the same units again.
    test::WriteFile(file, rewritten);
    TCustomUnits again(registry, file);
    fuzz::Check(LoadedFamilies(again) == families, "the rewritten file registers other families");
    DeleteEveryUnit(again, file);
    return 0;
}
