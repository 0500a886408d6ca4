// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number_text.h"
#include "common/text_compare.h"

#include <locale.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace quillix {

namespace {

struct Decomposed {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros, at least one
    int exp10 = 0;       // value = d.ddd x 10^exp10
};

// The digits and exponent of a text in the form of "%e" ("-1.2345e+05").
Decomposed DecomposeText(const char* buffer);

Decomposed Decompose(long double x, int precision) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, x);
    return DecomposeText(buffer);
}

// The same for a double, through the much faster std::to_chars.
Decomposed Decompose(double x, int precision) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, x,
                                      std::chars_format::scientific, precision - 1);
    *result.ptr = '\0';
    return DecomposeText(buffer);
}

Decomposed DecomposeText(const char* buffer) {
    Decomposed out;
    const char* p = buffer;
    if (*p == '-') {
        out.negative = true;
        ++p;
    }
    for (; *p != 'e' && *p != '\0'; ++p) {
        if (*p != '.') out.digits.push_back(*p);
    }
    if (*p == 'e') out.exp10 = std::atoi(p + 1);
    while (out.digits.size() > 1 && out.digits.back() == '0')
        out.digits.pop_back();
    return out;
}

std::string SpecialText(long double x) {
    if (std::isnan(x)) return "NAN";
    return x < 0 ? "-INF" : "INF";
}

std::string Scientific(const Decomposed& d, int minExpDigits) {
    std::string text = d.negative ? "-" : "";
    text += d.digits[0];
    if (d.digits.size() > 1) {
        text += '.';
        text.append(d.digits, 1, std::string::npos);
    }
    text += 'E';
    if (d.exp10 < 0) text += '-';
    std::string exponent = std::to_string(std::abs(d.exp10));
    if (minExpDigits <= 4 && static_cast<int>(exponent.size()) < minExpDigits) {
        exponent.insert(0, minExpDigits - exponent.size(), '0');
    }
    return text + exponent;
}

std::string Plain(const Decomposed& d) {
    std::string integer, fraction;
    if (d.exp10 >= 0) {
        const std::size_t intLen = static_cast<std::size_t>(d.exp10) + 1;
        if (d.digits.size() <= intLen) {
            integer = d.digits + std::string(intLen - d.digits.size(), '0');
        } else {
            integer = d.digits.substr(0, intLen);
            fraction = d.digits.substr(intLen);
        }
    } else {
        integer = "0";
        fraction = std::string(static_cast<std::size_t>(-d.exp10 - 1), '0') + d.digits;
    }
    std::string text = d.negative ? "-" : "";
    text += integer;
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

bool AllZeroDigits(std::string_view text) {
    for (char c : text) {
        if (c >= '1' && c <= '9') return false;
    }
    return true;
}

locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return locale;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsDecimalSyntax(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && IsDigit(s[i]))
        ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

// Texts of at most 19 significant digits with a small exponent convert with one
// correctly rounded operation: both the digits as an integer and the power of
// ten (up to 10^27) are exact in the extended type. Anything else is left to
// the C library. The text has passed IsDecimalSyntax.
std::optional<long double> ParseExactly(std::string_view s) {
    constexpr int kMaxExactPower = 27;
    std::size_t i = 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
    std::uint64_t digits = 0;
    int significant = 0;
    int scale = 0;  // decimal places taken into digits
    bool fraction = false;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.') {
            fraction = true;
            continue;
        }
        if (digits == 0 && s[i] == '0') {
            if (fraction) ++scale;  // leading zeros only shift the point
            continue;
        }
        if (++significant > 19) return std::nullopt;
        digits = digits * 10 + static_cast<std::uint64_t>(s[i] - '0');
        if (fraction) ++scale;
    }
    int exponent = 0;
    if (i < s.size()) {
        ++i;
        bool negativeExponent = false;
        if (s[i] == '+' || s[i] == '-') negativeExponent = s[i++] == '-';
        for (; i < s.size(); ++i) {
            exponent = exponent * 10 + (s[i] - '0');
            if (exponent > 10000) return std::nullopt;
        }
        if (negativeExponent) exponent = -exponent;
    }
    const int power = exponent - scale;
    if (power > kMaxExactPower || power < -kMaxExactPower) {
        if (digits != 0) return std::nullopt;
    }
    long double value = static_cast<long double>(digits);
    if (digits != 0) {
        long double tenth = 1;
        for (int k = 0; k < (power < 0 ? -power : power); ++k)
            tenth *= 10;
        value = power < 0 ? value / tenth : value * tenth;
    }
    return negative ? -value : value;
}

}  // namespace

