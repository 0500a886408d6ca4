// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli convert and units, driven through the executable.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/run_cli.h"

namespace quillix::test {
namespace {

constexpr const char* kCustomUnitsFile = "unitconv.ini";

class ConvertCli : public CliTest {
  protected:
    void WriteCustomUnits(const std::string& text) const { home.Write(kCustomUnitsFile, text); }
    std::string CustomUnitsText() const { return home.Read(kCustomUnitsFile); }
};

TEST_F(ConvertCli, ConvertsAndRoundsToFifteenDigits) {
    struct Row {
        std::vector<std::string> args;
        const char* out;
    };
    const Row rows[] = {
        {{"convert", "1", "Miles", "Kilometers"}, "1.609344\n"},
        {{"convert", "1", "feet", "INCHES"}, "12\n"},
        {{"convert", "100", "Celsius", "Fahrenheit"}, "212\n"},
        {{"convert", "-40", "Fahrenheit", "Celsius"}, "-40\n"},
        {{"convert", "0", "Kelvin", "Celsius"}, "-273.15\n"},
        {{"convert", "1", "Years", "Days"}, "365.25\n"},
        {{"convert", "0", "DateTime", "JulianDate"}, "2415018.5\n"},
        {{"convert", "0", "DateTime", "ModifiedJulianDate"}, "15018\n"},
        // Rounded to 15 digits, shown as the display shows a number (plain below 1E18).
        {{"convert", "1", "LightYears", "Meters"}, "9460730472580800\n"},
        {{"convert", "1", "Millimeters", "Parsecs"}, "3.24077928944437E-20\n"},
        {{"convert", "2", "Centares", "SquareMeters", "--family", "area"}, "2\n"},
        {{"convert", "1", "Knots", "KilometersPerHour"}, "1.852\n"},
        {{"convert", "1", "Gibibytes", "Megabytes"}, "1073.741824\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args[2] + " -> " + row.args[3]);
        const CliRun run = Run(row.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(ConvertCli, JsonGivesTheResultAsAValue) {
    char number[64];
    std::snprintf(number, sizeof number, "%.21Lg", 1.609344L);
    const CliRun run = Run({"--json", "convert", "1", "Miles", "Kilometers"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string("{\"number\": \"") + number +
                           "\", \"kind\": 0, \"text\": \"1.609344\", \"formula\": \"1.609344\"}\n");
    EXPECT_EQ(Run({"--json", "convert", "1", "Feet", "Inches"}).out,
              "{\"number\": \"12\", \"kind\": 0, \"text\": \"12\", \"formula\": \"12\"}\n");
}

TEST_F(ConvertCli, FailuresGiveTheRegistryMessage) {
    struct Row {
        std::vector<std::string> args;
        const char* err;
    };
    const Row rows[] = {
        {{"convert", "1", "Miles", "Celsius"}, "Incompatible conversion types [Miles, Celsius]\n"},
        {{"convert", "1", "Parsnips", "Miles"},
         "Incompatible conversion types [Parsnips, Miles]\n"},
        {{"convert", "1", "Miles", "Meters", "--family", "Time"},
         "Incompatible conversion types [Miles, Meters]\n"},
        {{"convert", "1", "Miles", "Meters", "--family", "Flow"},
         "Unknown conversion family 'Flow'\n"},
        {{"convert", "1", "JulianDate", "DateTime"},
         "1.000000 Julian cannot be represented as a DateTime\n"},
        {{"convert", "1e300", "Parsecs", "Micromicrons"}, "Floating point overflow\n"},
        {{"convert", "1e400", "Meters", "Meters"}, "Floating point overflow\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.err);
        const CliRun run = Run(row.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, row.err);
    }
}

TEST_F(ConvertCli, BadUsage) {
    const std::vector<std::string> cases[] = {
        {"convert", "abc", "Miles", "Meters"},
        {"convert", "1,5", "Miles", "Meters"},
        {"convert", "1", "Miles"},
        {"convert", "1", "Miles", "Meters", "Feet"},
        {"convert", "1", "Miles", "Meters", "--family"},
        {"convert", "1", "Miles", "Meters", "--fast"},
        {"units", "Distance", "Area"},
    };
    for (const std::vector<std::string>& args : cases) {
        SCOPED_TRACE(args[1]);
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
    EXPECT_NE(Run({"convert", "abc", "Miles", "Meters"}).err.find("'abc' is not a valid"),
              std::string::npos);
}

TEST_F(ConvertCli, UsesTheHomesCustomUnitsAndNormalisesTheirFile) {
    WriteCustomUnits(
        "[Main]\nCategory=Distance\n"
        "[CustomTypes]\nLeagues=Distance\nMeters=Mine\nLonely=Mine\n"
        "[CustomFactors]\nLeagues=4.828032e3\nMeters=2\n");
    EXPECT_EQ(Run({"convert", "1", "Leagues", "Miles"}).out, "3\n");
    EXPECT_EQ(CustomUnitsText(),
              "[Main]\nCategory=Distance\n\n"
              "[CustomTypes]\nLeagues=Distance\nMeters=Mine\nLonely=Mine\n\n"
              "[CustomFactors]\nLeagues=4828.032\nMeters=2\n");
    // FROM picks the first family that has it; --family picks another.
    EXPECT_EQ(Run({"convert", "1", "Meters", "Kilometers"}).out, "0.001\n");
    EXPECT_EQ(Run({"convert", "3", "meters", "METERS", "--family", "mine"}).out, "3\n");
    EXPECT_EQ(Run({"units"}).out,
              "Distance\nArea\nVolume\nMass\nTemperature\nTime\n"
              "Speed\nPressure\nEnergy\nPower\nDataSize\nMine\n");
    EXPECT_EQ(Run({"units", "Mine"}).out, "Meters\n");  // Lonely has no factor
}

TEST_F(ConvertCli, NothingIsWrittenWhenThereIsNothingToWrite) {
    EXPECT_EQ(Run({"convert", "1", "Miles", "Kilometers"}).status, 0);
    EXPECT_FALSE(home.Exists(kCustomUnitsFile));
    const std::string missing = home.File("not-there");
    const CliRun run = RunCli({"--home", missing, "units"});
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(ConvertCli, ListsFamiliesAndUnits) {
    const CliRun families = Run({"units"});
    EXPECT_EQ(families.status, 0);
    EXPECT_EQ(families.out,
              "Distance\nArea\nVolume\nMass\nTemperature\nTime\n"
              "Speed\nPressure\nEnergy\nPower\nDataSize\n");
    EXPECT_EQ(Run({"units", "temperature"}).out, "Celsius\nKelvin\nFahrenheit\nRankine\nReaumur\n");
    const CliRun distance = Run({"units", "Distance"});
    EXPECT_EQ(std::count(distance.out.begin(), distance.out.end(), '\n'), 31);
    EXPECT_TRUE(distance.out.starts_with("Micromicrons\nAngstroms\n"));
    EXPECT_EQ(Run({"--json", "units"}).out,
              "[\"Distance\", \"Area\", \"Volume\", \"Mass\", \"Temperature\", \"Time\", "
              "\"Speed\", \"Pressure\", \"Energy\", \"Power\", \"DataSize\"]\n");
    EXPECT_EQ(Run({"--json", "units", "Temperature"}).out,
              "[\"Celsius\", \"Kelvin\", \"Fahrenheit\", \"Rankine\", \"Reaumur\"]\n");
    EXPECT_TRUE(Run({"units", "speed"}).out.starts_with("CentimetersPerSecond\nMetersPerSecond\n"));
    const CliRun unknown = Run({"units", "Flow"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err, "Unknown conversion family 'Flow'\n");
}

}  // namespace
}  // namespace quillix::test
