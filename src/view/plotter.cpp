#include "view/plotter.h"

#include "view/drawing_units.h"
#include "view/raster.h"
#include "view/singular_lattice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>

namespace plotmere {

namespace {

// Samples are evaluated a chunk at a time and drawn right away: the evaluator's dispatch is paid
// once per chunk, and no list of the whole graph's points is ever built.
constexpr std::size_t ChunkSize = 1024;

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

// Draws evaluated samples straight into the image's pixels. Locating a sample is PixelMapping's
// arithmetic written out for positions inside the raster, where its floor is a plain truncation;
// anything outside is clipped, as Raster's point clips it. Marks are Raster's dots. Without a
// call per sample, drawing costs a fraction of the evaluation.
class SampleDrawer {
public:
    SampleDrawer(QImage& image, const DrawingUnits& units, ColorValue graphColor,
                 ColorValue outOfRangeColor, const ViewRange& range)
        : raster_(image, units)
        , pixels_(reinterpret_cast<QRgb*>(image.bits()))
        , stride_(image.bytesPerLine() / static_cast<int>(sizeof(QRgb)))
        , width_(image.width())
        , height_(image.height())
        , left_(units.left)
        , top_(units.top)
        , columnsPerUnit_(width_ / units.width)
        , rowsPerUnit_(height_ / units.height)
        , graphPixel_(ToPixel(graphColor))
        , outOfRangeColor_(outOfRangeColor)
        , yMin_(range.Ymin)
        , yMax_(range.Ymax)
        , ySpan_(static_cast<double>(range.Ymax) - range.Ymin) {}

    // Samples first ... first + ys.size() - 1, in order, so that where a point and a mark share
    // a pixel the later sample wins, as it would drawn one by one.
    void draw(std::int32_t first, std::span<const double> ys) {
        locate(first, ys);
        QRgb* const pixels = pixels_;
        const QRgb graphPixel = graphPixel_;
        const std::int32_t* where = where_.data();
        for (std::size_t i = 0; i < ys.size(); ++i) {
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
    static constexpr std::int32_t Undefined = -1;
    static constexpr std::int32_t Invisible = -2;

    // where_[i]: the pixel index of sample first + i's point, or Undefined (a mark), or Invisible
    // (outside the y range or the raster). Free of calls and branches, with the members in
    // locals, so that the compiler handles several samples per instruction.
    void locate(std::int32_t first, std::span<const double> ys) {
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
        std::int32_t* where = where_.data();
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

    Raster raster_;
    QRgb* pixels_;
    std::int32_t stride_;
    int width_;
    int height_;
    double left_;
    double top_;
    double columnsPerUnit_;
    double rowsPerUnit_;
    QRgb graphPixel_;
    ColorValue outOfRangeColor_;
    double yMin_;
    double yMax_;
    double ySpan_;
    std::array<std::int32_t, ChunkSize> where_;
};

// Collects the lattice values the walks test, evaluates them a chunk at a time and marks the
// singular ones.
class SingularMarker {
public:
    SingularMarker(QImage& image, const TokenList& tokens, ColorValue color, const ViewRange& range,
                   std::int32_t sampleCount)
        : raster_(image, DrawingUnits::ForSampleCount(sampleCount))
        , tokens_(tokens)
        , color_(color)
        , range_(range)
        , sampleCount_(sampleCount) {}

    void test(double x) {
        xs_[count_++] = x;
        if (count_ == ChunkSize) {
            flush();
        }
    }

    void flush() {
        EvaluateExpression(tokens_, std::span(xs_.data(), count_), std::span(ys_.data(), count_));
        for (std::size_t i = 0; i < count_; ++i) {
            // NaN fails the comparison: it is not singular.
            if (std::fabs(ys_[i]) >= UndefinedValue) {
                mark(static_cast<float>(XUnits(xs_[i], range_, sampleCount_)));
            }
        }
        count_ = 0;
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
    const TokenList& tokens_;
    ColorValue color_;
    const ViewRange& range_;
    std::int32_t sampleCount_;
    std::array<double, ChunkSize> xs_;
    std::array<double, ChunkSize> ys_;
    std::size_t count_ = 0;
    int lastPixelColumn_ = std::numeric_limits<int>::min();
};

} // namespace

void PlotGraph(QImage& image, std::string_view postfixText, ColorValue graphColor,
               ColorValue outOfRangeColor, const ViewRange& range, const ViewOptions& options) {
    PlotGraph(image, LoadTokenList(postfixText), graphColor, outOfRangeColor, range, options);
}

void PlotGraph(QImage& image, const TokenList& tokens, ColorValue graphColor,
               ColorValue outOfRangeColor, const ViewRange& range, const ViewOptions& options) {
    if (!CanDrawInto(image)) {
        return;
    }
    const std::int32_t n = UsableSampleCount(options.sampleCount);
    SampleDrawer drawer(image, DrawingUnits::ForSampleCount(n), graphColor, outOfRangeColor, range);
    std::array<double, ChunkSize> xs;
    std::array<double, ChunkSize> ys;
    for (std::int32_t first = 0; first <= n; first += static_cast<std::int32_t>(ChunkSize)) {
        const auto count = std::min(static_cast<std::int32_t>(ChunkSize), n - first + 1);
        for (std::int32_t i = 0; i < count; ++i) {
            xs[static_cast<std::size_t>(i)] = SampleX(first + i, n, range);
        }
        const auto samples = static_cast<std::size_t>(count);
        EvaluateExpression(tokens, std::span(xs.data(), samples), std::span(ys.data(), samples));
        drawer.draw(first, std::span(ys.data(), samples));
    }

    if (options.lookForSingular == 1) {
        MarkSingularPoints(image, tokens, outOfRangeColor, range, options);
    }
}

void MarkSingularPoints(QImage& image, const TokenList& tokens, ColorValue outOfRangeColor,
                        const ViewRange& range, const ViewOptions& options) {
    if (!CanDrawInto(image)) {
        return;
    }
    SingularMarker marker(image, tokens, outOfRangeColor, range,
                          UsableSampleCount(options.sampleCount));
    WalkSingularLattice(range, [&](double x) { marker.test(x); });
    marker.flush();
}

} // namespace plotmere
