#pragma once

#include <array>
#include <string>
#include <string_view>

namespace plotmere {

// The three texts of a compiled expression.
struct CompiledExpression {
    std::string expressionText; // blanks removed, lower case: what the user sees afterwards
    std::string spacedText;     // infix tokens after substitution, each followed by one blank
    std::string postfixText;    // postfix tokens, each followed by one blank
};

using ParameterValues = std::array<float, 5>; // a, b, c, d, e

struct CompileResult {
    bool ok = false;
    CompiledExpression expression;
    std::string message; // the exact text to show the user on failure ("\r\n" line breaks)
};

// The messages a compilation can fail with.
inline constexpr std::string_view EmptyExpressionMessage = "Function expression is empty.";
inline constexpr std::string_view IncorrectExpressionMessage = "Incorrect function expression.";
inline constexpr std::string_view BracketMessage =
    "Incorrect function expression.\r\nImproper use of brackets.";

// Turns the expression box's text into postfix form, or says why it cannot.
CompileResult CompileExpression(std::string_view text, const ParameterValues& parameters);

} // namespace plotmere
