#include "engine/calc_inputor.h"

#include "common/calc_error.h"
#include "common/number_text.h"

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

void TCalcInputor::Paste(const std::string& text) {
    std::string integer, fraction;
    bool inFraction = false;
    bool negative = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            (inFraction ? fraction : integer) += c;
        } else if (c == '.') {
            inFraction = true;
        } else if (c == '-') {
            negative = true;
        } else if (c != ',') {
            return;  // anything else rejects the whole text
        }
    }
    Reset();
    IntText = integer.empty() ? "0" : integer;
    if (!fraction.empty()) {
        HasPoint = true;
        FracText = fraction;
    }
    Negative = negative;
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
