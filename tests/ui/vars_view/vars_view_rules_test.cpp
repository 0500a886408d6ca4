// SPDX-License-Identifier: GPL-3.0-or-later
// The enabled rules of the variables view's commands and the order of the
// deletes, without widgets.

#include <gtest/gtest.h>

#include "vars_view/vars_view_rules.h"

namespace quillix {
namespace {

TEST(VarsViewRules, CommandStates) {
    auto facts = [](int rows, std::vector<int> selected) {
        TVarsViewFacts facts;
        facts.RowCount = rows;
        facts.SelectedRows = std::move(selected);
        facts.HasVars = true;
        facts.HasKeypad = true;
        return facts;
    };
    TVarsViewFacts noSet = facts(3, {1});
    noSet.HasVars = false;
    TVarsViewFacts noKeypad = facts(3, {1});
    noKeypad.HasKeypad = false;
    // Up, Down, Copy, SetType, Delete, Clear, CreateFunction, Statistical,
    // Properties, ProgramProperties, EditFormula.
    const struct {
        const char* Name;
        TVarsViewFacts Facts;
        TVarsCommandStates Expected;
    } cases[] = {
        {"nothing selected",
         facts(3, {}),
         {false, false, false, false, false, true, true, true, false, true, false}},
        {"first of three",
         facts(3, {0}),
         {false, true, true, true, true, true, true, true, true, true, true}},
        {"middle",
         facts(3, {1}),
         {true, true, true, true, true, true, true, true, true, true, true}},
        {"last",
         facts(3, {2}),
         {true, false, true, true, true, true, true, true, true, true, true}},
        {"only row",
         facts(1, {0}),
         {false, false, true, true, true, true, true, true, true, true, true}},
        {"two rows",
         facts(3, {0, 2}),
         {false, false, false, true, true, true, true, true, false, true, false}},
        {"no set", noSet, {}},
        {"no keypad",
         noKeypad,
         {true, true, true, true, true, true, true, false, true, true, true}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VarsCommandStates(c.Facts), c.Expected) << c.Name;
    }
}

TEST(VarsViewRules, DeletionIndicesShiftAfterEachDelete) {
    const struct {
        std::vector<int> Rows;
        std::vector<int> Indices;
    } cases[] = {
        {{}, {}},
        {{3}, {3}},
        {{0, 1, 2}, {0, 0, 0}},
        {{1, 4, 6}, {1, 3, 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeletionIndices(c.Rows), c.Indices);
}

}  // namespace
}  // namespace quillix
