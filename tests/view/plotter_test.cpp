#include "view/plotter.h"

#include "engine/compiler.h"
#include "engine/evaluator.h"
#include "view/drawing_units.h"
#include "view/plot_workers.h"
#include "view/raster.h"
#include "view/singular_lattice.h"

#include "support/view/singular_lattice_walk.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace plotmere {
namespace {

constexpr ColorValue GraphColor = Rgb(0x000000);
constexpr ColorValue MarkColor = Rgb(0xFF4040);
constexpr ColorValue Background = Rgb(0xFFFFFF);
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();
constexpr float Largest = std::numeric_limits<float>::max();

std::string PostfixOf(const std::string& text) {
    const CompileResult result = CompileExpression(text, {0, 1, 2, 3, 4});
    EXPECT_TRUE(result.ok) << text;
    return result.expression.postfixText;
}

// A white graph area and where things land on it, worked out through the shared mapping.
class Area {
public:
    Area(ViewRange range, std::int32_t sampleCount, std::int32_t lookForSingular, int width = 480,
         int height = 369)
        : image_(width, height, QImage::Format_RGB32)
        , range_(range)
        , n_(UsableSampleCount(sampleCount))
        , map_(DrawingUnits::ForSampleCount(n_), width, height) {
        options_.sampleCount = sampleCount;
        options_.lookForSingular = lookForSingular;
        image_.fill(ToQColor(Background));
    }

    // On the calling thread alone.
    void plot(const std::string& text) {
        PlotWorkers callerAlone(1);
        PlotGraph(image_, PostfixOf(text), GraphColor, MarkColor, range_, options_, callerAlone);
    }

    int column(double xUnits) const { return map_.column(static_cast<float>(xUnits)); }
    int row(double yUnits) const { return map_.row(static_cast<float>(yUnits)); }
    int columnOfX(double x) const { return column(XUnits(x, range_, n_)); }
    int rowOfY(double y) const { return row(YUnits(y, range_)); }

    bool has(int column, int row, ColorValue color) const {
        return image_.valid(column, row) && image_.pixel(column, row) == ToPixel(color);
    }

    // A mark: dots two pixels wide on the bottom and the top edge of the data rectangle.
    bool markedAt(int column) const {
        for (const int edge : {row(0), row(1000)}) {
            if (!has(column, edge, MarkColor) || !has(column, edge + 1, MarkColor)) {
                return false;
            }
        }
        return true;
    }

    // Columns with mark colour on the bottom edge.
    std::set<int> markedColumns() const {
        std::set<int> columns;
        for (int c = 0; c < image_.width(); ++c) {
            if (has(c, row(0), MarkColor)) {
                columns.insert(c);
            }
        }
        return columns;
    }

    // The two columns a mark at each x covers.
    std::set<int> markColumnsOf(const std::vector<double>& xs) const {
        std::set<int> columns;
        for (const double x : xs) {
            columns.insert(columnOfX(x));
            columns.insert(columnOfX(x) + 1);
        }
        return columns;
    }

    std::vector<QPoint> pixelsOf(ColorValue color) const {
        std::vector<QPoint> found;
        for (int r = 0; r < image_.height(); ++r) {
            for (int c = 0; c < image_.width(); ++c) {
                if (has(c, r, color)) {
                    found.emplace_back(c, r);
                }
            }
        }
        return found;
    }

    const QImage& image() const { return image_; }
    const ViewRange& range() const { return range_; }
    std::int32_t n() const { return n_; }

private:
    QImage image_;
    ViewRange range_;
    ViewOptions options_;
    std::int32_t n_;
    PixelMapping map_;
};

// The plotting rule drawn the slow way: one sample at a time, evaluated alone and drawn with
// Raster's point and dot.
QImage DrawnSampleBySample(const std::string& text, const ViewRange& range,
                           std::int32_t sampleCount, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQColor(Background));
    const std::int32_t n = UsableSampleCount(sampleCount);
    Raster raster(image, DrawingUnits::ForSampleCount(n));
    const TokenList tokens = LoadTokenList(PostfixOf(text));
    for (std::int32_t k = 0; k <= n; ++k) {
        const double y = EvaluateExpression(tokens, SampleX(k, n, range));
        const auto position = static_cast<float>(k);
        if (y == UndefinedValue || std::isnan(y)) {
            raster.dot(position, 0, MarkColor);
            raster.dot(position, 1000, MarkColor);
        } else if (range.Ymin <= y && y <= range.Ymax) {
            raster.point(position, static_cast<float>(YUnits(y, range)), GraphColor);
        }
    }
    return image;
}

