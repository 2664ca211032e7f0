#include "engine/compiler.h"
#include "engine/evaluator.h"
#include "engine/number_text.h"
#include "support/engine/literal_interpreter.h"
#include "support/engine/vocabulary_words.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

// Holds the fast evaluator, in both forms, against the literal interpreter on generated
// expressions. The seeds are fixed, so a failure names an expression that reproduces it.

namespace plotmere {
namespace {

const std::vector<std::string> FunctionNames = FunctionWords();
const std::vector<std::string> BinaryOperators = BinaryWords();

class Generator {
public:
    explicit Generator(std::uint32_t seed)
        : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    template <class T, std::size_t N> T pick(const T (&items)[N]) {
        return items[below(static_cast<int>(N))];
    }
    const std::string& pick(const std::vector<std::string>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    // A value of assorted scale: small integers, halves, fractions, huge and tiny magnitudes.
    double number() {
        switch (below(5)) {
        case 0:
            return below(12);
        case 1:
            return below(20) / 2.0;
        case 2:
            return std::uniform_real_distribution<double>(0, 3)(random_);
        case 3:
            return std::ldexp(std::uniform_real_distribution<double>(1, 2)(random_),
                              below(120) - 60);
        default:
            return std::ldexp(1.0, below(2100) - 1070);
        }
    }

    // A numeral as the compiler accepts it: the canonical text, in plain notation since an
    // exponent's sign would be read as an operator.
    std::string plainNumeral() {
        for (;;) {
            const std::string text = NumberToText(std::fabs(number()), DoublePrecisionDigits);
            if (text.find('E') == std::string::npos) {
                return text;
            }
        }
    }

    // An infix expression over the whole vocabulary, about `budget` operators deep.
    std::string infix(int budget) {
        if (budget <= 0 || chance(0.2)) {
            return leaf();
        }
        std::string text;
        switch (below(6)) {
        case 0:
        case 1:
            text = infix(budget - 1);
            text += pick(BinaryOperators);
            text += infix(budget - 1);
            break;
        case 2:
            text = "-";
            text += infix(budget - 1);
            break;
        case 3:
            text = "(";
            text += infix(budget - 1);
            text += ")";
            break;
        default:
            text = pick(FunctionNames);
            text += "(";
            text += infix(budget - 1);
            text += ")";
        }
        return text;
    }

    std::string leaf() {
        static constexpr const char* names[] = {"x", "x", "x", "a", "b", "c", "d", "e", "pi"};
        return chance(0.35) ? plainNumeral() : pick(names);
    }

    ParameterValues parameters() {
        ParameterValues values;
        for (float& value : values) {
            value = static_cast<float>(chance(0.5) ? number() : -number());
            if (std::isinf(value)) {
                value = 0; // an infinite parameter would not compile
            }
        }
        return values;
    }

    // A postfix text straight from tokens, well-formed or not: operators may find the stack
    // empty, odd numerals and unknown words appear, blanks may double or be missing at the end.
    std::string postfix() {
        static constexpr const char* odd[] = {"",    "2x", "1e5",         "-3",  ".5",     "abc",
                                              "1d2", "0",  "-2147483648", "3e9", "1E+308", "neg1"};
        std::string text;
        const int count = below(25);
        for (int i = 0; i < count; ++i) {
            switch (below(6)) {
            case 0:
                text += "x";
                break;
            case 1:
                text += pick(BinaryOperators);
                break;
            case 2:
                text += chance(0.5) ? "neg" : pick(FunctionNames);
                break;
            case 3:
                text += pick(odd);
                break;
            default:
                text += NumberToText(chance(0.7) ? number() : -number(), DoublePrecisionDigits);
            }
            text += chance(0.05) ? "  " : " ";
        }
        if (!text.empty() && chance(0.2)) {
            text.pop_back();
        }
        return text;
    }

    // Sample points: the usual suspects, then random ones of every scale.
    std::vector<double> xs(std::size_t randomCount) {
        constexpr double Inf = std::numeric_limits<double>::infinity();
        constexpr double Max = std::numeric_limits<double>::max();
        constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
        std::vector<double> points = {
            0,     -0.0, 1,    -1,  0.5,   -0.5,   2,   -2,   3,   7,        -7,  2.5, -2.5, 1e-300,
            1e300, 710,  -710, 800, 12000, -12000, 3e9, -3e9, 1e9, 4.9e-324, Max, Inf, -Inf, NaN};
        for (std::size_t i = 0; i < randomCount; ++i) {
            points.push_back(chance(0.5) ? number() : -number());
        }
        return points;
    }

private:
    std::mt19937 random_;
};

// Evaluates one postfix text at every x in all three ways; returns false after reporting the
// first disagreement.
bool AllAgree(const std::string& postfix, const std::vector<double>& xs, const char* origin) {
    const LiteralInterpreter oracle(postfix);
    const TokenList program = LoadTokenList(postfix);
    std::vector<double> block(xs.size());
    EvaluateExpression(program, xs, block);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double expected = oracle.evaluate(xs[i]);
        const double oneX = EvaluateExpression(program, xs[i]);
        if (!SameResult(oneX, expected) || !SameResult(block[i], expected)) {
            ADD_FAILURE() << origin << "\npostfix \"" << postfix << "\" at x = " << xs[i]
                          << "\noracle " << expected << ", one-x " << oneX << ", block "
                          << block[i];
            return false;
        }
    }
    return true;
}

TEST(DifferentialTest, CompiledExpressionsMatchTheLiteralInterpreter) {
    Generator generate(20240611);
    const std::vector<double> xs = generate.xs(40);
    int compiled = 0;
    int failures = 0;
    for (int i = 0; i < 3000 && failures < 5; ++i) {
        const std::string text = generate.infix(1 + generate.below(7));
        const CompileResult result = CompileExpression(text, generate.parameters());
        if (!result.ok) {
            continue; // for instance "sin-x", which the compiler rightly refuses
        }
        ++compiled;
        if (!AllAgree(result.expression.postfixText, xs, text.c_str())) {
            ++failures;
        }
    }
    // Most generated texts compile, so the comparison above covered thousands of programs.
    EXPECT_GT(compiled, 2000);
}

TEST(DifferentialTest, RawPostfixTextsMatchTheLiteralInterpreter) {
    Generator generate(7);
    const std::vector<double> xs = generate.xs(20);
    int poppedEmpty = 0;
    int failures = 0;
    for (int i = 0; i < 3000 && failures < 5; ++i) {
        const std::string postfix = generate.postfix();
        poppedEmpty += LoadTokenList(postfix).popsEmptyStack() ? 1 : 0;
        if (!AllAgree(postfix, xs, "raw postfix")) {
            ++failures;
        }
    }
    // Both the checked and the unchecked paths were exercised.
    EXPECT_GT(poppedEmpty, 500);
    EXPECT_LT(poppedEmpty, 2900);
}

// The reference has a definition of its own for every function of the vocabulary; a function
// added to the vocabulary alone makes this fail instead of being checked against another.
TEST(DifferentialTest, TheReferenceDefinesEveryFunctionOfTheVocabulary) {
    for (const std::string& name : FunctionNames) {
        EXPECT_NO_THROW(LiteralInterpreter("x " + name + " ").evaluate(0.5)) << name;
    }
    EXPECT_NO_THROW(LiteralInterpreter("x neg ").evaluate(0.5));
}

TEST(DifferentialTest, EveryFunctionAcrossItsDomain) {
    Generator generate(99);
    std::vector<double> xs = generate.xs(200);
    for (double x = -3; x <= 3; x += 0.125) {
        xs.push_back(x);
    }
    for (const std::string& name : FunctionNames) {
        EXPECT_TRUE(AllAgree("x " + name + " ", xs, name.c_str()));
    }
    for (const std::string& op : BinaryOperators) {
        EXPECT_TRUE(AllAgree("x x 3 * " + op + " ", xs, op.c_str()));
        EXPECT_TRUE(AllAgree("x 2.5 " + op + " ", xs, op.c_str()));
        EXPECT_TRUE(AllAgree("1.5 neg x " + op + " ", xs, op.c_str()));
    }
}

} // namespace
} // namespace plotmere
