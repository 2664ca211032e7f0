// libFuzzer target for the expression engine.
//
// An input is an expression text, optionally followed by a zero byte and a binary tail: one
// selector per parameter a ... e (a table entry, or raw float bits for any value at all), then
// raw doubles as further x values. The text is compiled with those parameters; a compiled
// expression is evaluated at the x values with both forms of EvaluateExpression and with the
// literal interpreter of the tests, which must agree bit for bit (any NaN matching any NaN).
// A rejected text must carry one of the compiler's four messages. The whole input is also run
// as a postfix text, well-formed or not. The number text helpers are held against the C library
// on the same texts and values. A disagreement aborts: that is a finding.

#include "finding.h"
#include "number_text_checks.h"

#include "engine/compiler.h"
#include "engine/evaluator.h"
#include "support/engine/literal_interpreter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plotmere::fuzz {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr float FloatInf = std::numeric_limits<float>::infinity();
constexpr float FloatNaN = std::numeric_limits<float>::quiet_NaN();

// x values every input is evaluated at.
constexpr double FixedXs[] = {
    0,   -0.0, 1,     -1,     0.5, std::numeric_limits<double>::quiet_NaN(),
    Inf, -Inf, 1e308, -1e308, 3e9, 4.9e-324};

// Parameter values a selector byte can pick: the program's defaults, everyday values, and the
// floats whose 7-digit text is unusual (scientific notation, "nan", "inf").
constexpr float ParameterTable[] = {
    0,         1,       2,        3,         4,          -3,
    2.5f,      -.5f,    .1f,      1e-5f,     1.0f / 3,   123456789.0f,
    1e7f,      1e15f,   1e20f,    -0.0f,     FloatNaN,   FloatInf,
    -FloatInf, 3.4e38f, -3.4e38f, 1.18e-38f, 1.401e-45f, 9.999999e-5f,
};

// Selector bytes at or above this take the next four bytes as the float's bits.
constexpr std::uint8_t RawFloatSelector = 0xF0;
constexpr std::size_t MaxTailXs = 8;
// The block form runs over the x values repeated to more samples than one block holds (256,
// fewer for deep stacks). Not for long programs, which would make long inputs slow, nor for
// programs that pop an empty stack, which the block form hands to the one-x form anyway.
constexpr std::size_t BlockSamples = 300;
constexpr std::size_t ManySamplesTokens = 256;

// Reads the tail byte by byte; an exhausted tail reads as zeros.
class TailReader {
public:
    explicit TailReader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes) {}

    bool empty() const { return bytes_.empty(); }
    std::size_t size() const { return bytes_.size(); }

    std::uint8_t byte() {
        if (bytes_.empty()) {
            return 0;
        }
        const std::uint8_t b = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return b;
    }

    template <class T> T raw() {
        std::uint8_t buffer[sizeof(T)] = {};
        for (std::uint8_t& b : buffer) {
            b = byte();
        }
        T value;
        std::memcpy(&value, buffer, sizeof(T));
        return value;
    }

private:
    std::span<const std::uint8_t> bytes_;
};

struct FuzzCase {
    std::string_view expression;
    ParameterValues parameters = {0, 1, 2, 3, 4};
    std::vector<double> xs;
};

// FNV-1a: a cheap, stable way to derive x values from the text itself.
std::uint64_t Hash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

// Splits an input into the expression, its parameters and its x values (see the top).
FuzzCase Decode(const std::uint8_t* data, std::size_t size) {
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    const std::size_t separator = whole.find('\0');

    FuzzCase input;
    input.expression = whole.substr(0, separator);
    input.xs.assign(std::begin(FixedXs), std::end(FixedXs));
    const std::uint64_t hash = Hash(input.expression);
    input.xs.push_back(static_cast<double>(static_cast<std::int64_t>(hash % 257) - 128) / 8);
    double fromBits;
    std::memcpy(&fromBits, &hash, sizeof fromBits);
    input.xs.push_back(fromBits);

    if (separator == std::string_view::npos) {
        return input;
    }
    TailReader tail(std::span(data + separator + 1, size - separator - 1));
    for (float& parameter : input.parameters) {
        if (tail.empty()) {
            break;
        }
        const std::uint8_t selector = tail.byte();
        parameter = selector >= RawFloatSelector
                        ? tail.raw<float>()
                        : ParameterTable[selector % std::size(ParameterTable)];
    }
    for (std::size_t i = 0; i < MaxTailXs && tail.size() >= sizeof(double); ++i) {
        input.xs.push_back(tail.raw<double>());
    }
    return input;
}

