// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formula_date_text.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "common/calendar.h"
#include "common/date_format.h"
#include "common/number_text.h"
#include "common/text_compare.h"

namespace quillix {

namespace {

struct DigitGroup {
    int value = 0;
    std::size_t length = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The runs of digits of the text; nothing when one is too long to be a date part.
std::optional<std::vector<DigitGroup>> DigitGroups(std::string_view text) {
    std::vector<DigitGroup> groups;
    for (std::size_t i = 0; i < text.size();) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        DigitGroup group;
        while (i < text.size() && IsDigit(text[i])) {
            if (++group.length > 4) return std::nullopt;
            group.value = group.value * 10 + (text[i] - '0');
            ++i;
        }
        groups.push_back(group);
    }
    return groups;
}

enum Part { kYear, kMonth, kDay };

// Where year, month and day stand in the short date form in use, found by
// showing a probe date whose parts are told apart by their values.
std::array<Part, 3> ShortDateOrder() {
    const std::optional<std::vector<DigitGroup>> groups =
        DigitGroups(FormatShortDate({2033, 11, 22}));
    std::array<Part, 3> order{kMonth, kDay, kYear};
    if (!groups || groups->size() != 3) return order;
    for (std::size_t i = 0; i < 3; ++i) {
        const int value = (*groups)[i].value;
        if (value == 2033 || value == 33) {
            order[i] = kYear;
        } else if (value == 11) {
            order[i] = kMonth;
        } else if (value == 22) {
            order[i] = kDay;
        } else {
            return {kMonth, kDay, kYear};
        }
    }
    return order;
}

std::optional<double> DayOf(int year, int month, int day) {
    if (year < kMinDateYear || year > kMaxDateYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return std::nullopt;
    }
    return static_cast<double>(DayNumberFromCivil(year, month, day));
}

}  // namespace

std::optional<double> ReadDateText(std::string_view text) {
    text = TrimAny(text, " \t");
    if (const std::optional<long double> day = ParseDecimal(text)) {
        // Days are doubles: a number beyond their range is no day.
        const double whole = static_cast<double>(std::trunc(*day));
        if (!std::isfinite(whole)) return std::nullopt;
        return whole;
    }
    const std::optional<std::vector<DigitGroup>> groups = DigitGroups(text);
    if (!groups || groups->size() != 3) return std::nullopt;
    // A four-digit first part is a year: the ISO form, whatever the short form.
    std::array<Part, 3> order =
        (*groups)[0].length == 4 ? std::array<Part, 3>{kYear, kMonth, kDay} : ShortDateOrder();
    std::array<DigitGroup, 3> parts;
    for (std::size_t i = 0; i < 3; ++i)
        parts[order[i]] = (*groups)[i];
    int year = parts[kYear].value;
    if (parts[kYear].length <= 2) year += year < 50 ? 2000 : 1900;
    return DayOf(year, parts[kMonth].value, parts[kDay].value);
}

std::optional<double> ReadTypedDate(std::string_view text) {
    text = TrimAny(text, " \t");
    for (const char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return std::nullopt;
    }
    if (ParseDecimal(text)) return std::nullopt;
    return ReadDateText(text);
}

}  // namespace quillix
