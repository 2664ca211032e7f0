#include "engine/vocabulary.h"

#include "engine/compiler.h"
#include "engine/evaluator.h"
#include "support/engine/literal_interpreter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

// Pins the vocabulary table against what the compiler and both evaluation paths do with each
// row: its text, its routine, its arity, its precedence and associativity.

namespace plotmere {
namespace {

const ParameterValues Parameters = {0, 1, 2, 3, 4};
constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Operands across the domains: signs, zeros, halves (the remainder rounds them), the edges of
// arcsin and artanh, the overflow of exp, 32-bit limits, NaN and the infinities.
const std::vector<double> Operands = {
    -3.5, -2.5,     -1,        -0.5, -0.0, 0,    0.25,  0.5,          1,           1.5,
    2,    3,        7.25,      710,  -710, 1e15, 1e300, 2147483647.5, -2147483648, -2147483648.5,
    NaN,  Infinity, -Infinity,
};

bool IsSign(const Word& word) {
    return word.text == SignText;
}

// What the user types for a word: the sign is typed as a minus.
std::string Typed(const Word& word) {
    return IsSign(word) ? std::string("-") : std::string(word.text);
}

std::string PostfixOf(const std::string& typed) {
    const CompileResult result = CompileExpression(typed, Parameters);
    EXPECT_TRUE(result.ok) << typed << ": " << result.message;
    return result.expression.postfixText;
}

// The value of a routine as an evaluation reports it: a failure is UndefinedValue.
double Expected(const Word& word, double a, double b) {
    if (word.arity == 1) {
        return word.routine.unary(b);
    }
    bool failed = false;
    const double result = word.routine.binary(a, b, failed);
    return failed ? UndefinedValue : result;
}

// One postfix program over x with the value its word's routine gives.
struct Program {
    std::string postfix;
    double (*a)(double x); // left operand from x (binary words only)
    double (*b)(double x); // right (or only) operand from x
};

// Each operand from x, from a numeral and from the stack, so that every way the loader folds
// operands into an instruction is run.
std::vector<Program> ProgramsOf(const Word& word) {
    const std::string text(word.text);
    if (word.arity == 1) {
        return {
            {"x " + text + " ", nullptr,
             [](double x) {
                 return x;
             }},
            {"2.5 " + text + " ", nullptr,
             [](double) {
                 return 2.5;
             }},
            {"x x + " + text + " ", nullptr,
             [](double x) {
                 return x + x;
             }},
        };
    }
    const auto x = [](double v) {
        return v;
    };
    return {
        {"x 2.5 " + text + " ", x,
         [](double) {
             return 2.5;
         }},
        {"2.5 x " + text + " ", [](double) { return 2.5; }, x},
        {"x x " + text + " ", x, x},
        {"x 3 * x neg " + text + " ", [](double v) { return v * 3; },
         [](double v) {
             return -v;
         }},
    };
}

TEST(VocabularyTest, EveryWordCompilesAsTyped) {
    for (const Word& word : Vocabulary) {
        SCOPED_TRACE(word.text);
        const std::string text(word.text);
        if (word.arity == 2) {
            EXPECT_EQ(PostfixOf("3" + text + "x"), "3 x " + text + " ");
        } else {
            EXPECT_EQ(PostfixOf(Typed(word) + "(x)"), "x " + text + " ");
        }
    }
}

TEST(VocabularyTest, TheSignsPostfixTextIsNotTyped) {
    const CompileResult result = CompileExpression(std::string(SignText) + "(x)", Parameters);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, std::string(IncorrectExpressionMessage) + "\r\n" +
                                  std::string(SignText) + " is not a valid numerical constant.");
}

TEST(VocabularyTest, EveryWordLoadsAsItsOwnInstruction) {
    for (const Word& word : Vocabulary) {
        SCOPED_TRACE(word.text);
        const std::string text(word.text);
        const TokenList alone = LoadTokenList(text);
        ASSERT_EQ(alone.instructions().size(), 1u);
        EXPECT_EQ(WordOf(alone.instructions().front().op).text, word.text);
        EXPECT_EQ(PopCount(alone.instructions().front().op), static_cast<std::size_t>(word.arity));

        // Its arity in operands is enough; one fewer pops the empty stack.
        std::string operands;
        for (int k = 1; k < word.arity; ++k) {
            operands += "x ";
        }
        EXPECT_TRUE(LoadTokenList(operands + text).popsEmptyStack());
        EXPECT_FALSE(LoadTokenList("x " + operands + text).popsEmptyStack());
        EXPECT_EQ(LoadTokenList("x " + operands + text).maxDepth(),
                  static_cast<std::size_t>(word.arity));
    }
    EXPECT_EQ(FindWord("x"), nullptr);
    EXPECT_EQ(FindWord(""), nullptr);
    EXPECT_EQ(FindWord("("), nullptr);
    EXPECT_EQ(FindWord("SIN"), nullptr);
}

TEST(VocabularyTest, EveryWordEvaluatesThroughItsRoutine) {
    std::vector<double> ys(Operands.size());
    for (const Word& word : Vocabulary) {
        for (const Program& program : ProgramsOf(word)) {
            SCOPED_TRACE(program.postfix);
            const TokenList tokens = LoadTokenList(program.postfix);
            const LiteralInterpreter oracle(program.postfix);
            EvaluateExpression(tokens, Operands, ys);
            for (std::size_t i = 0; i < Operands.size(); ++i) {
                const double x = Operands[i];
                const double a = program.a == nullptr ? 0 : program.a(x);
                const double expected = Expected(word, a, program.b(x));
                EXPECT_PRED2(SameResult, EvaluateExpression(tokens, x), expected) << "x = " << x;
                EXPECT_PRED2(SameResult, ys[i], expected) << "x = " << x;
                EXPECT_PRED2(SameResult, oracle.evaluate(x), expected) << "x = " << x;
            }
        }
    }
}

// The textbook rule: of two operators with an operand between them, the first is applied first
// when it binds tighter, or as tightly and the second is left-associative.
bool FirstAppliesFirst(const Word& first, const Word& second) {
    return first.precedence > second.precedence ||
           (first.precedence == second.precedence && !second.rightAssociative);
}

TEST(VocabularyTest, PrecedenceAndAssociativityDecideThePostfix) {
    for (const Word& second : Vocabulary) {
        if (second.arity != 2) {
            continue;
        }
        const std::string q(second.text);
        for (const Word& first : Vocabulary) {
            const std::string p(first.text);
            SCOPED_TRACE(p + " then " + q);
            if (first.arity == 2) {
                EXPECT_EQ(PostfixOf("x" + p + "2" + q + "3"), FirstAppliesFirst(first, second)
                                                                  ? "x 2 " + p + " 3 " + q + " "
                                                                  : "x 2 3 " + q + " " + p + " ");
            } else {
                // A prefix word before an operator applies first only if it binds tighter ...
                EXPECT_EQ(PostfixOf(Typed(first) + "(x)" + q + "2"),
                          FirstAppliesFirst(first, second) ? "x " + p + " 2 " + q + " "
                                                           : "x 2 " + q + " " + p + " ");
                // ... and after one it always waits for its own operand.
                EXPECT_EQ(PostfixOf("2" + q + Typed(first) + "(x)"), "2 x " + p + " " + q + " ");
            }
        }
    }
}

TEST(VocabularyTest, EveryBinaryWordMayBeFollowedByASign) {
    for (const Word& word : Vocabulary) {
        if (word.arity != 2) {
            continue;
        }
        const std::string text(word.text);
        SCOPED_TRACE(text);
        EXPECT_EQ(PostfixOf("x" + text + "-x"), "x x " + std::string(SignText) + " " + text + " ");
    }
}

} // namespace
} // namespace plotmere
