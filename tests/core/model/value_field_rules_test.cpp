// SPDX-License-Identifier: GPL-3.0-or-later
// How windows colour a value and what typing over a number field leaves.
#include "model/value_field_rules.h"

#include <gtest/gtest.h>

#include "model/operate_binary.h"
#include "tree_builders.h"

namespace quillix::test {
namespace {

using ValueFieldRules = ModelTest;

TEST_F(ValueFieldRules, ToneByKindAndShownSign) {
    SetValueFormat(2);  // "-0.001" shows as "0.00"
    const struct {
        const char* what;
        ValueRef value;
        TValueTone tone;
    } rows[] = {
        {"date", TCalcValue::NewDate(45000), TValueTone::Date},
        {"negative", Num(-1.5L), TValueTone::Negative},
        {"error", Make<TCalcOperateDIV>(Num(1), Num(0)), TValueTone::Negative},
        {"zero", Num(0), TValueTone::Plain},
        {"positive", Num(3), TValueTone::Plain},
        {"rounds to zero", Num(-0.001L), TValueTone::Plain},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ValueTone(*row.value), row.tone) << row.what;
}

TEST_F(ValueFieldRules, TypingOverAValue) {
    const ValueRef typed = Num(4);
    const ValueRef computed = Make<TCalcOperatePlus>(Num(2), Num(3));
    const ValueRef date = TCalcValue::NewDate(45000);
    const ValueRef error = Make<TCalcOperateDIV>(Num(1), Num(0));
    ASSERT_EQ(error->CVType(), cvError);

    const TTypedOver overTyped = TypingOver(typed);
    EXPECT_EQ(overTyped.Value.get(), typed.get()) << "a typed number stays itself";
    EXPECT_FALSE(overTyped.ClearText);

    const TTypedOver overComputed = TypingOver(computed);
    EXPECT_NE(overComputed.Value.get(), computed.get());
    EXPECT_EQ(overComputed.Value->Number(), 5);
    EXPECT_EQ(overComputed.Value->Operate(), nullptr) << "the formula goes";
    EXPECT_FALSE(overComputed.ClearText);

    for (const ValueRef& value : {date, error}) {
        const TTypedOver over = TypingOver(value);
        EXPECT_EQ(over.Value->CVType(), cvNumber);
        EXPECT_EQ(over.Value->Number(), 0);
        EXPECT_TRUE(over.ClearText);
    }
}

}  // namespace
}  // namespace quillix::test
