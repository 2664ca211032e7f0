#include "engine/evaluator.h"
#include "engine/integer_power.h"
#include "engine/operations.h"
#include "engine/vocabulary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>

// The block form runs each instruction over a whole block of samples before the next one, so
// the dispatch is paid once per block; every sample sees exactly the operations of the one-x
// form, in the same order, through the same routines.

namespace plotmere {

namespace {

using Instruction = TokenList::Instruction;
using Op = TokenList::Op;
using Operand = TokenList::Operand;

// Samples per block: enough to spread the dispatch thin, few enough that the levels of a usual
// program stay in the first-level cache.
constexpr std::size_t MaxBlockWidth = 256;
// Scratch values per evaluation (256 KiB); deeper programs take narrower blocks, down to one.
constexpr std::size_t ScratchValues = std::size_t{1} << 15;

std::size_t BlockWidth(std::size_t depth) {
    return std::clamp<std::size_t>(ScratchValues / std::max<std::size_t>(depth, 1), 1,
                                   MaxBlockWidth);
}

// True when writing ys could clobber x values still to be read (in-place evaluation).
bool Overlap(std::span<const double> xs, const double* ys) {
    const std::less<const double*> before;
    return before(ys, xs.data() + xs.size()) && before(xs.data(), ys + xs.size());
}

constexpr Op RemainderOp = OpOf(*FindWord("%"));
constexpr Op PowerOp = OpOf(*FindWord("^"));

// Only "%" and "^" can fail; programs without them need no failure bookkeeping.
bool MayFail(const TokenList& program) {
    return std::any_of(
        program.instructions().begin(), program.instructions().end(),
        [](const Instruction& step) { return step.op == RemainderOp || step.op == PowerOp; });
}

// A value stack whose every slot holds one value per sample of the block.
class BlockEvaluator {
public:
    BlockEvaluator(const TokenList& program, std::size_t width)
        : program_(program)
        , width_(width)
        , slots_(program.maxDepth() * width)
        , mayFail_(MayFail(program)) {}

    std::size_t width() const { return width_; }

    // ys[i] = f(xs[i]) for a block of at most width() samples; a sample whose evaluation fails
    // gets UndefinedValue while the others carry on. The bottom level of the stack is ys itself
    // (unless ys overlaps xs), which saves copying the usual single result.
    void run(std::span<const double> xs, double* ys) {
        bottom_ = Overlap(xs, ys) ? slots_.data() : ys;
        std::array<bool, MaxBlockWidth> failed;
        if (mayFail_) {
            std::fill_n(failed.begin(), xs.size(), false);
        }
        const double* result = execute(xs, failed.data());
        deliver(result, failed.data(), std::span(ys, xs.size()));
    }

private:
    // Runs every instruction over the block; returns the level holding the results.
    const double* execute(std::span<const double> xs, bool* failed) {
        const std::size_t n = xs.size();
        const double* x = xs.data();
        std::size_t depth = 0;
        for (const Instruction& step : program_.instructions()) {
            if (step.op == Op::Push) {
                push(step, x, n, slot(depth++));
                continue;
            }
            // A small whole numeral power of x or of the top value is the usual case: its
            // exponent and the rounding mode are checked once for the block.
            int whole;
            if (step.op == PowerOp && step.right == Operand::Constant &&
                step.left != Operand::Constant && integer_power::SmallWhole(step.constant, whole) &&
                integer_power::RoundsToNearest()) {
                depth = applySmallWholePower(step, x, n, depth, failed, whole);
                continue;
            }
            WithRoutine(
                step.op, [&](auto f) { depth = applyBinary(step, x, n, depth, failed, f); },
                [&](auto f) { depth = applyUnary(step, x, n, depth, f); });
        }
        return slot(depth - 1);
    }

    // Failures are rare: most blocks are taken as they are.
    void deliver(const double* result, const bool* failed, std::span<double> ys) const {
        if (!mayFail_ || std::memchr(failed, 1, ys.size()) == nullptr) {
            if (result != ys.data()) {
                std::copy_n(result, ys.size(), ys.data());
            }
            return;
        }
        for (std::size_t i = 0; i < ys.size(); ++i) {
            ys[i] = failed[i] ? UndefinedValue : result[i];
        }
    }

    // Level 0 is the bottom (ys or scratch), level k the k-th row of the scratch.
    double* slot(std::size_t level) {
        return level == 0 ? bottom_ : slots_.data() + level * width_;
    }