namespace {

template <class Real>
std::string FormatGeneral(Real x, int precision, int minExpDigits) {
    if (!std::isfinite(x)) return SpecialText(x);
    if (x == 0) return "0";
    const Decomposed d = Decompose(x, precision);
    const int e = d.exp10 + 1;
    if (e >= -3 && e <= precision) return Plain(d);
    return Scientific(d, minExpDigits);
}

}  // namespace

std::string FormatFloatGeneral(long double x, int precision, int minExpDigits) {
    return FormatGeneral(x, precision, minExpDigits);
}

std::string FormatFloatFixed(long double x, int decimals, int precision, int minExpDigits) {
    if (!std::isfinite(x)) return SpecialText(x);
    if (decimals < 0) decimals = 0;
    if (decimals > 18) decimals = 18;
    const long double magnitude = std::fabs(x);
    if (magnitude >= std::pow(10.0L, precision)) {
        return FormatFloatGeneral(x, precision, minExpDigits);
    }
    int intDigits = 0;
    for (long double m = magnitude; m >= 1 && intDigits < precision; m /= 10)
        ++intDigits;
    const int shown = std::min(decimals, std::max(0, precision - intDigits));
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", shown, x);
    std::string text = buffer;
    if (shown < decimals) {
        if (shown == 0) text += '.';
        text.append(static_cast<std::size_t>(decimals - shown), '0');
    }
    if (text[0] == '-' && AllZeroDigits(text)) text.erase(0, 1);
    return text;
}

std::string GroupDigits(std::string_view text) {
    std::string sign;
    std::size_t start = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        sign = text[0];
        start = 1;
    }
    std::size_t end = text.find_first_of(".Ee", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view integer = text.substr(start, end - start);
    std::string grouped;
    grouped.reserve(integer.size() + integer.size() / 3);
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) grouped += ',';
        grouped += integer[i];
    }
    return sign + grouped + std::string(text.substr(end));
}

std::string FormatFloat15(double x) {
    return FormatGeneral(x, 15, 0);
}

std::string FormatFloatStored(long double x) {
    const long double magnitude = std::fabs(x);
    const bool outsideDouble =
        std::isfinite(x) && x != 0 && (magnitude > DBL_MAX || magnitude < DBL_MIN);
    if (!outsideDouble) return FormatFloat15(static_cast<double>(x));
    for (int digits = 15;; ++digits) {
        std::string text = FormatFloatGeneral(x, digits, 0);
        // max_digits10 digits always read back the same, so the loop ends there.
        if (digits >= std::numeric_limits<long double>::max_digits10 || ParseDecimal(text) == x)
            return text;
    }
}

