#pragma once

// a^n for a small whole n without calling pow, yet with pow's very bits.
//
// The power is built by square-and-multiply in double-double arithmetic (a pair hi + lo that
// carries about 106 bits, products made exact by a fused multiply-add or Veltkamp splitting),
// so the pair lies within 2^-96 relative of the exact power, and hi is its nearest double. The
// pair is used only when it shows the exact power to be at least 0.06 ulp away from the
// midpoints between doubles: every other double is then more than 0.56 ulp away, while the
// library's pow is within about 0.54 ulp of the exact power in round-to-nearest (its own
// estimate; 0.02 ulp to spare), so pow returns hi too. Without the margin pow and hi do differ, a
// few times in 10^4. Else - results near a midpoint or at a power of two, zero, subnormal, huge,
// infinite or NaN bases, results that could leave the normal range, other rounding modes - is left
// to pow.

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace plotmere::integer_power {

// Exponents handled here, in magnitude; beyond, the steps and the error bound grow.
inline constexpr int MaxExponent = 64;

// The argument above needs IEEE doubles evaluated in double, and pow's error bound, which is
// that of the GNU C library since 2.28.
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 28)) &&          \
    defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
inline constexpr bool Enabled = std::numeric_limits<double>::is_iec559;
#else
inline constexpr bool Enabled = false;
#endif

// True when b is a whole number of at most MaxExponent in magnitude, which is then n.
inline bool SmallWhole(double b, int& n) {
    if (!(std::fabs(b) <= MaxExponent) || b != std::trunc(b)) {
        return false;
    }
    n = static_cast<int>(b);
    return true;
}

// True in round-to-nearest, the only mode in which the pair arithmetic below is exact. Tested
// on the arithmetic itself rather than the reported mode, so it holds for whatever the
// environment really does.
bool RoundsToNearest();

namespace detail {

// Intermediate powers stay within 2^±Range: splitting cannot overflow, and the low parts and
// product errors stay normal or are negligible against 2^-Range.
inline constexpr int Range = 960;

// Keeps hi when |lo| < LowLimit * ulp(hi): 0.5 - 0.06 less a margin far above 2^-43, the
// pair's error in ulps.
inline constexpr double LowLimit = 0.4399;

constexpr std::uint64_t ExponentMask = 0x7ff0000000000000;

// v = high + low with both halves of at most 26 significant bits, so products of halves are
// exact.
inline void Split(double v, double& high, double& low) {
    const double scaled = v * 134217729.0; // 2^27 + 1
    high = scaled - (scaled - v);
    low = v - high;
}

// x y - p for p = x y rounded, exactly: by a fused multiply-add where the caller is compiled
// for one, else from the halves of x and y. Both give the same value, the only one there is.
template <bool Fused> inline double ProductError(double x, double y, double p) {
    if constexpr (Fused) {
        return std::fma(x, y, -p);
    } else {
        double xHigh, xLow, yHigh, yLow;
        Split(x, xHigh, xLow);
        Split(y, yHigh, yLow);
        return ((xHigh * yHigh - p) + xHigh * yLow + xLow * yHigh) + xLow * yLow;
    }
}

// hi + lo as a pair with hi the nearest double; needs |hi| >= |lo|.
inline void Normalize(double& hi, double& lo, double sum, double rest) {
    hi = sum + rest;
    lo = rest - (hi - sum);
}

// (hi, lo)^2: hi^2 exact as p + e; the cross term 2 hi lo is added and lo^2 (below 2^-106)
// dropped. Error below 7 * 2^-106 relative.
template <bool Fused> inline void Square(double& hi, double& lo) {
    const double p = hi * hi;
    const double e = ProductError<Fused>(hi, hi, p);
    Normalize(hi, lo, p, e + 2 * (hi * lo));
}

// (hi, lo) * a: hi a exact as p + e, plus lo a. Error below 4 * 2^-106 relative.
template <bool Fused> inline void Times(double& hi, double& lo, double a) {
    const double p = hi * a;
    const double e = ProductError<Fused>(hi, a, p);
    Normalize(hi, lo, p, e + lo * a);
}

// 1 / (hi, lo) as q (1 + r) with q = 1/hi and r = 1 - q (hi + lo) from the exact product
// q hi. Error below 11 * 2^-106 relative.
template <bool Fused> inline void Reciprocal(double& hi, double& lo) {
    const double q = 1 / hi;
    const double p = q * hi;
    const double r = ((1 - p) - ProductError<Fused>(q, hi, p)) - q * lo;
    Normalize(hi, lo, q, q * r);
}

// True when hi, the nearest double of the pair, is certainly pow's result. At a power of two
// the ulp below is half the ulp above; such results are left to pow.
inline bool Settled(double hi, double lo) {
    const double binade = std::bit_cast<double>(std::bit_cast<std::uint64_t>(hi) & ExponentMask);
    return (hi != binade) & (std::fabs(lo) < LowLimit * (binade * 0x1p-52));
}

} // namespace detail

// What a whole exponent n asks of every base.
struct Exponent {
    explicit Exponent(int n)
        : magnitude(n < 0 ? -n : n)
        , reciprocal(n < 0)
        , odd((n & 1) != 0) {
        // With |a| in [2^e, 2^(e+1)) every power |a|^k, 1 <= k <= |n|, lies between 1 and
        // 2^(|n| e) or 2^(|n| (e+1)); both stay within 2^±Range for bases in [least, bound).
        if (magnitude != 0) {
            least = PowerOfTwo(-(detail::Range / magnitude));
            bound = PowerOfTwo(detail::Range / magnitude);
        }
    }
    int magnitude;
    bool reciprocal;
    bool odd;
    double least = std::numeric_limits<double>::min(); // normal, finite bases for n = 0
    double bound = std::numeric_limits<double>::infinity();

private:
    static double PowerOfTwo(int k) {
        return std::bit_cast<double>(static_cast<std::uint64_t>(1023 + k) << 52);
    }
};

// Sets `result` to a^n and returns true when that is certainly what std::pow(a, n) returns in
// round-to-nearest (the caller checks the mode); returns false when pow must be asked.
inline bool TryPower(double a, const Exponent& n, double& result) {
    using namespace detail;
    if constexpr (!Enabled) {
        return false;
    }
    const double base = std::fabs(a);
    if (!(base >= n.least && base < n.bound)) {
        return false; // zero, subnormal, infinite, NaN or out of range
    }
    if (n.magnitude == 0) {
        result = 1;
        return true;
    }
    double hi = base;
    double lo = 0;
    for (int bit = std::bit_width(static_cast<unsigned>(n.magnitude)) - 2; bit >= 0; --bit) {
        Square<false>(hi, lo);
        if ((n.magnitude >> bit) & 1) {
            Times<false>(hi, lo, base);
        }
    }
    if (n.reciprocal) {
        Reciprocal<false>(hi, lo);
    }
    if (!Settled(hi, lo)) {
        return false;
    }
    result = n.odd ? std::copysign(hi, a) : hi;
    return true;
}

// TryPower for count bases at once: values[i] is TryPower's result for a[i], or NaN where
// TryPower returns false (its results are never NaN). Every base takes the very operations of
// TryPower, only ordered step by step across the bases so that they run side by side. values
// must not overlap a.
void TryPowers(const Exponent& n, const double* a, double* values, std::size_t count);

} // namespace plotmere::integer_power