TEST(SampleXTest, EndsAndMiddleAreExact) {
    const struct {
        std::int32_t k, n;
        ViewRange range;
        double x;
    } cases[] = {
        {0, 10000, {-7, 7, -5, 6}, -7},
        {5000, 10000, {-7, 7, -5, 6}, 0},
        {10000, 10000, {-7, 7, -5, 6}, 7},
        {2500, 10000, {-7, 7, -5, 6}, -3.5},
        {0, 200, {10, 20, -5, 6}, 10},
        {17, 200, {-7, 7, -5, 6}, -5.81}, // k / N first
        {200, 200, {10, 20, -5, 6}, 20},
        {100, 200, {-1, 1, -5, 6}, 0},
        {100000, 100000, {-0.1f, 0.3f, -5, 6}, 0.3f},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SampleX(c.k, c.n, c.range), c.x) << c.k << " of " << c.n;
    }
}

TEST(PlotterTest, DrawsExactlyWhatSampleBySampleDrawingDraws) {
    const struct {
        const char* text;
        ViewRange range;
        std::int32_t sampleCount;
        int width, height;
    } cases[] = {
        {"x*sin(5*x)", {-7, 7, -5, 6}, 10000, 480, 369},
        {"x*sin(5*x)", {-7, 7, -5, 6}, 100000, 1000, 800},
        {"sqrt(x)", {-7, 7, 0, 3}, 10000, 480, 369}, // marks and points share the bottom edge
        {"1/(x*tan(2*x))", {-3.5f, 2.25f, -2, 2}, 12345, 333, 217},
        {"ln(x)+x%3", {-7, 7, -5, 6}, 300, 1000, 800},
        {"x", {-7, 7, -7, 7}, 200, 202, 1012}, // one pixel per drawing unit
        {"1000000000", {-7, 7, -5, 6}, 10000, 480, 369},
        {"x^2", {-7, 7, 1, 1}, 10000, 480, 369},
        {"x", {7, -7, 6, -5}, 10000, 480, 369},
        {"x", {NaN, 7, -5, 6}, 10000, 480, 369},
        {"x", {-7, 7, -Infinity, Infinity}, 10000, 480, 369},
        {"x", {-7, 7, -5, 6}, 10000, 1, 1},
    };
    for (const auto& c : cases) {
        Area area(c.range, c.sampleCount, 0, c.width, c.height);
        area.plot(c.text);
        EXPECT_TRUE(area.image() ==
                    DrawnSampleBySample(c.text, c.range, c.sampleCount, c.width, c.height))
            << c.text << " with " << c.sampleCount << " samples on " << c.width << "x" << c.height;
    }
}

TEST(PlotterTest, SamplesSitAtTheirColumns) {
    Area area({-7, 7, -7, 7}, 10000, 0);
    area.plot("x");
    EXPECT_TRUE(area.has(area.column(0), area.row(0), GraphColor));
    EXPECT_TRUE(area.has(area.column(5000), area.rowOfY(0), GraphColor));
    EXPECT_TRUE(area.has(area.column(10000), area.row(1000), GraphColor));
    EXPECT_EQ(area.column(5000), area.columnOfX(0));
}

TEST(PlotterTest, ValuesAtTheRangeEndsAreDrawnOnTheEdges) {
    const struct {
        const char* text;
        float Ymin, Ymax;
        bool drawn;
        double edge;
    } cases[] = {
        {"-5", -5, 6, true, 0},
        {"6", -5, 6, true, 1000},
        // y is compared in double precision with the single-precision end 0.100000001...
        {"0.1", -5, 0.1f, true, 1000},
        {"0.1", 0.1f, 6, false, 0},
        {"6.000001", -5, 6, false, 0},
        {"-5.000001", -5, 6, false, 0},
    };
    for (const auto& c : cases) {
        Area area({-7, 7, c.Ymin, c.Ymax}, 10000, 0);
        area.plot(c.text);
        const std::vector<QPoint> points = area.pixelsOf(GraphColor);
        if (!c.drawn) {
            EXPECT_TRUE(points.empty()) << c.text;
            continue;
        }
        std::set<int> columns;
        for (std::int32_t k = 0; k <= area.n(); ++k) {
            columns.insert(area.column(k));
        }
        EXPECT_EQ(points.size(), columns.size()) << c.text;
        for (const QPoint& point : points) {
            EXPECT_EQ(point.y(), area.row(c.edge)) << c.text;
        }
    }
}

