// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/conv_registry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>

#include "common/calc_error.h"
#include "error_text.h"

namespace quillix {
namespace {

double Twice(double x) {
    return 2 * x;
}
double Half(double x) {
    return x / 2;
}

TEST(ConvRegistry, IdentifiersAreHandedOutInOrderAndNeverReused) {
    TConvRegistry registry;
    const TConvFamily length = registry.AddFamily("Length");
    const TConvFamily speed = registry.AddFamily("Speed");
    EXPECT_EQ(length, 1);
    EXPECT_EQ(speed, 2);
    const TConvType metre = registry.AddFactorUnit(length, "Metre", 1);
    const TConvType foot = registry.AddFactorUnit(length, "Foot", 0.3048);
    EXPECT_EQ(metre, 1);
    EXPECT_EQ(foot, 2);

    EXPECT_TRUE(registry.RemoveUnit(foot));
    EXPECT_FALSE(registry.RemoveUnit(foot));
    EXPECT_EQ(registry.AddFactorUnit(length, "Foot", 0.3048), 3);
    EXPECT_TRUE(registry.RemoveFamily(speed));
    EXPECT_EQ(registry.AddFamily("Speed"), 3);
    EXPECT_EQ(registry.Families(), (TConvFamilyArray{1, 3}));
    EXPECT_EQ(registry.UnitsOf(length), (TConvTypeArray{1, 3}));
    EXPECT_FALSE(registry.UnitName(foot));
}

// Two families with one unit each.
class TwoFamilies : public ::testing::Test {
  protected:
    TConvRegistry registry;
    const TConvFamily length = registry.AddFamily("Length");
    const TConvFamily mass = registry.AddFamily("Mass");
    const TConvType metre = registry.AddFactorUnit(length, "Metre", 1);
    const TConvType gram = registry.AddFactorUnit(mass, "Gram", 1);
};

TEST_F(TwoFamilies, RemovingAFamilyRemovesItsUnits) {
    registry.AddProcUnit(length, "Double", Twice, Half);
    EXPECT_TRUE(registry.RemoveFamily(length));
    EXPECT_FALSE(registry.RemoveFamily(length));
    EXPECT_FALSE(registry.FindFamily("length"));
    EXPECT_FALSE(registry.UnitName(metre));
    EXPECT_TRUE(registry.UnitsOf(length).empty());
    EXPECT_EQ(registry.UnitName(gram), "Gram");
    EXPECT_EQ(registry.FamilyOf(gram), mass);
}

TEST_F(TwoFamilies, NamesAreLookedUpInTheirOwnFamilyAndGoWithWhatIsRemoved) {
    const TConvType massMetre = registry.AddFactorUnit(mass, "METRE", 2);  // another family
    EXPECT_EQ(registry.FindUnit(length, "metre"), metre);
    EXPECT_EQ(registry.FindUnit(mass, "Metre"), massMetre);
    EXPECT_FALSE(registry.FindUnit(mass, "Metres"));
    ASSERT_TRUE(registry.RemoveUnit(massMetre));
    EXPECT_FALSE(registry.FindUnit(mass, "metre"));
    EXPECT_EQ(registry.FindUnit(length, "metre"), metre);
    ASSERT_TRUE(registry.RemoveFamily(length));
    const TConvFamily again = registry.AddFamily("LENGTH");
    EXPECT_EQ(registry.FindFamily("length"), again);
    EXPECT_FALSE(registry.FindUnit(again, "Metre"));
    EXPECT_NE(registry.AddFactorUnit(again, "Metre", 1), metre);
}

TEST_F(TwoFamilies, IncompatibleConversions) {
    EXPECT_EQ(ConversionErrorOf([&] { registry.ConvertUnits(1, metre, gram); }),
              "Incompatible conversion types [Metre, Gram]");
    EXPECT_EQ(ConversionErrorOf([&] { registry.ConvertUnits(1, metre, 77); }),
              "Incompatible conversion types [Metre, 77]");
}

TEST(ConvRegistry, RegistrationErrors) {
    TConvRegistry registry;
    const TConvFamily length = registry.AddFamily("Length");
    registry.AddFactorUnit(length, "Metre", 1);
    EXPECT_EQ(ConversionErrorOf([&] { registry.AddFamily("LENGTH"); }),
              "Conversion family (LENGTH) already registered");
    EXPECT_EQ(ConversionErrorOf([&] { registry.AddFactorUnit(length, "metre", 2); }),
              "Conversion type (metre) already registered in Length");
    EXPECT_EQ(ConversionErrorOf([&] { registry.AddProcUnit(length, "METRE", Twice, Half); }),
              "Conversion type (METRE) already registered in Length");
    EXPECT_EQ(ConversionErrorOf([&] { registry.AddFactorUnit(length, "Nothing", 0); }),
              "Nothing has a factor of zero");
    EXPECT_THROW(registry.AddFactorUnit(length, "Nothing", -0.0), EConversionZeroDivide);
    EXPECT_THROW(registry.AddFactorUnit(length, "Huge", HUGE_VAL), EConversionError);
    EXPECT_THROW(registry.AddFactorUnit(length, "Odd", std::nan("")), EConversionError);
    EXPECT_THROW(registry.AddFactorUnit(99, "Stray", 1), EConversionError);
    EXPECT_THROW(registry.AddProcUnit(length, "Half-made", Twice, nullptr), EConversionError);
    // Nothing of the failures was registered, and no identifier was spent on them.
    EXPECT_EQ(registry.UnitsOf(length).size(), 1u);
    EXPECT_EQ(registry.AddFactorUnit(length, "Foot", 0.3048), 2);
    EXPECT_EQ(registry.AddFamily("Mass"), 2);
}

TEST(ConvRegistry, ConvertsThroughTheCommonUnit) {
    TConvRegistry registry;
    const TConvFamily length = registry.AddFamily("Length");
    const TConvType metre = registry.AddFactorUnit(length, "Metre", 1);
    const TConvType foot = registry.AddFactorUnit(length, "Foot", 0.3048);
    const TConvType halfMetre = registry.AddProcUnit(length, "HalfMetre", Half, Twice);
    EXPECT_DOUBLE_EQ(registry.ConvertUnits(10, foot, metre), 3.048);
    EXPECT_DOUBLE_EQ(registry.ConvertUnits(3.048, metre, foot), 10);
    EXPECT_DOUBLE_EQ(registry.ConvertUnits(3, halfMetre, metre), 1.5);
    EXPECT_DOUBLE_EQ(registry.ConvertUnits(1, metre, halfMetre), 2);
    EXPECT_EQ(registry.FactorOf(foot), 0.3048);
    EXPECT_FALSE(registry.FactorOf(halfMetre));
}

TEST(ConvRegistry, OverflowingFactorConversionsFail) {
    TConvRegistry registry;
    const TConvFamily length = registry.AddFamily("Length");
    const TConvType big = registry.AddFactorUnit(length, "Big", 1e300);
    const TConvType tiny = registry.AddFactorUnit(length, "Tiny", 1e-300);
    try {
        registry.ConvertUnits(1e10, big, tiny);
        FAIL() << "no error";
    } catch (const ECalcError& e) {
        EXPECT_STREQ(e.what(), kMsgOverflow);
    }
    EXPECT_EQ(registry.ConvertUnits(HUGE_VAL, big, tiny), HUGE_VAL);
}

TEST(ConvRegistry, IdentifiersRunOutWithAnErrorInsteadOfBeingReused) {
    TConvRegistry registry;
    const TConvFamily family = registry.AddFamily("Many");
    for (int i = 1; i <= 65535; ++i) {
        const TConvType unit = registry.AddFactorUnit(family, "U" + std::to_string(i % 3), 1);
        EXPECT_TRUE(registry.HasUnitIdsLeft() || i == 65535);
        registry.RemoveUnit(unit);
    }
    EXPECT_FALSE(registry.HasUnitIdsLeft());
    EXPECT_THROW(registry.AddFactorUnit(family, "Last", 1), EConversionError);
    EXPECT_FALSE(registry.FindUnit(family, "Last"));  // the refused name is not left indexed
}

TEST(ConvRegistry, ConcurrentLookupsAndRegistrations) {
    TConvRegistry registry;
    const TConvFamily length = registry.AddFamily("Length");
    const TConvType metre = registry.AddFactorUnit(length, "Metre", 1);
    const TConvType foot = registry.AddFactorUnit(length, "Foot", 0.3048);
    std::thread writer([&] {
        for (int i = 0; i < 2000; ++i) {
            const TConvType unit = registry.AddFactorUnit(length, "Extra", 2);
            registry.RemoveUnit(unit);
            registry.RemoveFamily(registry.AddFamily("Other"));
        }
    });
    for (int i = 0; i < 2000; ++i) {
        EXPECT_DOUBLE_EQ(registry.ConvertUnits(1, foot, metre), 0.3048);
        EXPECT_TRUE(registry.FindUnit(length, "metre"));
        EXPECT_GE(registry.UnitsOf(length).size(), 2u);
    }
    writer.join();
    EXPECT_EQ(registry.UnitsOf(length).size(), 2u);
}

}  // namespace
}  // namespace quillix
