#include "editor/constant_input.h"

#include "editor/parameters.h"

#include <gtest/gtest.h>

namespace plotmere {
namespace {

using Outcome = ConstantAnswer::Outcome;

TEST(ReadConstantInputTest, TakesOnlyCanonicalNumbersInsideTheLimits) {
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
        const ConstantAnswer read = ReadConstantInput(QString::fromUtf8(row.answer));
        EXPECT_EQ(read.outcome, row.outcome);
        if (row.outcome == Outcome::Accepted) {
            EXPECT_EQ(read.text, QString(row.text));
            EXPECT_EQ(read.value, row.value);
        }
    }
}

TEST(ReadConstantInputTest, AnAcceptedParameterIsKeptInSinglePrecision) {
    const ConstantAnswer read = ReadConstantInput("0.1234567891");
    ASSERT_EQ(read.outcome, Outcome::Accepted);
    EXPECT_EQ(ParameterCaption(0, static_cast<float>(read.value)), "a=.1234568");
}

} // namespace
} // namespace plotmere