TEST(PlotterTest, UndefinedLeftOfTheAxisCurveRightOfIt) {
    Area area({-7, 7, -5, 6}, 10000, 0);
    area.plot("sqrt(x)");
    const int lastMarked = area.column(4999) + 1;
    for (int c = area.column(0); c <= lastMarked; ++c) {
        EXPECT_TRUE(area.markedAt(c)) << c;
    }
    EXPECT_EQ(*area.markedColumns().rbegin(), lastMarked);
    for (std::int32_t k = 5000; k <= 10000; ++k) {
        const double y = std::sqrt(SampleX(k, 10000, area.range()));
        EXPECT_TRUE(area.has(area.column(k), area.rowOfY(y), GraphColor)) << k;
    }
    for (const QPoint& point : area.pixelsOf(GraphColor)) {
        EXPECT_GE(point.x(), area.columnOfX(0));
    }
}

TEST(PlotterTest, TheUndefinedValueMarksTheWholeWidth) {
    Area area({-7, 7, -5, 6}, 10000, 0);
    area.plot("1000000000");
    const int first = area.column(0);
    const int last = area.column(10000) + 1;
    for (int c = first; c <= last; ++c) {
        EXPECT_TRUE(area.markedAt(c)) << c;
    }
    EXPECT_EQ(area.markedColumns().size(), static_cast<std::size_t>(last - first + 1));
    EXPECT_TRUE(area.pixelsOf(GraphColor).empty());
}

TEST(PlotterTest, PolesOfTanAreMarkedOnlyWithTheSearch) {
    using std::numbers::pi;
    Area without({-7, 7, -5, 6}, 10000, 0);
    without.plot("tan(x)");
    EXPECT_TRUE(without.pixelsOf(MarkColor).empty());
    EXPECT_FALSE(without.pixelsOf(GraphColor).empty());

    Area with({-7, 7, -5, 6}, 10000, 1);
    with.plot("tan(x)");
    EXPECT_EQ(with.markedColumns(), with.markColumnsOf({-3 * pi / 2, -pi / 2, pi / 2, 3 * pi / 2}));
}

TEST(PlotterTest, ReciprocalIsMarkedAtZeroOnlyWithTheSearch) {
    // Sample 5000 is x = 0, where 1/x is infinite: outside every y range, but not undefined.
    Area without({-7, 7, -5, 6}, 10000, 0);
    without.plot("1/x");
    EXPECT_TRUE(without.pixelsOf(MarkColor).empty());

    Area with({-7, 7, -5, 6}, 10000, 1);
    with.plot("1/x");
    EXPECT_EQ(with.markedColumns(), with.markColumnsOf({0}));
}

TEST(PlotterTest, SearchAwayFromZeroTestsOnlyInsideTheRange) {
    Area pole({10, 20, -5, 6}, 10000, 1);
    pole.plot("1/(x-12)");
    EXPECT_EQ(pole.markedColumns(), pole.markColumnsOf({12}));

    Area noSearch({10, 20, -5, 6}, 10000, 0);
    noSearch.plot("1/(x-12)");
    EXPECT_TRUE(noSearch.pixelsOf(MarkColor).empty());

    // NaN at a tested value is not singular (and no sample lands on 12 with 9999 samples).
    Area nanAtLattice({10, 20, -5, 6}, 9999, 1);
    nanAtLattice.plot("0/(x-12)");
    EXPECT_TRUE(nanAtLattice.pixelsOf(MarkColor).empty());
    EXPECT_FALSE(nanAtLattice.pixelsOf(GraphColor).empty());

    // Singular everywhere: every tested lattice value shows, and only those.
    Area everywhere({10, 20, -5, 6}, 10000, 1);
    everywhere.plot("2000000000");
    std::vector<double> lattice;
    for (int j = 26; j <= 50; ++j) { // 26 pi/8 = 10.2 ... 50 pi/8 = 19.6
        lattice.push_back(j * EighthOfPi);
    }
    for (int i = 10; i <= 20; ++i) {
        lattice.push_back(i);
    }
    EXPECT_EQ(everywhere.markedColumns(), everywhere.markColumnsOf(lattice));
}

