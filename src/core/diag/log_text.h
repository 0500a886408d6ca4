// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the diagnostic log: filling a pattern's "%s" and "%d" with values,
// and the line format (time stamp, rules of "-" and "=", the "!", "-" and "="
// marks that drop the time stamp).

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace quillix {

// A value for a pattern: a text or an integer.
class TLogArg {
  public:
    TLogArg(std::string_view text) : value_(std::string(text)) {}
    TLogArg(const char* text) : value_(std::string(text)) {}
    TLogArg(const std::string& text) : value_(text) {}
    template <std::integral Number>
    TLogArg(Number number) : value_(static_cast<long long>(number)) {}

    std::string Text() const;

  private:
    std::variant<long long, std::string> value_;
};

// Replaces each "%s" and "%d" by the next value (as text either way) and "%%" by
// "%". A pattern without values is taken unchanged; a specifier left without a
// value, or of another kind, stays as it is.
std::string FormatLogPattern(std::string_view pattern, std::initializer_list<TLogArg> values);

inline constexpr std::size_t kLogRuleLength = 79;

// One line of the log without its line end. timeOfDay is the long-time text, or
// empty when time stamps are off; it is followed by three blanks.
std::string FormatLogLine(std::string_view text, std::string_view timeOfDay);

}  // namespace quillix
