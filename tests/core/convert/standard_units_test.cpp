// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/standard_units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "common/calc_error.h"
#include "convert/unit_converter.h"
#include "error_text.h"

namespace quillix {
namespace {

class StandardUnits : public ::testing::Test {
  protected:
    StandardUnits() { RegisterStandardFamilies(registry); }

    std::vector<std::string> UnitNames(const char* family) const {
        std::vector<std::string> names;
        for (const TConvType unit : registry.UnitsOf(*registry.FindFamily(family))) {
            names.push_back(*registry.UnitName(unit));
        }
        return names;
    }

    double Convert(double value, const char* family, const char* from, const char* to) const {
        const TConvFamily id = *registry.FindFamily(family);
        return registry.ConvertUnits(value, *registry.FindUnit(id, from),
                                     *registry.FindUnit(id, to));
    }

    TConvRegistry registry;
};

TEST_F(StandardUnits, FamiliesInRegistrationOrderWithTheirUnitCounts) {
    struct Row {
        const char* family;
        std::size_t units;
        const char* first;
        const char* last;
    };
    const Row rows[] = {
        {"Distance", 31, "Micromicrons", "Points"},
        {"Area", 16, "SquareMillimeters", "SquareRods"},
        {"Volume", 48, "CubicMillimeters", "UKBushels"},
        {"Mass", 17, "Nanograms", "Stones"},
        {"Temperature", 5, "Celsius", "Reaumur"},
        {"Time", 15, "MilliSeconds", "ModifiedJulianDate"},
    };
    const TConvFamilyArray families = registry.Families();
    ASSERT_EQ(families.size(), std::size(rows));
    TConvType expectedUnitId = 1;
    for (std::size_t i = 0; i < families.size(); ++i) {
        SCOPED_TRACE(rows[i].family);
        EXPECT_EQ(families[i], i + 1);
        EXPECT_EQ(registry.FamilyName(families[i]), rows[i].family);
        const TConvTypeArray units = registry.UnitsOf(families[i]);
        ASSERT_EQ(units.size(), rows[i].units);
        EXPECT_EQ(registry.UnitName(units.front()), rows[i].first);
        EXPECT_EQ(registry.UnitName(units.back()), rows[i].last);
        for (const TConvType unit : units)
            EXPECT_EQ(unit, expectedUnitId++);
    }
}

TEST_F(StandardUnits, NamesAreShownWithoutBlanksAsRegistered) {
    const std::vector<std::string> temperature = UnitNames("Temperature");
    EXPECT_EQ(temperature,
              (std::vector<std::string>{"Celsius", "Kelvin", "Fahrenheit", "Rankine", "Reaumur"}));
    const std::vector<std::string> time = UnitNames("Time");
    EXPECT_EQ(time[0], "MilliSeconds");
    EXPECT_EQ(time[12], "DateTime");
    EXPECT_EQ(UnitNames("Volume")[40], "UKPottle");
    EXPECT_EQ(UnitNames("Distance")[17], "NauticalMiles");
}

TEST_F(StandardUnits, Conversions) {
    struct Row {
        double value;
        const char* family;
        const char* from;
        const char* to;
        double expected;
    };
    const Row rows[] = {
        {100, "Temperature", "Celsius", "Fahrenheit", 212},
        {212, "Temperature", "Fahrenheit", "Celsius", 100},
        {0, "Temperature", "Kelvin", "Celsius", -273.15},
        {100, "Temperature", "Celsius", "Reaumur", 80},
        {80, "Temperature", "Reaumur", "Celsius", 100},
        {491.67, "Temperature", "Rankine", "Celsius", 0},
        {100, "Temperature", "Celsius", "Rankine", 671.67},
        {-40, "Temperature", "Fahrenheit", "Celsius", -40},
        {1, "Distance", "Miles", "Kilometers", 1.609344},
        {1, "Distance", "NauticalMiles", "Meters", 1852},
        {1, "Time", "Years", "Days", 365.25},
        {1, "Time", "Months", "Days", 30.4375},
        {1, "Time", "Centuries", "Years", 100},
        {1, "Time", "Days", "Seconds", 86400},
        {1, "Area", "Hectares", "Ares", 100},
        {1, "Mass", "Pounds", "Grams", 453.59237},
        {1, "Volume", "Liters", "MilliLiters", 1000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " -> " + row.to);
        const double tolerance = 1e-12 * std::max(1.0, std::fabs(row.expected));
        EXPECT_NEAR(Convert(row.value, row.family, row.from, row.to), row.expected, tolerance);
    }
}

// The astronomical units by their current definitions, exactly as the nearest
// doubles of the defined values.
TEST_F(StandardUnits, AstronomicalDistancesByTheirDefinitions) {
    struct Row {
        const char* unit;
        double metres;
    };
    const Row rows[] = {
        {"AstronomicalUnits", 149597870700.0},
        {"LightYears", 9460730472580800.0},
        {"Parsecs", 30856775814913672.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.unit);
        EXPECT_EQ(Convert(1, "Distance", row.unit, "Meters"), row.metres);
    }
    // A parsec is 648000/pi astronomical units; a light year 365.25 days at c.
    EXPECT_NEAR(Convert(1, "Distance", "Parsecs", "AstronomicalUnits"), 648000 / std::numbers::pi,
                1e-9);
    EXPECT_EQ(Convert(1, "Distance", "LightYears", "Meters"), 299792458.0 * 365.25 * 86400);
}

TEST_F(StandardUnits, DayZeroAsJulianDates) {
    EXPECT_EQ(Convert(0, "Time", "DateTime", "JulianDate"), 2415018.5);
    EXPECT_EQ(Convert(0, "Time", "DateTime", "ModifiedJulianDate"), 15018);
    EXPECT_EQ(Convert(2415018.5, "Time", "JulianDate", "DateTime"), 0);
    EXPECT_EQ(Convert(15018, "Time", "ModifiedJulianDate", "DateTime"), 0);
    EXPECT_EQ(Convert(1, "Time", "Days", "JulianDate"), 2415019.5);
    EXPECT_EQ(ConversionErrorOf([&] { Convert(0, "Time", "JulianDate", "Days"); }),
              "0.000000 Julian cannot be represented as a DateTime");
    EXPECT_THROW(Convert(4e6, "Time", "Days", "ModifiedJulianDate"), EConversionError);
}

TEST_F(StandardUnits, LookupsIgnoreCase) {
    const std::optional<TConvFamily> distance = registry.FindFamily("distance");
    ASSERT_TRUE(distance);
    EXPECT_EQ(registry.FamilyName(*distance), "Distance");
    EXPECT_EQ(registry.FindUnit(*distance, "KILOMETERS"),
              registry.FindUnit(*distance, "Kilometers"));
    EXPECT_FALSE(registry.FindUnit(*distance, "Celsius"));
    EXPECT_FALSE(registry.FindFamily("Speed"));
}

TEST_F(StandardUnits, StandardUnitsAreKnownByFamilyAndName) {
    EXPECT_TRUE(IsStandardUnit("distance", "meters"));
    EXPECT_TRUE(IsStandardUnit("Time", "ModifiedJulianDate"));
    EXPECT_FALSE(IsStandardUnit("Area", "Meters"));
    EXPECT_FALSE(IsStandardUnit("Distance", "Leagues"));
}

TEST_F(StandardUnits, ConverterRoundsToFifteenDigits) {
    const TConvFamily distance = *registry.FindFamily("Distance");
    // 0.3048 / 0.0254 is 12.000000000000002 in doubles.
    EXPECT_NE(Convert(1, "Distance", "Feet", "Inches"), 12);
    EXPECT_EQ(ConvertUnitsByName(registry, distance, "feet", "INCHES", 1), 12.0L);
    EXPECT_EQ(ConvertUnitsByName(registry, distance, "Miles", "Kilometers", 1), 1.609344L);
    EXPECT_EQ(RoundToFifteenDigits(1.0 / 3), 0.333333333333333L);
    EXPECT_EQ(RoundToFifteenDigits(2e20), 2e20L);
}

TEST_F(StandardUnits, ConverterFailures) {
    const TConvFamily distance = *registry.FindFamily("Distance");
    const TConvFamily temperature = *registry.FindFamily("Temperature");
    EXPECT_EQ(
        ConversionErrorOf([&] { ConvertUnitsByName(registry, distance, "Miles", "Celsius", 1); }),
        "Incompatible conversion types [Miles, Celsius]");
    // Too large for the doubles of the registry, or made too large by it.
    EXPECT_THROW(ConvertUnitsByName(registry, distance, "Miles", "Meters", 1e400L), ECalcError);
    EXPECT_THROW(ConvertUnitsByName(registry, distance, "Parsecs", "Micromicrons", 1e300L),
                 ECalcError);
    EXPECT_THROW(ConvertUnitsByName(registry, temperature, "Celsius", "Fahrenheit", 1.7e308L),
                 ECalcError);
}

}  // namespace
}  // namespace quillix
