// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/converter_choice.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "convert/custom_unit_texts.h"
#include "convert/custom_units.h"
#include "error_text.h"
#include "support/temp_folder.h"

namespace quillix {
namespace {

class ConverterChoice : public ::testing::Test {
  protected:
    ConverterChoice() { RegisterAllUnits(registry, custom); }

    std::string FileText() const { return test::ReadFile(path); }
    ino_t FileInode() const {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
    }
    std::string UnitName(std::optional<TConvType> unit) const {
        return unit ? registry.UnitName(*unit).value_or("<gone>") : "<none>";
    }
    // The converter's three selected names for a remembered choice.
    std::string Selected(const TConverterChoice& choice) const {
        const std::optional<TConverterSelection> s = ResolveConverterChoice(registry, choice);
        if (!s) return "<nothing>";
        return *registry.FamilyName(s->family) + "/" + UnitName(s->from) + "/" + UnitName(s->to);
    }

    test::TempFolder folder;
    const std::string path = CustomUnitsPath(folder.Path());
    TConvRegistry registry;
    TCustomUnits custom{registry, path};
};

TEST_F(ConverterChoice, RoundTripKeepsTheOtherSections) {
    EXPECT_EQ(Selected(ReadConverterChoice(path)), "Distance/Micromicrons/Micromicrons");
    ASSERT_TRUE(WriteConverterChoice(path, {"Temperature", "Fahrenheit", "Celsius"}));
    EXPECT_EQ(FileText(), "[Main]\nCategory=Temperature\nFrom=Fahrenheit\nTo=Celsius\n");
    EXPECT_EQ(Selected(ReadConverterChoice(path)), "Temperature/Fahrenheit/Celsius");

    test::WriteFile(path,
                    "[CustomTypes]\nLeagues=Distance\n[Main]\nCategory=Mass\nOther=kept\n"
                    "[CustomFactors]\nLeagues=4828.032\n");
    ASSERT_TRUE(WriteConverterChoice(path, {"Speed", "Knots", "MilesPerHour"}));
    EXPECT_EQ(FileText(),
              "[CustomTypes]\nLeagues=Distance\n\n"
              "[Main]\nCategory=Speed\nOther=kept\nFrom=Knots\nTo=MilesPerHour\n\n"
              "[CustomFactors]\nLeagues=4828.032\n");
    const TConverterChoice read = ReadConverterChoice(path);
    EXPECT_EQ(read.category, "Speed");
    EXPECT_EQ(read.from, "Knots");
    EXPECT_EQ(read.to, "MilesPerHour");
}

TEST_F(ConverterChoice, AnUnchangedChoiceIsNotRewritten) {
    ASSERT_TRUE(WriteConverterChoice(path, {"Time", "Days", "Hours"}));
    const ino_t inode = FileInode();
    ASSERT_TRUE(WriteConverterChoice(path, {"Time", "Days", "Hours"}));
    EXPECT_EQ(FileInode(), inode);
}

TEST_F(ConverterChoice, AFileThatCannotBeReadOrHeldIsLeftAlone) {
    std::filesystem::create_directory(path);  // a folder where the file should be
    std::string error;
    EXPECT_FALSE(WriteConverterChoice(path, {"Time", "Days", "Hours"}, &error));
    EXPECT_NE(error.find("Cannot read"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(ReadConverterChoice(path).category, "");

    std::filesystem::remove(path);
    test::WriteFile(path, "[Main]\nCategory=Mass\n");
    EXPECT_FALSE(WriteConverterChoice(path, {"Ma\nss", "Grams", "Pounds"}, &error));
    EXPECT_EQ(FileText(), "[Main]\nCategory=Mass\n");
}

TEST_F(ConverterChoice, OpeningSelectsWhatIsStillRegistered) {
    struct Row {
        TConverterChoice choice;
        const char* selected;
    };
    const Row rows[] = {
        {{"", "Feet", "Inches"}, "Distance/Feet/Inches"},
        {{" temperature ", "FAHRENHEIT", " "}, "Temperature/Fahrenheit/Celsius"},
        {{"Mass", "", "Pounds"}, "Mass/Nanograms/Pounds"},
        // A family or unit removed since keeps the default selection.
        {{"Gone", "Feet", "Miles"}, "Distance/Feet/Miles"},
        {{"Gone", "Grams", ""}, "Distance/Micromicrons/Micromicrons"},
        {{"Mass", "Leagues", "Grams"}, "Mass/Nanograms/Grams"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.selected);
        EXPECT_EQ(Selected(row.choice), row.selected);
    }
    EXPECT_EQ(ResolveConverterChoice(TConvRegistry(), {"Time", "Days", "Hours"}), std::nullopt);
}

TEST_F(ConverterChoice, AddingACustomUnitFromTheTypedTexts) {
    EXPECT_EQ(
        ConversionErrorOf([&] { AddCustomUnitFromTexts(custom, "Distance", "Leagues", "abc"); }),
        "'abc' is not a valid floating point value");
    EXPECT_FALSE(registry.FindUnit(1, "Leagues"));
    EXPECT_FALSE(std::filesystem::exists(path));

    EXPECT_EQ(AddCustomUnitFromTexts(custom, "Distance", "", "3"), std::nullopt);
    EXPECT_EQ(AddCustomUnitFromTexts(custom, "", "Leagues", "3"), std::nullopt);
    EXPECT_EQ(AddCustomUnitFromTexts(custom, "Distance", "Leagues", ""), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(path));

    const std::optional<TConvType> leagues =
        AddCustomUnitFromTexts(custom, "Distance", "Leagues", " 4.828032e3 ");
    ASSERT_TRUE(leagues);
    EXPECT_EQ(registry.FactorOf(*leagues), 4828.032);
    EXPECT_EQ(FileText(), "[CustomTypes]\nLeagues=Distance\n\n[CustomFactors]\nLeagues=4828.032\n");
    EXPECT_EQ(ConversionErrorOf([&] { AddCustomUnitFromTexts(custom, "Distance", "Rope", "0"); }),
              "Rope has a factor of zero");
}

}  // namespace
}  // namespace quillix