TEST(PlotterTest, SingularPointsFarAlongAWalkAreFound) {
    // Thousands of values are tested before these, in many blocks.
    const struct {
        const char* text;
        ViewRange range;
        double pole;
    } cases[] = {
        {"1/(x-2500)", {0, 3000, -5, 6}, 2500},
        {"1/(x+2999)", {-3000, 100, -5, 6}, -2999},
    };
    for (const auto& c : cases) {
        Area area(c.range, 10000, 1);
        area.plot(c.text);
        EXPECT_EQ(area.markedColumns(), area.markColumnsOf({c.pole})) << c.text;
    }
}

TEST(PlotterTest, SmallestSampleCountGivesTwoHundredAndOneSamples) {
    // Hand-edited counts below 200 are drawn as 200.
    for (const std::int32_t sampleCount : {200, 50, -3}) {
        Area area({-7, 7, -5, 6}, sampleCount, 0, 606, 100);
        area.plot("1");
        std::set<int> expected;
        for (std::int32_t k = 0; k <= 200; ++k) {
            expected.insert(area.column(k));
        }
        ASSERT_EQ(expected.size(), 201u);
        std::set<int> drawn;
        for (const QPoint& point : area.pixelsOf(GraphColor)) {
            EXPECT_EQ(point.y(), area.rowOfY(1));
            drawn.insert(point.x());
        }
        EXPECT_EQ(drawn, expected) << sampleCount;
    }
}

TEST(PlotterTest, AbsurdRangesFinishWithSoundPictures) {
    const struct {
        const char* name;
        ViewRange range;
        const char* text;
        std::function<void(const Area&)> check;
    } cases[] = {
        {"equal y ends",
         {-7, 7, 1, 1},
         "x",
         [](const Area& a) {
             EXPECT_TRUE(a.pixelsOf(GraphColor).empty());
         }},
        {"equal x ends",
         {2, 2, -5, 6},
         "x",
         [](const Area& a) {
             EXPECT_TRUE(a.has(a.column(0), a.rowOfY(2), GraphColor));
             EXPECT_TRUE(a.has(a.column(a.n()), a.rowOfY(2), GraphColor));
             EXPECT_TRUE(a.pixelsOf(MarkColor).empty());
         }},
        {"reversed x",
         {7, -7, -7, 7},
         "x",
         [](const Area& a) {
             EXPECT_TRUE(a.has(a.column(0), a.row(1000), GraphColor));
             EXPECT_TRUE(a.has(a.column(a.n()), a.row(0), GraphColor));
         }},
        {"reversed x, search ends at once",
         {7, -7, -5, 6},
         "2000000000",
         [](const Area& a) {
             EXPECT_TRUE(a.pixelsOf(MarkColor).empty());
         }},
        {"reversed y",
         {-7, 7, 6, -5},
         "x",
         [](const Area& a) {
             EXPECT_TRUE(a.pixelsOf(GraphColor).empty());
         }},
        {"NaN x end",
         {NaN, 7, -5, 6},
         "x",
         [](const Area& a) {
             EXPECT_TRUE(a.markedAt(a.column(0)));
             EXPECT_TRUE(a.markedAt(a.column(a.n())));
         }},
        {"NaN y end",
         {-7, 7, NaN, 6},
         "x",
         [](const Area& a) {
             EXPECT_TRUE(a.pixelsOf(GraphColor).empty());
         }},
        {"infinite x range",
         {-Infinity, Infinity, -5, 6},
         "1/x",
         [](const Area& a) {
             EXPECT_TRUE(a.markedAt(a.column(0)));
             EXPECT_TRUE(a.markedAt(a.column(a.n())));
         }},
        {"1e30 both ways",
         {-1e30f, 1e30f, -5, 6},
         "2000000000",
         [](const Area& a) {
             EXPECT_EQ(a.markedColumns(), a.markColumnsOf({0}));
         }},
        {"1e30 upwards",
         {-7, 1e30f, -5, 6},
         "2000000000",
         [](const Area& a) {
             EXPECT_EQ(a.markedColumns(), a.markColumnsOf({-7}));
         }},
        {"largest floats",
         {-Largest, Largest, -5, 6},
         "x",
         [](const Area& a) {
             EXPECT_TRUE(a.has(a.column(a.n() / 2), a.rowOfY(0), GraphColor));
             EXPECT_TRUE(a.pixelsOf(MarkColor).empty());
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Area area(c.range, 10000, 1);
        area.plot(c.text);
        c.check(area);
    }
}

// Graphs drawn one over the other into a white image, on the calling thread alone (no workers
// given) or on the given workers' threads.
QImage DrawnGraphs(const std::vector<std::string>& texts, const ViewRange& range,
                   std::int32_t sampleCount, int width, int height, PlotWorkers* workers) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQColor(Background));
    ViewOptions options;
    options.sampleCount = sampleCount;
    options.lookForSingular = 1;
    PlotWorkers callerAlone(1);
    for (const std::string& text : texts) {
        PlotGraph(image, PostfixOf(text), GraphColor, MarkColor, range, options,
                  workers == nullptr ? callerAlone : *workers);
    }
    return image;
}

