// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/extra_units.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "common/text_compare.h"
#include "convert/custom_units.h"
#include "convert/unit_converter.h"
#include "support/temp_folder.h"

namespace quillix {
namespace {

class AllUnits : public ::testing::Test {
  protected:
    AllUnits() { RegisterAllUnits(registry, custom); }

    std::vector<std::string> FamilyNames() const {
        std::vector<std::string> names;
        for (const TConvFamily family : registry.Families())
            names.push_back(*registry.FamilyName(family));
        return names;
    }

    long double Convert(long double value, const char* family, const char* from,
                        const char* to) const {
        return ConvertUnitsByName(registry, *registry.FindFamily(family), from, to, value);
    }

    test::TempFolder folder;
    TConvRegistry registry;
    TCustomUnits custom{registry, CustomUnitsPath(folder.Path())};
};

TEST_F(AllUnits, ExtraFamiliesFollowTimeAndCustomFamiliesFollowThem) {
    const std::vector<std::string> builtIn = {"Distance",    "Area",  "Volume",  "Mass",
                                              "Temperature", "Time",  "Speed",   "Pressure",
                                              "Energy",      "Power", "DataSize"};
    EXPECT_EQ(FamilyNames(), builtIn);
    EXPECT_EQ(registry.FindFamily("Time"), 6);
    EXPECT_EQ(registry.FindUnit(6, "ModifiedJulianDate"), 132);  // the standard ids stay
    custom.AddCustomUnit("Flow", "LitersPerMinute", false, 1);
    EXPECT_EQ(FamilyNames().back(), "Flow");
    EXPECT_EQ(registry.FindFamily("Flow"), 12);
}

TEST_F(AllUnits, ConversionsByTheDefinitions) {
    struct Row {
        long double value;
        const char* family;
        const char* from;
        const char* to;
        long double expected;
    };
    const Row rows[] = {
        {1, "Distance", "Feet", "Inches", 12},
        {1, "Distance", "Miles", "Kilometers", 1.609344L},
        {1, "Speed", "Knots", "KilometersPerHour", 1.852L},
        {1, "Speed", "MilesPerHour", "KilometersPerHour", 1.609344L},
        {36, "Speed", "KilometersPerHour", "MetersPerSecond", 10},
        {1, "Speed", "SpeedOfLight", "KilometersPerSecond", 299792.458L},
        {60, "Speed", "FeetPerMinute", "FeetPerSecond", 1},
        {1, "Pressure", "Atmospheres", "Torr", 760},
        {1, "Pressure", "Bars", "Kilopascals", 100},
        {1, "Pressure", "Millibars", "Hectopascals", 1},
        {1, "Pressure", "PoundsPerSquareInch", "Pascals", 6894.75729316836L},
        {1, "Pressure", "InchesOfMercury", "MillimetersOfMercury", 25.4L},
        {1, "Pressure", "TechnicalAtmospheres", "MillimetersOfWater", 10000},
        {1, "Energy", "KilowattHours", "Megajoules", 3.6L},
        {1, "Energy", "Kilocalories", "Kilojoules", 4.184L},
        {1, "Energy", "Electronvolts", "Joules", 1.602176634e-19L},
        {1, "Energy", "BritishThermalUnits", "Joules", 1055.05585262L},
        {1, "Energy", "Joules", "Ergs", 1e7L},
        {1, "Power", "Horsepower", "FootPoundsPerSecond", 550},
        {1, "Power", "Horsepower", "Watts", 745.69987158227L},
        {1, "Power", "MetricHorsepower", "Watts", 735.49875L},
        {1, "Power", "BTUsPerHour", "Watts", 0.293071070172222L},
        {1, "DataSize", "Bytes", "Bits", 8},
        {1, "DataSize", "Gibibytes", "Megabytes", 1073.741824L},
        {1, "DataSize", "Megabits", "Kilobytes", 125},
        {1, "DataSize", "Pebibytes", "Tebibytes", 1024},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " -> " + row.to);
        EXPECT_EQ(Convert(row.value, row.family, row.from, row.to), row.expected);
    }
}

// quillix-cli convert finds a family by its FROM unit alone: no built-in name
// may stand in two families.
TEST_F(AllUnits, NoUnitNameIsInTwoFamilies) {
    std::set<std::string> seen;
    for (const TConvFamily family : registry.Families()) {
        for (const TConvType unit : registry.UnitsOf(family)) {
            std::string folded = *registry.UnitName(unit);
            for (char& c : folded)
                c = UpperAscii(c);
            EXPECT_TRUE(seen.insert(folded).second) << folded;
        }
    }
}

TEST_F(AllUnits, ACustomUnitNamedLikeABuiltInOneNeverRemovesIt) {
    const TConvFamily speed = *registry.FindFamily("Speed");
    EXPECT_THROW(custom.AddCustomUnit("Speed", "knots", true, 0.5), EConversionError);
    custom.DeleteCustomUnit("Speed", "Knots");
    EXPECT_TRUE(registry.FindUnit(speed, "Knots"));
    const TConvType mine = custom.AddCustomUnit("Speed", "Leagues/Hour", true, 1.34112);
    custom.DeleteCustomUnit("speed", "LEAGUES/HOUR");
    EXPECT_FALSE(registry.UnitName(mine));
    EXPECT_TRUE(registry.FindFamily("Speed"));
}

}  // namespace
}  // namespace quillix
