// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/depreciation_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/calc_error.h"
#include "support/error_message.h"

namespace quillix::tools {
namespace {

using M = TDepreciationMethod;

TDepreciationInputs Machine(M method, long double life = 4) {
    TDepreciationInputs in;
    in.cost = 1000;
    in.salvage = 100;
    in.life = life;
    in.factor = 2;
    in.method = method;
    return in;
}

std::vector<std::vector<std::string>> CellsOf(const std::vector<TDepreciationRow>& rows) {
    std::vector<std::vector<std::string>> cells;
    for (const TDepreciationRow& row : rows) {
        const auto c = DepreciationRowCells(row);
        cells.emplace_back(c.begin(), c.end());
    }
    return cells;
}

using Table = std::vector<std::vector<std::string>>;

TEST(DepreciationSchedule, RowsOfEachMethod) {
    struct Row {
        const char* what;
        TDepreciationInputs inputs;
        Table expected;
    };
    TDepreciationInputs thirds = Machine(M::StraightLine, 3);
    thirds.salvage = 0;
    const Row rows[] = {
        {"straight-line",
         Machine(M::StraightLine),
         {{"1", "225", "225", "775"},
          {"2", "225", "450", "550"},
          {"3", "225", "675", "325"},
          {"4", "225", "900", "100"}}},
        // The last year stops at the salvage value.
        {"declining balance",
         Machine(M::DecliningBalance),
         {{"1", "500", "500", "500"},
          {"2", "250", "750", "250"},
          {"3", "125", "875", "125"},
          {"4", "25", "900", "100"}}},
        {"sum of the years' digits",
         Machine(M::SumOfYearsDigits),
         {{"1", "360", "360", "640"},
          {"2", "270", "630", "370"},
          {"3", "180", "810", "190"},
          {"4", "90", "900", "100"}}},
        {"life truncated toward zero",
         Machine(M::StraightLine, 2.99L),
         {{"1", "450", "450", "550"}, {"2", "450", "900", "100"}}},
        {"fifteen significant digits",
         thirds,
         {{"1", "333.333333333333", "333.333333333333", "666.666666666667"},
          {"2", "333.333333333333", "666.666666666667", "333.333333333333"},
          {"3", "333.333333333333", "1000", "0"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(CellsOf(DepreciationSchedule(row.inputs)), row.expected);
    }
}

TEST(DepreciationSchedule, NoLifeGivesAnEmptyTable) {
    for (const long double life : {0.0L, 0.99L, -3.0L}) {
        SCOPED_TRACE(static_cast<double>(life));
        for (const M method : kDepreciationMethods) {
            EXPECT_TRUE(DepreciationSchedule(Machine(method, life)).empty());
        }
    }
}

TEST(DepreciationSchedule, ALifeTooLongToListFails) {
    EXPECT_EQ(DepreciationSchedule(Machine(M::StraightLine, 10000)).size(), 10000u);
    EXPECT_EQ(test::MessageOf<ECalcError>(
                  [] { DepreciationSchedule(Machine(M::StraightLine, 10001)); }, "no error"),
              "An expected life of more than 10000 years cannot be scheduled");
    EXPECT_EQ(test::MessageOf<ECalcError>(
                  [] { DepreciationSchedule(Machine(M::DecliningBalance, 1e30L)); }, "no error"),
              kMsgInvalidOperation);
}

TEST(DepreciationSchedule, TextPastesAsTabSeparatedLines) {
    EXPECT_EQ(DepreciationScheduleText(DepreciationSchedule(Machine(M::DecliningBalance))),
              "Year\tDepreciation\tTotal Depreciation\tBook Value\n"
              "1\t500\t500\t500\n"
              "2\t250\t750\t250\n"
              "3\t125\t875\t125\n"
              "4\t25\t900\t100\n");
    EXPECT_EQ(DepreciationScheduleText({}), "Year\tDepreciation\tTotal Depreciation\tBook Value\n");
}

}  // namespace
}  // namespace quillix::tools