std::vector<std::unique_ptr<PlotWorkers>> WorkersOf(std::initializer_list<unsigned> counts) {
    std::vector<std::unique_ptr<PlotWorkers>> all;
    for (const unsigned count : counts) {
        all.push_back(std::make_unique<PlotWorkers>(count));
    }
    return all;
}

TEST(PlotterTest, EveryThreadCountDrawsTheSamePicture) {
    const struct {
        std::vector<std::string> texts;
        ViewRange range;
        std::int32_t sampleCount;
        int width, height;
    } cases[] = {
        {{"x*sin(5*x)", "sqrt(x)", "tan(x)"}, {-7, 7, -5, 6}, 10000, 480, 369},
        {{"1/(x*tan(2*x))", "arcsin(x/2)"}, {-3.5f, 2.25f, -2, 2}, 12345, 333, 217},
        {{"ln(x)+x%3"}, {-7, 7, -5, 6}, 200, 1001, 799},
        {{"ln(-x)", "1/(x-12)", "0/(x-12)"}, {10, 20, -5, 6}, 1023, 641, 479},
        {{"1000000000", "x^x"}, {-7, 7, -5, 6}, 1025, 202, 1012},
        {{"x*sin(5*x)", "1/x"}, {-7, 7, -5, 6}, 100000, 1000, 800},
        // Tens of thousands of lattice values, singular everywhere or near many of them.
        {{"tan(x)", "2000000000"}, {-3000, 3000, -5, 6}, 100000, 999, 601},
        // Rounding residues, drawn at a scale where every last bit shows.
        {{"(x/3)*3-x"}, {-7, 7, -2e-15f, 2e-15f}, 54321, 517, 311},
    };
    const auto workers = WorkersOf({1, 2, 3, 8});
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.texts.front() << " with " << c.sampleCount
                                        << " samples on " << c.width << "x" << c.height);
        const QImage alone = DrawnGraphs(c.texts, c.range, c.sampleCount, c.width, c.height, {});
        for (const auto& pool : workers) {
            EXPECT_TRUE(DrawnGraphs(c.texts, c.range, c.sampleCount, c.width, c.height,
                                    pool.get()) == alone)
                << pool->threadCount() << " threads";
        }
    }
}

TEST(PlotterTest, HelpersDrawInTheCallersRoundingMode) {
    const std::vector<std::string> texts = {"(x/3)*3-x", "sqrt(x)/7"};
    const ViewRange range{-7, 7, -2e-15f, 2e-15f};
    // Started before the mode changes: new threads would take it over anyway.
    const auto workers = WorkersOf({2, 3, 8});
    const QImage nearest = DrawnGraphs(texts, range, 100000, 640, 480, {});
    ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
    const QImage alone = DrawnGraphs(texts, range, 100000, 640, 480, {});
    std::vector<QImage> shared;
    for (const auto& pool : workers) {
        shared.push_back(DrawnGraphs(texts, range, 100000, 640, 480, pool.get()));
    }
    std::fesetround(FE_TONEAREST);

    ASSERT_FALSE(alone == nearest); // the rounding mode shows in this picture
    for (const QImage& image : shared) {
        EXPECT_TRUE(image == alone);
    }
}

// The x values one walk tests.
std::vector<double> TestedBy(double step, const ViewRange& range) {
    std::vector<double> tested;
    WalkLattice(step, range, [&](double x) { tested.push_back(x); });
    return tested;
}

