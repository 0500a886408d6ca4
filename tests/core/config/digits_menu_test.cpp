#include "config/digits_menu.h"

#include <gtest/gtest.h>

namespace quillix {
namespace {

struct DigitsRow {
    int tag;
    TDigitsChoice before;
    TDigitsChoice after;
    int checked;
};

TEST(DigitsMenu, ChoosingAnEntryAndItsCheckMark) {
    const DigitsRow rows[] = {
        // "Default" after "3" keeps 3 decimals for a later fixed choice.
        {0, {2, 3}, {0, 3}, 0},    {1, {0, 2}, {2, 0}, 1},  // "0"
        {6, {0, 2}, {2, 5}, 6},                             // "5"
        {19, {0, 2}, {2, 18}, 19},                          // "18"
        {20, {2, 4}, {2, 4}, 5},                            // no such entry: nothing changes
        {-1, {0, 4}, {0, 4}, 0},
    };
    for (const DigitsRow& row : rows) {
        const TDigitsChoice after = ChooseDigitsEntry(row.tag, row.before);
        EXPECT_EQ(after.ValueFormat, row.after.ValueFormat) << row.tag;
        EXPECT_EQ(after.ValueDigits, row.after.ValueDigits) << row.tag;
        EXPECT_EQ(CheckedDigitsEntry(after), row.checked) << row.tag;
    }
}

TEST(DigitsMenu, HandEditedDigitsCheckTheNearestEntry) {
    EXPECT_EQ(CheckedDigitsEntry({2, 40}), 19);
    EXPECT_EQ(CheckedDigitsEntry({2, -3}), 1);
}

TEST(DigitsMenu, CaptionsInTagOrder) {
    const auto captions = DigitsEntryCaptions();
    ASSERT_EQ(captions.size(), 20u);
    EXPECT_EQ(captions.front(), "Default");
    EXPECT_EQ(captions[1], "0");
    EXPECT_EQ(captions.back(), "18");
}

}  // namespace
}  // namespace quillix
