// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/calendar.h"
#include "common/date_format.h"
#include "model/formula_date_text.h"

namespace quillix {
namespace {

std::string DayMonthYear(const CivilDate& d) {
    return std::to_string(d.day) + "/" + std::to_string(d.month) + "/" + std::to_string(d.year);
}

std::string MonthDayShortYear(const CivilDate& d) {
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" +
           std::to_string(d.year % 100);
}

std::string YearFirstDotted(const CivilDate& d) {
    return std::to_string(d.year) + ". " + std::to_string(d.month) + ". " + std::to_string(d.day) +
           ".";
}

class TypedDate : public ::testing::Test {
  protected:
    void TearDown() override { SetShortDateFormatter(nullptr); }
};

TEST_F(TypedDate, TheShortFormInUseAndIsoGiveTheDayNothingElseDoes) {
    struct Row {
        std::string (*form)(const CivilDate&);
        const char* typed;
        std::optional<CivilDate> date;
    };
    const Row rows[] = {
        {DayMonthYear, "29/2/2024", CivilDate{2024, 2, 29}},
        {DayMonthYear, " 01/03/2024 ", CivilDate{2024, 3, 1}},
        {DayMonthYear, "2024-02-29", CivilDate{2024, 2, 29}},  // ISO whatever the form
        {DayMonthYear, "2/29/2024", std::nullopt},             // no 29th month
        {MonthDayShortYear, "2/29/24", CivilDate{2024, 2, 29}},
        {MonthDayShortYear, "12/31/50", CivilDate{1950, 12, 31}},
        {YearFirstDotted, "2024. 2. 29.", CivilDate{2024, 2, 29}},
        {DayMonthYear, "29/02/2023", std::nullopt},  // not a leap year
        {DayMonthYear, "45351", std::nullopt},       // a number alone is no typed date
        {DayMonthYear, "-5", std::nullopt},
        {DayMonthYear, "29.02", std::nullopt},
        {DayMonthYear, "29 Feb 2024", std::nullopt},
        {DayMonthYear, "2024-02-29x", std::nullopt},
        {DayMonthYear, "2024-02", std::nullopt},
        {DayMonthYear, "1/2/3/4", std::nullopt},
        {DayMonthYear, "", std::nullopt},
    };
    for (const Row& row : rows) {
        SetShortDateFormatter(row.form);
        const std::optional<double> day = ReadTypedDate(row.typed);
        ASSERT_EQ(day.has_value(), row.date.has_value()) << "'" << row.typed << "'";
        if (row.date) {
            EXPECT_EQ(*day, DayNumberFromCivil(row.date->year, row.date->month, row.date->day))
                << row.typed;
        }
    }
}

}  // namespace
}  // namespace quillix
