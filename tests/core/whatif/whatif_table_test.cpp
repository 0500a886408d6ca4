// SPDX-License-Identifier: GPL-3.0-or-later
// What-if tables over the program document: their shapes, error cells, the
// refusals, and the document left exactly as it was, without a single event.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/whatif/whatif_test_support.h"
#include "whatif/whatif_table.h"
#include "whatif/whatif_text.h"

namespace quillix::test {
namespace {

using ::testing::ElementsAre;

class WhatIfTable : public WhatIfTest {};

std::vector<std::string> Texts(const std::vector<TWhatIfCell>& cells) {
    std::vector<std::string> texts;
    for (const TWhatIfCell& cell : cells)
        texts.push_back(cell.PlainText());
    return texts;
}

TEST_F(WhatIfTable, OneInputGivesARowPerPointAndACellPerOutput) {
    DefineLoan();
    const std::string before = Before();
    const std::vector<long double> rates{0.03L, 0.06L, 0.09L};
    const TWhatIfTable table = Tabulate(doc, " rate ", rates, {"payment", "TOTAL", "Months"});
    EXPECT_EQ(table.Input, "Rate");
    EXPECT_THAT(table.Outputs, ElementsAre("Payment", "Total", "Months"));
    ASSERT_EQ(table.Rows.size(), 3u);
    EXPECT_EQ(table.Points, rates);
    for (std::size_t i = 0; i < rates.size(); ++i) {
        ASSERT_EQ(table.Rows[i].size(), 3u);
        const long double payment = table.Rows[i][0].Number;
        EXPECT_NEAR(static_cast<double>(payment),
                    static_cast<double>(-200000 * (rates[i] / 12) /
                                        (1 - std::pow(1 + rates[i] / 12, -360.0L))),
                    1e-9);
        EXPECT_EQ(table.Rows[i][1].Number, payment * 360);
        EXPECT_EQ(table.Rows[i][2].Number, 360);
    }
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(events, 0);
}

TEST_F(WhatIfTable, AFailingPointHoldsItsErrorAndTheTableGoesOn) {
    Define("X", "2");
    Define("Inverse", "1/X");
    Define("Root", "Sqrt(X)");
    Define("Sum", "Inverse+Root");
    const TWhatIfTable table =
        Tabulate(doc, "X", std::vector<long double>{-4, 0, 4}, {"Inverse", "Root", "Sum"});
    EXPECT_THAT(Texts(table.Rows[0]), ElementsAre("-0.25", "Invalid floating point operation",
                                                  "Invalid floating point operation"));
    EXPECT_THAT(Texts(table.Rows[1]), ElementsAre("Floating point division by zero", "0",
                                                  "Floating point division by zero"));
    EXPECT_THAT(Texts(table.Rows[2]), ElementsAre("0.25", "2", "2.25"));
    EXPECT_TRUE(table.Rows[1][0].IsError());
    // After an error the document's values are numbers again, as before.
    EXPECT_EQ(doc.GetValue("Sum")->CVType(), cvNumber);
    EXPECT_EQ(doc.GetValue("Sum")->FormatValue(kPlainStyle), "1.91421356237309505");
}

TEST_F(WhatIfTable, ADocumentSavesTheSameAfterATableEvenWithStaleAndErrorValues) {
    DefineLoan();
    Define("Ratio", "1/(Rate-0.06)");  // an error value in the document
    // A stale number: the value is not what its formula gives now (as a file
    // written by another version may hold); a table must not refresh it.
    doc.GetValue("Total")->SetNumber(12345);
    const std::string before = Before();
    const std::vector<long double> rates{0.01L, 0.05L, 0.07L};
    const TWhatIfTable table = Tabulate(doc, "Rate", rates, {"Ratio", "Total"});
    EXPECT_EQ(table.Rows[0][0].Number, 1 / (0.01L - 0.06L));
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(doc.GetValue("Ratio")->ErrorText(), "Floating point division by zero");
}

TEST_F(WhatIfTable, ValuesOutsideTheDocumentThatUseAnInputAreRestoredToo) {
    Define("A", "3");
    // A formula held elsewhere (the calculation stack holds such values).
    FormulaReaderOptions options;
    options.vars = &doc;
    const ValueRef held = ReadFormula("A*10", options).value;
    Tabulate(doc, "A", std::vector<long double>{1, 2}, {"A"});
    EXPECT_EQ(held->Number(), 30);
}

TEST_F(WhatIfTable, EachPointRecalculatesOnlyWhatDependsOnTheInput) {
    Define("A", "1");
    Define("B", "2");
    for (int i = 0; i < 50; ++i)
        Define("B" + std::to_string(i), "B*" + std::to_string(i));  // do not use A
    Define("C", "A+1");
    const std::uint64_t before = TCalcValue::EvaluationCount();
    Tabulate(doc, "A", std::vector<long double>(100, 5), {"C"});
    // C and the reference value inside it, per point.
    EXPECT_EQ(TCalcValue::EvaluationCount() - before, 200u);
}

TEST_F(WhatIfTable, AGridHasARowPerFirstInputAndAColumnPerSecond) {
    DefineLoan();
    const std::string before = Before();
    TGridAxes axes{"Rate", {0.03L, 0.06L}, "Years", {10, 20, 30}};
    const TWhatIfGrid grid = TabulateGrid(doc, axes, "Payment");
    ASSERT_EQ(grid.Rows.size(), 2u);
    for (std::size_t r = 0; r < 2; ++r) {
        ASSERT_EQ(grid.Rows[r].size(), 3u);
        for (std::size_t c = 0; c < 3; ++c) {
            const long double rate = axes.RowPoints[r] / 12;
            const long double months = axes.ColumnPoints[c] * 12;
            EXPECT_NEAR(static_cast<double>(grid.Rows[r][c].Number),
                        static_cast<double>(-200000 * rate / (1 - std::pow(1 + rate, -months))),
                        1e-9)
                << r << "," << c;
        }
    }
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(GridText(grid, TTableSeparator::kTab).substr(0, 20), "Rate\\Years\t10\t20\t30\n");
}

TEST_F(WhatIfTable, NamesThatCannotServeAreRefusedBeforeAnythingRuns) {
    DefineLoan();
    Define("Due", "[2024-02-29]");
    const std::string before = Before();
    struct Row {
        const char* input;
        const char* output;
        const char* message;
    };
    const Row rows[] = {
        {"Rat", "Payment", "there is no variable 'Rat'"},
        {"Months", "Payment",
         "'Months' has a formula: only a variable that holds a plain number can vary"},
        {"Due", "Payment", "'Due' does not hold a number"},
        {"Rate", "Pay", "there is no variable 'Pay'"},
    };
    for (const Row& row : rows) {
        try {
            Tabulate(doc, row.input, std::vector<long double>{1}, {row.output});
            ADD_FAILURE() << row.input << " was accepted";
        } catch (const WhatIfRefused& refused) {
            EXPECT_EQ(std::string(refused.what()), row.message);
        }
    }
    EXPECT_THROW(TabulateGrid(doc, TGridAxes{"Rate", {1}, "rate", {2}}, "Payment"), WhatIfRefused);
    EXPECT_EQ(Saved(), before);
    EXPECT_THAT(WhatIfInputs(doc), ElementsAre("Principal", "Rate", "Years"));
}

TEST_F(WhatIfTable, TextFormsQuoteWhatWouldBreakALine) {
    TWhatIfTable table;
    table.Input = "X";
    table.Outputs = {"Y"};
    table.Points = {1, 2};
    table.Rows = {{TWhatIfCell::OfNumber(1.5L)}, {TWhatIfCell{0, cvError, "bad, \"very\"\nbad"}}};
    EXPECT_EQ(TableText(table, TTableSeparator::kComma),
              "X,Y\n1,1.5\n2,\"bad, \"\"very\"\"\nbad\"\n");
    EXPECT_EQ(TableText(table, TTableSeparator::kTab), "X\tY\n1\t1.5\n2\tbad, \"very\"\\x0Abad\n");
}

TEST(WhatIfKeptTable, ATableTooLargeToKeepWholeIsRefusedWithoutOverflow) {
    const struct {
        std::size_t rows, columns;
        bool refused;
    } rows[] = {
        {1000000, 2, false},  // exactly the bound
        {1000001, 2, true},
        {1000000, 1000000, true},
        {std::size_t(-1), std::size_t(-1), true},  // the product would wrap to 1
        {0, 0, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(!KeptTableProblem(row.rows, row.columns).empty(), row.refused)
            << row.rows << " x " << row.columns;
}

}  // namespace
}  // namespace quillix::test
