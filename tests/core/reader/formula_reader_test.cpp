// SPDX-License-Identifier: GPL-3.0-or-later
// Reading formula texts: what each construct builds, the faults with their
// positions, and texts far deeper than any stack.

#include <gtest/gtest.h>

#include <string>

#include "common/date_format.h"
#include "model/operate_binary.h"
#include "model/operate_ref.h"
#include "reader_support.h"

namespace quillix::test {
namespace {

class FormulaReader : public ReaderTest {
  protected:
    void SetUp() override {
        ReaderTest::SetUp();
        vars.AddVariable("A", Make<TCalcOperatePlus>(Num(1), Num(2)));
        vars.AddVariable("Rate", Num(0.05L));
        vars.AddVariable("Net pay", Num(100));
        vars.AddVariable("\xCF\x80", Num(3));  // "π"
    }
};

TEST_F(FormulaReader, BuildsTheTreeTheTextShows) {
    struct Row {
        const char* text;
        const char* formula;  // the tree's text
        const char* value;    // its plain display
    };
    const Row rows[] = {
        {"1+2*3", "1+2*3", "7"},
        {"(1+2)*3", "(1+2)*3", "9"},
        {" 1 + 2 ", "1+2", "3"},
        {"2^3^2", "2^3^2", "512"},
        {"(2^3)^2", "(2^3)^2", "64"},
        {"-2^2", "-2^2", "4"},
        {"-(2^2)", "-(2^2)", "-4"},
        {"2^-1", "2^-1", "0.5"},
        {"--5", "--5", "5"},
        {"8-2-1", "8-2-1", "5"},
        {"8-(2-1)", "8-(2-1)", "7"},
        {"200*10%", "200*10%", "20"},
        {"200+200*10%", "200+200*10%", "220"},
        {"7 mod 3", "7 Mod 3", "1"},
        {"7 Mod -3", "7 Mod -3", "1"},
        {"(1<2) And (3<4)", "(1<2) And (3<4)", "1"},
        {"6 xor 3 OR 8", "6 Xor 3 Or 8", "13"},
        {"1<=1", "1<=1", "1"},
        {"1<>1", "1<>1", "0"},
        {"0.1+0.2==0.3", "0.1+0.2==0.3", "1"},
        {"1E-05*2", "1E-05*2", "2E-05"},
        {".5+5.", "0.5+5", "5.5"},
        {"sqrt(16)", "Sqrt(16)", "4"},
        {"SQRT (16)", "Sqrt(16)", "4"},
        {"NPV(0.1,[-100,60,70],0)", "NPV(0.1,[-100,60,70],0)", "11.2697220135236664"},
        {"PMT(0.06/12,360,100000,0)*12", "PMT(0.06/12,360,100000,0,0)*12", "-7194.60630183302875"},
        {"Sum([1,2,-3.5])", "Sum([1,2,-3.5])", "-0.5"},
        {"sum([])", "Sum([])", "The list of numbers is empty"},
        {"Case(0,[0,1],[10,20])", "Case(0,[0,1],[10,20])", "20"},
        {"case(7,[],[])", "Case(7,[],[])", "7"},
        {"Hypot(3,4)", "Hypot(3,4)", "5"},
        {"NPV(0.1,[-100,60,70])", "NPV(0.1,[-100,60,70],0)", "11.2697220135236664"},
        {"Sum([\"A Mod 2\",2])", "Sum([\"A Mod 2\",2])", "3"},
        {"Sum([\"Sum([\"\"A Mod 2\"\"])\"])", "Sum([\"Sum([\"\"A Mod 2\"\"])\"])", "1"},
        {"Today()-Today()", "Today()-Today()", "0"},
        {"A*3", "A*3", "9"},
        {"a*RATE", "A*Rate", "0.15"},
        {"Net pay/4", "Net pay/4", "25"},
        {"\xCF\x80+1", "\xCF\x80+1", "4"},
        {"[2024-02-29]+1", "[2024-02-29]+1", "[2024-03-01]"},
        {"[2024-03-01]-[2024-02-01]", "[2024-03-01]-[2024-02-01]", "29"},
        {"Year([2024-02-29])", "Year([2024-02-29])", "2024"},
        {"Hyp(3,4)", "Hyp(3,4)", "10"},
        {"Hyp()", "Hyp()", "3"},
        {"Loan('Payment',1000,5)", "Loan('Payment',1000,5)", "1412"},
        {"Loan( 'Payment' )", "Loan('Payment')", "407"},
        {"INF", "INF", "INF"},
        {"-INF", "-INF", "-INF"},
        {"1/0", "1/0", "Floating point division by zero"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const FormulaReadResult result = Read(row.text);
        ASSERT_TRUE(result.ok()) << result.error->message;
        EXPECT_EQ(result.value->GetFormulaText(), row.formula);
        EXPECT_EQ(result.value->FormatValue(kPlainStyle), row.value);
    }
}

TEST_F(FormulaReader, NamesWhatIsWrongAndWhere) {
    struct Row {
        const char* text;
        const char* message;
        std::size_t offset;
    };
    const Row rows[] = {
        {"", "operand expected at 1", 0},
        {"A*Rat", "unknown name 'Rat' at 3", 2},
        {"\xCF\x80*Rat", "unknown name 'Rat' at 3", 3},
        {"(1+2", "')' expected at 5", 4},
        {"((1+2)*3", "')' expected at 9", 8},
        {"1+", "operand expected at 3", 2},
        {"1 2", "operator expected at 3", 2},
        {"2 @ 3", "operator expected at 3", 2},
        {"@", "unexpected '@' at 1", 0},
        {"1+2)", "unexpected ')' at 4", 3},
        {"1,2", "unexpected ',' at 2", 1},
        {"(1,2)", "')' expected at 3", 2},
        {"1+()", "operand expected at 4", 3},
        {"50%", "'%' without a product before it at 3", 2},
        {"1e99999", "number '1e99999' out of range at 1", 0},
        {"Sqrt(1,2)", "Sqrt takes 1 argument (2 given) at 1", 0},
        {"1+PMT(1,2,3)", "PMT takes 4 to 5 arguments (3 given) at 3", 2},
        {"Today(1)", "Today takes no arguments (1 given) at 1", 0},
        {"Sum()", "Sum takes 1 argument (0 given) at 1", 0},
        {"Sum(1)", "'[' expected at 5", 4},
        {"Sum([1,2)", "']' expected at 9", 8},
        {"Sum([1,2]+1)", "',' or ')' expected at 10", 9},
        {"Sum([1,", "operand expected at 8", 7},
        {"Sum([\"1+\"])", "operand expected at 9", 8},
        {"Sum([\"1", "closing '\"' expected at 6", 5},
        {"[2024-13-01]", "invalid date '2024-13-01' at 1", 0},
        // Found by fuzzing: a day number beyond a double showed as "[INF]".
        {"[3333330E423]", "invalid date '3333330E423' at 1", 0},
        {"[2024-01-01", "']' expected at 12", 11},
        {"Hyp(1", "')' expected at 6", 5},
        {"Hyp(1,)", "operand expected at 7", 6},
        {"Loan('Payment", "closing \"'\" expected at 14", 13},
        {"Loan('Payment' 1)", "',' or ')' expected at 16", 15},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const FormulaReadResult result = Read(row.text);
        ASSERT_FALSE(result.ok());
        EXPECT_FALSE(result.value);
        EXPECT_EQ(result.error->message, row.message);
        EXPECT_EQ(result.error->offset, row.offset);
    }
}

TEST_F(FormulaReader, LeavesTheVariablesAsTheyWereWhenTheTextIsWrong) {
    TCalcValue* a = vars.Find("A")->Value.get();
    ASSERT_EQ(a->ReferrerCount(), 0);
    EXPECT_FALSE(Read("A*A+Sum([A,A])+Rat").ok());
    EXPECT_EQ(a->ReferrerCount(), 0);
    const FormulaReadResult kept = Read("A*A");
    EXPECT_EQ(a->ReferrerCount(), 2);
}

TEST_F(FormulaReader, AsksTheLibrariesForUserFunctionsAndPrograms) {
    FormulaReaderOptions options;
    const auto known = [](const char* stored) {
        return [stored](std::string_view name) -> std::optional<std::string> {
            if (EqualsIgnoreAsciiCase(name, stored)) return std::string(stored);
            return std::nullopt;
        };
    };
    options.findUserFunction = known("Hyp");
    options.findProgram = known("Loan");
    EXPECT_EQ(ReadFormula("hyp(3)", options).value->GetFormulaText(), "Hyp(3)");
    EXPECT_EQ(ReadFormula("LOAN('P')", options).value->GetFormulaText(), "Loan('P')");
    EXPECT_EQ(ReadFormula("2*Nope(1)", options).error->message, "unknown function 'Nope' at 3");
    EXPECT_EQ(ReadFormula("Hyp('R')", options).error->message, "unknown program 'Hyp' at 1");
}

TEST_F(FormulaReader, ReadsDatesInTheShortDateFormInUse) {
    struct Row {
        DateFormatter formatter;
        const char* text;
        const char* iso;
    };
    const DateFormatter dotted = [](const CivilDate& d) {
        return std::to_string(d.day) + "." + std::to_string(d.month) + "." + std::to_string(d.year);
    };
    const Row rows[] = {
        {nullptr, "[02/29/24]", "[2024-02-29]"},  // the C library's "%x": two-digit years
        {nullptr, "[12/31/50]", "[1950-12-31]"},
        {nullptr, "[2024-02-29]", "[2024-02-29]"},  // ISO whatever the form in use
        {dotted, "[29.2.2024]", "[2024-02-29]"},
        {dotted, "[-5]", "[1899-12-25]"},  // a bare day number
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        SetShortDateFormatter(row.formatter);
        const FormulaReadResult result = Read(row.text);
        ASSERT_TRUE(result.ok()) << result.error->message;
        SetShortDateFormatter(FormatIsoDate);
        EXPECT_EQ(result.value->CVType(), cvDate);
        EXPECT_EQ(result.value->GetFormulaText(), row.iso);
    }
    SetShortDateFormatter(dotted);
    EXPECT_EQ(Read("[30.2.2024]").error->message, "invalid date '30.2.2024' at 1");
}

TEST_F(FormulaReader, ReadsTextsNestedFarDeeperThanTheStack) {
    constexpr int kDepth = 100000;
    const std::string parens = std::string(kDepth, '(') + "1" + std::string(kDepth, ')');
    FormulaReadResult result = Read(parens);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value->GetFormulaText(), "1");

    std::string signs;
    for (int i = 0; i < kDepth; ++i)
        signs += "-(";
    signs += "1" + std::string(kDepth, ')');
    result = Read(signs);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value->FormatValue(kPlainStyle), "1");
    EXPECT_EQ(result.value->GetFormulaText().size(), signs.size() - 2);  // "-(-(...-1...))"

    std::string sums = "1";
    for (int i = 1; i < kDepth; ++i)
        sums += "+1";
    EXPECT_EQ(Read(sums).value->FormatValue(kPlainStyle), "100000");
    std::string powers = "1";
    for (int i = 1; i < kDepth; ++i)
        powers += "^1";
    EXPECT_EQ(Read(powers).value->GetFormulaText(), powers);

    EXPECT_EQ(Read(std::string(kDepth, '(')).error->message, "operand expected at 100001");
    EXPECT_EQ(Read(std::string(kDepth, '(') + "1").error->message, "')' expected at 100002");
}

TEST(FormulaFunctionNames, ListsTheCatalogueForCompletion) {
    const std::vector<std::string> names = FormulaFunctionNames();
    ASSERT_EQ(names.size(), 93u);
    EXPECT_EQ(names[73], "PMT");
    EXPECT_EQ(names.back(), "APR");
}

}  // namespace
}  // namespace quillix::test
