#include "number_text_checks.h"

#include "finding.h"

#include "engine/number_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace plotmere::fuzz {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The leading number of `text` in the plain form strtod reads: blanks skipped, an optional sign,
// digits with at most one point, and an exponent only when digits follow its letter ("d" is
// written "e"). Empty when the text does not start with a number.
std::string LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.push_back(text[i++]);
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && !point)); ++i) {
        digits = digits || IsDigit(text[i]);
        point = point || text[i] == '.';
        number.push_back(text[i]);
    }
    if (!digits) {
        return {};
    }
    if (i < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent.push_back(text[j++]);
        }
        const std::size_t firstDigit = j;
        for (; j < text.size() && IsDigit(text[j]); ++j) {
            exponent.push_back(text[j]);
        }
        if (j > firstDigit) {
            number += exponent;
        }
    }
    return number;
}

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

} // namespace

void CheckTextToNumber(std::string_view text) {
    const std::string number = LeadingNumber(text);
    const double expected = number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
    const double got = TextToNumber(text);
    if (!SameBits(got, expected)) {
        Disagreement("TextToNumber differs from strtod", text, 0, expected, got);
    }
}

void CheckNumberToText(double value) {
    if (!std::isfinite(value) || value == 0) {
        return; // "inf", "nan" and "0" (for -0 too) are not meant to read back
    }
    const std::string exact = NumberToText(value, 17);
    if (!SameBits(TextToNumber(exact), value)) {
        Disagreement("the 17-digit text does not read back", exact, value, value,
                     TextToNumber(exact));
    }
    // Near the top of the range the 15-digit rounding can exceed the largest double; that text
    // reads as infinity and is no numeral at all.
    const std::string canonical = NumberToText(value, DoublePrecisionDigits);
    if (std::isfinite(TextToNumber(canonical)) && !IsCanonicalNumeral(canonical)) {
        Finding("the 15-digit text is not canonical", canonical, "");
    }
}

} // namespace plotmere::fuzz
