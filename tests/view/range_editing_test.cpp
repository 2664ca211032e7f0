#include "view/range_editing.h"

#include "engine/number_text.h"
#include "settings/typed_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace plotmere {
namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Inf = std::numeric_limits<float>::infinity();

// Nine digits tell any two floats apart.
std::string Describe(const ViewRange& r) {
    auto text = [](float v) {
        return NumberToText(v, 9);
    };
    return "x " + text(r.Xmin) + " ... " + text(r.Xmax) + ", y " + text(r.Ymin) + " ... " +
           text(r.Ymax);
}

bool SameValue(float a, float b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

testing::AssertionResult SameRange(const ViewRange& actual, const ViewRange& expected) {
    if (SameValue(actual.Xmin, expected.Xmin) && SameValue(actual.Xmax, expected.Xmax) &&
        SameValue(actual.Ymin, expected.Ymin) && SameValue(actual.Ymax, expected.Ymax)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "got " << Describe(actual) << ", expected " << Describe(expected);
}

TEST(StoreRangeValueTest, StoresAndRestoresTheOrder) {
    struct Row {
        const char* name;
        RangeField field;
        float value;
        ViewRange before;
        ViewRange after;
    };
    const Row rows[] = {
        {"Xmin below Xmax", RangeField::Xmin, 6, {-7, 7, -5, 6}, {6, 7, -5, 6}},
        {"Xmin equal to Xmax", RangeField::Xmin, 7, {-7, 7, -5, 6}, {7, 8, -5, 6}},
        {"Xmin above Xmax", RangeField::Xmin, 8, {-7, 7, -5, 6}, {8, 9, -5, 6}},
        {"Xmax above Xmin", RangeField::Xmax, -6, {-7, 7, -5, 6}, {-7, -6, -5, 6}},
        {"Xmax equal to Xmin", RangeField::Xmax, -7, {-7, 7, -5, 6}, {-8, -7, -5, 6}},
        {"Xmax below Xmin", RangeField::Xmax, -9.5f, {-7, 7, -5, 6}, {-10.5f, -9.5f, -5, 6}},
        {"Ymin below Ymax", RangeField::Ymin, 5, {-7, 7, -5, 6}, {-7, 7, 5, 6}},
        {"Ymin equal to Ymax", RangeField::Ymin, 6, {-7, 7, -5, 6}, {-7, 7, 6, 7}},
        {"Ymin above Ymax", RangeField::Ymin, .5f, {-7, 7, -5, -2}, {-7, 7, .5f, 1.5f}},
        {"Ymax above Ymin", RangeField::Ymax, -4, {-7, 7, -5, 6}, {-7, 7, -5, -4}},
        {"Ymax equal to Ymin", RangeField::Ymax, -5, {-7, 7, -5, 6}, {-7, 7, -6, -5}},
        {"Ymax below Ymin", RangeField::Ymax, -8, {-7, 7, -5, 6}, {-7, 7, -9, -8}},
        // The partner is not limited.
        {"Xmin at the top", RangeField::Xmin, 99999, {-7, 7, -5, 6}, {99999, 100000, -5, 6}},
        {"Xmax at the bottom", RangeField::Xmax, -99999, {-7, 7, -5, 6}, {-100000, -99999, -5, 6}},
        {"Ymin at the top", RangeField::Ymin, 99999, {-7, 7, -5, 6}, {-7, 7, 99999, 100000}},
        {"Ymax at the bottom", RangeField::Ymax, -99999, {-7, 7, -5, 6}, {-7, 7, -100000, -99999}},
        // A hand-edited NaN partner fails every comparison; it is replaced, not kept.
        {"NaN Xmax", RangeField::Xmin, 3, {-7, NaN, -5, 6}, {3, 4, -5, 6}},
        {"NaN Xmin", RangeField::Xmax, 3, {NaN, 7, -5, 6}, {2, 3, -5, 6}},
        {"NaN Ymax", RangeField::Ymin, 3, {-7, 7, -5, NaN}, {-7, 7, 3, 4}},
        {"NaN Ymin", RangeField::Ymax, 3, {-7, 7, NaN, 6}, {-7, 7, 2, 3}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ViewRange range = row.before;
        StoreRangeValue(range, row.field, row.value);
        EXPECT_TRUE(SameRange(range, row.after));
    }
}

TEST(StoreRangeValueTest, AcceptedAnswerIsStoredAsTyped) {
    ViewRange range;
    const TypedNumber read = ReadTypedNumber("0.5", RangeRule);
    ASSERT_EQ(read.outcome, TypedNumber::Outcome::Accepted);
    StoreRangeValue(range, RangeField::Xmin, static_cast<float>(read.value));
    EXPECT_EQ(range.Xmin, .5f);
    EXPECT_EQ(NumberToText(range.Xmin, SinglePrecisionDigits), ".5");
}

TEST(AspectAfterEditingTest, OnlyAnEditOfYmaxKeepsTheTop) {
    EXPECT_FALSE(AspectKeepsTopAfterEditing(RangeField::Xmin));
    EXPECT_FALSE(AspectKeepsTopAfterEditing(RangeField::Xmax));
    EXPECT_FALSE(AspectKeepsTopAfterEditing(RangeField::Ymin));
    EXPECT_TRUE(AspectKeepsTopAfterEditing(RangeField::Ymax));
}

// One axis zoomed alone: the same table is run along x and along y, and the other axis must
// stay exactly as it was.
struct SingleAxisRow {
    const char* name;
    bool zoomIn;
    float low, high;
    bool zoomed;
    float newLow, newHigh;
};

const std::vector<SingleAxisRow>& SingleAxisRows() {
    static const std::vector<SingleAxisRow> rows = {
        {"in from 14", true, -7, 7, true, -3.5f, 3.5f},
        {"in from 7", true, -3.5f, 3.5f, true, -1.75f, 1.75f},
        {"in from 3.5, ends rounded to quarters", true, -1.75f, 1.75f, true, -.75f, .75f},
        {"in from 1.5 is refused", true, -.75f, .75f, false, -.75f, .75f},
        {"in from exactly 2", true, -1, 1, true, -.5f, .5f},
        {"in from just under 2 is refused", true, -1, .99f, false, -1, .99f},
        {"in off centre", true, 1, 11, true, 3.5f, 8.5f},
        {"out from 14", false, -7, 7, true, -14, 14},
        {"out from exactly 10000", false, 0, 10000, true, -5000, 15000},
        {"out from 20000 is refused", false, -5000, 15000, false, -5000, 15000},
        {"out from just over 10000 is refused", false, 0, 10000.01f, false, 0, 10000.01f},
        {"in with a NaN end", true, NaN, 7, false, NaN, 7},
        {"out with a NaN end", false, -7, NaN, false, -7, NaN},
        {"in with an infinite end", true, -Inf, 7, false, -Inf, 7},
        {"out with an infinite end", false, -7, Inf, false, -7, Inf},
        {"out of an inverted range", false, 7, -7, false, 7, -7},
        {"in of an empty range", true, 3, 3, false, 3, 3},
    };
    return rows;
}

TEST(ZoomTest, XAloneFollowsTheTable) {
    for (const SingleAxisRow& row : SingleAxisRows()) {
        SCOPED_TRACE(row.name);
        ViewRange range{row.low, row.high, -5, 6};
        EXPECT_EQ(ZoomX(range, row.zoomIn, false), row.zoomed);
        EXPECT_TRUE(SameRange(range, {row.newLow, row.newHigh, -5, 6}));
    }
}

TEST(ZoomTest, YAloneFollowsTheTable) {
    for (const SingleAxisRow& row : SingleAxisRows()) {
        SCOPED_TRACE(row.name);
        ViewRange range{-7, 7, row.low, row.high};
        EXPECT_EQ(ZoomY(range, row.zoomIn, false), row.zoomed);
        EXPECT_TRUE(SameRange(range, {-7, 7, row.newLow, row.newHigh}));
    }
}

TEST(ZoomTest, WithoutKeepAspectABrokenOtherAxisIsNoObstacle) {
    ViewRange range{-7, 7, NaN, 6};
    EXPECT_TRUE(ZoomX(range, true, false));
    EXPECT_TRUE(SameRange(range, {-3.5f, 3.5f, NaN, 6}));
}

TEST(ZoomTest, KeepAspectZoomsBothAxes) {
    struct Row {
        const char* name;
        bool alongX;
        bool zoomIn;
        ViewRange before;
        bool zoomed;
        ViewRange after;
    };
    const Row rows[] = {
        {"x in", true, true, {-7, 7, -5, 6}, true, {-3.5f, 3.5f, -2.25f, 3.25f}},
        {"x out", true, false, {-7, 7, -5, 6}, true, {-14, 14, -10.5f, 11.5f}},
        {"y in", false, true, {-7, 7, -5, 6}, true, {-3.5f, 3.5f, -2.25f, 3.25f}},
        {"y out", false, false, {-7, 7, -5, 6}, true, {-14, 14, -10.5f, 11.5f}},
        // The other axis is rounded to quarters as well: -3.425 and 3.725 become -3.5, 3.75.
        {"y in rounds x", false, true, {-7, 7.3f, -5, 6}, true, {-3.5f, 3.75f, -2.25f, 3.25f}},
        {"x in rounds y", true, true, {-7, 7, -7, 7.3f}, true, {-3.5f, 3.5f, -3.5f, 3.75f}},
        // The other axis has no span guard.
        {"x out, y beyond 10000",
         true,
         false,
         {-7, 7, -15000, 15000},
         true,
         {-14, 14, -30000, 30000}},
        {"y in, x under 2", false, true, {-1, .5f, -5, 6}, true, {-.75f, .25f, -2.25f, 3.25f}},
        // The guard is on the zoomed axis only.
        {"x in refused, y big", true, true, {-.75f, .75f, -5, 6}, false, {-.75f, .75f, -5, 6}},
        // x 0 ... .5 halved is .125 ... .375; both ends round to .25, an empty x range.
        {"y in would empty x", false, true, {0, .5f, -1, 1}, false, {0, .5f, -1, 1}},
        // y doubled overflows single precision.
        {"x out overflows y", true, false, {-7, 7, -3e38f, 3e38f}, false, {-7, 7, -3e38f, 3e38f}},
        {"x in, y NaN", true, true, {-7, 7, NaN, 6}, false, {-7, 7, NaN, 6}},
        {"y out, x infinite", false, false, {-Inf, 7, -5, 6}, false, {-Inf, 7, -5, 6}},
        {"x in, y inverted", true, true, {-7, 7, 6, -5}, false, {-7, 7, 6, -5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ViewRange range = row.before;
        const bool zoomed =
            row.alongX ? ZoomX(range, row.zoomIn, true) : ZoomY(range, row.zoomIn, true);
        EXPECT_EQ(zoomed, row.zoomed);
        EXPECT_TRUE(SameRange(range, row.after));
    }
}

} // namespace
} // namespace plotmere
