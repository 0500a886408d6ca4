// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace quillix {
namespace {

TEST(FormatFloatGeneral, SwitchesToScientificAtTheBounds) {
    struct Row {
        long double value;
        const char* text;
    };
    const Row rows[] = {
        {0.0001L, "0.0001"},
        {0.00001L, "1E-05"},
        {1.5e20L, "1.5E20"},
        {1.0L / 3, "0.333333333333333333"},
        {999999999999999999.0L, "999999999999999999"},
        {1e18L, "1E18"},
        {-2.5L, "-2.5"},
        {0.0L, "0"},
        {123456789.0L, "123456789"},
        {-0.000123L, "-0.000123"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatFloatGeneral(row.value, 18, 2), row.text);
}

TEST(FormatFloatGeneral, ExponentDigitsFollowTheMinimumUpToFour) {
    EXPECT_EQ(FormatFloatGeneral(1e-5L, 18, 3), "1E-005");
    EXPECT_EQ(FormatFloatGeneral(1e-5L, 18, 4), "1E-0005");
    EXPECT_EQ(FormatFloatGeneral(1e-5L, 18, 5), "1E-5");
    EXPECT_EQ(FormatFloatGeneral(1e300L, 18, 2), "1E300");
}

TEST(FormatFloatGeneral, SpecialValues) {
    EXPECT_EQ(FormatFloatGeneral(HUGE_VALL, 18, 2), "INF");
    EXPECT_EQ(FormatFloatGeneral(-HUGE_VALL, 18, 2), "-INF");
    EXPECT_EQ(FormatFloatGeneral(std::nanl(""), 18, 2), "NAN");
}

TEST(FormatFloatFixed, RoundsToTheDecimalsAndFallsBackForHugeValues) {
    EXPECT_EQ(FormatFloatFixed(2.346L, 2, 18, 2), "2.35");
    EXPECT_EQ(FormatFloatFixed(-0.001L, 2, 18, 2), "0.00");
    EXPECT_EQ(FormatFloatFixed(5.0L, 0, 18, 2), "5");
    EXPECT_EQ(FormatFloatFixed(1.5e20L, 2, 18, 2), "1.5E20");
    EXPECT_EQ(FormatFloatFixed(12345.5L, 18, 18, 2), "12345.500000000000000000");
}

TEST(GroupDigits, GroupsOnlyTheIntegerPart) {
    EXPECT_EQ(GroupDigits("0.001234"), "0.001234");
    EXPECT_EQ(GroupDigits("-12345678.9"), "-12,345,678.9");
    EXPECT_EQ(GroupDigits("123"), "123");
    EXPECT_EQ(GroupDigits("1234567"), "1,234,567");
    EXPECT_EQ(GroupDigits("1.5E20"), "1.5E20");
    EXPECT_EQ(GroupDigits("1234.5E20"), "1,234.5E20");
    EXPECT_EQ(GroupDigits("INF"), "INF");
}

TEST(FormatFloat15, FileForm) {
    EXPECT_EQ(FormatFloat15(0.1), "0.1");
    EXPECT_EQ(FormatFloat15(3.14159265358979), "3.14159265358979");
    EXPECT_EQ(FormatFloat15(1e20), "1E20");
    EXPECT_EQ(FormatFloat15(1e-5), "1E-5");
    EXPECT_EQ(FormatFloat15(1.5e-8), "1.5E-8");
    EXPECT_EQ(FormatFloat15(123456789012345678.0), "1.23456789012346E17");
}

// Within the normal range of a double the files keep their 15-digit form;
// beyond it a number is written so that it reads back unchanged.
// Within the normal range of a double the files keep their 15-digit form;
// beyond it a number is written so that it reads back unchanged.
TEST(FormatFloatStored, KeepsNumbersBeyondADouble) {
    struct Row {
        long double number;
        const char* text;
        bool exact;  // reads back as the very number
    };
    const Row rows[] = {
        {3.14159265358979323846L, "3.14159265358979", false},
        {1E20L, "1E20", true},
        {0, "0", true},
        {1E4000L, "1E4000", true},
        {-1E4000L / 3, "-3.3333333333333333333E3999", true},
        {static_cast<long double>(DBL_MAX) * 10, "1.7976931348623157081E309", true},
        {1E-4000L, "1E-4000", true},
        {1E-320L, "1E-320", true},  // as a double it would keep only a few digits
        {HUGE_VALL, "INF", true},
        {-HUGE_VALL, "-INF", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatFloatStored(row.number), row.text);
        EXPECT_EQ(ParseDecimal(row.text, true) == row.number, row.exact) << row.text;
    }
    EXPECT_EQ(FormatFloatStored(std::nanl("")), "NAN");
}

TEST(ParseDecimal, AcceptsOnlyDecimalTexts) {
    EXPECT_EQ(ParseDecimal("12.5"), 12.5L);
    EXPECT_EQ(ParseDecimal("-1e+5"), -1e5L);
    EXPECT_EQ(ParseDecimal(".5"), 0.5L);
    EXPECT_EQ(ParseDecimal("5."), 5.0L);
    EXPECT_FALSE(ParseDecimal(""));
    EXPECT_FALSE(ParseDecimal(" 1"));
    EXPECT_FALSE(ParseDecimal("1e"));
    EXPECT_FALSE(ParseDecimal("0x10"));
    EXPECT_FALSE(ParseDecimal("inf"));
    EXPECT_FALSE(ParseDecimal("1e+9999"));
    EXPECT_TRUE(ParseDecimal("1e4000"));
    EXPECT_EQ(ParseDecimal("1e-9999"), 0.0L);
    EXPECT_TRUE(std::isinf(*ParseDecimal("-INF", true)));
    EXPECT_TRUE(std::isnan(*ParseDecimal("nan", true)));
}

TEST(ParseDecimal, AgreesWithTheCLibraryOnEveryForm) {
    std::mt19937_64 random(20261209);
    const char* samples[] = {"0.1",
                             "0.05",
                             "1E-5",
                             "123456789012345678",
                             "9999999999999999999",
                             "18446744073709551615",
                             "1e27",
                             "1e-27",
                             "1e28",
                             "3.14159265358979",
                             "-0",
                             "0.000000000000000000000000000001",
                             "5e-4950",
                             "1.5E4931"};
    for (const char* text : samples) {
        EXPECT_EQ(ParseDecimal(text), std::strtold(text, nullptr)) << text;
    }
    for (int n = 0; n < 20000; ++n) {
        std::string text = n % 2 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 21);
        const int point = static_cast<int>(random() % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point && d > 0) text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 2) text += "e" + std::to_string(static_cast<int>(random() % 80) - 40);
        ASSERT_EQ(ParseDecimal(text), std::strtold(text.c_str(), nullptr)) << text;
    }
}

