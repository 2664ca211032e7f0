#include "view/natural_ratio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace plotmere {
namespace {

struct QuarterRow {
    float value;
    float expected;
};

TEST(RoundToQuarterTest, FollowsTheFractionClasses) {
    const QuarterRow rows[] = {
        {2.3f, 2.25f},  {-0.45f, -0.5f}, {0.95f, 1.0f},    {2.05f, 2.0f},  {3.0f, 3.0f},
        {0.0f, 0.0f},   {-7.0f, -7.0f},  {-5.25f, -5.25f}, {2.5f, 2.5f},   {-2.5f, -2.5f},
        {0.12f, 0.25f}, {0.59f, 0.5f},   {0.62f, 0.75f},   {0.88f, 0.75f}, {-0.1f, -0.25f},
        {-0.4f, -0.5f}, {-3.03f, -3.0f},
    };
    for (const QuarterRow& row : rows) {
        EXPECT_EQ(RoundToQuarter(row.value), row.expected) << row.value;
    }
}

// The value is single precision and is first cut down to hundredths, so a value stored just
// below a decimal boundary falls into the lower class.
TEST(RoundToQuarterTest, ValuesJustBelowADecimalBoundaryFallLower) {
    const QuarterRow rows[] = {
        {1.9f, 1.75f},   // 1.89999998 -> 1.89
        {0.9f, 0.75f},   // 0.899999976 -> 0.89
        {3.6f, 3.5f},    // 3.5999999 -> 3.59
        {-1.1f, -1.25f}, // -1.10000002 -> -1.11
        {0.11f, 0.0f},   // 0.109999999 -> 0.10
        {1.4f, 1.25f},   // 1.39999998 -> 1.39
        {2.4f, 2.5f},    // 2.4000001 -> 2.40, fraction 0.40000010 >= 0.4f
        {-0.6f, -0.75f}, // -0.600000024 -> -0.61
    };
    for (const QuarterRow& row : rows) {
        EXPECT_EQ(RoundToQuarter(row.value), row.expected) << row.value;
    }
}

// The thresholds are the single-precision 0.1, 0.4, 0.6 and 0.9; a fraction equal to one of
// them falls on the side the table gives. Comparing with the double-precision thresholds would
// put 0.1 and 0.6 one class higher and the fraction 0.9f one class lower.
TEST(RoundToQuarterTest, ExactThresholdsCompareAsSinglePrecision) {
    EXPECT_EQ(RoundToQuarter(0.1f), 0.0f); // f <= 0.1
    EXPECT_EQ(RoundToQuarter(0.4f), 0.5f); // 0.4 <= f
    EXPECT_EQ(RoundToQuarter(0.6f), 0.5f); // f <= 0.6
    EXPECT_EQ(RoundToQuarter(0.61f), 0.75f);
    // The float just above 0.9f cuts to 0.9f itself: f >= 0.9 rounds up.
    EXPECT_EQ(RoundToQuarter(std::nextafter(0.9f, 1.0f)), 1.0f);
}

TEST(RoundToQuarterTest, NonFiniteAndHugeValuesDoNotFail) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(RoundToQuarter(inf), inf);
    EXPECT_EQ(RoundToQuarter(-inf), -inf);
    EXPECT_TRUE(std::isnan(RoundToQuarter(std::numeric_limits<float>::quiet_NaN())));
    EXPECT_FLOAT_EQ(RoundToQuarter(1e30f), 1e30f);
}

TEST(ApplyAspectTest, UsualCaseMovesTheTopAndKeepsTheBottom) {
    ViewRange range{-7, 7, -5, 6};
    ApplyAspect(range, 0.75);
    EXPECT_EQ(range.Xmin, -7);
    EXPECT_EQ(range.Xmax, 7);
    EXPECT_EQ(range.Ymin, -5);
    EXPECT_EQ(range.Ymax, 5.5f); // -5 + 14 * 0.75
}

TEST(ApplyAspectTest, TopIsCutDownToHundredthsTowardsMinusInfinity) {
    ViewRange range{-7, 7, -5, 6};
    ApplyAspect(range, 0.123); // -5 + 1.722 = -3.278
    EXPECT_EQ(range.Ymin, -5);
    EXPECT_EQ(range.Ymax, -3.28f);

    ViewRange area{-7, 7, -5, 6};
    ApplyAspect(area, 369.0 / 469.0); // -5 + 11.0149... = 6.0149...
    EXPECT_EQ(area.Ymax, 6.01f);

    ViewRange above{-7, 7, 2, 6};
    ApplyAspect(above, 0.75);
    EXPECT_EQ(above.Ymin, 2);
    EXPECT_EQ(above.Ymax, 12.5f);
}

TEST(ApplyAspectTest, SymmetricRangeStaysAboutSymmetric) {
    ViewRange range{-7, 7, -5, 5};
    ApplyAspect(range, 0.75);
    EXPECT_EQ(range.Ymin, -5.25f); // RoundToQuarter(-5.25)
    EXPECT_EQ(range.Ymax, 5.25f);

    ViewRange wide{-10, 10, -3, 3};
    ApplyAspect(wide, 0.6); // height 12
    EXPECT_EQ(wide.Ymin, -6);
    EXPECT_EQ(wide.Ymax, 6);
}

