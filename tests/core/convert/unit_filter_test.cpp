// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/unit_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/conv_registry.h"
#include "convert/extra_units.h"

namespace quillix {
namespace {

TEST(UnitFilter, TypedLettersMatchIgnoringCaseAndPunctuation) {
    struct Row {
        const char* name;
        const char* typed;
        TUnitMatch match;
    };
    const Row rows[] = {
        {"KilometersPerHour", "", TUnitMatch::Start},
        {"KilometersPerHour", "kilo", TUnitMatch::Start},
        {"KilometersPerHour", "KILOMETERS per", TUnitMatch::Start},
        {"KilometersPerHour", "hour", TUnitMatch::InitialsOrPart},
        {"MilesPerHour", "mph", TUnitMatch::InitialsOrPart},
        {"miles per hour", "M.P.H.", TUnitMatch::InitialsOrPart},  // a custom unit's name
        {"KilometersPerHour", "km/h", TUnitMatch::Scattered},
        {"KilometersPerSecond", "km/h", TUnitMatch::None},
        {"MetersPerSecond", "mph", TUnitMatch::None},
        {"Knots", "xyz", TUnitMatch::None},
        {"Grad\xC3\xA9s", "grad\xC3\xA9", TUnitMatch::Start},  // typed as the name has it
    };
    for (const Row& row : rows)
        EXPECT_EQ(MatchUnitName(row.name, row.typed), row.match) << row.name << " / " << row.typed;
}

// The speeds of the registry: what typing picks out of the whole list.
TEST(UnitFilter, TypingPicksOneSpeed) {
    TConvRegistry registry;
    RegisterExtraFamilies(registry);
    const auto best = [&](const char* typed) {
        std::vector<std::string> names;
        TUnitMatch top = TUnitMatch::None;
        for (const TConvType unit : registry.UnitsOf(*registry.FindFamily("Speed"))) {
            const std::string name = *registry.UnitName(unit);
            const TUnitMatch match = MatchUnitName(name, typed);
            if (match > top) {
                names.clear();
                top = match;
            }
            if (match == top && match != TUnitMatch::None) names.push_back(name);
        }
        return names;
    };
    EXPECT_EQ(best("km/h"), std::vector<std::string>{"KilometersPerHour"});
    EXPECT_EQ(best("mph"), std::vector<std::string>{"MilesPerHour"});
    EXPECT_EQ(best("feet"), (std::vector<std::string>{"FeetPerSecond", "FeetPerMinute"}));
}

}  // namespace
}  // namespace quillix
