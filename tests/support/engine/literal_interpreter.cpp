#include "support/engine/literal_interpreter.h"

#include "engine/evaluator.h"
#include "engine/number_text.h"
#include "engine/vocabulary.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <string>

namespace plotmere {

namespace {

using Extended = long double;

// Thrown by an operator whose evaluation fails; caught where the evaluation starts.
struct EvaluationFailure {};

double PopOperand(std::vector<double>& stack) {
    if (stack.empty()) {
        return UndefinedValue;
    }
    const double top = stack.back();
    stack.pop_back();
    return top;
}

// Nearest integer with halves to the even neighbour, worked out from floor and the fraction.
double RoundToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) {
        return below + 1;
    }
    return below;
}

double RoundToInt32Range(double value) {
    const double rounded = RoundToEven(value);
    if (std::isnan(rounded) || rounded < -2147483648.0 || rounded > 2147483647.0) {
        throw EvaluationFailure{};
    }
    return rounded;
}

// The integer remainder carries the sign of a; fmod of whole numbers is exact, and adding +0
// turns fmod's -0 into the integer remainder's plain 0.
double IntegerRemainder(double a, double b) {
    const double dividend = RoundToInt32Range(a);
    const double divisor = RoundToInt32Range(b);
    if (divisor == 0 || (dividend == -2147483648.0 && divisor == -1)) {
        throw EvaluationFailure{};
    }
    return std::fmod(dividend, divisor) + 0.0;
}

// A negative base needs a finite whole power, zero a non-negative one, and the result must
// stay finite.
double CheckedPower(double a, double b) {
    const bool wholePower = std::isfinite(b) && std::floor(b) == b;
    if (a < 0 && !wholePower) {
        throw EvaluationFailure{};
    }
    if (a == 0 && b < 0) {
        throw EvaluationFailure{};
    }
    const double result = std::pow(a, b);
    if (result == std::numeric_limits<double>::infinity() ||
        result == -std::numeric_limits<double>::infinity()) {
        throw EvaluationFailure{};
    }
    return result;
}

// Where long double's exponent is no wider than double's (Microsoft's compiler), the formulas
// run in double and three of them follow other rules.
constexpr bool NarrowExtended =
    std::numeric_limits<Extended>::max_exponent <= std::numeric_limits<double>::max_exponent;

// The hyperbolic quotients would overflow to inf/inf; their value there is the limit ±1.
bool HyperbolicSaturates(double u) {
    return NarrowExtended && std::fabs(u) > 64;
}

// u^2 overflows: ln(u + sqrt(u^2 ± 1)) is ln 2u, or ln 0 for a negative u, as in the wide format.
bool SquareOverflows(double u) {
    return NarrowExtended && std::fabs(u) >= std::ldexp(1.0, 512);
}

double LogOfTwiceOrZero(double u) {
    return u > 0 ? std::log(u) + std::numbers::ln2 : -std::numeric_limits<double>::infinity();
}

