// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calc_inputor.h"

#include "common/calc_error.h"
#include "common/number_text.h"
#include "common/text_compare.h"

namespace quillix {

long double TCalcInputor::Reset() {
    *this = TCalcInputor();
    return 0;
}

bool TCalcInputor::IntegerPartIsZero() const {
    return IntText.find_first_not_of('0') == std::string::npos;
}

void TCalcInputor::AppendDigits(const std::string& digits) {
    const int used = static_cast<int>(IntText.size() + FracText.size());
    if (used > kMaxMantissaDigits - static_cast<int>(digits.size())) return;
    if (HasExp) {
        ExpText += digits;
    } else if (HasPoint) {
        FracText += digits;
    } else if (!IntegerPartIsZero()) {
        IntText += digits;
    } else if (digits != "00" && digits != "000") {
        IntText = digits;  // the leading zero is replaced; "0" on "0" stays "0"
    }
}

void TCalcInputor::Backspace() {
    if (HasExp) {
        if (!ExpText.empty())
            ExpText.pop_back();
        else
            HasExp = false;
    } else if (HasPoint) {
        if (!FracText.empty())
            FracText.pop_back();
        else
            HasPoint = false;
    } else if (!IntegerPartIsZero()) {
        IntText.pop_back();
    }
    if (IntText.empty()) IntText.push_back('0');
}

// What the display can show reads back: digits with "," grouping and one
// ".", a "-" (which marks the number negative wherever it stands in the
// mantissa), an exponent "E" or "e" with an optional sign, and blanks around
// the whole. A second "." changes nothing. Any other character refuses the
// text, so that a date, an error message or "INF" is never read as a number.
std::optional<TCalcInputor> TCalcInputor::Read(std::string_view text) {
    text = TrimIf(text, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    TCalcInputor read;
    std::string integer;
    bool inFraction = false;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'E' && text[i] != 'e'; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            (inFraction ? read.FracText : integer) += c;
        } else if (c == '.') {
            inFraction = true;
        } else if (c == '-') {
            read.Negative = true;
        } else if (c != ',') {
            return std::nullopt;
        }
    }
    if (!integer.empty()) read.IntText = integer;
    read.HasPoint = !read.FracText.empty();
    if (i == text.size()) return read;
    read.HasExp = true;
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) read.ExpNegative = text[i++] == '-';
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        read.ExpText += text[i];
    }
    return read;
}

bool TCalcInputor::IsPastable(std::string_view text) {
    return Read(text).has_value();
}

void TCalcInputor::Paste(std::string_view text) {
    if (std::optional<TCalcInputor> read = Read(text)) *this = std::move(*read);
}

long double TCalcInputor::Input(std::uint8_t code, const TCalcCommondData* data) {
    static const char* const kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    if (code >= ccDigit0 && code <= ccDigit9) {
        AppendDigits(kDigits[code - ccDigit0]);
    } else if (code == ccDigit00) {
        AppendDigits("00");
    } else if (code == ccDigit000) {
        AppendDigits("000");
    } else if (code == ccExponent) {
        HasExp = true;
    } else if (code == ccPaste) {
        Paste(data ? data->Text : std::string());
    } else if (code == ccBackspace) {
        Backspace();
    } else if (code == ccDecimalPoint) {
        HasPoint = true;
    } else if (code == ccChangeSign) {
        if (HasExp)
            ExpNegative = !ExpNegative;
        else
            Negative = !Negative;
    }
    return GetValue();
}

long double TCalcInputor::GetValue() const {
    std::string text = IntText;
    if (HasPoint && !FracText.empty()) text += "." + FracText;
    if (HasExp && !ExpText.empty()) text += (ExpNegative ? "e-" : "e+") + ExpText;
    const std::optional<long double> value = ParseDecimal(text);
    if (!value) RaiseCalcError("'" + text + "' is not a valid floating point value");
    return Negative ? -*value : *value;
}

std::string TCalcInputor::GetText(int style) const {
    std::string text = Negative ? "-" : "";
    text += style == 3 ? GroupDigits(IntText) : IntText;
    if (HasPoint) text += "." + FracText;
    if (HasExp) text += std::string("E") + (ExpNegative ? "-" : "+") + ExpText;
    return text;
}

}  // namespace quillix