TEST(SingularLatticeTest, WalksTestFromTheNearEndToTheFarEnd) {
    const double s = EighthOfPi;
    const struct {
        double step;
        ViewRange range;
        std::size_t count;
        double first, last; // when count > 0
    } cases[] = {
        {s, {10, 20, -5, 6}, 25, 26 * s, 50 * s},
        {-s, {10, 20, -5, 6}, 0, 0, 0},
        {1, {10, 20, -5, 6}, 11, 10, 20},
        {-1, {10, 20, -5, 6}, 0, 0, 0},
        {s, {-7, 7, -5, 6}, 18, 0, 17 * s},
        {-s, {-7, 7, -5, 6}, 18, 0, -17 * s},
        {1, {-7, 7, -5, 6}, 8, 0, 7},
        {-1, {-7, 7, -5, 6}, 8, 0, -7},
        {-1, {-20, -10, -5, 6}, 11, -10, -20},
        {1, {3, 3, -5, 6}, 1, 3, 3},
        {s, {3, 3, -5, 6}, 0, 0, 0},
        {1, {7, -7, -5, 6}, 0, 0, 0},
        {-1, {7, -7, -5, 6}, 0, 0, 0},
        {1, {NaN, 7, -5, 6}, 0, 0, 0},
        {-1, {NaN, 7, -5, 6}, 0, 0, 0},
        {1, {-7, NaN, -5, 6}, 0, 0, 0},
        {-1, {-7, NaN, -5, 6}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const std::vector<double> tested = TestedBy(c.step, c.range);
        SCOPED_TRACE(testing::Message()
                     << "step " << c.step << " over " << c.range.Xmin << " ... " << c.range.Xmax);
        ASSERT_EQ(tested.size(), c.count);
        if (c.count > 0) {
            EXPECT_NEAR(tested.front(), c.first, 1e-12);
            EXPECT_NEAR(tested.back(), c.last, 1e-12);
        }
    }
}

TEST(SingularLatticeTest, StretchesRepeatTheWalksExactly) {
    const ViewRange ranges[] = {
        {-7, 7, -5, 6}, {10, 20, -5, 6}, {-3000, 100, -5, 6}, {-20, -10, -5, 6},      {3, 3, -5, 6},
        {7, -7, -5, 6}, {NaN, 7, -5, 6}, {-7, NaN, -5, 6},    {-50000, 50000, -5, 6},
    };
    for (const ViewRange& range : ranges) {
        std::vector<double> walked;
        WalkSingularLattice(range, [&](double x) { walked.push_back(x); });
        for (const std::size_t maxCount : {1u, 7u, 1024u}) {
            SCOPED_TRACE(testing::Message()
                         << range.Xmin << " ... " << range.Xmax << " by " << maxCount);
            std::vector<double> repeated;
            for (const LatticeStretch& stretch : LatticeStretches(range, maxCount)) {
                EXPECT_GE(stretch.count, 1u);
                EXPECT_LE(stretch.count, maxCount);
                double x = stretch.first;
                for (std::size_t i = 0; i < stretch.count; ++i) {
                    repeated.push_back(x);
                    x += stretch.step;
                }
            }
            EXPECT_TRUE(repeated == walked);
        }
    }
}

TEST(SingularLatticeTest, WideLegitimateRangesAreWalkedToTheirEnds) {
    const ViewRange range{-500000, 500000, -5, 6};
    const std::vector<double> up = TestedBy(1, range);
    ASSERT_EQ(up.size(), 500001u);
    EXPECT_EQ(up.back(), 500000);
    EXPECT_EQ(TestedBy(-1, range).back(), -500000);

    for (const double step : {EighthOfPi, -EighthOfPi}) {
        const std::vector<double> tested = TestedBy(step, range);
        EXPECT_EQ(tested.size(), static_cast<std::size_t>(std::floor(500000 / EighthOfPi)) + 1);
        EXPECT_LE(std::fabs(tested.back()), 500000);
        EXPECT_GT(std::fabs(tested.back() + step), 500000);
    }
}

TEST(SingularLatticeTest, UnreachableEndsStopTheWalkWithinItsBound) {
    const ViewRange ranges[] = {
        {-1e30f, 1e30f, -5, 6},
        {-Infinity, Infinity, -5, 6},
        {-Largest, Largest, -5, 6},
    };
    for (const ViewRange& range : ranges) {
        for (const double step : {EighthOfPi, -EighthOfPi, 1.0, -1.0}) {
            const std::vector<double> tested = TestedBy(step, range);
            EXPECT_EQ(tested.size(), static_cast<std::size_t>(MaxWalkSteps) + 1);
            // Every step still moves x.
            const auto stuck =
                std::adjacent_find(tested.begin(), tested.end(),
                                   [&](double a, double b) { return !(b * step > a * step); });
            EXPECT_TRUE(stuck == tested.end()) << *stuck;
        }
    }
    // Far away on one side: the walk steps towards it without testing, then gives up.
    EXPECT_TRUE(TestedBy(1, {1e29f, 1e30f, -5, 6}).empty());
}

} // namespace
} // namespace plotmere
