// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/custom_units.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "common/atomic_file.h"
#include "convert/standard_units.h"
#include "error_text.h"
#include "support/temp_folder.h"

namespace quillix {
namespace {

class CustomUnits : public ::testing::Test {
  protected:
    void SetUp() override {
        custom = std::make_unique<TCustomUnits>(registry, path);
        RegisterStandardFamilies(registry);
    }

    void WriteFile(const std::string& text) { ASSERT_TRUE(WriteFileAtomically(path, text)); }
    std::string FileText() const { return ReadWholeFile(path).value_or("<no file>"); }
    ino_t FileInode() const {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
    }
    std::size_t UnitCount(const char* family) const {
        return registry.UnitsOf(*registry.FindFamily(family)).size();
    }
    std::string LastFamilyName() const { return *registry.FamilyName(registry.Families().back()); }

    test::TempFolder folder;
    const std::string path = CustomUnitsPath(folder.Path());
    TConvRegistry registry;
    std::unique_ptr<TCustomUnits> custom;
};

TEST_F(CustomUnits, AUnitOfAStandardFamilyComesAfterItsStandardUnits) {
    const TConvType leagues = custom->AddCustomUnit("Distance", "Leagues", true, 4828.032);
    const TConvTypeArray distance = registry.UnitsOf(*registry.FindFamily("Distance"));
    ASSERT_EQ(distance.size(), 32u);
    EXPECT_EQ(distance.back(), leagues);
    EXPECT_EQ(FileText(), "[CustomTypes]\nLeagues=Distance\n\n[CustomFactors]\nLeagues=4828.032\n");
    EXPECT_DOUBLE_EQ(registry.ConvertUnits(1, leagues, *registry.FindUnit(1, "Miles")), 3);
}

TEST_F(CustomUnits, TheSameNameInOtherLetterCaseFailsAndWritesNothing) {
    custom->AddCustomUnit("Distance", "Leagues", true, 4828.032);
    const std::string before = FileText();
    EXPECT_EQ(ConversionErrorOf([&] { custom->AddCustomUnit("distance", "LEAGUES", true, 5000); }),
              "Conversion type (LEAGUES) already registered in Distance");
    EXPECT_EQ(ConversionErrorOf([&] { custom->AddCustomUnit("Distance", "Feet", true, 0.3); }),
              "Conversion type (Feet) already registered in Distance");
    EXPECT_EQ(ConversionErrorOf([&] { custom->AddCustomUnit("Distance", "Nothing", true, 0); }),
              "Nothing has a factor of zero");
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(UnitCount("Distance"), 32u);
}

TEST_F(CustomUnits, NewFamiliesFollowTimeAndGoWithTheirLastUnit) {
    const TConvType knot = custom->AddCustomUnit("Speed", "Knots", true, 0.514444);
    const TConvType kph = custom->AddCustomUnit("speed", "KPH", true, 1 / 3.6);
    custom->AddCustomUnit("Pressure", "Bar", true, 100000);
    const TConvFamilyArray families = registry.Families();
    ASSERT_EQ(families.size(), 8u);
    EXPECT_EQ(registry.FamilyName(families[5]), "Time");
    EXPECT_EQ(registry.FamilyName(families[6]), "Speed");
    EXPECT_EQ(registry.FamilyName(families[7]), "Pressure");
    EXPECT_EQ(registry.FamilyOf(kph), families[6]);

    custom->DeleteCustomUnit("Speed", "Knots");
    EXPECT_TRUE(registry.FindFamily("Speed"));
    custom->DeleteCustomUnit("SPEED", "kph");
    EXPECT_FALSE(registry.FindFamily("Speed"));
    EXPECT_FALSE(registry.UnitName(knot));
    EXPECT_EQ(FileText(), "[CustomTypes]\nBar=Pressure\n\n[CustomFactors]\nBar=100000\n");
    // The identifiers of removed units and families are not handed out again.
    EXPECT_GT(custom->AddCustomUnit("Speed", "Knots", false, 0.514444), kph + 1);
    EXPECT_GT(*registry.FindFamily("Speed"), families[7]);
}

TEST_F(CustomUnits, AFamilyMadeForARefusedUnitIsNotLeftBehind) {
    EXPECT_THROW(custom->AddCustomUnit("Speed", "Still", true, 0), EConversionZeroDivide);
    EXPECT_FALSE(registry.FindFamily("Speed"));
    EXPECT_EQ(FileText(), "<no file>");
}

TEST_F(CustomUnits, NamesTheFileCannotHoldAreRefused) {
    struct Row {
        const char* family;
        const char* unit;
    };
    const Row rows[] = {
        {"Distance", "a=b"},  {"Distance", "[Main]"}, {"Distance", ";x"}, {"Distance", " Pad"},
        {"Distance", ""},     {"Dist\nance", "U"},    {"", "U"},          {"Speed ", "U"},
        {"Distance", "x\ty"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.unit);
        EXPECT_THROW(custom->AddCustomUnit(row.family, row.unit, true, 2), EConversionError);
    }
    EXPECT_EQ(UnitCount("Distance"), 31u);
    EXPECT_EQ(registry.Families().size(), 6u);
    EXPECT_EQ(FileText(), "<no file>");
}

TEST_F(CustomUnits, DeletingNeverRemovesAStandardUnit) {
    WriteFile("[CustomTypes]\nFeet=Distance\n[CustomFactors]\nFeet=0.3\n");
    custom->DeleteCustomUnit("Distance", "Feet");
    EXPECT_TRUE(registry.FindUnit(*registry.FindFamily("Distance"), "Feet"));
    EXPECT_EQ(FileText(), "[CustomTypes]\n\n[CustomFactors]\n");
}

TEST_F(CustomUnits, LoadingRegistersInFileOrderAndSkipsWhatFails) {
    WriteFile(
        "[Main]\r\nCategory=Speed\r\n"
        "[CustomTypes]\r\n"
        "Knots=Speed\r\n"
        "Leagues=Distance \r\n"
        "NoFactor=Distance\r\n"
        "Zero=Distance\r\n"
        "Junk=Distance\r\n"
        "LEAGUES=Distance\r\n"
        "Feet=distance\r\n"
        "Bar=Pressure\r\n"
        "[CustomFactors]\r\n"
        "Knots= 0.5144440 \r\n"
        "Leagues=4.828032e3\r\n"
        "Zero=0\r\n"
        "Junk=abc\r\n"
        "Feet=0.3\r\n"
        "Bar=1E5\r\n");
    custom->LoadCustomUnits();
    const TConvFamilyArray families = registry.Families();
    ASSERT_EQ(families.size(), 8u);
    EXPECT_EQ(registry.FamilyName(families[6]), "Speed");
    EXPECT_EQ(registry.FamilyName(families[7]), "Pressure");
    EXPECT_EQ(UnitCount("Distance"), 32u);
    EXPECT_EQ(registry.FactorOf(*registry.FindUnit(1, "leagues")), 4828.032);
    // The loaded entries are written back normalised; the others stay as they were.
    EXPECT_EQ(FileText(),
              "[Main]\nCategory=Speed\n\n"
              "[CustomTypes]\nKnots=Speed\nLeagues=Distance\nNoFactor=Distance\nZero=Distance\n"
              "Junk=Distance\nFeet=distance\nBar=Pressure\n\n"
              "[CustomFactors]\nKnots=0.514444\nLeagues=4828.032\nZero=0\nJunk=abc\nFeet=0.3\n"
              "Bar=100000\n");
}

TEST_F(CustomUnits, LoadingLeavesANormalFileAndAMissingOneAlone) {
    custom->LoadCustomUnits();
    EXPECT_EQ(FileText(), "<no file>");
    WriteFile("[CustomTypes]\nLeagues=Distance\n\n[CustomFactors]\nLeagues=4828.032\n");
    const ino_t inode = FileInode();
    TCustomUnits(registry, path).LoadCustomUnits();
    EXPECT_EQ(FileInode(), inode);  // not rewritten
    EXPECT_EQ(UnitCount("Distance"), 32u);
}

TEST_F(CustomUnits, WriteErrorsAreIgnoredAndNothingIsCreated) {
    const std::string missing = folder.File("missing/unitconv.ini");
    TCustomUnits elsewhere(registry, missing);
    EXPECT_NO_THROW(elsewhere.AddCustomUnit("Distance", "Leagues", true, 4828.032));
    EXPECT_NO_THROW(elsewhere.DeleteCustomUnit("Distance", "Leagues"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing")));
    EXPECT_EQ(UnitCount("Distance"), 31u);
}

TEST_F(CustomUnits, EntriesForTheOptionsTable) {
    WriteFile("[CustomTypes]\nKnots=Speed\nOdd=Speed\n[CustomFactors]\nKnots=0.514444\n");
    const std::vector<TCustomUnitEntry> entries = ReadCustomUnitEntries(path);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].unitName, "Knots");
    EXPECT_EQ(entries[0].familyName, "Speed");
    EXPECT_EQ(entries[0].factor, 0.514444);
    EXPECT_EQ(entries[1].factor, 0);
}

TEST(CustomFactorText, ShortestFormUpToFifteenDigits) {
    EXPECT_EQ(CustomFactorText(4828.032), "4828.032");
    EXPECT_EQ(CustomFactorText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(CustomFactorText(1e20), "1E20");
    EXPECT_EQ(CustomFactorText(1e-5), "1E-5");
    EXPECT_EQ(ParseCustomFactor(" 2.5 "), 2.5);
    EXPECT_FALSE(ParseCustomFactor("2,5"));
    EXPECT_FALSE(ParseCustomFactor("1e400"));
    EXPECT_FALSE(ParseCustomFactor("INF"));
}

}  // namespace
}  // namespace quillix
