#include "engine/compiler.h"
#include "support/engine/operator_precedence.h"

#include <gtest/gtest.h>

#include <string>

namespace plotmere {
namespace {

const ParameterValues DefaultParameters = {0, 1, 2, 3, 4};

std::string NumeralMessageFor(const std::string& token) {
    return "Incorrect function expression.\r\n" + token + " is not a valid numerical constant.";
}

struct PostfixRow {
    const char* typed;
    const char* postfix;
};

class CompilesToPostfix : public testing::TestWithParam<PostfixRow> {};

TEST_P(CompilesToPostfix, GivesTheExpectedTokenOrder) {
    const CompileResult result = CompileExpression(GetParam().typed, DefaultParameters);
    ASSERT_TRUE(result.ok) << GetParam().typed << ": " << result.message;
    EXPECT_EQ(result.expression.postfixText, GetParam().postfix);
    EXPECT_TRUE(result.message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    WorkedResults, CompilesToPostfix,
    testing::Values(PostfixRow{"x*sin(5*x)", "x 5 x * sin * "},
                    PostfixRow{"3*sin(0.1*x^3)", "3 .1 x 3 ^ * sin * "},
                    PostfixRow{"1/(x*tan(2*x))", "1 x 2 x * tan * / "},
                    PostfixRow{"2 * Sin( X )", "2 x sin * "}, PostfixRow{"-x^2", "x neg 2 ^ "},
                    PostfixRow{"2^-x", "2 x neg ^ "}, PostfixRow{"-sin(x)", "x sin neg "},
                    PostfixRow{"2^3^2", "2 3 2 ^ ^ "}, PostfixRow{"pi*x", "3.14159265358979 x * "},
                    // Associativity and precedence.
                    PostfixRow{"8-3-2", "8 3 - 2 - "}, PostfixRow{"8/4*2", "8 4 / 2 * "},
                    PostfixRow{"1+2*3", "1 2 3 * + "}, PostfixRow{"x%3+1", "x 3 % 1 + "},
                    PostfixRow{"(1+2)*3", "1 2 + 3 * "}, PostfixRow{"-2^2", "2 neg 2 ^ "},
                    PostfixRow{"2*-x", "2 x neg * "}, PostfixRow{"--x", "x neg neg "},
                    PostfixRow{"1+-sin(x)", "1 x sin neg + "}, PostfixRow{"sin(-x)", "x neg sin "},
                    PostfixRow{"sin(x)^2", "x sin 2 ^ "}, PostfixRow{"x^sin(x)", "x x sin ^ "},
                    PostfixRow{"exp(x)", "x exp "}, PostfixRow{"((x))", "x "},
                    PostfixRow{"arcoth(x)+arsinh(x)", "x arcoth x arsinh + "},
                    // Numerals written as the program writes them.
                    PostfixRow{"0.5", ".5 "}, PostfixRow{".5", ".5 "}, PostfixRow{"12", "12 "},
                    PostfixRow{"3.25", "3.25 "}, PostfixRow{"0.0001", ".0001 "},
                    PostfixRow{"SIN(X)+PI", "x sin 3.14159265358979 + "},
                    // Parameters with their default values.
                    PostfixRow{"a+b*c-d/e", "0 1 2 * + 3 4 / - "}));

TEST(CompileExpressionTest, KeepsTheThreeTexts) {
    const CompileResult result = CompileExpression("X * Sin(5*X)", DefaultParameters);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.expression.expressionText, "x*sin(5*x)");
    EXPECT_EQ(result.expression.spacedText, "x * sin ( 5 * x ) ");
    EXPECT_EQ(result.expression.postfixText, "x 5 x * sin * ");
}

TEST(CompileExpressionTest, ExpressionTextKeepsPiAndParametersByName) {
    const CompileResult result = CompileExpression("SIN(X)+PI*a", {2.5f, 1, 2, 3, 4});
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.expression.expressionText, "sin(x)+pi*a");
    EXPECT_EQ(result.expression.spacedText, "sin ( x ) + 3.14159265358979 * 2.5 ");
}

struct ParameterRow {
    const char* typed;
    ParameterValues parameters;
    const char* postfix;
};

class SubstitutesParameters : public testing::TestWithParam<ParameterRow> {};

TEST_P(SubstitutesParameters, AsSinglePrecisionText) {
    const CompileResult result = CompileExpression(GetParam().typed, GetParam().parameters);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.expression.postfixText, GetParam().postfix);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SubstitutesParameters,
    testing::Values(ParameterRow{"a*x", {2.5f, 1, 2, 3, 4}, "2.5 x * "},
                    ParameterRow{"2-a", {-3, 1, 2, 3, 4}, "2 -3 - "},
                    ParameterRow{"x^a", {-3, 1, 2, 3, 4}, "x -3 ^ "},
                    ParameterRow{"a", {-0.5f, 1, 2, 3, 4}, "-.5 "},
                    ParameterRow{"e*x", {0, 1, 2, 3, 0.1f}, ".1 x * "},
                    ParameterRow{"b", {0, 0.1234567891f, 2, 3, 4}, ".1234568 "},
                    ParameterRow{"c", {0, 1, 0.00001f, 3, 4}, "1E-05 "},
                    ParameterRow{"exp(d)", {0, 1, 2, 99999, 4}, "99999 exp "},
                    // Seven digits write these in scientific form; a hand-edited store can hold
                    // them.
                    ParameterRow{"a*x", {1e8f, 1, 2, 3, 4}, "1E+08 x * "},
                    ParameterRow{"x-a", {-1.5e20f, 1, 2, 3, 4}, "x -1.5E+20 - "},
                    ParameterRow{"b", {0, 1.234568e-5f, 2, 3, 4}, "1.234568E-05 "}));

