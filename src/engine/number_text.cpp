#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace plotmere {

namespace {

struct DecimalDigits {
    std::string digits; // significant digits, no trailing zeros, at least one
    int exponent = 0;   // power of ten of the first digit
};

// Rounds |value| (finite, non-zero) to `precision` significant digits. std::to_chars works on
// the exact binary value and ignores the locale, which the notation rules require.
DecimalDigits RoundToSignificantDigits(double value, int precision) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, precision - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t exponentMark = text.find('e');

    DecimalDigits rounded;
    for (char c : text.substr(0, exponentMark)) {
        if (c != '.') {
            rounded.digits.push_back(c);
        }
    }
    std::from_chars(text.data() + exponentMark + 1 + (text[exponentMark + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), rounded.exponent);
    while (rounded.digits.size() > 1 && rounded.digits.back() == '0') {
        rounded.digits.pop_back();
    }
    return rounded;
}

// Built by appending: GCC 12 reports a false -Wrestrict on "literal" + std::string.
std::string PlainNotation(const DecimalDigits& d) {
    const auto count = static_cast<int>(d.digits.size());
    std::string text;
    if (d.exponent < 0) {
        text.append(1, '.');
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text.append(d.digits);
    } else if (count <= d.exponent + 1) {
        text.append(d.digits);
        text.append(static_cast<std::size_t>(d.exponent + 1 - count), '0');
    } else {
        const auto integerDigits = static_cast<std::size_t>(d.exponent + 1);
        text.append(d.digits, 0, integerDigits);
        text.append(1, '.');
        text.append(d.digits, integerDigits);
    }
    return text;
}

std::string ScientificNotation(const DecimalDigits& d) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) {
        text.append(1, '.');
        text.append(d.digits, 1);
    }
    text.append(d.exponent < 0 ? "E-" : "E+");
    const std::string exponentDigits = std::to_string(std::abs(d.exponent));
    if (exponentDigits.size() < 2) {
        text.append(1, '0');
    }
    text.append(exponentDigits);
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Keeps correct rounding while bounding the work: digits beyond this many only matter as a
// "something non-zero follows" marker, which one trailing 1 preserves.
constexpr std::size_t MaxMantissaDigits = 800;
constexpr long long ExponentLimit = 100000000;

} // namespace

std::string NumberToText(double value, int significantDigits) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    if (value == 0) {
        return "0";
    }
    const int precision = std::clamp(significantDigits, 1, 17);
    const DecimalDigits rounded = RoundToSignificantDigits(value, precision);
    const bool plain = rounded.exponent >= -4 && rounded.exponent < precision;
    std::string text = value < 0 ? "-" : "";
    text.append(plain ? PlainNotation(rounded) : ScientificNotation(rounded));
    return text;
}

std::optional<double> LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() &&
           (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    std::string mantissa;
    long long exponent = 0;
    bool sawPoint = false;
    bool sawDigit = false;
    bool nonZeroDropped = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            sawDigit = true;
            if (mantissa.empty() && c == '0') {
                if (sawPoint) {
                    --exponent; // a leading zero after the point only shifts the scale
                }
                continue;
            }
            if (mantissa.size() < MaxMantissaDigits) {
                mantissa.push_back(c);
                if (sawPoint) {
                    --exponent;
                }
            } else {
                nonZeroDropped = nonZeroDropped || c != '0';
                if (!sawPoint) {
                    ++exponent;
                }
            }
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
    }
    if (!sawDigit) {
        return std::nullopt;
    }

    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponentNegative = text[j] == '-';
            ++j;
        }
        long long written = 0;
        bool exponentDigits = false;
        for (; j < text.size() && IsDigit(text[j]); ++j) {
            exponentDigits = true;
            written = std::min(written * 10 + (text[j] - '0'), ExponentLimit);
        }
        if (exponentDigits) {
            exponent += exponentNegative ? -written : written;
        }
    }

    if (nonZeroDropped) {
        mantissa.push_back('1'); // sticky digit: the value lies just above the cut
        --exponent;
    }

    const double signedZero = negative ? -0.0 : 0.0;
    if (mantissa.empty()) {
        return signedZero;
    }
    // Order of magnitude of the first digit, to settle what an out-of-range result means.
    const long long magnitude = exponent + static_cast<long long>(mantissa.size()) - 1;
    if (magnitude > 400) {
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    if (magnitude < -400) {
        return signedZero;
    }
    const std::string normalised = mantissa + "e" + std::to_string(exponent);
    double value = 0.0;
    const auto result =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

double TextToNumber(std::string_view text) {
    return LeadingNumber(text).value_or(0.0);
}

bool IsCanonicalNumeral(std::string_view text) {
    return NumberToText(TextToNumber(text), DoublePrecisionDigits) == text;
}

bool IsCanonicalScientificNumeral(std::string_view text) {
    if (text.find_first_of("eE") == std::string_view::npos) {
        return false;
    }
    std::string upper(text);
    for (char& c : upper) {
        c = c == 'e' ? 'E' : c;
    }
    const double value = TextToNumber(text);
    return NumberToText(value, DoublePrecisionDigits) == upper ||
           NumberToText(value, SinglePrecisionDigits) == upper;
}

std::string WithoutZeroBeforePoint(std::string_view typed) {
    std::string text(typed);
    if (text.starts_with("0.")) {
        text.erase(0, 1);
    }
    if (text.starts_with("-0.")) {
        text.erase(1, 1);
    }
    return text;
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

std::optional<std::int32_t> RoundHalfEvenToInt32(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

std::int32_t RoundHalfEvenSaturated(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::clamp(RoundHalfEven(value), -2147483648.0, 2147483647.0);
    return static_cast<std::int32_t>(rounded);
}

} // namespace plotmere
