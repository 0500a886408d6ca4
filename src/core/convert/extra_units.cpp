// SPDX-License-Identifier: GPL-3.0-or-later
// Every factor below is exact by definition; where the exact value has more
// digits than a double holds, the nearest double is taken (from a long literal
// or a quotient of two exact doubles).

#include "convert/extra_units.h"

#include "convert/unit_tables.h"

namespace quillix {

namespace {

// The pound-force is standard gravity, 9.80665 m/s^2 (3rd CGPM, 1901), times the
// international pound, 0.45359237 kg (1959): exactly 4.4482216152605 N. Times the
// international foot, 0.3048 m, it gives the foot-pound in joules, exactly:
constexpr double kFootPound = 1.3558179483314004;
// The International Table British thermal unit in joules (1956), exactly.
constexpr double kBtu = 1055.05585262;
// The thermochemical calorie in joules, exactly.
constexpr double kCalorie = 4.184;

// Common unit: metres per second (the SI metre and second). The international
// mile is 1609.344 m, the nautical mile 1852 m (knot: one nautical mile an hour);
// the speed of light is 299792458 m/s by the definition of the metre.
constexpr UnitRow kSpeed[] = {
    {"CentimetersPerSecond", 0.01},
    {"MetersPerSecond", 1},
    {"KilometersPerHour", 1000.0 / 3600},
    {"KilometersPerSecond", 1000},
    {"FeetPerSecond", 0.3048},
    {"FeetPerMinute", 0.00508},
    {"MilesPerHour", 0.44704},  // 1609.344 / 3600
    {"Knots", 1852.0 / 3600},
    {"SpeedOfLight", 299792458},
};

// Common unit: pascals (newtons per square metre). The bar is 1e5 Pa, the
// standard atmosphere 101325 Pa (10th CGPM, 1954), the torr 1/760 of it; the
// technical atmosphere is one kilogram-force per square centimetre; the
// conventional millimetre of mercury is 13595.1 kg/m^3 x 9.80665 m/s^2 x 1 mm,
// the millimetre of water 1000 kg/m^3 x 9.80665 m/s^2 x 1 mm.
constexpr UnitRow kPressure[] = {
    {"Pascals", 1},
    {"Hectopascals", 100},
    {"Kilopascals", 1000},
    {"Megapascals", 1e6},
    {"Millibars", 100},
    {"Bars", 1e5},
    {"Atmospheres", 101325},
    {"TechnicalAtmospheres", 98066.5},
    {"Torr", 101325.0 / 760},
    {"MillimetersOfMercury", 133.322387415},
    {"InchesOfMercury", 3386.388640341},  // 25.4 mm of mercury
    {"MillimetersOfWater", 9.80665},
    {"PoundsPerSquareInch", 6894.7572931683613367},  // pound-force / 0.0254^2 m^2
};

// Common unit: joules. The electronvolt is 1.602176634e-19 J by the fixed
// elementary charge (26th CGPM, 2018); the erg is 1e-7 J; the watt-hour 3600 J.
constexpr UnitRow kEnergy[] = {
    {"Electronvolts", 1.602176634e-19},
    {"Ergs", 1e-7},
    {"Joules", 1},
    {"Kilojoules", 1000},
    {"Megajoules", 1e6},
    {"Calories", kCalorie},
    {"Kilocalories", 1000 * kCalorie},
    {"WattHours", 3600},
    {"KilowattHours", 3.6e6},
    {"FootPounds", kFootPound},
    {"BritishThermalUnits", kBtu},
};

// Common unit: watts (joules per second). Mechanical horsepower is 550
// foot-pounds per second; metric horsepower 75 kilogram-force metres per second.
constexpr UnitRow kPower[] = {
    {"Milliwatts", 0.001},
    {"Watts", 1},
    {"Kilowatts", 1000},
    {"Megawatts", 1e6},
    {"Gigawatts", 1e9},
    {"CaloriesPerSecond", kCalorie},
    {"FootPoundsPerSecond", kFootPound},
    {"BTUsPerHour", kBtu / 3600},
    {"Horsepower", 745.69987158227022},  // 550 x kFootPound
    {"MetricHorsepower", 735.49875},     // 75 x 9.80665
};

// Common unit: bytes of 8 bits. Decimal prefixes are the SI ones (kilo = 1000);
// binary prefixes are those of IEC 80000-13 (kibi = 1024).
constexpr UnitRow kDataSize[] = {
    {"Bits", 0.125},
    {"Bytes", 1},
    {"Kilobits", 125},
    {"Kilobytes", 1e3},
    {"Kibibytes", 1024},
    {"Megabits", 125e3},
    {"Megabytes", 1e6},
    {"Mebibytes", 1048576},
    {"Gigabits", 125e6},
    {"Gigabytes", 1e9},
    {"Gibibytes", 1073741824},
    {"Terabytes", 1e12},
    {"Tebibytes", 1099511627776},
    {"Petabytes", 1e15},
    {"Pebibytes", 1125899906842624},
};

constexpr FamilyTable kExtraFamilies[] = {
    {"Speed", kSpeed}, {"Pressure", kPressure}, {"Energy", kEnergy},
    {"Power", kPower}, {"DataSize", kDataSize},
};

}  // namespace

void RegisterExtraFamilies(TConvRegistry& registry) {
    RegisterFamilyTables(registry, kExtraFamilies);
}

}  // namespace quillix