// A number written exactly as the program writes it in scientific form ("1E-05", also in small
// letters, as the expression box leaves it) is one numeral, though its exponent's sign is an
// operator character.
struct ScientificRow {
    const char* typed;
    const char* spaced;
    const char* postfix;
};

class TakesScientificNumerals : public testing::TestWithParam<ScientificRow> {};

TEST_P(TakesScientificNumerals, AsOneNumeral) {
    const CompileResult result = CompileExpression(GetParam().typed, DefaultParameters);
    ASSERT_TRUE(result.ok) << GetParam().typed << ": " << result.message;
    EXPECT_EQ(result.expression.spacedText, GetParam().spaced);
    EXPECT_EQ(result.expression.postfixText, GetParam().postfix);
}

INSTANTIATE_TEST_SUITE_P(
    Numerals, TakesScientificNumerals,
    testing::Values(ScientificRow{"1E-05", "1e-05 ", "1e-05 "},
                    ScientificRow{"1e-05*x", "1e-05 * x ", "1e-05 x * "},
                    ScientificRow{"x+1.5E+20", "x + 1.5e+20 ", "x 1.5e+20 + "},
                    ScientificRow{"-1E-05", "- 1e-05 ", "1e-05 neg "},
                    ScientificRow{"x-1e-05-2", "x - 1e-05 - 2 ", "x 1e-05 - 2 - "},
                    ScientificRow{"2^1E+15", "2 ^ 1e+15 ", "2 1e+15 ^ "},
                    ScientificRow{"3.333333E-05", "3.333333e-05 ", "3.333333e-05 "},
                    // The seven-digit form of a number with an exponent below 15.
                    ScientificRow{"1E+08", "1e+08 ", "1e+08 "},
                    // The parameter e and the function exp keep their meaning.
                    ScientificRow{"e-5", "4 - 5 ", "4 5 - "}));

struct FailureRow {
    const char* typed;
    std::string message;
};

class RejectsWithMessage : public testing::TestWithParam<FailureRow> {};

TEST_P(RejectsWithMessage, GivesTheExactText) {
    const CompileResult result = CompileExpression(GetParam().typed, DefaultParameters);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, GetParam().message) << "typed: " << GetParam().typed;
}