TEST(ApplyAspectFromTopTest, KeepsTheTopAndRaisesTheCutBottomByAHundredth) {
    ViewRange range{-7, 7, -5, 6};
    ApplyAspectFromTop(range, 0.75); // 6 - 10.5 = -4.5, already a multiple of 0.01
    EXPECT_EQ(range.Ymax, 6);
    EXPECT_FLOAT_EQ(range.Ymin, -4.49f);
    EXPECT_EQ(range.Xmin, -7);
    EXPECT_EQ(range.Xmax, 7);

    ViewRange other{-7, 7, -5, 3.3f};
    ApplyAspectFromTop(other, 0.5); // 3.3 - 7 = -3.70000005, cut to -3.71
    EXPECT_FLOAT_EQ(other.Ymin, -3.7f);
    EXPECT_EQ(other.Ymax, 3.3f);
}

// An x range narrower than a hundredth over the ratio cuts the new y span to nothing; the
// drawing divides by the y span, so the range must stay ordered.
TEST(ApplyAspectTest, TinyXRangeKeepsTheTopAboveTheBottom) {
    struct Row {
        ViewRange range;
        bool symmetric;
    };
    const Row rows[] = {
        {{1, 1.01f, -5, 6}, false},        // -5 + 0.0075 cuts to -5
        {{1, 1.01f, -5, 5}, true},         // both ends round to 0
        {{1, 1.01f, 1e30f, 2e30f}, false}, // a hundredth is below the float spacing up there
        {{1, 1.01f, -1e30f, 0}, false},
    };
    for (const Row& row : rows) {
        ViewRange range = row.range;
        ApplyAspect(range, 0.75);
        EXPECT_LT(range.Ymin, range.Ymax) << "from Ymin " << row.range.Ymin;
        EXPECT_TRUE(std::isfinite(range.Ymax)) << "from Ymin " << row.range.Ymin;
        if (!row.symmetric) {
            EXPECT_EQ(range.Ymin, row.range.Ymin);
        }
    }
}

TEST(ApplyAspectFromTopTest, TinyXRangeKeepsTheBottomBelowTheTop) {
    const ViewRange cases[] = {
        {1, 1.01f, -5, 6},     // 6 - 0.0075 cuts to 5.99, raised to 6
        {1, 1.01f, -5, 0},     // -0.0075 cuts to -0.01, raised to 0
        {1, 1.01f, -5, 1e30f}, // a hundredth is below the float spacing
        {1, 1.01f, -2e30f, -1e30f},
    };
    for (ViewRange range : cases) {
        const float top = range.Ymax;
        ApplyAspectFromTop(range, 0.75);
        EXPECT_LT(range.Ymin, range.Ymax) << "from Ymax " << top;
        EXPECT_EQ(range.Ymax, top);
        EXPECT_TRUE(std::isfinite(range.Ymin)) << "from Ymax " << top;
    }
}

TEST(ApplyAspectTest, HandEditedNonFiniteRangesDoNotFail) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const ViewRange cases[] = {
        {nan, 7, -5, 6},   {-7, inf, -5, 6},   {-inf, inf, -5, 6},
        {-7, 7, nan, nan}, {-7, 7, -inf, inf}, {7, -7, -5, 6},
    };
    for (ViewRange range : cases) {
        ViewRange fromTop = range;
        ApplyAspect(range, 0.75);
        ApplyAspectFromTop(fromTop, 0.75);
    }
    // The reversed x range gives a negative height; the bottom stays and the top stays above it.
    ViewRange reversed{7, -7, -5, 6};
    ApplyAspect(reversed, 0.75);
    EXPECT_EQ(reversed.Ymin, -5);
    EXPECT_GT(reversed.Ymax, reversed.Ymin);
}

// An x span near the single-precision limit would give a y range beyond it, which could not be
// stored as a number that reads back: the y range stays as it was instead.
TEST(ApplyAspectTest, AYRangeBeyondSinglePrecisionLeavesTheYRangeAsItWas) {
    struct Case {
        ViewRange range;
        double ratio;
    };
    const Case cases[] = {
        {{-3.4e38f, 3.4e38f, -5, 6}, 0.75},
        {{-3.4e38f, 3.4e38f, -5, 5}, 0.75}, // symmetric
        {{-1e38f, 3.4e38f, 3e38f, 3.2e38f}, 2.0},
    };
    for (const Case& c : cases) {
        ViewRange range = c.range;
        ApplyAspect(range, c.ratio);
        EXPECT_EQ(range.Ymin, c.range.Ymin);
        EXPECT_EQ(range.Ymax, c.range.Ymax);
        ViewRange fromTop = c.range;
        ApplyAspectFromTop(fromTop, c.ratio);
        EXPECT_TRUE(std::isfinite(fromTop.Ymin));
        EXPECT_EQ(fromTop.Ymax, c.range.Ymax);
    }
}

} // namespace
} // namespace plotmere
