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
        {U"1.2", U'.', false},
        {U"12", U'.', true},
        {U"5", U'-', true},
        {U"5-", U'-', false},
        {U"1e", U'E', false},
        {U"1E", U'e', false},
        {U"1", U'e', true},
        {U"1e", U'5', true},
        {U"", U'x', false},
        {U"1", U'+', false},
        {U"1", U' ', false},
        {U"1", U',', false},
        // Control characters are keys, not typed characters (see KeyStartsPlainNumber).
        {U"1", U'\b', false},
        {U"1", U'\x03', false},
        {U"1", U'\r', false},
        {U"1", U'\t', false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NumberFieldAcceptsChar(row.text, row.ch), row.accepted)
            << std::u32string(row.text).size() << " chars + " << static_cast<int>(row.ch);
    }
}

// A field that holds a date or a reference keeps it through every key that
// does not change the text: tabbing past it or selecting all must not turn it
// into a plain number.
TEST(KeyStartsPlainNumber, OnlyKeysThatChangeTheTextDo) {
    struct Row {
        const char* what;
        TFieldKey key;
        char32_t ch;
        bool starts;
    };
    const Row rows[] = {
        {"digit", TFieldKey::Character, U'7', true},
        {"minus", TFieldKey::Character, U'-', true},
        {"exponent", TFieldKey::Character, U'e', true},
        {"point", TFieldKey::Character, U'.', true},
        {"letter", TFieldKey::Character, U'x', false},
        {"blank", TFieldKey::Character, U' ', false},
        {"backspace, delete, cut, undo", TFieldKey::EditingKey, 0, true},
        {"tab, escape, copy, select-all, arrows", TFieldKey::PassingKey, 0, false},
        {"a passing key that carries a digit", TFieldKey::PassingKey, U'1', false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(KeyStartsPlainNumber(row.key, row.ch), row.starts) << row.what;
}

TEST(FieldKeyOfChar, ControlCharactersPassAndPrintableOnesAreTyped) {
    struct Row {
        char32_t ch;
        TFieldKey key;
    };
    const Row rows[] = {
        {U'\t', TFieldKey::PassingKey},   {U'\x1b', TFieldKey::PassingKey},
        {U'\r', TFieldKey::PassingKey},   {U'\n', TFieldKey::PassingKey},
        {U'\x01', TFieldKey::PassingKey}, {U'\x03', TFieldKey::PassingKey},
        {U'\x7f', TFieldKey::PassingKey}, {U'5', TFieldKey::Character},
        {U'x', TFieldKey::Character},     {U'\u00e9', TFieldKey::Character},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FieldKeyOfChar(row.ch), row.key) << static_cast<int>(row.ch);
}

TEST(NumberFieldConversionProblem, NamesOnlyCompleteTextsBeyondTheRange) {
    struct Row {
        const char* text;
        const char* problem;  // null: none
    };
    const Row rows[] = {
        {"1e9999", "'1e9999' is not a valid floating point value"},
        {"-2.5E99999", "'-2.5E99999' is not a valid floating point value"},
        {"2e4932", "'2e4932' is not a valid floating point value"},
        {"1e4932", nullptr},  // still inside the extended range
        {"1e999", nullptr},
        {"1e", nullptr},  // unfinished
        {"5-", nullptr},
        {"1e-5", nullptr},  // a negative exponent is never taken over
        {"", nullptr},
        {"abc", nullptr},
        {"1.5", nullptr},
    };
    for (const Row& row : rows) {
        const std::optional<std::string> problem = NumberFieldConversionProblem(row.text);
        if (row.problem)
            EXPECT_EQ(problem, row.problem) << row.text;
        else
            EXPECT_EQ(problem, std::nullopt) << row.text;
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
