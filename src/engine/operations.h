#pragma once

// What each word of an expression computes (the words are in vocabulary.h), and where an
// instruction's operands come from. Both evaluation paths (one x, a block of x) call these same
// inline routines, which is what keeps their results identical.

#include "engine/evaluator.h"
#include "engine/integer_power.h"
#include "engine/number_text.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace plotmere {

enum class TokenList::Operand : std::uint8_t {
    Stack,    // popped from the value stack
    X,        // the variable
    Constant, // the instruction's constant
};

namespace operations {

using Wide = long double;

// Whole numbers are the finite integers; NaN and the infinities are not (inf - inf is NaN).
inline bool IsWhole(double v) {
    return v - std::trunc(v) == 0;
}

// Remainder of the truncating division of a and b, both first rounded half-to-even to 32-bit
// integers. Fails when either does not fit, when b rounds to 0, and for -2^31 % -1, whose
// quotient does not fit.
inline double Remainder(double a, double b, bool& failed) {
    const auto dividend = RoundHalfEvenToInt32(a);
    const auto divisor = RoundHalfEvenToInt32(b);
    if (!dividend || !divisor || *divisor == 0 ||
        (*dividend == std::numeric_limits<std::int32_t>::min() && *divisor == -1)) {
        failed = true;
        return UndefinedValue;
    }
    return *dividend % *divisor;
}

// Passes on `result`, the value of a to the power b. Fails for a negative base and a power that
// is not whole, for 0 to a negative power, and for an infinite result. The last also rejects an
// infinite base (inf^2): the result is judged, not the way it was reached.
inline double JudgedPower(double a, double b, double result, bool& failed) {
    // Without branches, so that a loop over a block can run it side by side; b is the same
    // throughout such a loop.
    const bool whole = IsWhole(b);
    failed |= (a < 0 && !whole) | (a == 0 && b < 0) | std::isinf(result);
    return result;
}

// std::pow(a, b) for a b known to be a small whole number, in round-to-nearest, given `fast`,
// the result of integer_power::TryPower or NaN where it has none.
inline double SmallWholePower(double a, double b, double fast) {
    return std::isnan(fast) ? std::pow(a, b) : fast;
}

// a to the power b, bit for bit std::pow(a, b), with the failures of JudgedPower.
inline double Power(double a, double b, bool& failed) {
    int n;
    if (integer_power::SmallWhole(b, n) && integer_power::RoundsToNearest()) {
        double fast;
        if (!integer_power::TryPower(a, integer_power::Exponent(n), fast)) {
            fast = std::numeric_limits<double>::quiet_NaN();
        }
        return JudgedPower(a, b, SmallWholePower(a, b, fast), failed);
    }
    return JudgedPower(a, b, std::pow(a, b), failed);
}

// The single-step functions round once, so the double library routines are used as they are:
// -u, sqrt (NaN below 0), |u|, e^u (inf above ~709.78), ln (-inf at 0, NaN below), sin, cos,
// tan and arctan.
inline double Negate(double u) {
    return -u;
}
inline double Sqrt(double u) {
    return std::sqrt(u);
}
inline double Abs(double u) {
    return std::fabs(u);
}
inline double Exp(double u) {
    return std::exp(u);
}
inline double Ln(double u) {
    return std::log(u);
}
inline double Sin(double u) {
    return std::sin(u);
}
inline double Cos(double u) {
    return std::cos(u);
}
inline double Tan(double u) {
    return std::tan(u);
}
inline double Arctan(double u) {
    return std::atan(u);
}

// Composite functions keep their intermediates in long double and round only the result.

// Decimal logarithm as the quotient of natural logarithms.
inline double Log(double u) {
    return static_cast<double>(std::log(Wide(u)) / std::log(Wide(10)));
}

// Cotangent as the reciprocal of the tangent.
inline double Cot(double u) {
    return static_cast<double>(1 / std::tan(Wide(u)));
}

// arcsin through the arctangent of u / sqrt(1 - u^2); u = ±1 reaches ±pi/2 through ±inf.
inline double Arcsin(double u) {
    const Wide w = u;
    return static_cast<double>(std::atan(w / std::sqrt(1 - w * w)));
}

// arccos as the arctangent of -u / sqrt(1 - u^2) shifted by pi/2.
inline double Arccos(double u) {
    const Wide w = u;
    return static_cast<double>(std::atan(-w / std::sqrt(1 - w * w)) + 2 * std::atan(Wide(1)));
}

// arccot as pi/2 - arctan u, which lies between 0 and pi.
inline double Arccot(double u) {
    return static_cast<double>(2 * std::atan(Wide(1)) - std::atan(Wide(u)));
}

// sinh as (e^u - e^-u) / 2.
inline double Sinh(double u) {
    const Wide w = u;
    return static_cast<double>((std::exp(w) - std::exp(-w)) / 2);
}

// cosh as (e^-u + e^u) / 2.
inline double Cosh(double u) {
    const Wide w = u;
    return static_cast<double>((std::exp(-w) + std::exp(w)) / 2);
}

// Where long double has no wider exponent than double, e^|u| overflows already for |u| > 709
// and the quotients below would be inf/inf; beyond 64 they are ±1 in double anyway.
inline constexpr bool NarrowWide =
    std::numeric_limits<Wide>::max_exponent <= std::numeric_limits<double>::max_exponent;
inline constexpr double SaturatedHyperbolic = 64;

// tanh as (e^u - e^-u) / (e^-u + e^u). With an x87 long double this is ±1 up to |u| ~ 11356 and
// NaN (inf/inf) beyond.
inline double Tanh(double u) {
    if constexpr (NarrowWide) {
        if (std::fabs(u) > SaturatedHyperbolic) {
            return std::copysign(1.0, u);
        }
    }
    const Wide w = u;
    return static_cast<double>((std::exp(w) - std::exp(-w)) / (std::exp(-w) + std::exp(w)));
}

// coth as the inverse quotient of tanh; u = 0 gives +inf.
inline double Coth(double u) {
    if constexpr (NarrowWide) {
        if (std::fabs(u) > SaturatedHyperbolic) {
            return std::copysign(1.0, u);
        }
    }
    const Wide w = u;
    return static_cast<double>((std::exp(-w) + std::exp(w)) / (std::exp(w) - std::exp(-w)));
}

// arsinh as ln(u + sqrt(u^2 + 1)).
inline double Arsinh(double u) {
    const Wide w = u;
    return static_cast<double>(std::log(w + std::sqrt(w * w + 1)));
}

// arcosh as ln(u + sqrt(u^2 - 1)); NaN below 1.
inline double Arcosh(double u) {
    const Wide w = u;
    return static_cast<double>(std::log(w + std::sqrt(w * w - 1)));
}

// artanh as ln((1 + u) / (1 - u)) / 2.
inline double Artanh(double u) {
    const Wide w = u;
    return static_cast<double>(std::log((1 + w) / (1 - w)) / 2);
}

// arcoth as ln((u + 1) / (u - 1)) / 2.
inline double Arcoth(double u) {
    const Wide w = u;
    return static_cast<double>(std::log((w + 1) / (w - 1)) / 2);
}

// The four arithmetic operators, rounded as IEEE doubles are; they never fail.
inline double Add(double a, double b, bool&) {
    return a + b;
}
inline double Subtract(double a, double b, bool&) {
    return a - b;
}
inline double Multiply(double a, double b, bool&) {
    return a * b;
}
inline double Divide(double a, double b, bool&) {
    return a / b;
}

} // namespace operations

} // namespace plotmere
