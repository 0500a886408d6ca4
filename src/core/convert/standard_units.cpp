// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/standard_units.h"

#include "common/fp_checks.h"
#include "convert/julian_date.h"
#include "convert/unit_tables.h"

namespace quillix {

namespace {

// A result computed in double steps from x, with the overflow and invalid
// operation faults judged from x.
double Checked(double result, double x) {
    return static_cast<double>(CheckedResult(result, {x}));
}

double KelvinToCelsius(double x) {
    return x - 273.15;
}
double CelsiusToKelvin(double x) {
    return x + 273.15;
}
double FahrenheitToCelsius(double x) {
    return Checked((x - 32) * 5 / 9, x);
}
double CelsiusToFahrenheit(double x) {
    return Checked(x * 9 / 5 + 32, x);
}
double RankineToCelsius(double x) {
    return FahrenheitToCelsius(x - 459.67);
}
double CelsiusToRankine(double x) {
    return Checked(CelsiusToFahrenheit(x) + 459.67, x);
}
double ReaumurToCelsius(double x) {
    return Checked(x * 5 / 4, x);
}
double CelsiusToReaumur(double x) {
    return Checked(x * 4 / 5, x);
}

// Common unit: metres. The metric units follow the SI prefixes (the
// micromicron is the picometre, the millimicron the nanometre; the angstrom is
// 1e-10 m). The inch is 0.0254 m, the foot 0.3048 m, the yard 0.9144 m and the
// mile 1609.344 m (international yard and pound agreement, 1959); the nautical
// mile is 1852 m (International Hydrographic Conference, 1929). The old English
// measures are whole multiples of the international foot and inch.
constexpr UnitRow kDistance[] = {
    {"Micromicrons", 1e-12},
    {"Angstroms", 1e-10},
    {"Millimicrons", 1e-9},
    {"Microns", 1e-6},
    {"Millimeters", 0.001},
    {"Centimeters", 0.01},
    {"Decimeters", 0.1},
    {"Meters", 1},
    {"Decameters", 10},
    {"Hectometers", 100},
    {"Kilometers", 1000},
    {"Megameters", 1e6},
    {"Gigameters", 1e9},
    {"Inches", 0.0254},
    {"Feet", 0.3048},
    {"Yards", 0.9144},
    {"Miles", 1609.344},
    {"NauticalMiles", 1852},
    // Exactly 149,597,870,700 m (IAU 2012, Resolution B2).
    {"AstronomicalUnits", 149597870700},
    // The distance light travels in a Julian year of 365.25 days of 86,400 s, at
    // 299,792,458 m/s: exactly 9,460,730,472,580,800 m (IAU).
    {"LightYears", 9460730472580800},
    // 648,000/pi astronomical units (IAU 2015, Resolution B2):
    // 30,856,775,814,913,672.79 m, held as the nearest double.
    {"Parsecs", 30856775814913672},
    {"Cubits", 0.4572},     // 18 inches
    {"Fathoms", 1.8288},    // 6 feet
    {"Furlongs", 201.168},  // 660 feet, 1/8 mile
    {"Hands", 0.1016},      // 4 inches
    {"Paces", 0.762},       // 2.5 feet
    {"Rods", 5.0292},       // 16.5 feet
    {"Chains", 20.1168},    // Gunter's chain: 66 feet, 4 rods
    {"Links", 0.201168},    // 1/100 chain
    // The American printer's pica, 0.166044 inch, and point, 0.013837 inch (Type
    // Founders' Association, 1886), kept as type founders use them.
    {"Picas", 0.0042175176},
    {"Points", 0.0003514598},
};

// Common unit: square metres. The square measures are the squares of the
// distances above; the acre is 43,560 square feet (10 square chains), the are
// 100 m^2 and the centare 1 m^2.
constexpr UnitRow kArea[] = {
    {"SquareMillimeters", 1e-6},
    {"SquareCentimeters", 0.0001},
    {"SquareDecimeters", 0.01},
    {"SquareMeters", 1},
    {"SquareDecameters", 100},
    {"SquareHectometers", 10000},
    {"SquareKilometers", 1e6},
    {"SquareInches", 0.00064516},
    {"SquareFeet", 0.09290304},
    {"SquareYards", 0.83612736},
    {"SquareMiles", 2589988.110336},
    {"Acres", 4046.8564224},
    {"Centares", 1},
    {"Ares", 100},
    {"Hectares", 10000},
    {"SquareRods", 25.29285264},  // 16.5 feet squared
};

// Common unit: cubic metres. The litre is 0.001 m^3 (12th CGPM, 1964) and the
// stere 1 m^3. US measures: the liquid gallon is 231 cubic inches, with the
// quart 1/4, the pint 1/8, the cup 1/16, the gill 1/32 and the fluid ounce
// 1/128 of it (tablespoon 1/2, teaspoon 1/6 fluid ounce); the dry gallon is
// 268.8025 cubic inches (1/8 Winchester bushel, 2150.42 cubic inches), the peck
// 2, the bucket 4 and the bushel 8 dry gallons, the dry quart 1/4 and the dry pint
// 1/8 of a dry gallon. The cord is 128 cubic feet, the cord foot 16. British
// measures: the imperial gallon is exactly 4.54609 litres (Weights and Measures
// Act 1985), the pottle 1/2, the quart 1/4, the pint 1/8, the gill 1/32 and the
// fluid ounce 1/160 of it; the peck 2, the bucket 4 and the bushel 8 gallons.
constexpr UnitRow kVolume[] = {
    {"CubicMillimeters", 1e-9},
    {"CubicCentimeters", 1e-6},
    {"CubicDecimeters", 0.001},
    {"CubicMeters", 1},
    {"CubicDecameters", 1000},
    {"CubicHectometers", 1e6},
    {"CubicKilometers", 1e9},
    {"CubicInches", 1.6387064e-5},
    {"CubicFeet", 0.028316846592},
    {"CubicYards", 0.764554857984},
    {"CubicMiles", 4168181825.4405794},
    {"MilliLiters", 1e-6},
    {"CentiLiters", 1e-5},
    {"DeciLiters", 0.0001},
    {"Liters", 0.001},
    {"DecaLiters", 0.01},
    {"HectoLiters", 0.1},
    {"KiloLiters", 1},
    {"AcreFeet", 1233.48183754752},   // an acre a foot deep
    {"AcreInches", 102.79015312896},  // an acre an inch deep
    {"Cords", 3.624556363776},
    {"CordFeet", 0.453069545472},
    {"Decisteres", 0.1},
    {"Steres", 1},
    {"Decasteres", 10},
    {"FluidGallons", 0.003785411784},
    {"FluidQuarts", 0.000946352946},
    {"FluidPints", 0.000473176473},
    {"FluidCups", 0.0002365882365},
    {"FluidGills", 0.00011829411825},
    {"FluidOunces", 2.95735295625e-5},
    {"FluidTablespoons", 1.478676478125e-5},
    {"FluidTeaspoons", 4.92892159375e-6},
    {"DryGallons", 0.00440488377086},
    {"DryQuarts", 0.001101220942715},
    {"DryPints", 0.0005506104713575},
    {"DryPecks", 0.00880976754172},
    {"DryBuckets", 0.01761953508344},
    {"DryBushels", 0.03523907016688},
    {"UKGallons", 0.00454609},
    {"UKPottle", 0.002273045},
    {"UKQuarts", 0.0011365225},
    {"UKPints", 0.00056826125},
    {"UKGill", 0.0001420653125},
    {"UKOunces", 2.84130625e-5},
    {"UKPecks", 0.00909218},
    {"UKBuckets", 0.01818436},
    {"UKBushels", 0.03636872},
};

// Common unit: grams. The avoirdupois pound is exactly 453.59237 g (1959): the
// ounce is 1/16 and the dram 1/256 of it, the grain 64.79891 mg (1/7000 pound),
// the stone 14, the short ton 2000 and the long ton 2240 pounds.
constexpr UnitRow kMass[] = {
    {"Nanograms", 1e-9},   {"Micrograms", 1e-6},       {"Milligrams", 0.001},
    {"Centigrams", 0.01},  {"Decigrams", 0.1},         {"Grams", 1},
    {"Decagrams", 10},     {"Hectograms", 100},        {"Kilograms", 1000},
    {"MetricTons", 1e6},   {"Drams", 1.7718451953125}, {"Grains", 0.06479891},
    {"Tons", 907184.74},   {"LongTons", 1016046.9088}, {"Ounces", 28.349523125},
    {"Pounds", 453.59237}, {"Stones", 6350.29318},
};

// Common unit: degrees Celsius.
constexpr UnitRow kTemperature[] = {
    {"Celsius", 1},
    {"Kelvin", 0, KelvinToCelsius, CelsiusToKelvin},
    {"Fahrenheit", 0, FahrenheitToCelsius, CelsiusToFahrenheit},
    {"Rankine", 0, RankineToCelsius, CelsiusToRankine},
    {"Reaumur", 0, ReaumurToCelsius, CelsiusToReaumur},
};

// Common unit: days. A day is 86,400 SI seconds; a year is the Julian year of
// 365.25 days (the astronomers' year, IAU), a month a twelfth of it.
constexpr UnitRow kTime[] = {
    {"MilliSeconds", 1.0 / 86400000},
    {"Seconds", 1.0 / 86400},
    {"Minutes", 1.0 / 1440},
    {"Hours", 1.0 / 24},
    {"Days", 1},
    {"Weeks", 7},
    {"Fortnights", 14},
    {"Months", 30.4375},
    {"Years", 365.25},
    {"Decades", 365.25 * 10},
    {"Centuries", 365.25 * 100},
    {"Millennia", 365.25 * 1000},
    {"DateTime", 1},
    {"JulianDate", 0, DayNumberFromJulianDate, JulianDateFromDayNumber},
    {"ModifiedJulianDate", 0, DayNumberFromModifiedJulianDate, ModifiedJulianDateFromDayNumber},
};

constexpr FamilyTable kStandardFamilies[] = {
    {"Distance", kDistance},       {"Area", kArea}, {"Volume", kVolume}, {"Mass", kMass},
    {"Temperature", kTemperature}, {"Time", kTime},
};

}  // namespace

void RegisterStandardFamilies(TConvRegistry& registry) {
    RegisterFamilyTables(registry, kStandardFamilies);
}

bool IsStandardUnit(std::string_view familyName, std::string_view unitName) {
    return TablesListUnit(kStandardFamilies, familyName, unitName);
}

}  // namespace quillix
