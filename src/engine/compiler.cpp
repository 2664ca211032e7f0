#include "engine/compiler.h"

#include "engine/number_text.h"
#include "engine/vocabulary.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace plotmere {

namespace {

constexpr std::string_view PiNumeral = "3.14159265358979";
constexpr std::string_view OperatorCharacters = "+-*/%^()";
constexpr std::string_view ParameterNames[] = {"a", "b", "c", "d", "e"};

// The word a typed token names, or nullptr: the sign's postfix text is no typed word.
const Word* TypedWord(std::string_view token) {
    const Word* word = FindWord(token);
    return word != nullptr && word->text == SignText ? nullptr : word;
}

bool IsBinaryOperator(std::string_view token) {
    const Word* word = TypedWord(token);
    return word != nullptr && word->arity == 2;
}

// A "-" directly after nothing, an opening bracket or another operator has no left operand.
bool StartsOperand(std::string_view previous) {
    return previous.empty() || previous == "(" || IsBinaryOperator(previous);
}

// An operator waiting on the stack is applied before `next` when it binds tighter, or as tightly
// and `next` is left-associative.
bool AppliesBefore(const Word& waiting, const Word& next) {
    return waiting.precedence > next.precedence ||
           (waiting.precedence == next.precedence && !next.rightAssociative);
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

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The cut splits a scientific numeral at the sign of its exponent ("1e", "-", "05"). Where the
// three pieces together are a number exactly as the program writes it in scientific form, they
// are one numeral again; any other text keeps its pieces, and with them its message.
void JoinScientificNumerals(std::vector<std::string>& tokens) {
    std::vector<std::string> joined;
    joined.reserve(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i + 2 < tokens.size() && tokens[i].ends_with('e') &&
            (tokens[i + 1] == "+" || tokens[i + 1] == "-") && IsDigits(tokens[i + 2])) {
            std::string numeral = tokens[i] + tokens[i + 1] + tokens[i + 2];
            if (IsCanonicalScientificNumeral(numeral)) {
                joined.push_back(std::move(numeral));
                i += 2;
                continue;
            }
        }
        joined.push_back(std::move(tokens[i]));
    }
    tokens = std::move(joined);
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
        const Word* word = TypedWord(token);
        if (token == VariableText) {
            output(token);
        } else if (token == "(") {
            operators_.push_back(OpenBracket);
        } else if (token == ")") {
            failure = closeBracket();
        } else if (token == "-" && StartsOperand(previous_)) {
            operators_.push_back(FindWord(SignText)); // a prefix operator
        } else if (word != nullptr && word->arity == 2) {
            while (!operators_.empty() && operators_.back() != OpenBracket &&
                   AppliesBefore(*operators_.back(), *word)) {
                popToOutput();
            }
            operators_.push_back(word);
        } else if (word != nullptr) {
            operators_.push_back(word); // prefix operators wait for their operand
        } else {
            failure = readNumeral(token);
        }
        previous_ = token;
        return failure;
    }

    // Flushes the remaining operators; an unclosed bracket is an error.
    std::optional<std::string> close() {
        while (!operators_.empty()) {
            if (operators_.back() == OpenBracket) {
                return std::string(BracketMessage);
            }
            popToOutput();
        }
        return std::nullopt;
    }

    const std::string& postfix() const { return postfix_; }

private:
    void output(std::string_view token) {
        postfix_ += token;
        postfix_ += ' ';
    }

    void popToOutput() {
        output(operators_.back()->text);
        operators_.pop_back();
    }

    std::optional<std::string> closeBracket() {
        while (!operators_.empty()) {
            if (operators_.back() == OpenBracket) {
                operators_.pop_back();
                return std::nullopt;
            }
            popToOutput();
        }
        return std::string(BracketMessage);
    }

    // Only numerals in the program's own short form are accepted; "0.25" is read as ".25". A
    // parameter's text may be scientific with seven digits ("1E+08").
    std::optional<std::string> readNumeral(std::string_view token) {
        if (token.substr(0, 2) == "0.") {
            token.remove_prefix(1);
        }
        if (!IsCanonicalNumeral(token) && !IsCanonicalScientificNumeral(token)) {
            return NumeralMessage(token);
        }
        output(token);
        return std::nullopt;
    }

    // An open bracket waits on the operator stack as nullptr.
    static constexpr const Word* OpenBracket = nullptr;

    std::string postfix_;
    std::vector<const Word*> operators_;
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
        if (const Word* word = FindWord(token)) {
            if (depth < word->arity) {
                return false;
            }
            depth -= word->arity - 1;
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

CompileResult CompileExpression(std::string_view text, const ParameterValues& parameters) {
    CompiledExpression compiled;
    compiled.expressionText = Normalise(text);
    if (std::none_of(text.begin(), text.end(), [](char c) { return c != ' '; })) {
        return Failure(std::string(EmptyExpressionMessage));
    }

    std::vector<std::string> tokens = CutIntoTokens(compiled.expressionText);
    JoinScientificNumerals(tokens);
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
