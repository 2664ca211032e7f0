#pragma once

// The words of an expression: every operator and function, what it computes and how it binds.
// The compiler, the token loader and both evaluation paths read this one table; adding a
// function is one row here and one routine in operations.h.

#include "engine/evaluator.h"
#include "engine/operations.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string_view>
#include <utility>

namespace plotmere {

using UnaryRoutine = double (*)(double u);
using BinaryRoutine = double (*)(double a, double b, bool& failed);

// What a word computes: a routine of one operand, or of two that may fail.
struct Routine {
    constexpr Routine(UnaryRoutine routine)
        : unary(routine)
        , operands(1) {}
    constexpr Routine(BinaryRoutine routine)
        : binary(routine)
        , operands(2) {}
    UnaryRoutine unary = nullptr;
    BinaryRoutine binary = nullptr;
    int operands; // which of the two it is, told apart without comparing function addresses
};

struct Word {
    std::string_view text; // as typed and as written in the postfix text (but see SignText)
    Routine routine;
    int arity;             // 2: written between its operands; 1: written before its operand
    int precedence;        // binding strength in the typed expression; higher binds tighter
    bool rightAssociative; // a ^ b ^ c is a ^ (b ^ c); the prefix words apply right to left
};

// A minus with no left operand is the sign. It is typed "-" and written "neg" in the postfix
// text, where it must differ from subtraction; typed, "neg" is no word.
inline constexpr std::string_view SignText = "neg";

// The variable: typed and written "x". Every other token that is no word is a numeral.
inline constexpr std::string_view VariableText = "x";

// One line per word, as a table.
// clang-format off
inline constexpr Word Vocabulary[] = {
    // text    routine                 arity  precedence  right-associative
    {"+",      operations::Add,        2,     2,          false},
    {"-",      operations::Subtract,   2,     2,          false},
    {"*",      operations::Multiply,   2,     3,          false},
    {"/",      operations::Divide,     2,     3,          false},
    {"%",      operations::Remainder,  2,     3,          false},
    {"^",      operations::Power,      2,     4,          true},
    {SignText, operations::Negate,     1,     5,          true},
    {"sqrt",   operations::Sqrt,       1,     5,          true},
    {"abs",    operations::Abs,        1,     5,          true},
    {"exp",    operations::Exp,        1,     5,          true},
    {"ln",     operations::Ln,         1,     5,          true},
    {"log",    operations::Log,        1,     5,          true},
    {"sin",    operations::Sin,        1,     5,          true},
    {"cos",    operations::Cos,        1,     5,          true},
    {"tan",    operations::Tan,        1,     5,          true},
    {"cot",    operations::Cot,        1,     5,          true},
    {"arcsin", operations::Arcsin,     1,     5,          true},
    {"arccos", operations::Arccos,     1,     5,          true},
    {"arctan", operations::Arctan,     1,     5,          true},
    {"arccot", operations::Arccot,     1,     5,          true},
    {"sinh",   operations::Sinh,       1,     5,          true},
    {"cosh",   operations::Cosh,       1,     5,          true},
    {"tanh",   operations::Tanh,       1,     5,          true},
    {"coth",   operations::Coth,       1,     5,          true},
    {"arsinh", operations::Arsinh,     1,     5,          true},
    {"arcosh", operations::Arcosh,     1,     5,          true},
    {"artanh", operations::Artanh,     1,     5,          true},
    {"arcoth", operations::Arcoth,     1,     5,          true},
};
// clang-format on

inline constexpr std::size_t WordCount = std::size(Vocabulary);

// An instruction's opcode: Push, which pushes x or the numeral (as the instruction's `right`
// says), or else the row of its word in Vocabulary; nothing depends on the order of the rows. A
// word of arity 2 takes `left` and `right`, one of arity 1 takes `right`, and each pushes its
// result; operands from the stack are popped, the right one first.
enum class TokenList::Op : std::uint8_t { Push = std::numeric_limits<std::uint8_t>::max() };

constexpr TokenList::Op OpOfRow(std::size_t row) {
    return static_cast<TokenList::Op>(row);
}

constexpr const Word& WordOf(TokenList::Op op) {
    return Vocabulary[static_cast<std::size_t>(op)];
}

constexpr TokenList::Op OpOf(const Word& word) {
    return OpOfRow(static_cast<std::size_t>(&word - Vocabulary));
}

// The word written as `text`, or nullptr.
constexpr const Word* FindWord(std::string_view text) {
    for (const Word& word : Vocabulary) {
        if (word.text == text) {
            return &word;
        }
    }
    return nullptr;
}

// Operands an instruction takes from the stack or its operand fields: none for a push.
constexpr std::size_t PopCount(TokenList::Op op) {
    return op == TokenList::Op::Push ? 0 : static_cast<std::size_t>(WordOf(op).arity);
}

namespace vocabulary_checks {

consteval bool RowsAreWellFormed() {
    for (std::size_t row = 0; row < WordCount; ++row) {
        const Word& word = Vocabulary[row];
        if (word.text.empty() || word.text.find(' ') != std::string_view::npos ||
            word.text == VariableText || (word.arity != 1 && word.arity != 2) ||
            word.routine.operands != word.arity) {
            return false;
        }
        for (std::size_t other = row + 1; other < WordCount; ++other) {
            if (Vocabulary[other].text == word.text) {
                return false;
            }
        }
    }
    return true;
}

// Texts are unique tokens of the postfix text, none of them the variable; each routine takes as
// many operands as its word.
static_assert(RowsAreWellFormed());
static_assert(WordCount < static_cast<std::size_t>(TokenList::Op::Push));

} // namespace vocabulary_checks

// Hands the routine of an instruction's word to `binary` (as f(a, b, failed)) or `unary` (as
// f(u)), so that each evaluation path states once how it feeds operands. Pushes are the
// caller's. The opcode is compared with one constant per row, which the compiler turns into a
// jump through a table, as for a switch.
// Each row goes as a function object of a type of its own, so that every loop it is fed to is
// compiled for that routine alone and calls it directly: handed as plain function pointers, the
// routines share one loop, and the compiler is left to guess which calls to make direct.
template <std::size_t Row, class Binary, class Unary>
void HandRoutine(Binary& binary, Unary& unary) {
    if constexpr (Vocabulary[Row].arity == 2) {
        binary([](double a, double b, bool& failed) {
            constexpr BinaryRoutine routine = Vocabulary[Row].routine.binary;
            return routine(a, b, failed);
        });
    } else {
        unary([](double u) {
            constexpr UnaryRoutine routine = Vocabulary[Row].routine.unary;
            return routine(u);
        });
    }
}

template <class Binary, class Unary>
void WithRoutine(TokenList::Op op, Binary binary, Unary unary) {
    // Push is tested first, though the callers have done so: then every row lands in the table.
    [&]<std::size_t... Row>(std::index_sequence<Row...>) {
        (void)((op == TokenList::Op::Push) || ... ||
               (op == OpOfRow(Row) && (HandRoutine<Row>(binary, unary), true)));
    }
    (std::make_index_sequence<WordCount>());
}

} // namespace plotmere
