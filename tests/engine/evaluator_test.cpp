#include "engine/compiler.h"
#include "engine/evaluator.h"
#include "support/engine/literal_interpreter.h"
#include "support/engine/vocabulary_words.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace plotmere {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Pi = std::numbers::pi;

// Bit-exact comparison in which any NaN matches any NaN, with a readable failure.
::testing::AssertionResult Identical(double actual, double expected) {
    if (SameResult(actual, expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "got " << actual << ", expected " << expected;
}

struct Row {
    const char* postfix;
    double x;
    double expected; // compared bit for bit, except that NaN matches NaN
};

void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.postfix + "\" at x = " + std::to_string(row.x));
        EXPECT_TRUE(Identical(EvaluateExpression(LoadTokenList(row.postfix), row.x), row.expected));
    }
}

TEST(EvaluatorTest, ArithmeticFollowsIeee) {
    ExpectRows({
        {"x 5 x * sin * ", 0.5, 0.5 * std::sin(2.5)},
        {"1 x / ", 0, Inf},
        {"1 neg x / ", 0, -Inf},
        {"0 x / ", 0, NaN},
        {"x sqrt ", -1, NaN},
        {"x ln ", 0, -Inf},
        {"x ln ", -1, NaN},
        {"x neg ", 0, -0.0},
        {"x 1 + ", Inf, Inf},
        {"x x - ", Inf, NaN},
        {"x 0 * ", -Inf, NaN},
        {"x sin ", NaN, NaN},
        {"x abs ", -Inf, Inf},
        {"x exp ", 800, Inf},
        {"x exp ", -800, 0},
        {"8 3 2 - - ", 0, 7},
    });
}

TEST(EvaluatorTest, RemainderRoundsHalfToEvenAndKeepsTheSignOfTheDividend) {
    ExpectRows({
        {"x 3 % ", 7.5, 2},
        {"7 3 % ", 0, 1},
        {"7 neg 3 % ", 0, -1},
        {"7 3 neg % ", 0, 1},
        {"5 2.5 % ", 0, 1},
        {"x 2 % ", 7.5, 0},
        {"x 3 % ", -2.5, -2},
        {"x 3 % ", 3.5, 1},
        {"6 neg 3 % ", 0, 0.0}, // an integer remainder has no negative zero
        {"2147483646.5 1000 % ", 0, 646},
        {"2147483648.5 neg 10 % ", 0, -8}, // rounds to -2^31, which still fits
    });
}

TEST(EvaluatorTest, RemainderFailures) {
    ExpectRows({
        {"x 0 % ", 5, UndefinedValue},
        {"x .4 % ", 5, UndefinedValue},
        {"x 2 % ", 3e9, UndefinedValue},
        {"2147483647.5 x % ", 5, UndefinedValue},
        {"x 2 % ", -2147483649.0, UndefinedValue},
        {"2147483648 neg 1 neg % ", 0, UndefinedValue},
        {"x 2 % ", NaN, UndefinedValue},
        {"x 2 % ", Inf, UndefinedValue},
        {"5 x % ", -Inf, UndefinedValue},
        {"x 0 % 2 + ", 5, UndefinedValue}, // the failure abandons the rest
    });
}

TEST(EvaluatorTest, Power) {
    ExpectRows({
        {"x 2 ^ ", -4, 16},
        {"x 3 ^ ", -2, -8},
        {"x neg 2 ^ ", 3, 9},
        {"2 3 2 ^ ^ ", 0, 512},
        {"x 0 ^ ", 0, 1},
        {"x 0 ^ ", NaN, 1},
        {"x 2 ^ ", NaN, NaN},
        {"x 1 neg ^ ", Inf, 0},
        {"2 x ^ ", -Inf, 0},
        {"x .5 ^ ", 4, 2},
    });
}

TEST(EvaluatorTest, PowerFailures) {
    ExpectRows({
        {"x .5 ^ ", -4, UndefinedValue},
        {"x 1 neg ^ ", 0, UndefinedValue},
        {"x 1 neg ^ ", -0.0, UndefinedValue},
        {"10 x ^ ", 400, UndefinedValue},
        {"x 2 ^ ", Inf, UndefinedValue}, // the result is judged: inf^2 fails too
        {"2 x ^ ", Inf, UndefinedValue},
        {".5 neg x ^ ", Inf, UndefinedValue}, // an infinite power is not whole
        {"x .5 ^ ", -Inf, UndefinedValue},
        {"1 neg x ^ ", NaN, UndefinedValue}, // nor is NaN
    });
}