    // Pushes x or the numeral into every sample's next slot.
    static void push(const Instruction& step, const double* x, std::size_t n, double* to) {
        if (step.right == Operand::X) {
            std::copy_n(x, n, to);
        } else {
            std::fill_n(to, n, step.constant);
        }
    }

    // u = f(u) sample by sample on the top level, or a new level of f(x) when the operand is x
    // (or f(numeral) when it is a numeral); returns the new depth.
    template <class F>
    std::size_t applyUnary(const Instruction& step, const double* x, std::size_t n,
                           std::size_t depth, F f) {
        double* out = step.right == Operand::Stack ? slot(depth - 1) : slot(depth++);
        if (step.right == Operand::Constant) {
            std::fill_n(out, n, f(step.constant));
            return depth;
        }
        const double* u = step.right == Operand::X ? x : out;
        for (std::size_t i = 0; i < n; ++i) {
            out[i] = f(u[i]);
        }
        return depth;
    }

    // out = f(a, b) sample by sample. Operands from the stack are taken from the top (right one
    // first) and the result goes to the lowest level they occupied, or to a new level when
    // neither came from the stack; returns the new depth. An x or numeral operand needs no
    // slot. Separate loops for a numeral operand keep every loop free of branches.
    template <class F>
    std::size_t applyBinary(const Instruction& step, const double* x, std::size_t n,
                            std::size_t depth, bool* failed, F f) {
        const double* b = step.right == Operand::Stack ? slot(--depth) : x;
        const double* a = step.left == Operand::Stack ? slot(--depth) : x;
        double* out = slot(depth);
        const double c = step.constant;
        if (step.left == Operand::Constant) {
            for (std::size_t i = 0; i < n; ++i) {
                out[i] = f(c, b[i], failed[i]);
            }
        } else if (step.right == Operand::Constant) {
            for (std::size_t i = 0; i < n; ++i) {
                out[i] = f(a[i], c, failed[i]);
            }
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                out[i] = f(a[i], b[i], failed[i]);
            }
        }
        return depth + 1;
    }

    // a^whole for the block, where a is x or the top value: TryPowers for all samples side by
    // side, then pow for those it leaves open (about one in eight, listed first so that no loop
    // branches on them); returns the new depth.
    std::size_t applySmallWholePower(const Instruction& step, const double* x, std::size_t n,
                                     std::size_t depth, bool* failed, int whole) {
        const double* a = step.left == Operand::Stack ? slot(--depth) : x;
        double* out = slot(depth);
        const double b = step.constant;
        integer_power::TryPowers(integer_power::Exponent(whole), a, powers_.data(), n);
        std::size_t open = 0;
        for (std::size_t i = 0; i < n; ++i) {
            openSamples_[open] = static_cast<std::uint16_t>(i);
            open += std::isnan(powers_[i]) ? 1 : 0;
        }
        for (std::size_t k = 0; k < open; ++k) {
            const std::size_t i = openSamples_[k];
            powers_[i] = operations::SmallWholePower(a[i], b, powers_[i]);
        }
        for (std::size_t i = 0; i < n; ++i) {
            out[i] = operations::JudgedPower(a[i], b, powers_[i], failed[i]);
        }
        return depth + 1;
    }

    const TokenList& program_;
    std::size_t width_;
    std::vector<double> slots_;
    double* bottom_ = nullptr;
    bool mayFail_;
    std::array<double, MaxBlockWidth> powers_;
    std::array<std::uint16_t, MaxBlockWidth> openSamples_;
};

} // namespace

void EvaluateExpression(const TokenList& tokens, std::span<const double> xs, std::span<double> ys) {
    // Empty programs and programs that pop an empty stack are rare and take the one-x path.
    if (tokens.instructions().empty() || tokens.popsEmptyStack()) {
        std::transform(xs.begin(), xs.end(), ys.begin(),
                       [&](double x) { return EvaluateExpression(tokens, x); });
        return;
    }
    BlockEvaluator evaluator(tokens, BlockWidth(tokens.maxDepth()));
    for (std::size_t start = 0; start < xs.size(); start += evaluator.width()) {
        const std::span<const double> block =
            xs.subspan(start, std::min(evaluator.width(), xs.size() - start));
        evaluator.run(block, ys.data() + start);
    }
}

} // namespace plotmere
