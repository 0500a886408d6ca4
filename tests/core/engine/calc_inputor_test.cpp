#include "engine/calc_inputor.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "common/calc_error.h"

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
    for (const char* rejected : {"12 345", "1e5", "+5", "abc"}) {
        data.Text = rejected;
        editor.Input(ccPaste, &data);
        EXPECT_EQ(editor.GetText(0), "7") << rejected;
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