double ApplyFunction(const std::string& name, double value) {
    const Extended u = value;
    const Extended halfPi = 2 * std::atan(Extended(1));
    if (name == "sqrt") {
        return std::sqrt(value);
    }
    if (name == "abs") {
        return std::fabs(value);
    }
    if (name == "exp") {
        return std::exp(value);
    }
    if (name == "ln") {
        return std::log(value);
    }
    if (name == "log") {
        if constexpr (NarrowExtended) {
            return std::log10(value); // the quotient in double misses powers of ten
        } else {
            return static_cast<double>(std::log(u) / std::log(Extended(10)));
        }
    }
    if (name == "sin") {
        return std::sin(value);
    }
    if (name == "cos") {
        return std::cos(value);
    }
    if (name == "tan") {
        return std::tan(value);
    }
    if (name == "cot") {
        return static_cast<double>(1 / std::tan(u));
    }
    if (name == "arcsin") {
        return static_cast<double>(std::atan(u / std::sqrt(1 - u * u)));
    }
    if (name == "arccos") {
        return static_cast<double>(std::atan(-u / std::sqrt(1 - u * u)) + halfPi);
    }
    if (name == "arctan") {
        return std::atan(value);
    }
    if (name == "arccot") {
        return static_cast<double>(halfPi - std::atan(u));
    }
    if (name == "sinh") {
        return static_cast<double>((std::exp(u) - std::exp(-u)) / 2);
    }
    if (name == "cosh") {
        return static_cast<double>((std::exp(-u) + std::exp(u)) / 2);
    }
    if (name == "tanh") {
        if (HyperbolicSaturates(value)) {
            return value < 0 ? -1.0 : 1.0;
        }
        return static_cast<double>((std::exp(u) - std::exp(-u)) / (std::exp(-u) + std::exp(u)));
    }
    if (name == "coth") {
        if (HyperbolicSaturates(value)) {
            return value < 0 ? -1.0 : 1.0;
        }
        return static_cast<double>((std::exp(-u) + std::exp(u)) / (std::exp(u) - std::exp(-u)));
    }
    if (name == "arsinh") {
        if (SquareOverflows(value)) {
            return LogOfTwiceOrZero(value);
        }
        return static_cast<double>(std::log(u + std::sqrt(u * u + 1)));
    }
    if (name == "arcosh") {
        if (SquareOverflows(value)) {
            return LogOfTwiceOrZero(value);
        }
        return static_cast<double>(std::log(u + std::sqrt(u * u - 1)));
    }
    if (name == "artanh") {
        return static_cast<double>(std::log((1 + u) / (1 - u)) / 2);
    }
    if (name == "arcoth") {
        return static_cast<double>(std::log((u + 1) / (u - 1)) / 2);
    }
    // A function of the vocabulary this reference has no definition of: every test that meets
    // it fails, rather than checking the evaluator against some other function.
    throw std::logic_error("the literal interpreter has no definition of " + name);
}

// The engine's vocabulary names the functions (only their names are taken from it; what each
// computes is defined above).
bool IsFunctionName(const std::string& token) {
    for (const Word& word : Vocabulary) {
        if (word.arity == 1 && word.text != SignText && word.text == token) {
            return true;
        }
    }
    return false;
}

// One token, compared against the vocabulary in its order: x, the binary operators, neg, the
// functions; anything else is a numeral.
void Execute(const std::string& token, double x, std::vector<double>& stack) {
    if (token == "x") {
        stack.push_back(x);
        return;
    }
    if (token == "+" || token == "-" || token == "*" || token == "/" || token == "%" ||
        token == "^") {
        const double b = PopOperand(stack);
        const double a = PopOperand(stack);
        if (token == "+") {
            stack.push_back(a + b);
        } else if (token == "-") {
            stack.push_back(a - b);
        } else if (token == "*") {
            stack.push_back(a * b);
        } else if (token == "/") {
            stack.push_back(a / b);
        } else if (token == "%") {
            stack.push_back(IntegerRemainder(a, b));
        } else {
            stack.push_back(CheckedPower(a, b));
        }
        return;
    }
    if (token == "neg") {
        stack.push_back(-PopOperand(stack));
        return;
    }
    if (IsFunctionName(token)) {
        stack.push_back(ApplyFunction(token, PopOperand(stack)));
        return;
    }
    stack.push_back(TextToNumber(token));
}

} // namespace

LiteralInterpreter::LiteralInterpreter(std::string_view postfixText) {
    std::string token;
    for (char c : postfixText) {
        if (c == ' ') {
            tokens_.push_back(token);
            token.clear();
        } else {
            token.push_back(c);
        }
    }
    if (!token.empty()) {
        tokens_.push_back(token);
    }
}

double LiteralInterpreter::evaluate(double x) const {
    std::vector<double> stack;
    try {
        for (const std::string& token : tokens_) {
            Execute(token, x, stack);
        }
    } catch (const EvaluationFailure&) {
        return UndefinedValue;
    }
    return PopOperand(stack);
}

} // namespace plotmere
