// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/comma_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quillix {
namespace {

using Items = std::vector<std::string>;

TEST(CommaText, QuotesOnlyTheItemsThatNeedIt) {
    struct Row {
        Items items;
        const char* text;
    };
    const Row rows[] = {
        {{}, ""},
        {{"X", "Rate", "y1"}, "X,Rate,y1"},
        {{"two words"}, "\"two words\""},
        {{"1,234.5", "2"}, "\"1,234.5\",2"},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{""}, "\"\""},
        {{"a", "", "b"}, "a,\"\",b"},
        {{"tab\there"}, "\"tab\there\""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ToCommaText(row.items), row.text);
        EXPECT_EQ(ParseCommaText(row.text), row.items) << row.text;
    }
}

TEST(CommaText, ReadsMalformedTextLeniently) {
    struct Row {
        const char* text;
        Items items;
    };
    const Row rows[] = {
        {"   ", {}},
        {" X , Y ,Z", {"X", "Y", "Z"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {",", {"", ""}},
        {"\"unclosed, still one", {"unclosed, still one"}},
        {"\"a\"b, c", {"ab", "c"}},
        {"\"a\" , b", {"a", "b"}},
        {"\"\"\"", {"\""}},
        {"a b", {"a b"}},
        {"\"", {""}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParseCommaText(row.text), row.items) << row.text;
}

TEST(CommaText, RandomListsRoundTripAndRandomTextsReadStably) {
    std::mt19937 random(4242);
    const std::string alphabet = "ab ,\"\t;=xY1";
    std::uniform_int_distribution<int> count(0, 6), length(0, 8);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    const auto randomText = [&](int size) {
        std::string text;
        for (int i = 0; i < size; ++i)
            text += alphabet[pick(random)];
        return text;
    };
    for (int i = 0; i < 3000; ++i) {
        Items items(count(random));
        for (std::string& item : items)
            item = randomText(length(random));
        ASSERT_EQ(ParseCommaText(ToCommaText(items)), items) << ToCommaText(items);

        const Items read = ParseCommaText(randomText(3 * length(random)));
        ASSERT_EQ(ParseCommaText(ToCommaText(read)), read);
    }
}

}  // namespace
}  // namespace quillix
