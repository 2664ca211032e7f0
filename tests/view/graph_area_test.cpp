#include "view/graph_area.h"

#include "view/drawing_units.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>

namespace plotmere {
namespace {

// 1011 x 1012 pixels over the units of 10000 samples: 0.1001 columns and exactly one row per
// unit, so the data rectangle is columns 5 ... 1005 and rows 5 ... 1005.
constexpr int ImageWidth = 1011;
constexpr int ImageHeight = 1012;
constexpr int DataLeft = 5;
constexpr int DataRight = 1005;
constexpr int DataTop = 5;
constexpr int DataBottom = 1005;

const ColorValue Axis = Rgb(0x8080FF);
const ColorValue White = Rgb(0xFFFFFF);
const ColorValue WhiteGrid = Rgb(0xEBEBEB);
const ColorValue Leftover = Rgb(0xFF00FF); // what the image held before the reset

class GraphAreaTest : public ::testing::Test {
protected:
    QImage Draw(const ViewRange& range) { return Draw(range, options); }

    QImage Draw(const ViewRange& range, const ViewOptions& drawOptions) {
        QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
        image.fill(ToQColor(Leftover));
        DrawEmptyGraphArea(image, range, drawOptions, colors);
        return image;
    }

    static bool Is(const QImage& image, int column, int row, ColorValue color) {
        return image.pixel(column, row) == ToPixel(color);
    }

    static int Count(const QImage& image, ColorValue color) {
        int count = 0;
        for (int row = 0; row < image.height(); ++row) {
            for (int column = 0; column < image.width(); ++column) {
                count += Is(image, column, row, color) ? 1 : 0;
            }
        }
        return count;
    }

    static int CountInRow(const QImage& image, int row, ColorValue color, int from = 0,
                          int to = ImageWidth - 1) {
        int count = 0;
        for (int column = from; column <= to; ++column) {
            count += Is(image, column, row, color) ? 1 : 0;
        }
        return count;
    }

    static int CountInColumn(const QImage& image, int column, ColorValue color) {
        int count = 0;
        for (int row = 0; row < image.height(); ++row) {
            count += Is(image, column, row, color) ? 1 : 0;
        }
        return count;
    }

    int ColumnOf(double x, const ViewRange& range) const {
        return map.column(static_cast<float>(XUnits(x, range, options.sampleCount)));
    }
    int RowOf(double y, const ViewRange& range) const {
        return map.row(static_cast<float>(YUnits(y, range)));
    }

    // A row inside the data rectangle on which no horizontal line of the range lies.
    int RowBetweenLines(const ViewRange& range) const {
        std::set<int> lineRows{RowOf(0, range)};
        for (double j = std::floor(range.Ymin); j <= std::floor(range.Ymax); ++j) {
            lineRows.insert(RowOf(j, range));
        }
        for (int row = DataTop + 1; row < DataBottom; ++row) {
            if (!lineRows.count(row) && !lineRows.count(row - 1) && !lineRows.count(row + 1)) {
                return row;
            }
        }
        ADD_FAILURE() << "no free row";
        return DataTop;
    }

