// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/depreciation_schedule.h"

#include "common/calc_error.h"
#include "common/fp_checks.h"
#include "functions/func_finance.h"
#include "functions/numeric_rules.h"
#include "tools/schedule_text.h"

namespace quillix::tools {

namespace {

long double DepreciationOfYear(const TDepreciationInputs& in, long double life, long double year) {
    switch (in.method) {
        case TDepreciationMethod::StraightLine:
            return funcs::SLNDepreciation(in.cost, in.salvage, life);
        case TDepreciationMethod::SumOfYearsDigits:
            return funcs::SYDDepreciation(in.cost, in.salvage, life, year);
        case TDepreciationMethod::DecliningBalance:
            return funcs::DDBDepreciation(in.cost, in.salvage, life, year, in.factor);
    }
    RaiseInvalidOperation();
}

}  // namespace

std::vector<TDepreciationRow> DepreciationSchedule(const TDepreciationInputs& inputs) {
    const std::int64_t life = IntegerArgument(inputs.life);
    if (life <= 0) return {};
    if (life > kMaxScheduleRows) {
        RaiseCalcError("An expected life of more than " + std::to_string(kMaxScheduleRows) +
                       " years cannot be scheduled");
    }
    std::vector<TDepreciationRow> rows;
    rows.reserve(static_cast<std::size_t>(life));
    long double total = 0;
    for (std::int64_t year = 1; year <= life; ++year) {
        const long double depreciation = DepreciationOfYear(inputs, static_cast<long double>(life),
                                                            static_cast<long double>(year));
        total = CheckedAdd(total, depreciation);
        rows.push_back({year, depreciation, total, CheckedSubtract(inputs.cost, total)});
    }
    return rows;
}

std::array<std::string, 4> DepreciationRowCells(const TDepreciationRow& row) {
    return {std::to_string(row.year), ScheduleNumberText(row.depreciation),
            ScheduleNumberText(row.totalDepreciation), ScheduleNumberText(row.bookValue)};
}

std::string DepreciationScheduleText(const std::vector<TDepreciationRow>& rows) {
    std::string text = TabSeparatedLine({kDepreciationColumns[0], kDepreciationColumns[1],
                                         kDepreciationColumns[2], kDepreciationColumns[3]});
    for (const TDepreciationRow& row : rows) {
        const std::array<std::string, 4> cells = DepreciationRowCells(row);
        text += TabSeparatedLine({cells[0], cells[1], cells[2], cells[3]});
    }
    return text;
}

}  // namespace quillix::tools
