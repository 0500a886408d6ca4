// SPDX-License-Identifier: GPL-3.0-or-later
#include "diag/log_text.h"

namespace quillix {

std::string TLogArg::Text() const {
    if (const long long* number = std::get_if<long long>(&value_)) return std::to_string(*number);
    return std::get<std::string>(value_);
}

std::string FormatLogPattern(std::string_view pattern, std::initializer_list<TLogArg> values) {
    if (values.size() == 0) return std::string(pattern);
    std::string text;
    const TLogArg* next = values.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char directive = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (c == '%' && directive == '%') {
            text += '%';
            ++i;
        } else if (c == '%' && (directive == 's' || directive == 'd') && next != values.end()) {
            text += next->Text();
            ++next;
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

std::string FormatLogLine(std::string_view text, std::string_view timeOfDay) {
    if (text == "-" || text == "=") return std::string(kLogRuleLength, text[0]);
    if (!text.empty() && (text[0] == '!' || text[0] == '-' || text[0] == '=')) {
        return std::string(text.substr(1));
    }
    std::string line;
    if (!timeOfDay.empty()) {
        line = std::string(timeOfDay);
        line += "   ";
    }
    line += text;
    return line;
}

}  // namespace quillix
