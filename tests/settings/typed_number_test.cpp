#include "settings/typed_number.h"

#include "editor/parameters.h"

#include <gtest/gtest.h>

namespace plotmere {
namespace {

using Outcome = TypedNumber::Outcome;

TEST(ConstantRuleTest, TakesOnlyCanonicalNumbersInsideTheLimits) {
    struct Row {
        const char* answer;
        Outcome outcome;
        const char* text; // the appended text when accepted
        double value;
    };
    const Row rows[] = {
        {"0.5", Outcome::Accepted, ".5", .5},
        {"-0.5", Outcome::Accepted, "-.5", -.5},
        {"0.25", Outcome::Accepted, ".25", .25},
        {".5", Outcome::Accepted, ".5", .5},
        {"12", Outcome::Accepted, "12", 12},
        {"0", Outcome::Accepted, "0", 0},
        {"-3.75", Outcome::Accepted, "-3.75", -3.75},
        {"1E-05", Outcome::Accepted, "1E-05", 1e-5},
        {"0.1234567891", Outcome::Accepted, ".1234567891", .1234567891},
        {"99999", Outcome::Accepted, "99999", 99999},
        {"-99999", Outcome::Accepted, "-99999", -99999},
        // Both limits are tested on the double, so nothing beyond them slips through.
        {"99999.001", Outcome::OutOfRange, "", 0},
        {"99999.5", Outcome::OutOfRange, "", 0},
        {"-99999.001", Outcome::OutOfRange, "", 0},
        {"100000", Outcome::OutOfRange, "", 0},
        {"-100000", Outcome::OutOfRange, "", 0},
        {"1E+300", Outcome::OutOfRange, "", 0},
        {"", Outcome::Ignored, "", 0},
        {"12.0", Outcome::Ignored, "", 0},
        {"1/3", Outcome::Ignored, "", 0},
        {"1e3", Outcome::Ignored, "", 0},
        {"2,5", Outcome::Ignored, "", 0},
        {"1.50", Outcome::Ignored, "", 0},
        {" 5", Outcome::Ignored, "", 0},
        {"5 ", Outcome::Ignored, "", 0},
        {"007", Outcome::Ignored, "", 0},
        {"00.5", Outcome::Ignored, "", 0},
        {"+5", Outcome::Ignored, "", 0},
        {"-0", Outcome::Ignored, "", 0},
        {"0.", Outcome::Ignored, "", 0},
        {"-0.", Outcome::Ignored, "", 0},
        {"x", Outcome::Ignored, "", 0},
        {"nan", Outcome::Ignored, "", 0},
        {"inf", Outcome::Ignored, "", 0},
        {"1E+400", Outcome::Ignored, "", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answer);
        const TypedNumber read = ReadTypedNumber(QString::fromUtf8(row.answer), ConstantRule);
        EXPECT_EQ(read.outcome, row.outcome);
        if (row.outcome == Outcome::Accepted) {
            EXPECT_EQ(read.text, QString(row.text));
            EXPECT_EQ(read.value, row.value);
        }
    }
}

TEST(ConstantRuleTest, AnAcceptedParameterIsKeptInSinglePrecision) {
    const TypedNumber read = ReadTypedNumber("0.1234567891", ConstantRule);
    ASSERT_EQ(read.outcome, Outcome::Accepted);
    EXPECT_EQ(ParameterCaption(0, static_cast<float>(read.value)), "a=.1234568");
}

TEST(RangeRuleTest, TakesOnlyCanonicalNumbersInsideTheLimits) {
    struct Row {
        const char* answer;
        Outcome outcome;
        float value;
    };
    const Row rows[] = {
        {"5", Outcome::Accepted, 5},
        {"-3.25", Outcome::Accepted, -3.25f},
        {"0.5", Outcome::Accepted, .5f},   // read as .5
        {"-0.5", Outcome::Accepted, -.5f}, // read as -.5
        {".5", Outcome::Accepted, .5f},
        {"0", Outcome::Accepted, 0},
        {"12.34", Outcome::Accepted, 12.34f},
        {"1E-05", Outcome::Accepted, 1e-5f},
        {"99999", Outcome::Accepted, 99999},
        {"-99999", Outcome::Accepted, -99999},
        // The top limit is tested on the single-precision value: the nearest floats to 99999
        // are 1/128 apart.
        {"99999.001", Outcome::Accepted, 99999},
        {"99999.003", Outcome::Accepted, 99999},
        {"99999.004", Outcome::OutOfRange, 0},
        {"99999.01", Outcome::OutOfRange, 0},
        // The bottom limit is tested on the double.
        {"-99999.001", Outcome::OutOfRange, 0},
        {"100000", Outcome::OutOfRange, 0},
        {"-100000", Outcome::OutOfRange, 0},
        {"1E+300", Outcome::OutOfRange, 0},
        {"-1E+300", Outcome::OutOfRange, 0},
        {"", Outcome::Ignored, 0},
        {"2.50", Outcome::Ignored, 0},
        {"0.50", Outcome::Ignored, 0},
        {"+5", Outcome::Ignored, 0},
        {"1e2", Outcome::Ignored, 0},
        {"1E+05", Outcome::Ignored, 0},
        {"007", Outcome::Ignored, 0},
        {"00.5", Outcome::Ignored, 0},
        {"5 ", Outcome::Ignored, 0},
        {" 5", Outcome::Ignored, 0},
        {"5a", Outcome::Ignored, 0},
        {"abc", Outcome::Ignored, 0},
        {"1,5", Outcome::Ignored, 0},
        {"-0", Outcome::Ignored, 0},
        {"0.", Outcome::Ignored, 0},
        {"-0.", Outcome::Ignored, 0},
        {"inf", Outcome::Ignored, 0},
        {"1E+400", Outcome::Ignored, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answer);
        const TypedNumber read = ReadTypedNumber(QString::fromUtf8(row.answer), RangeRule);
        EXPECT_EQ(read.outcome, row.outcome);
        if (row.outcome == Outcome::Accepted) {
            EXPECT_EQ(read.value, row.value);
        }
    }
}

TEST(SampleCountRuleTest, RoundsToHundredsAndKeepsTheLimits) {
    struct Row {
        const char* answer;
        Outcome outcome;
        std::int32_t sampleCount;
    };
    const Row rows[] = {
        {"5000", Outcome::Accepted, 5000},
        {"200", Outcome::Accepted, 200},
        {"100000", Outcome::Accepted, 100000},
        {"150", Outcome::Accepted, 200},   // 1.5 hundreds goes to the even 2
        {"250", Outcome::Accepted, 200},   // 2.5 hundreds goes to the even 2
        {"350", Outcome::Accepted, 400},   // 3.5 hundreds goes to the even 4
        {"249.5", Outcome::Accepted, 200}, // first 250, then 2.5 hundreds to 2
        {"350.5", Outcome::Accepted, 400}, // first 350 (even), then 3.5 hundreds to 4
        {"4999.9", Outcome::Accepted, 5000},
        {"100049", Outcome::Accepted, 100000},
        {"100050", Outcome::Accepted, 100000}, // 1000.5 hundreds goes to the even 1000
        {"100051", Outcome::OutOfRange, 0},
        {"149", Outcome::OutOfRange, 0},
        {"0", Outcome::OutOfRange, 0},
        {"-300", Outcome::OutOfRange, 0},
        {".5", Outcome::OutOfRange, 0}, // canonical, but rounds to 0
        {"1E-05", Outcome::OutOfRange, 0},
        {"2147483700", Outcome::OutOfRange, 0},
        {"1E+300", Outcome::OutOfRange, 0},
        {"-1E+300", Outcome::OutOfRange, 0},
        {"", Outcome::Ignored, 0},
        {"5000.0", Outcome::Ignored, 0},
        {"5,000", Outcome::Ignored, 0},
        {" 5000", Outcome::Ignored, 0},
        {"5000 ", Outcome::Ignored, 0},
        {"5 000", Outcome::Ignored, 0},
        {"+5000", Outcome::Ignored, 0},
        {"05000", Outcome::Ignored, 0},
        {"0.5", Outcome::Ignored, 0}, // no allowance for the zero before the point here
        {"5e3", Outcome::Ignored, 0},
        {"1E+04", Outcome::Ignored, 0},
        {"abc", Outcome::Ignored, 0},
        {"5000x", Outcome::Ignored, 0},
        {"1E+400", Outcome::Ignored, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.answer);
        const TypedNumber read = ReadTypedNumber(QString::fromUtf8(row.answer), SampleCountRule);
        EXPECT_EQ(read.outcome, row.outcome);
        if (row.outcome == Outcome::Accepted) {
            EXPECT_EQ(read.value, row.sampleCount);
        }
    }
}

} // namespace
} // namespace plotmere
