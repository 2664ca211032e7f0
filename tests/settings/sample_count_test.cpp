#include "settings/sample_count.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace plotmere {
namespace {

using Outcome = SampleCountAnswer::Outcome;

TEST(ReadSampleCountAnswerTest, RoundsToHundredsAndKeepsTheLimits) {
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
        const SampleCountAnswer read = ReadSampleCountAnswer(QString::fromUtf8(row.answer));
        EXPECT_EQ(read.outcome, row.outcome);
        if (row.outcome == Outcome::Accepted) {
            EXPECT_EQ(read.sampleCount, row.sampleCount);
        }
    }
}

} // namespace
} // namespace plotmere