    ViewOptions options;
    GraphColors colors;
    PixelMapping map{DrawingUnits::ForSampleCount(10000), ImageWidth, ImageHeight};
};

TEST_F(GraphAreaTest, AxesOfTheDefaultRangeLieWhereTheMappingPutsThem) {
    const ViewRange range;
    const QImage image = Draw(range);
    const int axisColumn = ColumnOf(0, range);
    const int axisRow = RowOf(0, range);
    EXPECT_EQ(axisColumn, 505); // X = 5000
    EXPECT_EQ(axisRow, 550);    // Y = 454.5

    // Each axis covers the data rectangle, both ends included, and not the margins.
    for (int row = 0; row < ImageHeight; ++row) {
        const bool inside = row >= DataTop && row <= DataBottom;
        EXPECT_EQ(Is(image, axisColumn, row, Axis), inside) << "row " << row;
    }
    for (int column = 0; column < ImageWidth; ++column) {
        const bool inside = column >= DataLeft && column <= DataRight;
        EXPECT_EQ(Is(image, column, axisRow, Axis), inside) << "column " << column;
    }
    // One pixel wide.
    const int freeRow = RowBetweenLines(range);
    EXPECT_EQ(CountInRow(image, freeRow, Axis), 1);
    EXPECT_TRUE(Is(image, axisColumn, freeRow, Axis));
    // The margins show the background.
    EXPECT_TRUE(Is(image, 0, 0, White));
    EXPECT_TRUE(Is(image, ImageWidth - 1, ImageHeight - 1, White));
    EXPECT_EQ(Count(image, Leftover), 0);
}

TEST_F(GraphAreaTest, UnitGridOfTheDefaultRangeLiesUnderTheAxes) {
    const ViewRange range;
    const QImage image = Draw(range);
    const int freeRow = RowBetweenLines(range);
    // Vertical lines at -7 ... 7; the one at 0 is covered by the axis.
    for (int i = -7; i <= 7; ++i) {
        EXPECT_TRUE(Is(image, ColumnOf(i, range), freeRow, i == 0 ? Axis : WhiteGrid)) << i;
    }
    EXPECT_EQ(CountInRow(image, freeRow, WhiteGrid), 14);
    // Horizontal lines at -5 ... 6, from the left to the right edge of the data rectangle.
    const int freeColumn = (ColumnOf(1, range) + ColumnOf(2, range)) / 2;
    for (int j = -5; j <= 6; ++j) {
        const int row = RowOf(j, range);
        EXPECT_TRUE(Is(image, freeColumn, row, j == 0 ? Axis : WhiteGrid)) << j;
        if (j != 0) {
            EXPECT_EQ(CountInRow(image, row, WhiteGrid, DataLeft, DataRight),
                      DataRight - DataLeft + 1 - 1) // less the axis crossing
                << j;
            EXPECT_TRUE(Is(image, ColumnOf(0, range), row, Axis)) << "axis on top at " << j;
        }
    }
    // Nothing of the grid in the margins above, below and to the right.
    for (int row : {0, DataTop - 1, DataBottom + 1, ImageHeight - 1}) {
        EXPECT_EQ(CountInRow(image, row, WhiteGrid), 0) << "row " << row;
    }
    EXPECT_EQ(CountInColumn(image, DataRight + 1, WhiteGrid), 0);
    EXPECT_EQ(CountInColumn(image, ImageWidth - 1, WhiteGrid), 0);
}

TEST_F(GraphAreaTest, GridNeedsBothSpansStrictlyBelowAHundred) {
    struct Row {
        ViewRange range;
        bool grid;
    };
    const Row rows[] = {
        {{-50, 50, -5, 6}, false},                                      // x span exactly 100
        {{-7, 7, -50, 50}, false},                                      // y span exactly 100
        {{-50, 50, -50, 50}, false},    {{-49.5f, 49.5f, -5, 6}, true}, // 99
        {{-7, 7, -49.5f, 49.5f}, true}, {{-300, 300, -5, 6}, false},
    };
    for (const Row& row : rows) {
        const QImage image = Draw(row.range);
        EXPECT_EQ(Count(image, WhiteGrid) > 0, row.grid)
            << row.range.Xmin << " ... " << row.range.Xmax << " by " << row.range.Ymin << " ... "
            << row.range.Ymax;
        // Axes only, or axes over the grid: both axes are there in full.
        EXPECT_EQ(CountInColumn(image, ColumnOf(0, row.range), Axis), DataBottom - DataTop + 1);
        EXPECT_EQ(CountInRow(image, RowOf(0, row.range), Axis), DataRight - DataLeft + 1);
    }
}

TEST_F(GraphAreaTest, GridSwitchedOffOrAnyValueButOneDrawsAxesOnly) {
    for (const std::int32_t showGrid : {0, 2, -1}) {
        ViewOptions off = options;
        off.showGrid = showGrid;
        const QImage image = Draw(ViewRange{}, off);
        EXPECT_EQ(Count(image, WhiteGrid), 0) << showGrid;
        EXPECT_GT(Count(image, Axis), 0) << showGrid;
    }
}

// floor(Xmin) lies left of Xmin: its line falls outside the data rectangle, clipped or in the
// margin, and never at the left edge of the data.
TEST_F(GraphAreaTest, FirstVerticalLineLeftOfXminStaysOutOfTheData) {
    for (const float xmin : {-6.5f, -6.96f}) {
        const ViewRange range{xmin, 7.5f, -5, 6};
        const QImage image = Draw(range);
        const int freeRow = RowBetweenLines(range);
        EXPECT_LT(XUnits(-7, range, 10000), 0) << xmin;
        const int firstInside = ColumnOf(-6, range);
        EXPECT_GT(firstInside, DataLeft) << xmin;
        EXPECT_TRUE(Is(image, firstInside, freeRow, WhiteGrid)) << xmin;
        EXPECT_EQ(CountInRow(image, freeRow, WhiteGrid, DataLeft, firstInside - 1), 0) << xmin;
        // -6 ... 7, less 0 under the axis.
        EXPECT_EQ(CountInRow(image, freeRow, WhiteGrid, DataLeft, DataRight), 13) << xmin;
    }
}

TEST_F(GraphAreaTest, AnAxisIsVisibleOnlyWhenItsRangeContainsZero) {
    // Neither range contains 0.
    EXPECT_EQ(Count(Draw({1, 5, 2, 4}), Axis), 0);
    EXPECT_EQ(Count(Draw({-10, -2, -8, -1}), Axis), 0);
    // Only x contains 0: the y axis alone, over the whole height of the data.
    EXPECT_EQ(Count(Draw({-3, 3, 1, 4}), Axis), DataBottom - DataTop + 1);
    // Only y contains 0: the x axis alone.
    EXPECT_EQ(Count(Draw({1, 4, -3, 3}), Axis), DataRight - DataLeft + 1);
    // The grid is drawn all the same.
    EXPECT_GT(Count(Draw({1, 5, 2, 4}), WhiteGrid), 0);
}

TEST_F(GraphAreaTest, GridTakesTheColourDerivedFromTheBackground) {
    colors.backColor = Rgb(0x202020);
    colors.gridColor = DeriveGridColor(colors.backColor);
    const ViewRange range;
    const QImage image = Draw(range);
    const int freeRow = RowBetweenLines(range);
    EXPECT_TRUE(Is(image, 0, 0, Rgb(0x202020)));
    EXPECT_TRUE(Is(image, ColumnOf(1, range), freeRow, Rgb(0x343434)));
    EXPECT_EQ(CountInRow(image, freeRow, Rgb(0x343434)), 14);
    EXPECT_EQ(Count(image, WhiteGrid), 0);
    EXPECT_EQ(Count(image, White), 0);
}

TEST_F(GraphAreaTest, HugeSymmetricRangeStillShowsTheAxesInTheMiddle) {
    const ViewRange range{-1e30f, 1e30f, -1e30f, 1e30f};
    const QImage image = Draw(range);
    EXPECT_EQ(CountInColumn(image, 505, Axis), DataBottom - DataTop + 1);
    EXPECT_EQ(CountInRow(image, map.row(500), Axis), DataRight - DataLeft + 1);
    EXPECT_EQ(Count(image, WhiteGrid), 0);
}

// Hand-edited settings can hold any of these; the area is still cleared and nothing fails.
TEST_F(GraphAreaTest, DegenerateRangesClearTheAreaWithoutFailing) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const ViewRange ranges[] = {
        {1, 1, -5, 6},          {-7, 7, 2, 2},          {0, 0, 0, 0},
        {7, -7, -5, 6},         {-7, 7, 6, -5},         {7, -7, 6, -5},
        {nan, 7, -5, 6},        {-7, 7, nan, 6},        {nan, nan, nan, nan},
        {-inf, inf, -5, 6},     {-7, 7, -inf, inf},     {inf, inf, inf, inf},
        {-inf, -inf, -5, 6},    {1e30f, 1e30f, -5, 6},  {-7, 7, 1e30f, 1e30f},
        {1e30f, -1e30f, 6, -5}, {-1e30f, 1e30f, -5, 6}, {1e9f, 1e9f + 64, -5, 6},
    };
    for (const ViewRange& range : ranges) {
        const QImage image = Draw(range);
        EXPECT_TRUE(Is(image, 0, 0, White))
            << range.Xmin << " " << range.Xmax << " " << range.Ymin << " " << range.Ymax;
        EXPECT_EQ(Count(image, Leftover), 0);
    }
    // Where every position is undefined nothing but the background is left.
    for (const ViewRange& range :
         {ViewRange{nan, nan, nan, nan}, ViewRange{-inf, inf, -inf, inf}}) {
        EXPECT_EQ(Count(Draw(range), White), ImageWidth * ImageHeight);
    }
}

TEST_F(GraphAreaTest, HandEditedSampleCountsDrawWithTheClampedCount) {
    struct Row {
        std::int32_t stored;
        std::int32_t drawnAs;
    };
    const Row rows[] = {{0, 200}, {-5, 200}, {std::numeric_limits<std::int32_t>::max(), 100000}};
    const ViewRange range;
    for (const Row& row : rows) {
        ViewOptions stored = options;
        stored.sampleCount = row.stored;
        ViewOptions clamped = options;
        clamped.sampleCount = row.drawnAs;
        const QImage image = Draw(range, stored);
        EXPECT_TRUE(image == Draw(range, clamped)) << row.stored;
        EXPECT_GT(Count(image, Axis), 0) << row.stored;
    }
}

TEST_F(GraphAreaTest, TinyAndNullImagesDoNotFail) {
    QImage one(1, 1, QImage::Format_RGB32);
    DrawEmptyGraphArea(one, ViewRange{}, options, colors);
    EXPECT_FALSE(one.isNull());
    QImage none;
    DrawEmptyGraphArea(none, ViewRange{}, options, colors);
    EXPECT_TRUE(none.isNull());
}

} // namespace
} // namespace plotmere
