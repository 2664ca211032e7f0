#pragma once

// The opcodes of a loaded token list and what each computes. Both evaluation paths (one x, a
// block of x) call these same inline routines, which is what keeps their results identical.

#include "engine/evaluator.h"
#include "engine/number_text.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace plotmere {

enum class TokenList::Op : std::uint8_t {
    Push, // x or a numeral, see Operand
    // Binary operators: the left operand is popped, the right one comes from the Operand.
    Add,
    Subtract,
    Multiply,
    Divide,
    Remainder,
    Power,
    // Unary operators replace the top value.
    Negate,
    Sqrt,
    Abs,
    Exp,
    Ln,
    Log,
    Sin,
    Cos,
    Tan,
    Cot,
    Arcsin,
    Arccos,
    Arctan,
    Arccot,
    Sinh,
    Cosh,
    Tanh,
    Coth,
    Arsinh,
    Arcosh,
    Artanh,
    Arcoth,
};

enum class TokenList::Operand : std::uint8_t {
    Stack,    // popped from the value stack
    X,        // the variable
    Constant, // the instruction's constant
};

namespace operations {

using Wide = long double;

// Whole numbers are the finite integers; NaN and the infinities are not (inf - inf is NaN).
inline bool IsWhole(double v) { return v - std::trunc(v) == 0; }

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

// a to the power b. Fails for a negative base and a power that is not whole, for 0 to a negative
// power, and for an infinite result. The last also rejects an infinite base (inf^2): the
// result is judged, not the way it was reached.
inline double Power(double a, double b, bool& failed) {
    const double result = std::pow(a, b);
    if ((a < 0 && !IsWhole(b)) || (a == 0 && b < 0) || std::isinf(result)) {
        failed = true;
    }
    return result;
}

// The single-step functions round once, so plain double library calls are exact enough.
inline double Negate(double u) { return -u; }
inline double Sqrt(double u) { return std::sqrt(u); }
inline double Abs(double u) { return std::fabs(u); }
inline double Exp(double u) { return std::exp(u); }
inline double Ln(double u) { return std::log(u); }
inline double Sin(double u) { return std::sin(u); }
inline double Cos(double u) { return std::cos(u); }
inline double Tan(double u) { return std::tan(u); }
inline double Arctan(double u) { return std::atan(u); }

// Composite functions keep their intermediates in long double and round only the result.

// Decimal logarithm as the quotient of natural logarithms.
inline double Log(double u) { return static_cast<double>(std::log(Wide(u)) / std::log(Wide(10))); }

// Cotangent as the reciprocal of the tangent.
inline double Cot(double u) { return static_cast<double>(1 / std::tan(Wide(u))); }

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

inline double Sinh(double u) {
    const Wide w = u;
    return static_cast<double>((std::exp(w) - std::exp(-w)) / 2);
}

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

inline double Arsinh(double u) {
    const Wide w = u;
    return static_cast<double>(std::log(w + std::sqrt(w * w + 1)));
}

// NaN below 1, where the root is of a negative number or the logarithm of one.
inline double Arcosh(double u) {
    const Wide w = u;
    return static_cast<double>(std::log(w + std::sqrt(w * w - 1)));
}

inline double Artanh(double u) {
    const Wide w = u;
    return static_cast<double>(std::log((1 + w) / (1 - w)) / 2);
}

inline double Arcoth(double u) {
    const Wide w = u;
    return static_cast<double>(std::log((w + 1) / (w - 1)) / 2);
}

} // namespace operations

} // namespace plotmere
