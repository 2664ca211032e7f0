#include "engine/compiler.h"
#include "engine/evaluator.h"
#include "support/engine/literal_interpreter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

// Hostile input: random bytes, very long and very deep expressions. Every one must end in a
// value or one of the compiler's messages, without a crash, a stack overflow or a hang.

namespace plotmere {
namespace {

constexpr std::size_t Huge = 50000;
const ParameterValues Parameters = {0, 1, 2, 3, 4};
const std::vector<double> Xs = {0, 1, -1, 0.5, -7, 3e9, std::nan("")};

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// `core` inside `times` pairs of `open` and `close`.
std::string Nest(std::string_view open, std::string_view core, std::string_view close,
                 std::size_t times) {
    std::string text = Repeat(open, times);
    text += core;
    text += Repeat(close, times);
    return text;
}

bool IsNumeralMessage(const std::string& message) {
    const std::string head = std::string(IncorrectExpressionMessage) + "\r\n";
    const std::string tail = " is not a valid numerical constant.";
    return message.size() >= head.size() + tail.size() && message.starts_with(head) &&
           message.ends_with(tail);
}

bool IsCompilerMessage(const std::string& message) {
    return message == EmptyExpressionMessage || message == BracketMessage ||
           message == IncorrectExpressionMessage || IsNumeralMessage(message);
}

// Runs a postfix text in both forms; they must agree. Returns the value at xs[0].
double EvaluateBothForms(const std::string& postfix, const std::vector<double>& xs) {
    const TokenList program = LoadTokenList(postfix);
    std::vector<double> block(xs.size());
    EvaluateExpression(program, xs, block);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_TRUE(SameResult(block[i], EvaluateExpression(program, xs[i]))) << "x = " << xs[i];
    }
    return block[0];
}

// Compiles the text; a success is evaluated, a failure must carry one of the four messages.
// Returns the result of the compilation.
CompileResult CompileAndRun(const std::string& text, const std::vector<double>& xs = Xs) {
    CompileResult result = CompileExpression(text, Parameters);
    if (!result.ok) {
        EXPECT_TRUE(IsCompilerMessage(result.message)) << result.message;
        return result;
    }
    EXPECT_FALSE(LoadTokenList(result.expression.postfixText).popsEmptyStack());
    EvaluateBothForms(result.expression.postfixText, xs);
    return result;
}

std::string RandomBytes(std::mt19937& random) {
    // Half the bytes come from the expression alphabet, so some texts compile.
    static constexpr std::string_view alphabet = "x+-*/%^()0123456789.e sincotaqrbhlgpd";
    std::uniform_int_distribution<int> length(0, 60);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::string text(static_cast<std::size_t>(length(random)), ' ');
    for (char& c : text) {
        c = anyByte(random) < 128 ? alphabet[letter(random)] : static_cast<char>(anyByte(random));
    }
    return text;
}

TEST(RobustnessTest, RandomBytesCompileOrExplain) {
    std::mt19937 random(31337);
    int compiled = 0;
    for (int i = 0; i < 5000; ++i) {
        compiled += CompileAndRun(RandomBytes(random)).ok ? 1 : 0;
    }
    EXPECT_GT(compiled, 0); // the evaluation side was reached too
}

TEST(RobustnessTest, RandomBytesAsPostfixText) {
    std::mt19937 random(4242);
    for (int i = 0; i < 5000; ++i) {
        EvaluateBothForms(RandomBytes(random), Xs);
    }
}

TEST(RobustnessTest, LongSum) {
    // 50001 x's and 50000 pluses: about 100000 tokens.
    const CompileResult result = CompileAndRun(Repeat("x+", Huge) + "x");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(EvaluateBothForms(result.expression.postfixText, {1.0}), Huge + 1.0);
}

TEST(RobustnessTest, DeepBrackets) {
    const CompileResult result = CompileAndRun(Nest("(", "x", ")", Huge));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(EvaluateBothForms(result.expression.postfixText, {2.5}), 2.5);
}

TEST(RobustnessTest, UnbalancedDeepBrackets) {
    EXPECT_EQ(CompileAndRun(Repeat("(", Huge) + "x").message, BracketMessage);
    EXPECT_EQ(CompileAndRun(Nest("", "x", ")", Huge)).message, BracketMessage);
}

TEST(RobustnessTest, DeeplyNestedFunctions) {
    const CompileResult result = CompileAndRun(Nest("sin(", "x", ")", Huge));
    ASSERT_TRUE(result.ok);
    double expected = 1;
    for (std::size_t i = 0; i < Huge; ++i) {
        expected = std::sin(expected);
    }
    EXPECT_EQ(EvaluateBothForms(result.expression.postfixText, {1.0}), expected);
}

TEST(RobustnessTest, ManyUnaryMinuses) {
    const CompileResult even = CompileAndRun(Repeat("-", Huge) + "x");
    ASSERT_TRUE(even.ok);
    EXPECT_EQ(EvaluateBothForms(even.expression.postfixText, {3.0}), 3.0);
    const CompileResult odd = CompileAndRun(Repeat("-", Huge + 1) + "x");
    ASSERT_TRUE(odd.ok);
    EXPECT_EQ(EvaluateBothForms(odd.expression.postfixText, {3.0}), -3.0);
}

TEST(RobustnessTest, DeepValueStack) {
    // 1+(1+(...(1+x)...)) keeps every 1 on the stack until the innermost sum is done.
    const CompileResult result = CompileAndRun(Nest("1+(", "x", ")", Huge));
    ASSERT_TRUE(result.ok);
    EXPECT_GT(LoadTokenList(result.expression.postfixText).maxDepth(), Huge);
    EXPECT_EQ(EvaluateBothForms(result.expression.postfixText, {0.5}), Huge + 0.5);
}

} // namespace
} // namespace plotmere
