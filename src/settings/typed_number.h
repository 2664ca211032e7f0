#pragma once

#include <QString>

#include <string_view>

namespace plotmere {

// How the answer of one kind of number prompt is read.
struct NumberRule {
    // "0.5" is taken as ".5" and "-0.5" as "-.5" before the form is checked.
    bool dropZeroBeforePoint = false;
    // Whole numbers only: rounded to a whole number, then to a multiple of this (halves to even
    // both times); 0 keeps the number as typed.
    double roundToMultipleOf = 0;
    // The number is held in single precision, and its top limit is tested on that value.
    bool singlePrecision = false;
    double lowest = 0;
    double highest = 0;
    // Shown when the number lies outside lowest ... highest.
    std::string_view outOfRangeMessage;
};

// "num" and the parameters: both limits tested on the double.
inline constexpr NumberRule ConstantRule{true,   0,     false,
                                         -99999, 99999, "Out of allowed range [-99999 to 99999]."};
// The four range values: the bottom tested on the double, the top on the single-precision value.
inline constexpr NumberRule RangeRule{true,   0,     true,
                                      -99999, 99999, "Out of allowed range [-99999 to 99999]."};
// The number of sample points: no allowance for a zero before the point.
inline constexpr NumberRule SampleCountRule{false, 100,    false,
                                            200,   100000, "Out of allowed range [200 to 100000]."};

// What a typed number amounts to.
struct TypedNumber {
    enum class Outcome {
        Ignored,    // empty (cancelled) or not in canonical form: nothing changes, no message
        OutOfRange, // show the rule's message, nothing changes
        Accepted,   // use `value` (or append `text`)
    };
    Outcome outcome = Outcome::Ignored;
    double value = 0; // as the rule holds it: rounded, or in single precision
    QString text;     // the canonical numeral read, e.g. ".5" for "0.5"
};

// Reads the answer of a number prompt by the rule: only the exact canonical text of a number
// counts (after the zero-before-point allowance, where the rule makes it), and the number must
// lie within the rule's limits.
TypedNumber ReadTypedNumber(const QString& answer, const NumberRule& rule);

} // namespace plotmere
