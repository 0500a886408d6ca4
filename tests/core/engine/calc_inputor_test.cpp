// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calc_inputor.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "common/calc_error.h"
#include "model/calc_value.h"

namespace quillix {
namespace {

// Feeds codes to a fresh editor and returns it.
TCalcInputor Typed(std::initializer_list<std::uint8_t> codes) {
    TCalcInputor editor;
    for (const std::uint8_t code : codes)
        editor.Input(code, nullptr);
    return editor;
}

TCalcInputor Pasted(const std::string& text) {
    TCalcInputor editor;
    TCalcCommondData data;
    data.Text = text;
    editor.Input(ccPaste, &data);
    return editor;
}

TEST(Inputor, TypingBuildsTheNumberAndItsText) {
    struct Row {
        std::initializer_list<std::uint8_t> codes;
        const char* plain;
        const char* grouped;
        long double value;
    };
    const Row rows[] = {
        {{ccDigit1, ccDigit2, ccDigit3, ccDecimalPoint, ccDigit4, ccDigit5},
         "123.45",
         "123.45",
         123.45L},
        {{ccDigit1, ccDigit2, ccDigit3, ccDigit4, ccDigit5, ccDigit6, ccDigit7},
         "1234567",
         "1,234,567",
         1234567},
        {{ccDigit00, ccDigit000}, "0", "0", 0},
        {{ccDigit0, ccDigit0}, "0", "0", 0},
        {{ccDigit5, ccDigit000}, "5000", "5,000", 5000},
        {{ccDigit1, ccExponent, ccDigit5}, "1E+5", "1E+5", 1e5L},
        {{ccDigit1, ccExponent, ccChangeSign, ccDigit5}, "1E-5", "1E-5", 1e-5L},
        {{ccDigit1, ccChangeSign, ccExponent, ccDigit5}, "-1E+5", "-1E+5", -1e5L},
        {{ccDigit1, ccDecimalPoint}, "1.", "1.", 1},
        {{ccDigit0, ccDecimalPoint, ccDigit0, ccDigit5}, "0.05", "0.05", 0.05L},
        {{ccDigit5, ccChangeSign, ccBackspace}, "-0", "-0", 0},
        {{ccDigit1, ccExponent}, "1E+", "1E+", 1},
    };
    for (const Row& row : rows) {
        const TCalcInputor editor = Typed(row.codes);
        EXPECT_EQ(editor.GetText(0), row.plain);
        EXPECT_EQ(editor.GetText(3), row.grouped);
        EXPECT_EQ(editor.GetValue(), row.value) << row.plain;
    }
}

TEST(Inputor, FifteenDigitsFillTheEditor) {
    TCalcInputor editor;
    for (int i = 0; i < 15; ++i)
        editor.Input(ccDigit7, nullptr);
    EXPECT_EQ(editor.IntText, "777777777777777");
    editor.Input(ccDigit1, nullptr);
    editor.Input(ccExponent, nullptr);
    editor.Input(ccDigit1, nullptr);
    EXPECT_EQ(editor.GetText(0), "777777777777777E+");
    TCalcInputor fourteen =
        Typed({ccDigit1, ccDigit2, ccDigit3, ccDigit4, ccDigit5, ccDigit6, ccDigit7, ccDigit8,
               ccDigit9, ccDigit1, ccDigit2, ccDigit3, ccDigit4, ccDigit5});
    fourteen.Input(ccDigit00, nullptr);  // would make sixteen
    EXPECT_EQ(fourteen.IntText.size(), 14u);
    fourteen.Input(ccDigit0, nullptr);
    EXPECT_EQ(fourteen.IntText.size(), 15u);
}

TEST(Inputor, BackspaceStepsBackThroughTheText) {
    TCalcInputor editor = Typed({ccDigit1, ccDecimalPoint, ccDigit5, ccExponent, ccDigit3});
    const char* steps[] = {"1.5E+3", "1.5E+", "1.5", "1.", "1", "0", "0"};
    for (const char* expected : steps) {
        EXPECT_EQ(editor.GetText(0), expected);
        editor.Input(ccBackspace, nullptr);
    }
}

TEST(Inputor, PasteAcceptsDigitsPointMinusAndCommas) {
    EXPECT_EQ(Pasted("-1,234.5").GetValue(), -1234.5L);
    EXPECT_EQ(Pasted("-1,234.5").GetText(0), "-1234.5");
    EXPECT_EQ(Pasted(".5").GetValue(), 0.5L);
    EXPECT_EQ(Pasted("").GetValue(), 0);
    EXPECT_EQ(Pasted("1.2.3").GetText(0), "1.23");
    EXPECT_EQ(Pasted("12345678901234567890").GetText(0), "12345678901234567890");
    TCalcInputor editor = Typed({ccDigit7});
    TCalcCommondData data;
    for (const char* rejected : {"12 345", "+5", "abc"}) {
        data.Text = rejected;
        editor.Input(ccPaste, &data);
        EXPECT_EQ(editor.GetText(0), "7") << rejected;
    }
}

// Copy puts the display's text on the clipboard; pasting it back must give the
// number the display showed, in every format the display uses.
TEST(Inputor, PasteReadsBackEveryDisplayText) {
    struct Row {
        std::uint8_t format;
        int digits;
        long double number;
        const char* display;  // grouped, as the keypad shows it
        bool exact;           // the text is the number itself, not a rounding of it
    };
    const Row rows[] = {
        {kGeneralFormat, 2, 0, "0", true},
        {kGeneralFormat, 2, 1234567.5L, "1,234,567.5", true},
        {kGeneralFormat, 2, -12.5L, "-12.5", true},
        {kGeneralFormat, 2, 1e20L, "1E20", true},
        {kGeneralFormat, 2, -1.5e20L, "-1.5E20", true},
        {kGeneralFormat, 2, 1.5e-7L, "1.5E-07", true},
        {kGeneralFormat, 0, 1.5e-7L, "1.5E-7", true},
        {kGeneralFormat, 2, 0.0001L, "0.0001", true},
        {kGeneralFormat, 2, 123456789012345678.0L, "123,456,789,012,345,678", true},
        {kGeneralFormat, 2, 1.0L / 3, "0.333333333333333333", false},
        {kGeneralFormat, 2, 1e4000L, "1E4000", true},
        {kGeneralFormat, 2, -9.87654321e-4000L, "-9.87654321E-4000", true},
        {kFixedFormat, 2, 1234567.5L, "1,234,567.50", true},
        {kFixedFormat, 2, -0.5L, "-0.50", true},
        {kFixedFormat, 2, 2.346L, "2.35", false},
        {kFixedFormat, 0, 42, "42", true},
        {kFixedFormat, 2, 1.5e20L, "1.5E20", true},
        {kFixedFormat, 2, -1e4000L, "-1E4000", true},
        {kFixedFormat, 5, 0.125L, "0.12500", true},
    };
    struct FormatRestorer {
        ~FormatRestorer() { ValueFormatSettings() = TValueFormatRecord{}; }
    } restorer;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.display);
        ValueFormatSettings() = TValueFormatRecord{row.format, 18, row.digits};
        ASSERT_EQ(TCalcValue::New(row.number)->FormatValue(kGroupedStyle), row.display);
        ASSERT_TRUE(TCalcInputor::IsPastable(row.display));
        const long double pasted = Pasted(row.display).GetValue();
        EXPECT_EQ(TCalcValue::New(pasted)->FormatValue(kGroupedStyle), row.display);
        if (row.exact) {
            EXPECT_EQ(pasted, row.number);
        }
    }
}

