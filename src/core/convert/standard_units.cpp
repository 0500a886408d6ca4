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

// Common unit: metres.
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
    {"AstronomicalUnits", 1.49598e11},
    {"LightYears", 9460528404879358},
    {"Parsecs", 30856802484953068},
    {"Cubits", 0.4572},
    {"Fathoms", 1.8288},
    {"Furlongs", 201.168},
    {"Hands", 0.1016},
    {"Paces", 0.762},
    {"Rods", 5.0292},
    {"Chains", 20.1168},
    {"Links", 0.201168},
    {"Picas", 0.0042175176},
    {"Points", 0.0003514598},
};

// Common unit: square metres.
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
    {"SquareRods", 25.29285264},
};

// Common unit: cubic metres.
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
    {"AcreFeet", 1233.48183754752},
    {"AcreInches", 102.79015312896},
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

// Common unit: grams.
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

// Common unit: days.
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
