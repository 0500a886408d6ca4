// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/drop_down_placement.h"

#include <gtest/gtest.h>

namespace quillix {
namespace {

// A 1000 by 700 work area with its origin away from 0, so that an edge rule
// that forgets the origin shows.
const TScreenRect kWorkArea{100, 50, 1000, 700};  // right 1100, bottom 750

TEST(PlaceDropDown, KeepsTheWindowInsideEachEdge) {
    struct Row {
        const char* edge;
        TScreenRect field;
        int width, height;
        TScreenRect expected;
    };
    const Row rows[] = {
        // Room everywhere: under the field, left edges aligned, one pixel gap.
        {"middle", {400, 300, 186, 21}, 299, 237, {400, 322, 299, 237}},
        // Right edge: moved left so that its right edge meets the area's.
        {"right", {1000, 300, 186, 21}, 299, 237, {801, 322, 299, 237}},
        // Left edge: a field partly off the area starts at the area's left.
        {"left", {50, 300, 186, 21}, 299, 237, {100, 322, 299, 237}},
        // Wider than the area: as wide as the area, at its left.
        {"too wide", {400, 300, 186, 21}, 1200, 237, {100, 322, 1000, 237}},
        // Bottom edge with more room above: opens upwards, touching the field.
        {"bottom", {400, 650, 186, 21}, 299, 237, {400, 413, 299, 237}},
        // Top edge: room below, opens downwards as usual.
        {"top", {400, 50, 186, 21}, 299, 237, {400, 72, 299, 237}},
        // Passes the bottom but the room below is larger: stays below, cut at the bottom.
        {"cut below", {400, 380, 186, 21}, 299, 400, {400, 402, 299, 348}},
        // Opens upwards but is taller than the room above: cut at the top.
        {"cut above", {400, 500, 186, 21}, 299, 600, {400, 50, 299, 450}},
        // Bottom right corner: both rules at once.
        {"corner", {1050, 720, 186, 21}, 299, 237, {801, 483, 299, 237}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PlaceDropDown(row.field, row.width, row.height, kWorkArea), row.expected)
            << row.edge;
}

TEST(PlaceDropDown, AFieldTallerThanTheAreaGivesAnEmptyWindowNotANegativeOne) {
    // No room above nor below: the window stays under the field, past the
    // area's bottom, where nothing of the area is left for it.
    const TScreenRect place = PlaceDropDown({0, 50, 10, 100}, 299, 237, {0, 100, 100, 10});
    EXPECT_EQ(place.Top, 151);
    EXPECT_EQ(place.Height, 0);
}

}  // namespace
}  // namespace quillix