TEST(Inputor, PasteTakesExponentsAndBlanksAndRefusesWhatIsNoNumber) {
    struct Row {
        const char* text;
        const char* editorText;  // the editor's text afterwards; its text before for a refusal
        long double number;
    };
    const Row rows[] = {
        {"1.5e-7", "1.5E-7", 1.5e-7L},
        {"1e5", "1E+5", 1e5L},
        {"1E+5", "1E+5", 1e5L},
        {" \t-1,234.5 \r\n", "-1234.5", -1234.5L},
        {"2E", "2E+", 2},  // the editor's own text while an exponent is started
        {"-0", "-0", 0},
        // Refused: the editor keeps "7".
        {"1 E5", "7", 7},
        {"1E5E3", "7", 7},
        {"1E5.5", "7", 7},
        {"1E1,000", "7", 7},
        {"1E5-", "7", 7},
        {"1E--5", "7", 7},
        {"INF", "7", 7},
        {"-INF", "7", 7},
        {"NAN", "7", 7},
        {"Floating point division by zero", "7", 7},
        // A date shows in brackets: number entry builds numbers, so it is refused.
        {"[2024-03-05]", "7", 7},
        {"[05/03/2024]", "7", 7},
    };
    for (const Row& row : rows) {
        TCalcInputor editor = Typed({ccDigit7});
        TCalcCommondData data;
        data.Text = row.text;
        EXPECT_EQ(editor.Input(ccPaste, &data), row.number) << row.text;
        EXPECT_EQ(editor.GetText(0), row.editorText) << row.text;
        EXPECT_EQ(TCalcInputor::IsPastable(row.text), row.editorText != std::string("7"))
            << row.text;
    }
}

TEST(Inputor, ATextOutsideTheRangeFailsAndKeepsItsCharacters) {
    TCalcInputor editor = Typed({ccDigit1, ccExponent, ccDigit9, ccDigit9, ccDigit9});
    try {
        editor.Input(ccDigit9, nullptr);
        FAIL() << "expected a conversion error";
    } catch (const ECalcError& error) {
        EXPECT_STREQ(error.what(), "'1e+9999' is not a valid floating point value");
    }
    EXPECT_EQ(editor.GetText(0), "1E+9999");
    EXPECT_EQ(editor.Input(ccChangeSign, nullptr), 0);  // converts again: 1e-9999 underflows
    EXPECT_EQ(editor.Reset(), 0);
    EXPECT_EQ(editor.GetText(0), "0");
}

}  // namespace
}  // namespace quillix
