#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plotmere {

// Significant digits of the two number texts the program writes.
inline constexpr int SinglePrecisionDigits = 7;
inline constexpr int DoublePrecisionDigits = 15;

// The short, locale-independent text of a number: rounded to `significantDigits` digits,
// trailing zeros dropped, plain notation for decimal exponents -4 ... digits-1 (".5", "-.5",
// "12.34"), scientific otherwise ("1E-05", "1.5E+20"). 0 is "0". Infinities and NaN, which
// only a hand-edited setting can produce, are written "inf", "-inf" and "nan".
std::string NumberToText(double value, int significantDigits);

// The number denoted by the longest leading decimal number of `text`: leading blanks skipped,
// optional sign, digits with at most one point, optional exponent introduced by e, E, d or D.
// A text without such a number gives 0. Too large a number gives an infinity.
double TextToNumber(std::string_view text);

// The number TextToNumber reads, or nothing when the text does not begin with one.
std::optional<double> LeadingNumber(std::string_view text);

// True when `text` is exactly the 15-digit NumberToText of its own TextToNumber.
bool IsCanonicalNumeral(std::string_view text);

// True when `text` is a number in the scientific form NumberToText writes, with 15 or 7 digits
// and the exponent letter in either case: "1E-05", "1.5e+20", "-1E+08" (the 7-digit text of
// 1e8); not "1E-5", "1e5" or "1e+015".
bool IsCanonicalScientificNumeral(std::string_view text);

// A number typed into an input box may carry the zero before the point that the canonical form
// leaves out: "0.5" becomes ".5" and "-0.5" becomes "-.5"; other texts stay as they are.
std::string WithoutZeroBeforePoint(std::string_view typed);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// RoundHalfEven as a 32-bit integer, or nothing when the rounded value does not fit
// (NaN and infinities included).
std::optional<std::int32_t> RoundHalfEvenToInt32(double value);

// RoundHalfEven saturated to the 32-bit range (NaN gives 0): for values that must become an
// integer whatever they are, such as window coordinates.
std::int32_t RoundHalfEvenSaturated(double value);

} // namespace plotmere