TEST(EvaluatorTest, ElementaryFunctions) {
    ExpectRows({
        {"x abs ", -3, 3},
        {"x sqrt ", 2.25, 1.5},
        {"x arcsin ", 1, Pi / 2},
        {"x arcsin ", -1, -Pi / 2},
        {"x arcsin ", 2, NaN},
        {"x arccos ", 1, 0},
        {"x arccos ", 0, Pi / 2},
        {"x arccot ", 1, Pi / 4},
        {"x arccot ", 0, Pi / 2},
        {"x cot ", 0, Inf},
        {"x log ", 1000, 3},
        {"x log ", 0, -Inf},
        {"x arcosh ", 1, 0},
        {"x arcosh ", 0.5, NaN},
        {"x artanh ", 1, Inf},
        {"x arcoth ", 1, Inf},
        {"x arsinh ", 0, 0},
    });
}

TEST(EvaluatorTest, ValuesNearMultiplesOfPi) {
    const double atMinusOne = EvaluateExpression(LoadTokenList("x arccot "), -1);
    EXPECT_DOUBLE_EQ(atMinusOne, 3 * Pi / 4);
    EXPECT_DOUBLE_EQ(EvaluateExpression(LoadTokenList("x arccos "), -1), Pi);

    // pi is the 15-digit numeral, so its sine is the small remainder 3.2e-15, not 0. The digits
    // after the first few are the C library's: 3.2310891488651735e-15 with the GNU C library,
    // 3.231085104332676e-15 with MinGW's, whose sin reduces by a 66-bit pi.
    const double sinOfPi = EvaluateExpression(LoadTokenList("3.14159265358979 sin "), 0);
    EXPECT_NEAR(sinOfPi, 3.2e-15, 0.05e-15);
}

// `value` as only the running program knows it, so that the compiler cannot work out a library
// function of it itself (correctly rounded, which the C library need not be).
double AtRunTime(double value) {
    volatile double unknown = value;
    return unknown;
}

struct LibraryRow {
    const char* postfix; // a function of x
    double (*library)(double);
};

// The single-step functions and whole powers are the C library's own on every platform, bit for
// bit, also where its last digits are not the best (MinGW's sin near multiples of pi, its pow).
TEST(EvaluatorTest, SingleStepFunctionsAreTheCLibrarys) {
    const LibraryRow rows[] = {
        {"x sin ",
         [](double u) {
             return std::sin(u);
         }},
        {"x cos ",
         [](double u) {
             return std::cos(u);
         }},
        {"x tan ",
         [](double u) {
             return std::tan(u);
         }},
        {"x arctan ",
         [](double u) {
             return std::atan(u);
         }},
        {"x exp ",
         [](double u) {
             return std::exp(u);
         }},
        {"x ln ",
         [](double u) {
             return std::log(u);
         }},
        {"x sqrt ",
         [](double u) {
             return std::sqrt(u);
         }},
        {"x 3 ^ ",
         [](double u) {
             return std::pow(u, 3.0);
         }},
        {"x 64 ^ ",
         [](double u) {
             return std::pow(u, 64.0);
         }},
        {"10 x ^ ",
         [](double u) {
             return std::pow(10.0, u);
         }},
    };
    const double xs[] = {
        3.14159265358979, 6.28318530717958, 1.5707963267949, 205.77431881013, 1e15, 1e22, 0.5, -2.5,
        8.431215193885162};
    for (const LibraryRow& row : rows) {
        const TokenList program = LoadTokenList(row.postfix);
        const bool power = std::string_view(row.postfix).ends_with("^ ");
        for (double x : xs) {
            const double library = row.library(AtRunTime(x));
            const double expected = power && std::isinf(library) ? UndefinedValue : library;
            EXPECT_TRUE(Identical(EvaluateExpression(program, x), expected))
                << row.postfix << " at x = " << x;
        }
    }
}

// A function of a missing operand is worked out at run time like any other: "cot " alone is
// cot of UndefinedValue, the same as "x cot " at x = 1e9, in all three evaluations.
TEST(EvaluatorTest, MissingOperandsTakeTheLibrarysValues) {
    std::vector<std::string> names = FunctionWords();
    names.emplace_back(SignText);
    for (const std::string& name : names) {
        const std::string alone = name + " ";
        const double expected = EvaluateExpression(LoadTokenList("x " + alone), AtRunTime(1e9));
        const TokenList program = LoadTokenList(alone);
        std::vector<double> block(3);
        EvaluateExpression(program, std::vector<double>{0, 1, -1}, block);
        EXPECT_TRUE(Identical(EvaluateExpression(program, 0), expected)) << name;
        EXPECT_TRUE(Identical(block[1], expected)) << name;
        EXPECT_TRUE(Identical(LiteralInterpreter(alone).evaluate(0), expected)) << name;
    }
}

