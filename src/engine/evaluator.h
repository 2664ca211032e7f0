#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace plotmere {

// The result of an evaluation that failed.
inline constexpr double UndefinedValue = 1e9;

// A postfix text turned into a flat program: opcodes with their numerals already parsed and the
// deepest stack the program needs, so evaluation never grows a container.
class TokenList {
public:
    enum class Op : std::uint8_t;      // what an instruction computes (engine/vocabulary.h)
    enum class Operand : std::uint8_t; // where an operand comes from: stack, x or constant
    struct Instruction {
        Op op;
        Operand left;    // a binary operator's left operand
        Operand right;   // a binary operator's right operand, or what a push pushes
        double constant; // the value of the one numeral operand, if any
    };

    // The program. An x or numeral operand that a binary operator takes is folded into it, so
    // the program can be shorter than the token list; the arithmetic is the same.
    const std::vector<Instruction>& instructions() const { return instructions_; }
    // Number of tokens in the postfix text.
    std::size_t tokenCount() const { return tokenCount_; }
    // Deepest stack the token-by-token run reaches; the folded program never needs more.
    std::size_t maxDepth() const { return maxDepth_; }
    // True when some operator would pop an empty stack; such programs take a slower path that
    // supplies UndefinedValue for every missing operand.
    bool popsEmptyStack() const { return popsEmptyStack_; }

private:
    friend TokenList LoadTokenList(std::string_view postfixText);
    std::vector<Instruction> instructions_;
    std::size_t tokenCount_ = 0;
    std::size_t maxDepth_ = 0;
    bool popsEmptyStack_ = false;
};

// Splits the text at every blank; each piece is a token, an unknown one a numeral.
TokenList LoadTokenList(std::string_view postfixText);

// y = f(x) for one x.
double EvaluateExpression(const TokenList& tokens, double x);

// ys[i] = f(xs[i]) for every i, with exactly the values of the one-x form. ys must be at least
// as long as xs; it may be xs itself.
void EvaluateExpression(const TokenList& tokens, std::span<const double> xs, std::span<double> ys);

} // namespace plotmere
