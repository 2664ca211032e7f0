#include "engine/operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

// The composite functions with double intermediates, as a build with Microsoft's compiler runs
// them (its long double is double): the documented results at the edges, and agreement with the
// wide results they stand for where this platform's long double is wider.

namespace plotmere {
namespace {

using Function = double (*)(double);

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Pi = std::numbers::pi;
constexpr bool WideLongDouble = !operations::composite::Narrow<long double>;

struct Composite {
    const char* name;
    Function narrow;
    Function wide;
};

#define PLOTMERE_COMPOSITE(Name)                                                                   \
    Composite {                                                                                    \
#Name, operations::composite::Name < double>, operations::composite::Name < long double>   \
    }

const Composite Log = PLOTMERE_COMPOSITE(Log);
const Composite Cot = PLOTMERE_COMPOSITE(Cot);
const Composite Arcsin = PLOTMERE_COMPOSITE(Arcsin);
const Composite Arccos = PLOTMERE_COMPOSITE(Arccos);
const Composite Arccot = PLOTMERE_COMPOSITE(Arccot);
const Composite Sinh = PLOTMERE_COMPOSITE(Sinh);
const Composite Cosh = PLOTMERE_COMPOSITE(Cosh);
const Composite Tanh = PLOTMERE_COMPOSITE(Tanh);
const Composite Coth = PLOTMERE_COMPOSITE(Coth);
const Composite Arsinh = PLOTMERE_COMPOSITE(Arsinh);
const Composite Arcosh = PLOTMERE_COMPOSITE(Arcosh);
const Composite Artanh = PLOTMERE_COMPOSITE(Artanh);
const Composite Arcoth = PLOTMERE_COMPOSITE(Arcoth);

#undef PLOTMERE_COMPOSITE

// ln of 10^k times 2, for the logarithms of sums that are 2u.
double LnOfTwiceTenTo(int k) {
    return k * std::numbers::ln10 + std::numbers::ln2;
}

// Equal bit for bit, NaN matching NaN; or, with a tolerance, relatively within it.
::testing::AssertionResult Matches(double actual, double expected, double tolerance) {
    const bool same = (std::isnan(actual) && std::isnan(expected)) || actual == expected;
    const bool near =
        std::isfinite(expected) && std::fabs(actual - expected) <= tolerance * std::fabs(expected);
    if (same || near) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "got " << actual << ", expected " << expected;
}

struct EdgeRow {
    const Composite& function;
    double u;
    double expected;
    double tolerance; // relative; 0 asks for the very value
};

TEST(NarrowCompositeTest, DocumentedResults) {
    const EdgeRow rows[] = {
        // log10 where the quotient of two rounded logarithms misses the power of ten.
        {Log, 1000, 3, 0},
        {Log, 1e-5, -5, 0},
        {Log, 1e200, 200, 0},
        {Log, 0, -Inf, 0},
        {Log, -1, NaN, 0},
        // The hyperbolic quotients are ±1 where the exponentials overflow double.
        {Tanh, 800, 1, 0},
        {Tanh, -12000, -1, 0},
        {Tanh, 65, 1, 0},
        {Coth, 12000, 1, 0},
        {Coth, -800, -1, 0},
        {Coth, 0, Inf, 0},
        {Tanh, 0, 0, 0},
        // sinh and cosh overflow like the exponentials.
        {Sinh, 800, Inf, 0},
        {Sinh, -800, -Inf, 0},
        {Cosh, -800, Inf, 0},
        {Sinh, 710, Inf, 0}, // finite in the x87 format, which overflows only beyond 710.47
        // Beyond 2^512, where u^2 overflows: ln 2u, or -inf where the sum cancels.
        {Arsinh, 1e200, LnOfTwiceTenTo(200), 1e-15},
        {Arsinh, -1e200, -Inf, 0},
        {Arcosh, 1e300, LnOfTwiceTenTo(300), 1e-15},
        {Arcosh, -1e300, -Inf, 0},
        {Arsinh, 1e154, LnOfTwiceTenTo(154), 1e-15}, // just below, the formula itself
        {Arsinh, -1e8, -Inf, 0},                     // sqrt(u^2 + 1) is |u| in double
        // The ends of the inverse functions' domains.
        {Arcsin, 1, Pi / 2, 0},
        {Arcsin, -1, -Pi / 2, 0},
        {Arcsin, 2, NaN, 0},
        {Arccos, -1, Pi, 0},
        {Arccos, 1, 0, 0},
        {Arccot, -1, 3 * Pi / 4, 1e-15},
        {Arccot, 0, Pi / 2, 0},
        {Cot, 0, Inf, 0},
        {Artanh, 1, Inf, 0},
        {Arcoth, 1, Inf, 0},
        {Arcosh, 0.5, NaN, 0},
    };
    for (const EdgeRow& row : rows) {
        EXPECT_TRUE(Matches(row.function.narrow(row.u), row.expected, row.tolerance))
            << row.function.name << " " << row.u;
    }
}

struct AgreementRow {
    const Composite& function;
    double u;
};

// Where the formulas are well conditioned, rounding every step to double costs a few ulps at
// most; at the far ends narrow and wide give the same infinities and limits.
TEST(NarrowCompositeTest, AgreesWithTheWideFormat) {
    if constexpr (!WideLongDouble) {
        GTEST_SKIP() << "long double is double here: the narrow results are the engine's own";
    } else {
        const AgreementRow rows[] = {
            {Log, 2},        {Log, 0.3},       {Log, 7e100},     {Log, 1e-300},   {Cot, 0.7},
            {Cot, -2},       {Cot, 1e-10},     {Arcsin, 0.5},    {Arcsin, -0.25}, {Arccos, 0.6},
            {Arccos, -0.9},  {Arccot, 3},      {Arccot, -0.5},   {Sinh, 1.5},     {Sinh, -20},
            {Sinh, 700},     {Cosh, 0.5},      {Cosh, -300},     {Tanh, 0.75},    {Tanh, -3},
            {Tanh, 30},      {Tanh, 11000},    {Coth, 2},        {Coth, -40},     {Coth, -11000},
            {Arsinh, 0.8},   {Arsinh, 42},     {Arsinh, 1e150},  {Arsinh, 1e200}, {Arsinh, 1e308},
            {Arsinh, -1e10}, {Arsinh, -1e300}, {Arcosh, 1.5},    {Arcosh, 1e6},   {Arcosh, 1e200},
            {Arcosh, -1e10}, {Arcosh, -1e200}, {Artanh, 0.5},    {Artanh, -0.9},  {Arcoth, 1.5},
            {Arcoth, -30},   {Arcoth, 1e200},  {Arcoth, -1e300},
        };
        for (const AgreementRow& row : rows) {
            EXPECT_TRUE(Matches(row.function.narrow(row.u), row.function.wide(row.u), 1e-14))
                << row.function.name << " " << row.u;
        }
    }
}

// What the comments say the narrow format gives up: finite wide results that are infinite in
// double. A change in either format shows here first.
TEST(NarrowCompositeTest, DifferencesFromTheWideFormat) {
    if constexpr (!WideLongDouble) {
        GTEST_SKIP() << "long double is double here: there is no wide format to differ from";
    } else {
        const AgreementRow rows[] = {{Sinh, 710}, {Cosh, -710.4}, {Arsinh, -1e8}, {Arsinh, -1e9}};
        for (const AgreementRow& row : rows) {
            EXPECT_TRUE(std::isfinite(row.function.wide(row.u)))
                << row.function.name << " " << row.u;
            EXPECT_TRUE(std::isinf(row.function.narrow(row.u)))
                << row.function.name << " " << row.u;
        }
    }
}

} // namespace
} // namespace plotmere
