#include "view/plotter.h"

#include "view/drawing_units.h"
#include "view/raster.h"
#include "view/singular_lattice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <span>

namespace plotmere {

namespace {

// Samples are evaluated a chunk at a time and drawn right away: the evaluator's dispatch is paid
// once per chunk, and no list of the whole graph's points is ever built.
constexpr std::size_t ChunkSize = 1024;

// The bottom and top edges of the data rectangle, where marks go.
constexpr float BottomEdge = 0;
constexpr float TopEdge = 1000;

void Mark(Raster& raster, float column, ColorValue color) {
    raster.dot(column, BottomEdge, color);
    raster.dot(column, TopEdge, color);
}

// Draws the evaluated samples straight into the image's pixels. Locating a sample is
// PixelMapping's arithmetic written out for positions inside the raster, where its floor is a
// plain truncation; everything else is clipped just as Raster's point and dot clip it. Without a
// call per pixel the drawing costs a fraction of the evaluation.
class SampleDrawer {
public:
    SampleDrawer(QImage& image, const DrawingUnits& units, ColorValue graphColor,
                 ColorValue outOfRangeColor, const ViewRange& range)
        : map_(units, image.width(), image.height())
        , pixels_(image.isNull() ? nullptr : reinterpret_cast<QRgb*>(image.bits()))
        , stride_(image.isNull() ? 0 : image.bytesPerLine() / static_cast<int>(sizeof(QRgb)))
        , width_(image.width())
        , height_(image.height())
        , left_(units.left)
        , top_(units.top)
        , columnsPerUnit_(image.width() / units.width)
        , rowsPerUnit_(image.height() / units.height)
        , graphPixel_(ToPixel(graphColor))
        , markPixel_(ToPixel(outOfRangeColor))
        , bottomRow_(map_.row(BottomEdge))
        , topRow_(map_.row(TopEdge))
        , yMin_(range.Ymin)
        , yMax_(range.Ymax)
        , ySpan_(static_cast<double>(range.Ymax) - range.Ymin) {}

    void draw(std::int32_t first, std::span<const double> ys) {
        const std::size_t count = ys.size();
        locate(first, ys);
        QRgb* const pixels = pixels_;
        const QRgb graphPixel = graphPixel_;
        const std::int32_t* where = where_.data();
        for (std::size_t i = 0; i < count; ++i) {
            if (where[i] >= 0) {
                pixels[where[i]] = graphPixel;
            } else if (where[i] == Undefined) {
                const int column = map_.column(static_cast<float>(first) + static_cast<float>(i));
                dot(column, bottomRow_);
                dot(column, topRow_);
            }
        }
    }

private:
    static constexpr std::int32_t Undefined = -1;
    static constexpr std::int32_t Invisible = -2;

    // where_[i]: the pixel index of sample first + i, Undefined or Invisible. Free of calls and
    // branches, with the members in locals, so that the compiler runs it two samples at a time.
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
        const double firstColumnPosition = static_cast<double>(first) - left_;
        const double* y = ys.data();
        std::int32_t* where = where_.data();
        const auto count = static_cast<std::int32_t>(ys.size());
        for (std::int32_t i = 0; i < count; ++i) {
            const auto yUnits = static_cast<float>((y[i] - yMin) * 1000 / ySpan);
            const double rowPosition = (static_cast<double>(yUnits) - top) * rowsPerUnit;
            const double columnPosition = (firstColumnPosition + i) * columnsPerUnit;
            // Bitwise & rather than && keeps the loop free of branches.
            const bool undefined = (y[i] == UndefinedValue) | (y[i] != y[i]);
            const bool visible = (yMin <= y[i]) & (y[i] <= yMax) & (rowPosition >= 0) &
                                 (rowPosition < height) & (columnPosition < width);
            const auto row = static_cast<std::int32_t>(visible ? rowPosition : 0.0);
            const auto column = static_cast<std::int32_t>(visible ? columnPosition : 0.0);
            const std::int32_t pixel = visible ? row * stride + column : Invisible;
            where[i] = undefined ? Undefined : pixel;
        }
    }

    void set(int column, int row, QRgb pixel) {
        if (column >= 0 && column < width_ && row >= 0 && row < height_) {
            pixels_[static_cast<std::ptrdiff_t>(row) * stride_ + column] = pixel;
        }
    }

    void dot(int column, int row) {
        set(column, row, markPixel_);
        set(column + 1, row, markPixel_);
        set(column, row + 1, markPixel_);
        set(column + 1, row + 1, markPixel_);
    }

    PixelMapping map_;
    QRgb* pixels_;
    std::int32_t stride_;
    int width_;
    int height_;
    double left_;
    double top_;
    double columnsPerUnit_;
    double rowsPerUnit_;
    QRgb graphPixel_;
    QRgb markPixel_;
    int bottomRow_;
    int topRow_;
    double yMin_;
    double yMax_;
    double ySpan_;
    std::array<std::int32_t, ChunkSize> where_;
};

// Collects the lattice values the walks test and evaluates them a chunk at a time.
class SingularMarker {
public:
    SingularMarker(Raster& raster, const TokenList& tokens, ColorValue color,
                   const ViewRange& range, std::int32_t sampleCount)
        : raster_(raster)
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
            if (std::fabs(ys_[i]) >= UndefinedValue) {
                Mark(raster_, static_cast<float>(XUnits(xs_[i], range_, sampleCount_)), color_);
            }
        }
        count_ = 0;
    }

private:
    Raster& raster_;
    const TokenList& tokens_;
    ColorValue color_;
    const ViewRange& range_;
    std::int32_t sampleCount_;
    std::array<double, ChunkSize> xs_;
    std::array<double, ChunkSize> ys_;
    std::size_t count_ = 0;
};

} // namespace

void PlotGraph(QImage& image, std::string_view postfixText, ColorValue graphColor,
               ColorValue outOfRangeColor, const ViewRange& range, const ViewOptions& options) {
    PlotGraph(image, LoadTokenList(postfixText), graphColor, outOfRangeColor, range, options);
}

void PlotGraph(QImage& image, const TokenList& tokens, ColorValue graphColor,
               ColorValue outOfRangeColor, const ViewRange& range, const ViewOptions& options) {
    const std::int32_t n = UsableSampleCount(options.sampleCount);
    SampleDrawer drawer(image, DrawingUnits::ForSampleCount(n), graphColor, outOfRangeColor,
                        range);

    std::array<double, ChunkSize> xs;
    std::array<double, ChunkSize> ys;
    for (std::int32_t first = 0; first <= n; first += static_cast<std::int32_t>(ChunkSize)) {
        const auto count = std::min<std::size_t>(ChunkSize, static_cast<std::size_t>(n - first) + 1);
        for (std::size_t i = 0; i < count; ++i) {
            xs[i] = SampleX(first + static_cast<std::int32_t>(i), n, range);
        }
        EvaluateExpression(tokens, std::span(xs.data(), count), std::span(ys.data(), count));
        drawer.draw(first, std::span(ys.data(), count));
    }

    if (options.lookForSingular == 1) {
        MarkSingularPoints(image, tokens, outOfRangeColor, range, options);
    }
}

void MarkSingularPoints(QImage& image, const TokenList& tokens, ColorValue outOfRangeColor,
                        const ViewRange& range, const ViewOptions& options) {
    const std::int32_t n = UsableSampleCount(options.sampleCount);
    Raster raster(image, DrawingUnits::ForSampleCount(n));
    SingularMarker marker(raster, tokens, outOfRangeColor, range, n);
    WalkSingularLattice(range, [&](double x) { marker.test(x); });
    marker.flush();
}

} // namespace plotmere
