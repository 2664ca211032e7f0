#include "view/plotter.h"

#include "view/drawing_units.h"
#include "view/raster.h"
#include "view/singular_lattice.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace plotmere {

namespace {

// Samples are evaluated a block at a time and drawn soon after: the evaluator's dispatch is paid
// once per block, a block is worth handing to another thread, and no list of the whole graph's
// points is ever built.
constexpr std::size_t BlockSize = 1024;

// The per-sample loops run twice as wide on processors with AVX2; the same IEEE operations in
// the same order, so the picture does not depend on which copy runs. Not under ThreadSanitizer,
// whose instrumented copy chooser would run before its runtime is ready.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__ELF__) &&         \
    !defined(__SANITIZE_THREAD__)
#define PLOTMERE_WIDE_LOOP [[gnu::target_clones("avx2", "default")]]
#else
#define PLOTMERE_WIDE_LOOP
#endif

// x of samples first ... first + xs.size() - 1.
PLOTMERE_WIDE_LOOP void FillSampleXs(std::int32_t first, std::int32_t n, const ViewRange& range,
                                     std::span<double> xs) {
    const auto count = static_cast<std::int32_t>(xs.size());
    double* x = xs.data();
    for (std::int32_t i = 0; i < count; ++i) {
        x[i] = SampleX(first + i, n, range);
    }
}

// The bottom and top edges of the data rectangle, where marks go.
constexpr float BottomEdge = 0;
constexpr float TopEdge = 1000;

// Pixels are written as 32-bit values and located with a 32-bit index. The graph canvas always
// keeps such an image; anything else is left untouched rather than overrun.
bool CanDrawInto(const QImage& image) {
    const double pixelCount =
        static_cast<double>(image.bytesPerLine()) / sizeof(QRgb) * image.height();
    return !image.isNull() && image.depth() == 32 &&
           pixelCount <= std::numeric_limits<std::int32_t>::max();
}

// What becomes of a sample: the index of its point's pixel, or one of these.
constexpr std::int32_t Undefined = -1; // a mark
constexpr std::int32_t Invisible = -2; // outside the y range or the raster

// Works out where evaluated samples land. Locating a sample is PixelMapping's arithmetic written
// out for positions inside the raster, where its floor is a plain truncation; anything outside
// is clipped, as Raster's point clips it. It reads nothing but its own copies, so any thread
// may locate the block it has just evaluated; only the painting waits for the drawing thread.
class SampleLocator {
public:
    SampleLocator(const QImage& image, const DrawingUnits& units, const ViewRange& range)
        : stride_(image.bytesPerLine() / static_cast<int>(sizeof(QRgb)))
        , width_(image.width())
        , height_(image.height())
        , left_(units.left)
        , top_(units.top)
        , columnsPerUnit_(width_ / units.width)
        , rowsPerUnit_(height_ / units.height)
        , yMin_(range.Ymin)
        , yMax_(range.Ymax)
        , ySpan_(static_cast<double>(range.Ymax) - range.Ymin) {}

