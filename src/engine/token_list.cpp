#include "engine/evaluator.h"
#include "engine/number_text.h"
#include "engine/operations.h"
#include "engine/vocabulary.h"

#include <algorithm>
#include <optional>

namespace plotmere {

namespace {

using Instruction = TokenList::Instruction;
using Op = TokenList::Op;
using Operand = TokenList::Operand;

// The instruction of one token: x, a word, or else a numeral parsed once here.
Instruction Decode(std::string_view token) {
    if (token == VariableText) {
        return {Op::Push, Operand::Stack, Operand::X, 0};
    }
    if (const Word* word = FindWord(token)) {
        return {OpOf(*word), Operand::Stack, Operand::Stack, 0};
    }
    return {Op::Push, Operand::Stack, Operand::Constant, TextToNumber(token)};
}

// Each piece of text before a blank is a token, and so is a last piece without one; two blanks
// in a row enclose an empty token.
std::vector<Instruction> DecodeTokens(std::string_view text) {
    std::vector<Instruction> tokens;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        tokens.push_back(Decode(text.substr(0, blank)));
        text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
    }
    return tokens;
}

// What a dry run of the token list finds out.
struct StackTrace {
    // Per binary operator, the token that pushed its left operand; nothing when that pop finds
    // the stack empty. (The right operand always comes from the token just before.)
    std::vector<std::optional<std::size_t>> leftProducer;
    std::size_t maxDepth = 0;
    bool popsEmptyStack = false;
};

// Runs the tokens on a stack that holds, instead of values, the index of the token that pushed
// each value. A pop of the empty stack gives nothing and is noted.
StackTrace TraceStack(const std::vector<Instruction>& tokens) {
    StackTrace trace;
    trace.leftProducer.resize(tokens.size());
    std::vector<std::size_t> producers;
    const auto pop = [&]() -> std::optional<std::size_t> {
        if (producers.empty()) {
            trace.popsEmptyStack = true;
            return std::nullopt;
        }
        const std::size_t producer = producers.back();
        producers.pop_back();
        return producer;
    };
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::size_t pops = PopCount(tokens[i].op);
        if (pops >= 1) {
            pop();
        }
        if (pops == 2) {
            trace.leftProducer[i] = pop();
        }
        producers.push_back(i);
        trace.maxDepth = std::max(trace.maxDepth, producers.size());
    }
    return trace;
}

bool IsPush(const Instruction& step) {
    return step.op == Op::Push;
}

// Folds pushed x's and numerals into the operators that take them: the push just before an
// operator becomes its (right) operand, the push that produced a binary operator's left operand
// (whatever was computed in between) its left operand. Only one numeral fits an instruction.
// The values between stay above the folded one on the stack, so nothing else changes.
std::vector<Instruction> FoldOperands(std::vector<Instruction> tokens, const StackTrace& trace) {
    std::vector<bool> folded(tokens.size(), false);
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        Instruction& step = tokens[i];
        if (PopCount(step.op) == 0) {
            continue;
        }
        if (const Instruction& right = tokens[i - 1]; IsPush(right)) {
            step.right = right.right;
            step.constant = right.constant;
            folded[i - 1] = true;
        }
        if (PopCount(step.op) == 1) {
            continue;
        }
        const auto producer = trace.leftProducer[i];
        if (!producer || !IsPush(tokens[*producer])) {
            continue;
        }
        const Instruction& left = tokens[*producer];
        if (left.right == Operand::Constant && step.right == Operand::Constant) {
            continue;
        }
        step.left = left.right;
        if (left.right == Operand::Constant) {
            step.constant = left.constant;
        }
        folded[*producer] = true;
    }
    std::vector<Instruction> program;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!folded[i]) {
            program.push_back(tokens[i]);
        }
    }
    return program;
}

} // namespace

TokenList LoadTokenList(std::string_view postfixText) {
    std::vector<Instruction> tokens = DecodeTokens(postfixText);
    const StackTrace trace = TraceStack(tokens);
    TokenList program;
    program.tokenCount_ = tokens.size();
    program.maxDepth_ = trace.maxDepth;
    program.popsEmptyStack_ = trace.popsEmptyStack;
    program.instructions_ = FoldOperands(std::move(tokens), trace);
    return program;
}

} // namespace plotmere