TEST(EvaluatorTest, HyperbolicFunctionsAtLargeArguments) {
    ExpectRows({
        {"x tanh ", 800, 1},
        {"x tanh ", -800, -1},
        {"x coth ", 800, 1},
        {"x coth ", 0, Inf},
        {"x sinh ", 800, Inf},
        {"x sinh ", -800, -Inf},
        {"x cosh ", -800, Inf},
        {"x tanh ", 0, 0},
    });
}

// With the x87 format the exponentials overflow only beyond |u| ~ 11356, giving inf/inf there;
// where long double is as narrow as double, the values are the limits instead.
TEST(EvaluatorTest, HyperbolicQuotientsBeyondTheExtendedRange) {
    const bool wideExponent =
        std::numeric_limits<long double>::max_exponent > std::numeric_limits<double>::max_exponent;
    EXPECT_TRUE(Identical(EvaluateExpression(LoadTokenList("x tanh "), 11000), 1));
    EXPECT_TRUE(
        Identical(EvaluateExpression(LoadTokenList("x tanh "), 12000), wideExponent ? NaN : 1.0));
    EXPECT_TRUE(
        Identical(EvaluateExpression(LoadTokenList("x coth "), -12000), wideExponent ? NaN : -1.0));
}

TEST(EvaluatorTest, PoppingAnEmptyStackYieldsUndefinedOperands) {
    ExpectRows({
        {"+ ", 0, 2 * UndefinedValue},
        {"2 + ", 0, UndefinedValue + 2},
        {"2 - ", 0, UndefinedValue - 2},
        {"x / ", 4, UndefinedValue / 4},
        {"neg ", 0, -UndefinedValue},
        {"sqrt ", 0, std::sqrt(UndefinedValue)},
        {"x - x * ", 2, (UndefinedValue - 2) * 2},
        {"2 ^ ", 0, 1e18},             // 1e9^2 is finite
        {"400 ^ ", 0, UndefinedValue}, // 1e9^400 fails, which is UndefinedValue as well
        {"% ", 0, 0},                  // 1e9 % 1e9
    });
}

TEST(EvaluatorTest, TokensAreSplitAtEveryBlank) {
    ExpectRows({
        {"", 5, UndefinedValue},
        {" ", 5, 0},   // one empty token: a numeral worth 0
        {"x  ", 5, 0}, // x, then an empty token
        {"x", 5, 5},   // a last token needs no blank
        {"2 3", 5, 3}, // the top of the stack is the result
        {"x x ", 5, 5},
        {"2x ", 5, 2}, // an unknown token is read as far as it is a number
        {"abc ", 5, 0},
        {"SIN ", 5, 0}, // the vocabulary is lower case
        {"-3 ", 5, -3},
        {"1e3 ", 5, 1000},
        {"x  1 + ", 5, 1},
    });
}

struct Shape {
    const char* postfix;
    std::size_t tokenCount;
    std::size_t maxDepth;
    bool popsEmptyStack;
};

TEST(EvaluatorTest, LoadMeasuresTheProgram) {
    const Shape shapes[] = {
        {"x 5 x * sin * ", 6, 3, false},
        {"1 2 3 4 + + + ", 7, 4, false},
        {"", 0, 0, false},
        {"  ", 2, 2, false},
        {"+ ", 1, 1, true},
        {"x + ", 2, 1, true},
        {"x x + + 1 ", 5, 2, true},
        {"sin ", 1, 1, true},
    };
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.postfix);
        const TokenList program = LoadTokenList(shape.postfix);
        EXPECT_EQ(program.tokenCount(), shape.tokenCount);
        EXPECT_EQ(program.maxDepth(), shape.maxDepth);
        EXPECT_EQ(program.popsEmptyStack(), shape.popsEmptyStack);
    }
}

TEST(EvaluatorTest, CompiledExpressions) {
    struct Case {
        const char* text;
        double x;
        double expected;
    };
    const Case cases[] = {
        {"x*sin(5*x)", 0.5, 0.5 * std::sin(2.5)},
        {"-x^2", 3, 9},
        {"2^3^2", 0, 512},
        {"a*x", 2, 5},
        {"x^-1", 0, UndefinedValue},
        {"1/(x*tan(2*x))", 0, Inf},
    };
    const ParameterValues parameters = {2.5f, 1, 2, 3, 4};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const CompileResult compiled = CompileExpression(c.text, parameters);
        ASSERT_TRUE(compiled.ok) << compiled.message;
        const TokenList program = LoadTokenList(compiled.expression.postfixText);
        EXPECT_TRUE(Identical(EvaluateExpression(program, c.x), c.expected));
    }
}

