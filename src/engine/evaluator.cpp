#include "engine/evaluator.h"
#include "engine/operations.h"
#include "engine/vocabulary.h"

#include <algorithm>
#include <array>

namespace plotmere {

namespace {

using Instruction = TokenList::Instruction;
using Op = TokenList::Op;
using Operand = TokenList::Operand;

// Programs up to this depth keep their one-x stack in a local array, not on the heap.
constexpr std::size_t LocalStackDepth = 64;

// The value stack of a program whose pops never find it empty: no checks needed.
class UncheckedStack {
public:
    explicit UncheckedStack(double* storage)
        : bottom_(storage)
        , top_(storage) {}
    void push(double value) { *top_++ = value; }
    double pop() { return *--top_; }
    bool empty() const { return top_ == bottom_; }

private:
    double* bottom_;
    double* top_;
};

// `value`, which the compiler must not know: read back at run time. Given a known operand,
// the compiler works a library function out itself, correctly rounded, where the program
// would call the C library, which need not be (MinGW's tanl: 1e9 cot would not give x cot at
// 1e9). Every function value is the library's.
double AtRunTime(double value) {
    volatile double unknown = value;
    return unknown;
}

// The value stack of any program: popping it empty yields UndefinedValue.
class CheckedStack {
public:
    void push(double value) { values_.push_back(value); }
    double pop() {
        if (values_.empty()) {
            return AtRunTime(UndefinedValue);
        }
        const double value = values_.back();
        values_.pop_back();
        return value;
    }
    bool empty() const { return values_.empty(); }

private:
    std::vector<double> values_;
};

// An operand: popped from the stack, x itself, or the instruction's numeral.
template <class Stack>
double Fetch(Operand source, const Instruction& step, double x, Stack& stack) {
    switch (source) {
    case Operand::X:
        return x;
    case Operand::Constant:
        return step.constant;
    case Operand::Stack:
        break;
    }
    return stack.pop();
}

// Runs the program for one x: each instruction takes its operands (the right one first, as it
// is on top) and pushes its result; the top value at the end is the result. A failing operator
// abandons the run with UndefinedValue.
template <class Stack> double Run(const TokenList& program, double x, Stack& stack) {
    bool failed = false;
    const auto fetch = [&](Operand source, const Instruction& step) {
        return Fetch(source, step, x, stack);
    };
    for (const Instruction& step : program.instructions()) {
        if (step.op == Op::Push) {
            stack.push(fetch(step.right, step));
            continue;
        }
        WithRoutine(
            step.op,
            [&](auto f) {
                const double b = fetch(step.right, step);
                const double a = fetch(step.left, step);
                stack.push(f(a, b, failed));
            },
            [&](auto f) { stack.push(f(fetch(step.right, step))); });
        if (failed) {
            return UndefinedValue;
        }
    }
    return stack.empty() ? UndefinedValue : stack.pop();
}

} // namespace

double EvaluateExpression(const TokenList& tokens, double x) {
    if (tokens.popsEmptyStack()) {
        CheckedStack stack;
        return Run(tokens, x, stack);
    }
    if (tokens.maxDepth() <= LocalStackDepth) {
        std::array<double, LocalStackDepth> storage;
        UncheckedStack stack(storage.data());
        return Run(tokens, x, stack);
    }
    std::vector<double> storage(tokens.maxDepth());
    UncheckedStack stack(storage.data());
    return Run(tokens, x, stack);
}

} // namespace plotmere