namespace {

// FormatFloat15 of a finite, non-zero double into buffer (at least 32 bytes);
// the end of the text. The 15 significant digits come from one std::to_chars
// in scientific form, then take the plain or the scientific layout.
char* WriteFloat15(char* buffer, double x) {
    char scientific[32];
    const char* end = std::to_chars(scientific, scientific + sizeof scientific, x,
                                    std::chars_format::scientific, 14)
                          .ptr;
    const char* p = scientific;
    char* out = buffer;
    if (*p == '-') *out++ = *p++;
    char digits[16];
    int count = 0;
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.') digits[count++] = *p;
    }
    while (count > 1 && digits[count - 1] == '0')
        --count;
    int exp10 = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exp10);
    const int e = exp10 + 1;
    if (e < -3 || e > 15) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            out = std::copy(digits + 1, digits + count, out);
        }
        *out++ = 'E';
        return std::to_chars(out, buffer + 32, exp10).ptr;
    }
    if (exp10 < 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exp10 - 1, '0');
        return std::copy(digits, digits + count, out);
    }
    const int integerDigits = exp10 + 1;
    const int taken = std::min(count, integerDigits);
    out = std::copy(digits, digits + taken, out);
    out = std::fill_n(out, integerDigits - taken, '0');
    if (count > integerDigits) {
        *out++ = '.';
        out = std::copy(digits + integerDigits, digits + count, out);
    }
    return out;
}

}  // namespace

char* WriteFloatStored(char* out, long double x) {
    const long double magnitude = std::fabs(x);
    if (!std::isfinite(x) || (x != 0 && (magnitude > DBL_MAX || magnitude < DBL_MIN))) {
        const std::string text = FormatFloatStored(x);
        return std::copy_n(text.data(), std::min(text.size(), kMaxStoredNumberLength), out);
    }
    const double d = static_cast<double>(x);
    if (d == 0) {
        *out = '0';
        return out + 1;
    }
    if (std::fabs(d) < 1E15 && std::trunc(d) == d)
        return std::to_chars(out, out + kMaxStoredNumberLength, static_cast<long long>(d)).ptr;
    return WriteFloat15(out, d);
}

namespace {

constexpr int kMaxExactPowerOfTen = 27;

constexpr std::array<long double, kMaxExactPowerOfTen + 1> PowersOfTen() {
    std::array<long double, kMaxExactPowerOfTen + 1> powers{};
    long double power = 1;
    for (long double& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}

constexpr std::array<long double, kMaxExactPowerOfTen + 1> kPowersOfTen = PowersOfTen();

// The usual number of a file or an entry, a sign and digits with at most one
// ".", in one pass, with the one correctly rounded operation of ParseExactly;
// nothing for any other text, which the full reader then takes.
std::optional<long double> ParsePlainDecimal(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
    std::uint64_t digits = 0;
    int significant = 0;
    int scale = 0;
    bool point = false;
    bool any = false;
    for (; p < end; ++p) {
        const char c = *p;
        if (c >= '0' && c <= '9') {
            any = true;
            if (point) ++scale;
            if (digits == 0 && c == '0') continue;  // leading zeros only shift the point
            if (++significant > 19) return std::nullopt;
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!any || scale > kMaxExactPowerOfTen) return std::nullopt;
    long double value = static_cast<long double>(digits);
    if (digits != 0 && scale > 0) value /= kPowersOfTen[static_cast<std::size_t>(scale)];
    return negative ? -value : value;
}

}  // namespace

std::optional<long double> ParseDecimal(std::string_view text, bool allowSpecial) {
    if (const std::optional<long double> plain = ParsePlainDecimal(text)) return plain;
    if (allowSpecial) {
        std::string_view body = text;
        bool negative = false;
        if (!body.empty() && (body[0] == '-' || body[0] == '+')) {
            negative = body[0] == '-';
            body.remove_prefix(1);
        }
        if (EqualsIgnoreAsciiCase(body, "INF")) return negative ? -HUGE_VALL : HUGE_VALL;
        if (EqualsIgnoreAsciiCase(body, "NAN")) return std::nanl("");
    }
    if (!IsDecimalSyntax(text)) return std::nullopt;
    if (const std::optional<long double> quick = ParseExactly(text)) return quick;
    const std::string copy(text);
    errno = 0;
    char* end = nullptr;
    const long double value = strtold_l(copy.c_str(), &end, CLocale());
    if (end != copy.c_str() + copy.size()) return std::nullopt;
    if (errno == ERANGE && std::isinf(value)) return std::nullopt;
    return value;
}

}  // namespace quillix
