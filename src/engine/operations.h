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
#include <numbers>

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
//
// These, pow and the long double routines of the composites are the C library's on every
// platform, never routines of our own: the literal reading, the one-x and the block form call
// the very same ones and agree bit for bit wherever they run, while the last digits follow the
// platform. MinGW's sin and cos reduce with a 66-bit pi, so near multiples of pi only the first
// digits are right (sin 3.14159265358979 is 3.231085104332676e-15 there, 3.2310891488651735e-15
// with the GNU C library), and its pow is a few ulps off: errors far below a pixel at any
// single-precision x of a plot. Routines of our own that gave the GNU C library's bits everywhere
// would be large and slow, and would have to copy its every last-bit choice to leave Linux as it
// is.
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

// Composite functions keep their intermediates in long double and round only the result. The
// formulas are written once, for any intermediate type W, so that the narrow case can be tested
// on every platform; the evaluator runs them in Wide.
namespace composite {

// True where W has no wider range than double, as long double with Microsoft's compiler. The
// formulas then round every step to double and their huge intermediates overflow sooner; the
// rules marked "Narrow" below keep the results the wide format gives, or name the difference:
// - log: the quotient of two rounded logarithms misses whole powers of ten (ln 1000 / ln 10 is
//   2.9999999999999996), so the library's log10 stands in for it;
// - tanh and coth: ±1 beyond |u| = 64, not inf/inf;
// - arsinh and arcosh beyond 2^512, where u^2 overflows: ln u + ln 2 for positive u (within an
//   ulp of the wide result ln 2u) and -inf for negative u, where the sum u + |u| is 0;
// - not kept: sinh and cosh are ±inf from |u| = 709.78 on, not 710.48; arsinh of a negative u
//   is -inf from about -8e7 on, not -3e9, as sqrt(u^2 + 1) is |u| sooner.
template <class W>
inline constexpr bool Narrow =
    std::numeric_limits<W>::max_exponent <= std::numeric_limits<double>::max_exponent;

// Beyond this the hyperbolic quotients are ±1 in double anyway.
inline constexpr double SaturatedHyperbolic = 64;
// From here on u^2 overflows double.
inline constexpr double OverflowingSquare = 0x1p512;

// Decimal logarithm as the quotient of natural logarithms.
template <class W> double Log(double u) {
    if constexpr (Narrow<W>) {
        return std::log10(u);
    } else {
        return static_cast<double>(std::log(W(u)) / std::log(W(10)));
    }
}

// Cotangent as the reciprocal of the tangent.
template <class W> double Cot(double u) {
    return static_cast<double>(1 / std::tan(W(u)));
}

// arcsin through the arctangent of u / sqrt(1 - u^2); u = ±1 reaches ±pi/2 through ±inf.
template <class W> double Arcsin(double u) {
    const W w = u;
    return static_cast<double>(std::atan(w / std::sqrt(1 - w * w)));
}

// arccos as the arctangent of -u / sqrt(1 - u^2) shifted by pi/2.
template <class W> double Arccos(double u) {
    const W w = u;
    return static_cast<double>(std::atan(-w / std::sqrt(1 - w * w)) + 2 * std::atan(W(1)));
}

// arccot as pi/2 - arctan u, which lies between 0 and pi.
template <class W> double Arccot(double u) {
    return static_cast<double>(2 * std::atan(W(1)) - std::atan(W(u)));
}

// sinh as (e^u - e^-u) / 2.
template <class W> double Sinh(double u) {
    const W w = u;
    return static_cast<double>((std::exp(w) - std::exp(-w)) / 2);
}

// cosh as (e^-u + e^u) / 2.
template <class W> double Cosh(double u) {
    const W w = u;
    return static_cast<double>((std::exp(-w) + std::exp(w)) / 2);
}

// tanh as (e^u - e^-u) / (e^-u + e^u). With an x87 long double this is ±1 up to |u| ~ 11356 and
// NaN (inf/inf) beyond.
template <class W> double Tanh(double u) {
    if constexpr (Narrow<W>) {
        if (std::fabs(u) > SaturatedHyperbolic) {
            return std::copysign(1.0, u);
        }
    }
    const W w = u;
    return static_cast<double>((std::exp(w) - std::exp(-w)) / (std::exp(-w) + std::exp(w)));
}

// coth as the inverse quotient of tanh; u = 0 gives +inf.
template <class W> double Coth(double u) {
    if constexpr (Narrow<W>) {
        if (std::fabs(u) > SaturatedHyperbolic) {
            return std::copysign(1.0, u);
        }
    }
    const W w = u;
    return static_cast<double>((std::exp(-w) + std::exp(w)) / (std::exp(w) - std::exp(-w)));
}

// ln(u + sqrt(u^2 ± 1)) where u^2 overflows double: the square root is |u| exactly in the wide
// format, so the sum is 2u, or 0 for a negative u.
inline double LogOfSumBeyondSquare(double u) {
    return u > 0 ? std::log(u) + std::numbers::ln2 : -std::numeric_limits<double>::infinity();
}

// arsinh as ln(u + sqrt(u^2 + 1)).
template <class W> double Arsinh(double u) {
    if constexpr (Narrow<W>) {
        if (std::fabs(u) >= OverflowingSquare) {
            return LogOfSumBeyondSquare(u);
        }
    }
    const W w = u;
    return static_cast<double>(std::log(w + std::sqrt(w * w + 1)));
}

// arcosh as ln(u + sqrt(u^2 - 1)); NaN below 1 (but -inf for huge negative u, where the sum
// cancels to 0).
template <class W> double Arcosh(double u) {
    if constexpr (Narrow<W>) {
        if (std::fabs(u) >= OverflowingSquare) {
            return LogOfSumBeyondSquare(u);
        }
    }
    const W w = u;
    return static_cast<double>(std::log(w + std::sqrt(w * w - 1)));
}

// artanh as ln((1 + u) / (1 - u)) / 2.
template <class W> double Artanh(double u) {
    const W w = u;
    return static_cast<double>(std::log((1 + w) / (1 - w)) / 2);
}

// arcoth as ln((u + 1) / (u - 1)) / 2.
template <class W> double Arcoth(double u) {
    const W w = u;
    return static_cast<double>(std::log((w + 1) / (w - 1)) / 2);
}

} // namespace composite

inline double Log(double u) {
    return composite::Log<Wide>(u);
}
inline double Cot(double u) {
    return composite::Cot<Wide>(u);
}
inline double Arcsin(double u) {
    return composite::Arcsin<Wide>(u);
}
inline double Arccos(double u) {
    return composite::Arccos<Wide>(u);
}
inline double Arccot(double u) {
    return composite::Arccot<Wide>(u);
}
inline double Sinh(double u) {
    return composite::Sinh<Wide>(u);
}
inline double Cosh(double u) {
    return composite::Cosh<Wide>(u);
}
inline double Tanh(double u) {
    return composite::Tanh<Wide>(u);
}
inline double Coth(double u) {
    return composite::Coth<Wide>(u);
}
inline double Arsinh(double u) {
    return composite::Arsinh<Wide>(u);
}
inline double Arcosh(double u) {
    return composite::Arcosh<Wide>(u);
}
inline double Artanh(double u) {
    return composite::Artanh<Wide>(u);
}
inline double Arcoth(double u) {
    return composite::Arcoth<Wide>(u);
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
