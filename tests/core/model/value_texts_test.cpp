// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/value_texts.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/operate_binary.h"
#include "tree_builders.h"

namespace quillix::test {
namespace {

using ValueTexts = ModelTest;

ValueRef ErrorValue(const char* message) {
    ValueRef value = Num(7);
    value->SetError(message);
    return value;
}

TEST_F(ValueTexts, CopyTextHasEveryDigitWithoutGroupingWhateverTheDisplayFormat) {
    struct Row {
        int fixedDecimals;  // -1: general format
        ValueRef value;
        const char* copied;
    };
    const Row rows[] = {
        {4, Num(1585.7578363701851234L), "1585.75783637018512"},
        {-1, Num(1585.7578363701851234L), "1585.75783637018512"},
        {2, Num(2.344L), "2.344"},  // the display shows 2.34; the value holds 2.344
        {-1, Num(1234567), "1234567"},
        {-1, Num(-0.00001L), "-1E-05"},
        {4, Num(1.5e20L), "1.5E20"},  // not the fixed format's four exponent digits
        {-1, Num(1e4000L), "1E4000"},
        {2, Date(2024, 2, 29), "2024-02-29"},
        {-1, TCalcValue::NewDate(-700000), "-700000"},  // before the year 1: its day
        {-1, ErrorValue("Floating point division by zero"), "Floating point division by zero"},
    };
    for (const Row& row : rows) {
        SetValueFormat(row.fixedDecimals);
        EXPECT_EQ(ValueCopyText(*row.value), row.copied) << row.copied;
    }
}

TEST_F(ValueTexts, InTheGeneralFormatACopiedNumberIsWhatTheCommandLinePrints) {
    for (const long double x : {1585.757836370185L, 1.0L / 3, -2.5e-7L, 1e18L, 1e300L}) {
        const ValueRef value = Num(x);
        EXPECT_EQ(ValueCopyText(*value), ValuePlainText(*value));
    }
}

TEST_F(ValueTexts, AFieldTellsAVariableAndAFormulaFromANumber) {
    ValueRef rate = Var("Rate", Num(0.05L));
    ValueRef unnamed = Make<TCalcOperatePlus>(Num(1), Num(2));
    struct Row {
        const char* what;
        ValueRef value;
        TFieldContent content;
    };
    const Row rows[] = {
        {"typed number", Num(5), TFieldContent::Number},
        {"date", Date(2024, 1, 1), TFieldContent::Number},
        {"picked variable", rate->MakeReference(), TFieldContent::Reference},
        {"formula over a variable", Make<TCalcOperatePlus>(rate->MakeReference(), Num(1)),
         TFieldContent::Formula},
        {"reference to a formula without a name", unnamed->MakeReference(), TFieldContent::Formula},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FieldContentOf(*row.value), row.content) << row.what;
}

}  // namespace
}  // namespace quillix::test