    // where[i]: the pixel of sample first + i, or Undefined, or Invisible. Free of calls and
    // branches, with the members in locals, so that the compiler handles several samples per
    // instruction.
    PLOTMERE_WIDE_LOOP void locate(std::int32_t first, std::span<const double> ys,
                                   std::span<std::int32_t> places) const {
        const double yMin = yMin_;
        const double yMax = yMax_;
        const double ySpan = ySpan_;
        const double top = top_;
        const double rowsPerUnit = rowsPerUnit_;
        const double columnsPerUnit = columnsPerUnit_;
        const double height = height_;
        const double width = width_;
        const std::int32_t stride = stride_;
        // Integers, so (first - left) + i is exactly k - left.
        const double firstColumnPosition = static_cast<double>(first) - left_;
        const double* y = ys.data();
        std::int32_t* where = places.data();
        const auto count = static_cast<std::int32_t>(ys.size());
        for (std::int32_t i = 0; i < count; ++i) {
            // The vertical position reaches the drawing in single precision.
            const auto yUnits = static_cast<float>((y[i] - yMin) * 1000 / ySpan);
            const double rowPosition = (static_cast<double>(yUnits) - top) * rowsPerUnit;
            const double columnPosition = (firstColumnPosition + i) * columnsPerUnit;
            // Bitwise & and | rather than && and || keep the loop free of branches.
            const bool undefined = (y[i] == UndefinedValue) | (y[i] != y[i]);
            const bool visible = (yMin <= y[i]) & (y[i] <= yMax) & (rowPosition >= 0) &
                                 (rowPosition < height) & (columnPosition >= 0) &
                                 (columnPosition < width);
            const auto row = static_cast<std::int32_t>(visible ? rowPosition : 0.0);
            const auto column = static_cast<std::int32_t>(visible ? columnPosition : 0.0);
            const std::int32_t pixel = visible ? row * stride + column : Invisible;
            where[i] = undefined ? Undefined : pixel;
        }
    }

private:
    std::int32_t stride_;
    int width_;
    int height_;
    double left_;
    double top_;
    double columnsPerUnit_;
    double rowsPerUnit_;
    double yMin_;
    double yMax_;
    double ySpan_;
};

// Paints located samples straight into the image's pixels; marks are Raster's dots. Without a
// call per sample, drawing costs a fraction of the evaluation.
class SamplePainter {
public:
    SamplePainter(QImage& image, const DrawingUnits& units, ColorValue graphColor,
                  ColorValue outOfRangeColor)
        : raster_(image, units)
        , pixels_(reinterpret_cast<QRgb*>(image.bits()))
        , graphPixel_(ToPixel(graphColor))
        , outOfRangeColor_(outOfRangeColor) {}

    // Samples first ... first + places.size() - 1, in order, so that where a point and a mark
    // share a pixel the later sample wins, as it would drawn one by one.
    void paint(std::int32_t first, std::span<const std::int32_t> places) {
        QRgb* const pixels = pixels_;
        const QRgb graphPixel = graphPixel_;
        const std::int32_t* where = places.data();
        for (std::size_t i = 0; i < places.size(); ++i) {
            if (where[i] >= 0) {
                pixels[where[i]] = graphPixel;
            } else if (where[i] == Undefined) {
                const float k = static_cast<float>(first) + static_cast<float>(i);
                raster_.dot(k, BottomEdge, outOfRangeColor_);
                raster_.dot(k, TopEdge, outOfRangeColor_);
            }
        }
    }

private:
    Raster raster_;
    QRgb* pixels_;
    QRgb graphPixel_;
    ColorValue outOfRangeColor_;
};

// Blocks of values, one per slot or per thread, a cache line apart: a thread writing its own
// block never takes a line away from another thread.
template <typename Value> class BlockArrays {
public:
    explicit BlockArrays(std::size_t blockCount)
        : values_(blockCount * Stride) {}

    std::span<Value> block(std::size_t index, std::size_t count) {
        return {values_.data() + index * Stride, count};
    }

private:
    static constexpr std::size_t Stride = BlockSize + 64 / sizeof(Value);
    std::vector<Value> values_;
};

// Samples first ... first + count - 1.
struct SampleBlock {
    std::int32_t first;
    std::size_t count;

    static SampleBlock Number(std::size_t block, std::int32_t n) {
        const auto first = static_cast<std::int32_t>(block * BlockSize);
        return {first, std::min(BlockSize, static_cast<std::size_t>(n - first) + 1)};
    }
};

std::size_t BlocksFor(std::size_t values) {
    return (values + BlockSize - 1) / BlockSize;
}

// Marks the singular values among the evaluated lattice values, in the order of the walks.
class SingularMarker {
public:
    SingularMarker(QImage& image, ColorValue color, const ViewRange& range,
                   std::int32_t sampleCount)
        : raster_(image, DrawingUnits::ForSampleCount(sampleCount))
        , color_(color)
        , range_(range)
        , sampleCount_(sampleCount) {}

