#include "engine/integer_power.h"

#include <algorithm>

namespace plotmere::integer_power {

bool RoundsToNearest() {
    // 1 + 0.75 ulp(1) rounds up to 1 + ulp(1) only to nearest or upwards; -1 - 0.75 ulp(1)
    // rounds to -1 - ulp(1) only to nearest or downwards. The operand is read at run time so
    // that the sums are not folded by the compiler.
    volatile double nudge = 0x1.8p-53;
    const double t = nudge;
    return 1 + t == 1 + 0x1p-52 && -1 - t == -1 - 0x1p-52;
}

namespace {

// Bases per pass: the rows below stay in the first-level cache.
constexpr std::size_t Chunk = 256;

// Most x86-64 processors since 2013 multiply-add in one instruction, which the baseline build
// may not use; a second copy below does, where the processor has it. Only with GCC or clang on
// ELF systems: other compilers have no per-function instruction sets, GCC cannot align the stack
// for AVX on 64-bit Windows, and there the routine is off anyway (no GNU C library).
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && defined(__ELF__)
#define PLOTMERE_FUSED_COPY 1
// Always inlined, so that each copy below is compiled for its own instruction set.
#define PLOTMERE_INLINE_IN_EACH_COPY [[gnu::always_inline]] inline
#else
#define PLOTMERE_INLINE_IN_EACH_COPY inline
#endif

// TryPowers for at most Chunk bases. Each step runs over all bases before the next, as loops
// without branches that the compiler can vectorise; out-of-range bases compute garbage that
// the range test then discards.
template <bool Fused>
PLOTMERE_INLINE_IN_EACH_COPY void TryChunk(const Exponent& n, const double* a, double* values,
                                           std::size_t count) {
    using namespace detail;
    constexpr double Open = std::numeric_limits<double>::quiet_NaN();
    if (n.magnitude == 0) {
        for (std::size_t i = 0; i < count; ++i) {
            const double base = std::fabs(a[i]);
            values[i] = base >= n.least && base < n.bound ? 1 : Open;
        }
        return;
    }
    double base[Chunk], lo[Chunk];
    double* hi = values;
    for (std::size_t i = 0; i < count; ++i) {
        base[i] = std::fabs(a[i]);
        hi[i] = base[i];
        lo[i] = 0;
    }
    for (int bit = std::bit_width(static_cast<unsigned>(n.magnitude)) - 2; bit >= 0; --bit) {
        for (std::size_t i = 0; i < count; ++i) {
            Square<Fused>(hi[i], lo[i]);
        }
        if ((n.magnitude >> bit) & 1) {
            for (std::size_t i = 0; i < count; ++i) {
                Times<Fused>(hi[i], lo[i], base[i]);
            }
        }
    }
    if (n.reciprocal) {
        for (std::size_t i = 0; i < count; ++i) {
            Reciprocal<Fused>(hi[i], lo[i]);
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        const bool settled = (base[i] >= n.least) & (base[i] < n.bound) & Settled(hi[i], lo[i]);
        hi[i] = settled ? hi[i] : Open;
    }
    if (n.odd) {
        for (std::size_t i = 0; i < count; ++i) {
            hi[i] = std::copysign(hi[i], a[i]);
        }
    }
}

void TryChunkPlain(const Exponent& n, const double* a, double* values, std::size_t count) {
    TryChunk<false>(n, a, values, count);
}

#ifdef PLOTMERE_FUSED_COPY
__attribute__((target("avx,fma"))) void TryChunkFused(const Exponent& n, const double* a,
                                                      double* values, std::size_t count) {
    TryChunk<true>(n, a, values, count);
}
#endif

using ChunkRoutine = void (*)(const Exponent&, const double*, double*, std::size_t);

ChunkRoutine ChooseChunkRoutine() {
#ifdef PLOTMERE_FUSED_COPY
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx") && __builtin_cpu_supports("fma")) {
        return TryChunkFused;
    }
#endif
    return TryChunkPlain;
}

} // namespace

void TryPowers(const Exponent& n, const double* a, double* values, std::size_t count) {
    if constexpr (!Enabled) {
        std::fill_n(values, count, std::numeric_limits<double>::quiet_NaN());
        return;
    }
    static const ChunkRoutine tryChunk = ChooseChunkRoutine();
    for (std::size_t start = 0; start < count; start += Chunk) {
        tryChunk(n, a + start, values + start, std::min(Chunk, count - start));
    }
}

} // namespace plotmere::integer_power
