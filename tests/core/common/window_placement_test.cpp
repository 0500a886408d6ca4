// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace quillix {
namespace {

// An 1280 by 984 area below a 40-pixel panel, its origin away from 0.
const TScreenRect kArea{0, 40, 1280, 984};  // right 1280, bottom 1024
constexpr int kMinWidth = 400;
constexpr int kMinHeight = 300;

TEST(ClampWindowPlacement, KeepsAKeptPlacementOnItsScreen) {
    struct Row {
        const char* what;
        TScreenRect wanted;
        TScreenRect expected;
    };
    const Row rows[] = {
        {"inside stays", {258, 193, 600, 400}, {258, 193, 600, 400}},
        {"huge size is cut to the area", {258, 193, 99999999, 99999999}, {0, 40, 1280, 984}},
        {"far right moves in", {100000, 193, 600, 400}, {680, 193, 600, 400}},
        {"far left moves in", {-5000, 193, 600, 400}, {0, 193, 600, 400}},
        {"under the panel moves down", {258, 0, 600, 400}, {258, 40, 600, 400}},
        {"below the bottom moves up", {258, 2000, 600, 400}, {258, 624, 600, 400}},
        {"tiny grows to the minimum", {258, 193, 10, 10}, {258, 193, 400, 300}},
        {"past the right edge", {1000, 193, 600, 400}, {680, 193, 600, 400}},
        {"extreme integers", {INT_MAX, INT_MIN, INT_MAX, INT_MAX}, {0, 40, 1280, 984}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ClampWindowPlacement(row.wanted, kArea, kMinWidth, kMinHeight), row.expected)
            << row.what;
}

TEST(ClampWindowPlacement, AnAreaSmallerThanTheMinimumWins) {
    const TScreenRect small{0, 0, 320, 240};
    EXPECT_EQ(ClampWindowPlacement({50, 50, 600, 400}, small, kMinWidth, kMinHeight),
              (TScreenRect{0, 0, 320, 240}));
}

TEST(ClampWindowPlacement, NoAreaLeavesThePlacementAlone) {
    const TScreenRect wanted{10, 20, 600, 400};
    EXPECT_EQ(ClampWindowPlacement(wanted, {}, kMinWidth, kMinHeight), wanted);
}

TEST(StartWindow, HowTheMainWindowFirstAppears) {
    struct Row {
        bool hidden;
        bool tray;
        TStartWindow start;
    };
    const Row rows[] = {
        {false, true, TStartWindow::Shown},
        {false, false, TStartWindow::Shown},
        {true, true, TStartWindow::HiddenInTray},
        // Without a notification area a hidden window could not be reached.
        {true, false, TStartWindow::Minimised},
    };
    for (const Row& row : rows)
        EXPECT_EQ(StartWindow(row.hidden, row.tray), row.start) << row.hidden << row.tray;
}

}  // namespace
}  // namespace quillix
