#include "view/drawing_units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace plotmere {
namespace {

TEST(HorizontalMarginTest, IsHalfAPercentRoundedHalfToEven) {
    struct Row {
        std::int32_t sampleCount;
        std::int32_t margin;
    };
    const Row rows[] = {
        {10000, 50},   {300, 2}, // 1.5 goes up to the even 2
        {500, 2},                // 2.5 goes down to the even 2
        {200, 1},      {700, 4}, // 3.5 goes up to the even 4
        {100000, 500}, {100, 0}, // 0.5 goes down to the even 0
        {1100, 6},               // 5.5 goes up to the even 6
    };
    for (const Row& row : rows) {
        EXPECT_EQ(HorizontalMargin(row.sampleCount), row.margin) << "N = " << row.sampleCount;
    }
}

TEST(DrawingUnitsTest, TenThousandSamplesSpanMinus50To10050And1005DownToMinus7) {
    const DrawingUnits units = DrawingUnits::ForSampleCount(10000);
    EXPECT_EQ(units.left, -50);
    EXPECT_EQ(units.width, 10100);
    EXPECT_EQ(units.left + units.width, 10050);
    EXPECT_EQ(units.top, 1005);
    EXPECT_EQ(units.height, -1012);
    EXPECT_EQ(units.top + units.height, -7);
}

TEST(DrawingUnitsTest, MarginFollowsTheSampleCount) {
    const DrawingUnits units = DrawingUnits::ForSampleCount(300);
    EXPECT_EQ(units.left, -2);
    EXPECT_EQ(units.width, 304);
    EXPECT_EQ(units.top, 1005);
    EXPECT_EQ(units.height, -1012);
}

TEST(UsableSampleCountTest, ClampsHandEditedCountsForDrawing) {
    EXPECT_EQ(UsableSampleCount(10000), 10000);
    EXPECT_EQ(UsableSampleCount(200), 200);
    EXPECT_EQ(UsableSampleCount(100000), 100000);
    EXPECT_EQ(UsableSampleCount(0), 200);
    EXPECT_EQ(UsableSampleCount(-5), 200);
    EXPECT_EQ(UsableSampleCount(std::numeric_limits<std::int32_t>::min()), 200);
    EXPECT_EQ(UsableSampleCount(std::numeric_limits<std::int32_t>::max()), 100000);
}

TEST(UnitsMappingTest, DefaultRangePutsTheAxesAt5000AndAbout454Point5) {
    const ViewRange range; // -7 ... 7 by -5 ... 6
    EXPECT_DOUBLE_EQ(XUnits(0, range, 10000), 5000);
    EXPECT_NEAR(YUnits(0, range), 454.5, 0.05);
    EXPECT_DOUBLE_EQ(YUnits(0, range), 5000.0 / 11);
}

TEST(UnitsMappingTest, RangeEndsMapOntoTheDataRectangle) {
    const ViewRange range{-6.5f, 7.5f, -2.25f, 3.75f};
    EXPECT_DOUBLE_EQ(XUnits(-6.5, range, 10000), 0);
    EXPECT_DOUBLE_EQ(XUnits(7.5, range, 10000), 10000);
    EXPECT_DOUBLE_EQ(XUnits(-6.5, range, 300), 0);
    EXPECT_DOUBLE_EQ(XUnits(7.5, range, 300), 300);
    EXPECT_DOUBLE_EQ(YUnits(-2.25, range), 0);
    EXPECT_DOUBLE_EQ(YUnits(3.75, range), 1000);
    // A value left of Xmin lies left of the data rectangle.
    EXPECT_LT(XUnits(-7, range, 10000), 0);
}

TEST(UnitsMappingTest, ComputesInDoublePrecision) {
    // Single-precision ends whose difference is tiny: float arithmetic would lose the position.
    const ViewRange range{1.0f, 1.0001f, -5, 6};
    const double span = static_cast<double>(1.0001f) - 1.0;
    EXPECT_DOUBLE_EQ(XUnits(1 + span / 4, range, 10000), 2500);
}

// An image 1011 pixels wide and 1012 high over the units of 10000 samples: 0.1001 columns
// and exactly one row per unit, so the expected pixels can be worked out by hand.
class PixelMappingTest : public ::testing::Test {
protected:
    PixelMapping map{DrawingUnits::ForSampleCount(10000), 1011, 1012};
};

TEST_F(PixelMappingTest, EdgesOfTheUnitsAreTheEdgesOfTheImage) {
    EXPECT_EQ(map.widthPixels(), 1011);
    EXPECT_EQ(map.heightPixels(), 1012);
    EXPECT_EQ(map.column(-50), 0);
    EXPECT_EQ(map.column(10049.99f), 1010);
    EXPECT_EQ(map.column(10050), 1011); // just outside on the right
    EXPECT_EQ(map.column(-55), -1);     // just outside on the left
    EXPECT_EQ(map.row(1005), 0);
    EXPECT_EQ(map.row(-6.5f), 1011);
    EXPECT_EQ(map.row(-7), 1012); // just outside at the bottom
    EXPECT_EQ(map.row(1005.5f), -1);
}

TEST_F(PixelMappingTest, DataRectangleAndAxesOfTheDefaultRange) {
    EXPECT_EQ(map.column(0), 5);
    EXPECT_EQ(map.column(10000), 1005);
    EXPECT_EQ(map.column(5000), 505);
    EXPECT_EQ(map.row(1000), 5);
    EXPECT_EQ(map.row(0), 1005);
    EXPECT_EQ(map.row(static_cast<float>(YUnits(0, ViewRange{}))), 550);
}

TEST_F(PixelMappingTest, NonFiniteAndHugePositionsLandFarOutsideWithoutOverflow) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = std::numeric_limits<float>::max();
    for (const float position : {inf, 1e30f, huge}) {
        EXPECT_GE(map.column(position), map.widthPixels()) << position;
        EXPECT_LT(map.row(position), 0) << position; // y grows upwards
    }
    for (const float position : {-inf, -1e30f, -huge}) {
        EXPECT_LT(map.column(position), 0) << position;
        EXPECT_GE(map.row(position), map.heightPixels()) << position;
    }
    const int column = map.column(nan);
    const int row = map.row(nan);
    EXPECT_TRUE(column < 0 || column >= map.widthPixels()) << column;
    EXPECT_TRUE(row < 0 || row >= map.heightPixels()) << row;
}

TEST(PixelMappingScaleTest, OnePixelPerUnitOfATinyImageAndAHugeCount) {
    // 304 units of 300 samples on 304 pixels: one column per unit.
    const PixelMapping small(DrawingUnits::ForSampleCount(300), 304, 1);
    EXPECT_EQ(small.column(-2), 0);
    EXPECT_EQ(small.column(0), 2);
    EXPECT_EQ(small.column(300), 302);
    EXPECT_EQ(small.row(1005), 0);
    EXPECT_EQ(small.row(-6.9f), 0);
    // A hand-edited count far beyond the limit must not overflow the margin or the scale.
    const DrawingUnits wide =
        DrawingUnits::ForSampleCount(std::numeric_limits<std::int32_t>::max());
    EXPECT_GT(wide.width, 0);
    EXPECT_LT(wide.left, 0);
    const PixelMapping map(wide, 500, 400);
    EXPECT_EQ(map.column(static_cast<float>(wide.left)), 0);
}

} // namespace
} // namespace plotmere