const std::string Empty = "Function expression is empty.";
const std::string Brackets = "Incorrect function expression.\r\nImproper use of brackets.";
const std::string Incorrect = "Incorrect function expression.";

INSTANTIATE_TEST_SUITE_P(
    Failures, RejectsWithMessage,
    testing::Values(
        FailureRow{"", Empty}, FailureRow{"     ", Empty},
        // Bad tokens, quoted as read.
        FailureRow{"y", NumeralMessageFor("y")}, FailureRow{"xsin(x)", NumeralMessageFor("xsin")},
        FailureRow{"2x", NumeralMessageFor("2x")}, FailureRow{"sinx", NumeralMessageFor("sinx")},
        FailureRow{"0.50", NumeralMessageFor(".50")}, FailureRow{"0.", NumeralMessageFor(".")},
        FailureRow{"neg(x)", NumeralMessageFor("neg")},
        FailureRow{"2.50", NumeralMessageFor("2.50")}, FailureRow{"1.", NumeralMessageFor("1.")},
        FailureRow{"007", NumeralMessageFor("007")}, FailureRow{"00.5", NumeralMessageFor("00.5")},
        FailureRow{"1e5", NumeralMessageFor("1e5")},
        FailureRow{"0.00001", NumeralMessageFor(".00001")},
        FailureRow{"1234567890123456", NumeralMessageFor("1234567890123456")},
        FailureRow{"1000000000000000", NumeralMessageFor("1000000000000000")},
        FailureRow{"x\t+1", NumeralMessageFor("x\t")},
        // Scientific forms other than the program's own keep their messages.
        FailureRow{"1E-5", NumeralMessageFor("1e")}, FailureRow{"1e+015", NumeralMessageFor("1e")},
        FailureRow{"1E05", NumeralMessageFor("1e05")},
        FailureRow{"1.0E-05", NumeralMessageFor("1.0e")},
        FailureRow{"10E-05", NumeralMessageFor("10e")},
        FailureRow{"0.1E-05", NumeralMessageFor(".1e")},
        FailureRow{"1E-05.5", NumeralMessageFor("1e")}, FailureRow{"1E+", NumeralMessageFor("1e")},
        // A bad token is found before a bracket problem to its right.
        FailureRow{"y)", NumeralMessageFor("y")},
        // Brackets.
        FailureRow{"x)", Brackets}, FailureRow{")x(", Brackets}, FailureRow{"(x", Brackets},
        FailureRow{"(x+", Brackets}, FailureRow{"sin(x", Brackets},
        // Operands and operators that do not fit.
        FailureRow{"+x", Incorrect}, FailureRow{"x(2)", Incorrect}, FailureRow{"2(x)", Incorrect},
        FailureRow{"(x)(x)", Incorrect}, FailureRow{"()", Incorrect},
        FailureRow{"sin()", Incorrect}, FailureRow{"sin-x", Incorrect}, FailureRow{"x+", Incorrect},
        FailureRow{"*", Incorrect}, FailureRow{"x x", NumeralMessageFor("xx")},
        FailureRow{"-", Incorrect}, FailureRow{"sin", Incorrect}));

TEST(OperatorPrecedenceTest, FollowsTheBindingTable) {
    EXPECT_EQ(OperatorPrecedence("neg"), 5);
    EXPECT_EQ(OperatorPrecedence("arccot"), 5);
    EXPECT_EQ(OperatorPrecedence("^"), 4);
    EXPECT_EQ(OperatorPrecedence("%"), 3);
    EXPECT_EQ(OperatorPrecedence("/"), 3);
    EXPECT_EQ(OperatorPrecedence("-"), 2);
    EXPECT_EQ(OperatorPrecedence("("), 1);
    EXPECT_EQ(OperatorPrecedence(")"), 0);
    EXPECT_EQ(OperatorPrecedence(""), 0);
    EXPECT_EQ(OperatorPrecedence("x"), 0);
}

} // namespace
} // namespace plotmere
