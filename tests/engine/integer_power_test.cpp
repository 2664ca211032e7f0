#include "engine/evaluator.h"
#include "engine/integer_power.h"
#include "support/engine/literal_interpreter.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

// The whole-number powers must be std::pow's very bits wherever they answer at all, and must
// answer often enough to matter.

namespace plotmere {
namespace {

using integer_power::Exponent;
using integer_power::TryPower;
using integer_power::TryPowers;

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Tiny = std::numeric_limits<double>::denorm_min();
constexpr double Huge = std::numeric_limits<double>::max();

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

// TryPower for one base: it declines, or it gives exactly std::pow's value.
::testing::AssertionResult AgreesWithPow(double a, int n) {
    double fast;
    if (!TryPower(a, Exponent(n), fast)) {
        return ::testing::AssertionSuccess();
    }
    const double expected = std::pow(a, n);
    if (Bits(fast) == Bits(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << std::hexfloat << a << "^" << n << " gave " << fast << ", pow gives " << expected;
}

bool Declines(double a, int n) {
    double fast;
    return !TryPower(a, Exponent(n), fast);
}

struct EdgeRow {
    double base;
    int exponent;
    bool declines; // whether pow must be asked
};

TEST(IntegerPowerTest, EdgeCases) {
    const EdgeRow rows[] = {
        // Zero, subnormal, infinite and NaN bases are pow's.
        {0.0, 3, true},
        {-0.0, 3, true},
        {0.0, -2, true},
        {Tiny, 2, true},
        {-Tiny, 1, true},
        {Inf, 2, true},
        {-Inf, 3, true},
        {NaN, 2, true},
        {NaN, 0, true},
        // Powers of two have a narrower ulp below: exact or not, they are pow's.
        {2, 10, true},
        {0.5, -3, true},
        {-2, 5, true},
        {1, 7, true},
        {-1, 64, true},
        // Results that could leave the normal range, or come near its ends.
        {3e14, 64, true},
        {Huge, 2, true},
        {1e-200, 5, true},
        {1e-200, -5, true},
        {0x1.8p+480, 2, true},
        {0x1.8p-481, -2, true},
        {1e156, 7, true},
        // Exact results off the powers of two are certain, up to the ends of the range.
        {0x1.8p+400, 2, false},
        {1.5, 20, false},
        {3, 2, false},
        {-3, 3, false},
        {10, 15, false},
        {-1.5, 4, false},
        // Any exponent 0 on a normal finite base is 1.
        {-7.25, 0, false},
        {1e300, 0, false},
    };
    for (const EdgeRow& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << std::hexfloat << row.base << "^" << std::dec << row.exponent);
        // The rows that answer hold where the routine is on, with the GNU C library's pow; with
        // any other C library (MinGW's, Microsoft's) it declines every power.
        EXPECT_EQ(Declines(row.base, row.exponent), row.declines || !integer_power::Enabled);
        EXPECT_TRUE(AgreesWithPow(row.base, row.exponent));
    }
}

TEST(IntegerPowerTest, SmallWholeExponentsOnly) {
    struct Row {
        double exponent;
        bool small;
    };
    const Row rows[] = {{0, true},    {-0.0, true},  {3, true},    {-64, true},   {64, true},
                        {65, false},  {-65, false},  {2.5, false}, {-0.5, false}, {1e300, false},
                        {Inf, false}, {-Inf, false}, {NaN, false}};
    for (const Row& row : rows) {
        int n = 1000;
        EXPECT_EQ(integer_power::SmallWhole(row.exponent, n), row.small) << row.exponent;
        if (row.small) {
            EXPECT_EQ(n, row.exponent);
        }
    }
}

// Bases of every kind the plotter meets: plot coordinates, values near 1 (where powers pile up
// rounding), all magnitudes, and bases whose power lands near the ends of the range.
double RandomBase(std::mt19937_64& random, int n) {
    std::uniform_real_distribution<double> unit(-1, 1);
    const int magnitude = n == 0 ? 1 : std::abs(n);
    switch (random() % 5) {
    case 0:
        return 8 * unit(random);
    case 1:
        return 1 + std::ldexp(unit(random), -static_cast<int>(random() % 52) - 1);
    case 2:
        return std::ldexp(unit(random), static_cast<int>(random() % 2100) - 1075);
    case 3:
        return std::exp2(unit(random) * 1030 / magnitude);
    default:
        return std::bit_cast<double>(random());
    }
}

TEST(IntegerPowerTest, RandomBasesGivePowsBits) {
    std::mt19937_64 random(20240611);
    int declined = 0;
    int plotDeclined = 0;
    int plotCount = 0;
    constexpr int Pairs = 1000000;
    for (int k = 0; k < Pairs; ++k) {
        const int n = static_cast<int>(random() % 129) - 64;
        const double a = RandomBase(random, n);
        ASSERT_TRUE(AgreesWithPow(a, n));
        declined += Declines(a, n);
        if (std::fabs(a) <= 8 && std::fabs(a) >= 0x1p-8 && std::abs(n) <= 8) {
            ++plotCount;
            plotDeclined += Declines(a, n);
        }
    }
    if constexpr (integer_power::Enabled) {
        // Only results within 0.06 ulp of a midpoint (an eighth of them) and the odd bases
        // above are declined: a routine that declines everything is no use.
        EXPECT_LT(plotDeclined, plotCount / 6);
        EXPECT_LT(declined, Pairs * 6 / 10);
    } else {
        // Without the GNU C library's error bound for pow, pow answers every power.
        EXPECT_EQ(declined, Pairs);
    }
}

TEST(IntegerPowerTest, BlockFormMatchesOneBase) {
    std::mt19937_64 random(7);
    for (int n = -64; n <= 64; ++n) {
        SCOPED_TRACE(n);
        std::vector<double> bases(700); // more than one chunk, and a ragged end
        for (double& base : bases) {
            base = RandomBase(random, n);
        }
        bases[0] = 0;
        bases[1] = NaN;
        bases[2] = -Inf;
        std::vector<double> values(bases.size());
        TryPowers(Exponent(n), bases.data(), values.data(), bases.size());
        for (std::size_t i = 0; i < bases.size(); ++i) {
            double fast;
            if (TryPower(bases[i], Exponent(n), fast)) {
                EXPECT_EQ(Bits(values[i]), Bits(fast)) << std::hexfloat << bases[i];
            } else {
                EXPECT_TRUE(std::isnan(values[i])) << std::hexfloat << bases[i];
            }
        }
    }
}

struct ModeRow {
    int mode;
    bool nearest;
};

TEST(IntegerPowerTest, RoundingModeIsRecognised) {
    const ModeRow rows[] = {
        {FE_TONEAREST, true}, {FE_UPWARD, false}, {FE_DOWNWARD, false}, {FE_TOWARDZERO, false}};
    for (const ModeRow& row : rows) {
        ASSERT_EQ(std::fesetround(row.mode), 0);
        const bool nearest = integer_power::RoundsToNearest();
        std::fesetround(FE_TONEAREST);
        EXPECT_EQ(nearest, row.nearest) << row.mode;
    }
}

// Both evaluation forms, for numeral powers, against pow and the failure rules, in every
// rounding mode.
TEST(IntegerPowerTest, EvaluatorPowersArePows) {
    const char* exponents[] = {"2", "3", "4", "7", "64", "65", "2.5", "0", "1 neg", "3 neg"};
    std::vector<double> xs;
    for (int k = -1000; k <= 1000; ++k) {
        xs.push_back(k * 0.007 + 1e-9 * k * k);
    }
    xs.insert(xs.end(), {0.0, -0.0, 1e200, -1e200, 1e-200, Inf, -Inf, NaN, 2, -2, 1, -1});
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        for (const char* exponent : exponents) {
            const std::string postfix = std::string("x ") + exponent + " ^ ";
            SCOPED_TRACE(postfix + " in mode " + std::to_string(mode));
            const TokenList program = LoadTokenList(postfix);
            const double b = std::strtod(exponent, nullptr) *
                             (postfix.find("neg") != std::string::npos ? -1 : 1);
            std::vector<double> block(xs.size());
            ASSERT_EQ(std::fesetround(mode), 0);
            EvaluateExpression(program, xs, block);
            std::vector<double> one(xs.size()), expected(xs.size());
            for (std::size_t i = 0; i < xs.size(); ++i) {
                one[i] = EvaluateExpression(program, xs[i]);
                const double a = xs[i];
                const double power = std::pow(a, b);
                const bool fails =
                    (a < 0 && b != std::trunc(b)) || (a == 0 && b < 0) || std::isinf(power);
                expected[i] = fails ? UndefinedValue : power;
            }
            std::fesetround(FE_TONEAREST);
            for (std::size_t i = 0; i < xs.size(); ++i) {
                EXPECT_TRUE(SameResult(block[i], expected[i]) && SameResult(one[i], expected[i]))
                    << std::hexfloat << "x = " << xs[i] << ": block " << block[i] << ", one x "
                    << one[i] << ", pow " << expected[i];
            }
        }
    }
}

} // namespace
} // namespace plotmere
