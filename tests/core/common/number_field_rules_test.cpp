// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number_field_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace quillix {
namespace {

TEST(NumberFieldAcceptsChar, RefusesASecondSeparatorSignOrExponent) {
    struct Row {
        const char32_t* text;
        char32_t ch;
        bool accepted;
    };
    const Row rows[] = {
        {U"1.2", U'.', false}, {U"12", U'.', true},   {U"5", U'-', true},   {U"5-", U'-', false},
        {U"1e", U'E', false},  {U"1E", U'e', false},  {U"1", U'e', true},   {U"1e", U'5', true},
        {U"", U'x', false},    {U"1", U'+', false},   {U"1", U' ', false},  {U"1", U',', false},
        {U"1", U'\b', true},   {U"1", U'\x03', true}, {U"1", U'\r', false}, {U"1", U'\x7f', true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NumberFieldAcceptsChar(row.text, row.ch), row.accepted)
            << std::u32string(row.text).size() << " chars + " << static_cast<int>(row.ch);
    }
}

TEST(NumberFieldTextValue, TakesOnlyWholeNumberTexts) {
    struct Row {
        const char* text;
        std::optional<long double> value;
    };
    const Row rows[] = {
        {"", 0.0L},
        {"-", 0.0L},
        {"5", 5.0L},
        {"-5", -5.0L},
        {"1e5", 1e5L},
        {"1.25", 1.25L},
        {"1e", std::nullopt},
        {"5-", std::nullopt},
        {"1e-5", std::nullopt},
        {"--5", std::nullopt},
        {".5", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1,5", std::nullopt},
        {" 5", std::nullopt},
        {"1e99999", std::nullopt},
        {"inf", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(NumberFieldTextValue(row.text), row.value) << row.text;
}

}  // namespace
}  // namespace quillix