// The quick writer of the files against the general one it stands in for, over
// random values of every kind a file meets: doubles of any exponent, short
// decimals (prices, rates), whole numbers, numbers of the extended type beyond
// a double and the special ones. QUILLIX_NUMBER_SAMPLES sets how many (a
// million in a separate run; fewer keep the sanitizer suite quick).
std::string QuickStoredText(long double x) {
    char buffer[kMaxStoredNumberLength];
    return std::string(buffer, WriteFloatStored(buffer, x));
}

long double RandomFileNumber(std::mt19937_64& random) {
    switch (random() % 6) {
        case 0: {  // any finite double
            double x;
            do {
                const std::uint64_t bits = random();
                std::memcpy(&x, &bits, sizeof x);
            } while (!std::isfinite(x));
            return x;
        }
        case 1: {  // a short decimal: k / 10^n
            const long double k = static_cast<long double>(random() % 1000000000);
            return (random() % 2 ? -k : k) / std::pow(10.0L, static_cast<int>(random() % 13));
        }
        case 2:  // a whole number up to and beyond 10^15
            return static_cast<long double>(static_cast<std::int64_t>(random() >> (random() % 40)));
        case 3: {  // beyond the range of a double, either way
            const int exponent = static_cast<int>(random() % 600) + 1025;
            const long double mantissa = 1 + static_cast<long double>(random() % 1000000) / 1e6L;
            return std::ldexp(mantissa, random() % 2 ? exponent : -exponent - 100);
        }
        case 4: {  // an extended number inside the range of a double
            const long double x = static_cast<long double>(random()) / 7.0L;
            return std::ldexp(x, static_cast<int>(random() % 200) - 100);
        }
        default: {
            const long double specials[] = {
                0.0L,    -0.0L,   HUGE_VALL,    -HUGE_VALL, std::nanl(""),
                DBL_MIN, DBL_MAX, DBL_TRUE_MIN, 1E15L,      999999999999999.0L};
            return specials[random() % std::size(specials)];
        }
    }
}

TEST(WriteFloatStored, WritesWhatFormatFloatStoredWrites) {
    const char* setting = std::getenv("QUILLIX_NUMBER_SAMPLES");
    const long samples = setting ? std::atol(setting) : 200000;
    std::mt19937_64 random(20261210);
    for (long n = 0; n < samples; ++n) {
        const long double x = RandomFileNumber(random);
        const std::string expected = FormatFloatStored(x);
        ASSERT_EQ(QuickStoredText(x), expected) << "sample " << n;
    }
}

}  // namespace
}  // namespace quillix
