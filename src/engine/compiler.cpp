#include "engine/compiler.h"

#include "engine/number_text.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace plotmere {

namespace {

constexpr std::string_view PiNumeral = "3.14159265358979";
constexpr std::string_view OperatorCharacters = "+-*/%^()";
constexpr std::string_view ParameterNames[] = {"a", "b", "c", "d", "e"};
constexpr std::string_view FunctionNames[] = {
    "sqrt", "abs",  "exp",    "ln",     "log",    "sin",    "cos",
    "tan",  "cot",  "arcsin", "arccos", "arctan", "arccot", "sinh",
    "cosh", "tanh", "coth",   "arsinh", "arcosh", "artanh", "arcoth"};

bool IsFunctionName(std::string_view token) {
    return std::find(std::begin(FunctionNames), std::end(FunctionNames), token) !=
           std::end(FunctionNames);
}

bool IsBinaryOperator(std::string_view token) {
    return token == "+" || token == "-" || token == "*" || token == "/" || token == "%" ||
           token == "^";
}

// A "-" directly after nothing, an opening bracket or another operator has no left operand.
bool StartsOperand(std::string_view previous) {
    return previous.empty() || previous == "(" || IsBinaryOperator(previous);
}

// Blanks (U+0020 only) removed and ASCII letters lowered; other characters stay as typed.
std::string Normalise(std::string_view text) {
    std::string normalised;
    normalised.reserve(text.size());
    for (char c : text) {
        if (c == ' ') {
            continue;
        }
        normalised.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return normalised;
}

// Each operator or bracket character is a token of its own; every run of other characters
// between them is one token.
std::vector<std::string> CutIntoTokens(std::string_view normalised) {
    std::vector<std::string> tokens;
    std::string run;
    for (char c : normalised) {
        if (OperatorCharacters.find(c) == std::string_view::npos) {
            run.push_back(c);
            continue;
        }
        if (!run.empty()) {
            tokens.push_back(std::move(run));
            run.clear();
        }
        tokens.emplace_back(1, c);
    }
    if (!run.empty()) {
        tokens.push_back(std::move(run));
    }
    return tokens;
}

// Parameters become their single-precision text and pi its 15-digit numeral; only whole
// tokens are replaced, so "exp" keeps its "e".
void SubstituteNamedValues(std::vector<std::string>& tokens, const ParameterValues& parameters) {
    for (std::size_t p = 0; p < parameters.size(); ++p) {
        const std::string value = NumberToText(parameters[p], SinglePrecisionDigits);
        std::replace(tokens.begin(), tokens.end(), std::string(ParameterNames[p]), value);
    }
    std::replace(tokens.begin(), tokens.end(), std::string("pi"), std::string(PiNumeral));
}

std::string JoinWithTrailingBlanks(const std::vector<std::string>& tokens) {
    std::string joined;
    for (const std::string& token : tokens) {
        joined += token;
        joined += ' ';
    }
    return joined;
}

std::string NumeralMessage(std::string_view token) {
    return std::string(IncorrectExpressionMessage) + "\r\n" + std::string(token) +
           " is not a valid numerical constant.";
}

// Shunting-yard conversion. Returns the failure message, or nothing on success.
class PostfixConverter {
public:
    // Appends the postfix form of one infix token to the output.
    std::optional<std::string> read(std::string_view token) {
        std::optional<std::string> failure;
        if (token == "x") {
            output(token);
        } else if (token == "(") {
            operators_.emplace_back(token);
        } else if (token == ")") {
            failure = closeBracket();
        } else if (token == "-" && StartsOperand(previous_)) {
            operators_.emplace_back("neg"); // unary minus: a prefix operator
        } else if (token == "+" || token == "-" || token == "*" || token == "/" || token == "%") {
            // Left-associative: pop everything that binds at least as tightly.
            while (OperatorPrecedence(token) <= OperatorPrecedence(top())) {
                popToOutput();
            }
            operators_.emplace_back(token);
        } else if (IsFunctionName(token)) {
            operators_.emplace_back(token); // prefix operators wait for their operand
        } else if (token == "^") {
            // Right-associative, and a pending unary minus or function is applied first.
            while (OperatorPrecedence(top()) > 4) {
                popToOutput();
            }
            operators_.emplace_back(token);
        } else {
            failure = readNumeral(token);
        }
        previous_ = token;
        return failure;
    }

    // Flushes the remaining operators; an unclosed bracket is an error.
    std::optional<std::string> close() {
        while (!operators_.empty()) {
            if (operators_.back() == "(") {
                return std::string(BracketMessage);
            }
            popToOutput();
        }
        return std::nullopt;
    }

    const std::string& postfix() const { return postfix_; }

private:
    std::string_view top() const {
        return operators_.empty() ? std::string_view() : std::string_view(operators_.back());
    }

    void output(std::string_view token) {
        postfix_ += token;
        postfix_ += ' ';
    }

    void popToOutput() {
        output(operators_.back());
        operators_.pop_back();
    }

    std::optional<std::string> closeBracket() {
        while (!operators_.empty()) {
            if (operators_.back() == "(") {
                operators_.pop_back();
                return std::nullopt;
            }
            popToOutput();
        }
        return std::string(BracketMessage);
    }

    // Only numerals in the program's own short form are accepted; "0.25" is read as ".25".
    std::optional<std::string> readNumeral(std::string_view token) {
        if (token.substr(0, 2) == "0.") {
            token.remove_prefix(1);
        }
        if (!IsCanonicalNumeral(token)) {
            return NumeralMessage(token);
        }
        output(token);
        return std::nullopt;
    }

    std::string postfix_;
    std::vector<std::string> operators_;
    std::string_view previous_;
};

// Operands and operators fit together when no operator lacks operands and exactly one value
// remains at the end.
bool OperandsFit(std::string_view postfix) {
    long long depth = 0;
    while (!postfix.empty()) {
        const std::size_t blank = postfix.find(' ');
        const std::string_view token = postfix.substr(0, blank);
        postfix.remove_prefix(blank == std::string_view::npos ? postfix.size() : blank + 1);
        if (IsBinaryOperator(token)) {
            if (depth < 2) {
                return false;
            }
            --depth;
        } else if (token == "neg" || IsFunctionName(token)) {
            if (depth < 1) {
                return false;
            }
        } else {
            ++depth;
        }
    }
    return depth == 1;
}

CompileResult Failure(std::string message) {
    CompileResult result;
    result.message = std::move(message);
    return result;
}

} // namespace

int OperatorPrecedence(std::string_view token) {
    if (token == "neg" || IsFunctionName(token)) {
        return 5;
    }
    if (token == "^") {
        return 4;
    }
    if (token == "*" || token == "/" || token == "%") {
        return 3;
    }
    if (token == "+" || token == "-") {
        return 2;
    }
    if (token == "(") {
        return 1;
    }
    return 0;
}

CompileResult CompileExpression(std::string_view text, const ParameterValues& parameters) {
    CompiledExpression compiled;
    compiled.expressionText = Normalise(text);
    if (std::none_of(text.begin(), text.end(), [](char c) { return c != ' '; })) {
        return Failure(std::string(EmptyExpressionMessage));
    }

    std::vector<std::string> tokens = CutIntoTokens(compiled.expressionText);
    SubstituteNamedValues(tokens, parameters);
    compiled.spacedText = JoinWithTrailingBlanks(tokens);

    PostfixConverter converter;
    for (const std::string& token : tokens) {
        if (auto failure = converter.read(token)) {
            return Failure(std::move(*failure));
        }
    }
    if (auto failure = converter.close()) {
        return Failure(std::move(*failure));
    }
    compiled.postfixText = converter.postfix();

    if (!OperandsFit(compiled.postfixText)) {
        return Failure(std::string(IncorrectExpressionMessage));
    }
    CompileResult result;
    result.ok = true;
    result.expression = std::move(compiled);
    return result;
}

} // namespace plotmere
