// SPDX-License-Identifier: GPL-3.0-or-later
// The arguments a parameter dialog remembers: the section of a function, what
// reads back from what is stored, and what is written.
#include "config/remembered_arguments.h"

#include <gtest/gtest.h>

#include "config/last_data.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

TEST(RememberedArguments, StoredTextsReadBackAsNumbersWhereTheyAreOnes) {
    TempFolder folder;
    folder.Write("lastdata.ini",
                 "[Func_NPV]\nRate=abc\nType= 1 \nCashFlows=\"1\",[2023-03-15],3\n"
                 "[Func_Sum]\nNumbers=\nEmpty=,\n");
    struct NumberRow {
        const char* function;
        const char* param;
        std::optional<long double> number;
    };
    const NumberRow numbers[] = {
        {"NPV", "Rate", std::nullopt},  // no number: the default stays
        {"NPV", "Type", 1},
        {"NPV", "Missing", std::nullopt},
        {"PMT", "Rate", std::nullopt},
    };
    for (const NumberRow& row : numbers)
        EXPECT_EQ(RememberedNumber(folder.Path(), row.function, row.param), row.number)
            << row.function << "/" << row.param;

    struct ListRow {
        const char* function;
        const char* param;
        bool present;
        std::vector<long double> numbers;
        bool complete;
    };
    const ListRow lists[] = {
        {"NPV", "CashFlows", true, {1, 3}, false},  // a date's shown text is left out
        {"Sum", "Numbers", true, {}, true},
        {"Sum", "Empty", true, {}, false},
        {"Sum", "Other", false, {}, true},
    };
    for (const ListRow& row : lists) {
        const std::optional<TRememberedList> list =
            RememberedList(folder.Path(), row.function, row.param);
        ASSERT_EQ(list.has_value(), row.present) << row.param;
        if (!list) continue;
        EXPECT_EQ(list->Numbers, row.numbers) << row.param;
        EXPECT_EQ(list->Complete, row.complete) << row.param;
    }
}

TEST(RememberedArguments, WrittenUnderTheFunctionsSection) {
    TempFolder folder;
    EXPECT_EQ(RememberedSection("NPV"), "Func_NPV");
    RememberNumber(folder.Path(), "NPV", "Rate", 0.08L);
    RememberList(folder.Path(), "NPV", "CashFlows", {"-100", "60.5", "2023-03-15", "a b"});
    std::string text;
    ASSERT_TRUE(ReadLastText(folder.Path(), "Func_NPV", "Rate", text));
    EXPECT_EQ(text, "0.08");
    ASSERT_TRUE(ReadLastText(folder.Path(), "Func_NPV", "CashFlows", text));
    EXPECT_EQ(text, "-100,60.5,2023-03-15,\"a b\"");
    EXPECT_EQ(RememberedNumber(folder.Path(), "NPV", "Rate"), 0.08L);
}

}  // namespace
}  // namespace quillix::test