bool IsNumeralMessage(std::string_view message) {
    const std::string head = std::string(IncorrectExpressionMessage) + "\r\n";
    constexpr std::string_view tail = " is not a valid numerical constant.";
    return message.size() > head.size() + tail.size() && message.starts_with(head) &&
           message.ends_with(tail);
}

bool IsCompilerMessage(std::string_view message) {
    return message == EmptyExpressionMessage || message == BracketMessage ||
           message == IncorrectExpressionMessage || IsNumeralMessage(message);
}

// The one-x form, the block form (into its own buffer and in place) and the literal interpreter
// must agree.
void CheckEvaluation(std::string_view postfix, const std::vector<double>& xs) {
    const TokenList program = LoadTokenList(postfix);

    std::vector<double> oneX(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        oneX[i] = EvaluateExpression(program, xs[i]);
    }

    std::vector<double> samples(program.tokenCount() <= ManySamplesTokens ? BlockSamples
                                                                          : xs.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = xs[i % xs.size()];
    }
    std::vector<double> block(samples.size());
    EvaluateExpression(program, samples, block);
    std::vector<double> inPlace = samples;
    EvaluateExpression(program, inPlace, inPlace);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double expected = oneX[i % xs.size()];
        if (!SameResult(block[i], expected)) {
            Disagreement("block form differs from the one-x form", postfix, samples[i], expected,
                         block[i]);
        }
        if (!SameResult(inPlace[i], expected)) {
            Disagreement("in-place block form differs from the one-x form", postfix, samples[i],
                         expected, inPlace[i]);
        }
    }

    const LiteralInterpreter oracle(postfix);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double expected = oracle.evaluate(xs[i]);
        if (!SameResult(oneX[i], expected)) {
            Disagreement("evaluator differs from the literal interpreter", postfix, xs[i], expected,
                         oneX[i]);
        }
    }
}

void CheckCompilation(const FuzzCase& input) {
    const CompileResult result = CompileExpression(input.expression, input.parameters);
    if (!result.ok) {
        if (!IsCompilerMessage(result.message)) {
            Finding("unexpected compiler message", input.expression, result.message);
        }
        return;
    }
    const std::string& postfix = result.expression.postfixText;
    if (!result.message.empty() || postfix.empty() || postfix.back() != ' ' ||
        LoadTokenList(postfix).popsEmptyStack()) {
        Finding("compiled program is not well formed", input.expression, postfix);
    }
    const std::string& normalised = result.expression.expressionText;
    if (std::any_of(normalised.begin(), normalised.end(),
                    [](char c) { return c == ' ' || (c >= 'A' && c <= 'Z'); })) {
        Finding("expression text keeps a blank or a capital", input.expression, normalised);
    }
    CheckEvaluation(postfix, input.xs);
}

// Every numeral reading the engine does: the text as typed, each token of the input as a
// postfix text, and the values it deals in.
void CheckNumberTexts(const FuzzCase& input, std::string_view raw) {
    CheckTextToNumber(input.expression);
    while (!raw.empty()) {
        const std::size_t blank = raw.find(' ');
        CheckTextToNumber(raw.substr(0, blank));
        raw.remove_prefix(blank == std::string_view::npos ? raw.size() : blank + 1);
    }
    for (double x : input.xs) {
        CheckNumberToText(x);
    }
    for (float parameter : input.parameters) {
        CheckNumberToText(parameter);
    }
}

} // namespace
} // namespace plotmere::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace plotmere::fuzz;
    const FuzzCase input = Decode(data, size);
    CheckCompilation(input);
    // The raw bytes as a postfix text: unknown words are numerals, operators may find the stack
    // empty.
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    CheckEvaluation(raw, input.xs);
    CheckNumberTexts(input, raw);
    return 0;
}