    void markSingular(std::span<const double> xs, std::span<const double> ys) {
        for (std::size_t i = 0; i < xs.size(); ++i) {
            // NaN fails the comparison: it is not singular.
            if (std::fabs(ys[i]) >= UndefinedValue) {
                mark(static_cast<float>(XUnits(xs[i], range_, sampleCount_)));
            }
        }
    }

private:
    // In a huge range many singular values share one pixel column; drawing its dots again would
    // change nothing, since only marks are drawn after the samples.
    void mark(float column) {
        const int pixelColumn = raster_.mapping().column(column);
        if (pixelColumn == lastPixelColumn_) {
            return;
        }
        raster_.dot(column, BottomEdge, color_);
        raster_.dot(column, TopEdge, color_);
        lastPixelColumn_ = pixelColumn;
    }

    Raster raster_;
    ColorValue color_;
    const ViewRange& range_;
    std::int32_t sampleCount_;
    int lastPixelColumn_ = std::numeric_limits<int>::min();
};

} // namespace

void PlotGraph(QImage& image, std::string_view postfixText, ColorValue graphColor,
               ColorValue outOfRangeColor, const ViewRange& range, const ViewOptions& options,
               PlotWorkers& workers) {
    PlotGraph(image, LoadTokenList(postfixText), graphColor, outOfRangeColor, range, options,
              workers);
}

void PlotGraph(QImage& image, const TokenList& tokens, ColorValue graphColor,
               ColorValue outOfRangeColor, const ViewRange& range, const ViewOptions& options,
               PlotWorkers& workers) {
    if (!CanDrawInto(image)) {
        return;
    }
    const std::int32_t n = UsableSampleCount(options.sampleCount);
    const DrawingUnits units = DrawingUnits::ForSampleCount(n);
    const SampleLocator locator(image, units, range);
    SamplePainter painter(image, units, graphColor, outOfRangeColor);
    // Only where the samples land passes from thread to thread; the x and y values stay in the
    // cache of the thread that evaluates them.
    BlockArrays<double> xsOf(workers.threadCount());
    BlockArrays<double> ysOf(workers.threadCount());
    BlockArrays<std::int32_t> placesIn(workers.slotCount());
    workers.run(
        BlocksFor(static_cast<std::size_t>(n) + 1),
        [&](std::size_t block, std::size_t slot, unsigned thread) {
            const SampleBlock samples = SampleBlock::Number(block, n);
            const std::span<double> xs = xsOf.block(thread, samples.count);
            FillSampleXs(samples.first, n, range, xs);
            const std::span<double> ys = ysOf.block(thread, samples.count);
            EvaluateExpression(tokens, xs, ys);
            locator.locate(samples.first, ys, placesIn.block(slot, samples.count));
        },
        [&](std::size_t block, std::size_t slot) {
            const SampleBlock samples = SampleBlock::Number(block, n);
            painter.paint(samples.first, placesIn.block(slot, samples.count));
        });

    if (options.lookForSingular == 1) {
        MarkSingularPoints(image, tokens, outOfRangeColor, range, options, workers);
    }
}

void MarkSingularPoints(QImage& image, const TokenList& tokens, ColorValue outOfRangeColor,
                        const ViewRange& range, const ViewOptions& options, PlotWorkers& workers) {
    if (!CanDrawInto(image)) {
        return;
    }
    SingularMarker marker(image, outOfRangeColor, range, UsableSampleCount(options.sampleCount));
    const std::vector<LatticeStretch> stretches = LatticeStretches(range, BlockSize);
    BlockArrays<double> xsIn(workers.slotCount());
    BlockArrays<double> ysIn(workers.slotCount());
    workers.run(
        stretches.size(),
        [&](std::size_t block, std::size_t slot, unsigned) {
            const LatticeStretch& stretch = stretches[block];
            const std::span<double> xs = xsIn.block(slot, stretch.count);
            double x = stretch.first;
            for (double& value : xs) {
                value = x;
                x += stretch.step;
            }
            EvaluateExpression(tokens, xs, ysIn.block(slot, stretch.count));
        },
        [&](std::size_t block, std::size_t slot) {
            const std::size_t count = stretches[block].count;
            marker.markSingular(xsIn.block(slot, count), ysIn.block(slot, count));
        });
}

} // namespace plotmere