std::vector<double> SampleXs(std::size_t count) {
    std::vector<double> xs;
    for (std::size_t k = 0; k < count; ++k) {
        xs.push_back(-7 + 14 * static_cast<double>(k) / static_cast<double>(count - 1));
    }
    xs.insert(xs.end(), {0.0, -0.0, 3e9, -4, NaN, Inf, -Inf, 400, 800});
    return xs;
}

void ExpectBlockMatchesOneX(const std::string& postfix, const std::vector<double>& xs) {
    SCOPED_TRACE(postfix.size() > 60 ? postfix.substr(0, 60) + "..." : postfix);
    const TokenList program = LoadTokenList(postfix);
    std::vector<double> ys(xs.size(), 12345);
    EvaluateExpression(program, xs, ys);
    std::vector<double> inPlace = xs;
    EvaluateExpression(program, inPlace, inPlace);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double expected = EvaluateExpression(program, xs[i]);
        ASSERT_TRUE(Identical(ys[i], expected)) << "x = " << xs[i];
        ASSERT_TRUE(Identical(inPlace[i], expected)) << "in place, x = " << xs[i];
    }
}

TEST(EvaluatorTest, BlockFormGivesTheOneXValues) {
    // 1000 samples span several blocks and end in a partial one.
    const std::vector<double> xs = SampleXs(1000);
    for (const char* postfix : {"x 5 x * sin * ", "x 3 % ", "x .5 ^ 1 + ", "10 x ^ ", "2 x - ",
                                "x 0 % 2 + ", "x x x * x / - sqrt neg ", "x tanh x coth + ", "",
                                "+ ", "x + sin ", "7 ", "x 2 x ^ ^ ", "1 x / x log * "}) {
        ExpectBlockMatchesOneX(postfix, xs);
    }
}

// Repeats "1 " depth times, then closes with additions that end in x: the stack grows to
// depth + 1 values.
std::string DeepSum(std::size_t depth) {
    std::string postfix;
    for (std::size_t i = 0; i < depth; ++i) {
        postfix += "1 ";
    }
    postfix += "x ";
    for (std::size_t i = 0; i < depth; ++i) {
        postfix += "+ ";
    }
    return postfix;
}

TEST(EvaluatorTest, DeepProgramsUseEveryStackLevel) {
    const std::vector<double> xs = SampleXs(300);
    for (std::size_t depth : {63u, 64u, 65u, 200u, 40000u}) {
        SCOPED_TRACE(depth);
        const TokenList program = LoadTokenList(DeepSum(depth));
        EXPECT_EQ(program.maxDepth(), depth + 1);
        EXPECT_EQ(EvaluateExpression(program, 0.5), static_cast<double>(depth) + 0.5);
        ExpectBlockMatchesOneX(DeepSum(depth), xs);
    }
}

// One loaded program, evaluated from several threads at once, gives each the values it gives
// alone: evaluation keeps no shared state.
TEST(EvaluatorTest, ConcurrentEvaluationsAgree) {
    const TokenList program = LoadTokenList("x 5 x * sin * x 3 % + x .5 ^ - ");
    const std::vector<double> xs = SampleXs(20000);
    std::vector<double> alone(xs.size());
    EvaluateExpression(program, xs, alone);

    std::vector<std::vector<double>> results(4, std::vector<double>(xs.size()));
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < results.size(); ++t) {
        threads.emplace_back([&, t] {
            if (t % 2 == 0) {
                EvaluateExpression(program, xs, results[t]);
            } else {
                for (std::size_t i = 0; i < xs.size(); ++i) {
                    results[t][i] = EvaluateExpression(program, xs[i]);
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::vector<double>& result : results) {
        for (std::size_t i = 0; i < xs.size(); ++i) {
            ASSERT_TRUE(Identical(result[i], alone[i])) << "x = " << xs[i];
        }
    }
}

TEST(EvaluatorTest, BlockFormOfNothing) {
    const TokenList program = LoadTokenList("x ");
    std::vector<double> none;
    EvaluateExpression(program, none, none);
    EXPECT_TRUE(none.empty());
}

} // namespace
} // namespace plotmere
