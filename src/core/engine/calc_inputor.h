// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcInputor: the editor of the number being typed. It keeps the number as
// text (integer, fraction and exponent digits with their signs), applies the
// number-entry commands, converts the text after every change and gives the
// text to show while typing. It does not decide when entry starts or ends; the
// processors do.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/calc_commands.h"

namespace quillix {

inline constexpr int kMaxMantissaDigits = 15;

class TCalcInputor {
  public:
    // Back to "0"; returns 0.
    long double Reset();
    // Applies one number-entry command and returns the number the text denotes.
    // A text outside the extended range raises ECalcError with the message
    // "'<text>' is not a valid floating point value"; the characters stay.
    long double Input(std::uint8_t code, const TCalcCommondData* data);
    long double GetValue() const;
    // The text to show: style 3 groups the integer digits.
    std::string GetText(int style) const;
    // Whether a paste of text would be taken: every text the display shows
    // (grouped, signed, with an exponent, blanks around it) is; a date, an
    // error message or any other text is refused and changes nothing. A taken
    // text may still lie beyond the extended range, which Input reports.
    static bool IsPastable(std::string_view text);

    bool Negative = false;
    std::string IntText = "0";
    std::string FracText;
    bool HasPoint = false;
    std::string ExpText;
    bool HasExp = false;
    bool ExpNegative = false;

  private:
    void AppendDigits(const std::string& digits);
    void Backspace();
    void Paste(std::string_view text);
    static std::optional<TCalcInputor> Read(std::string_view text);
    bool IntegerPartIsZero() const;
};

}  // namespace quillix
