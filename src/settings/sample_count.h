#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

namespace plotmere {

// Shown when a typed sample count rounds to a number outside 200 ... 100000.
inline constexpr std::string_view SampleCountRangeMessage = "Out of allowed range [200 to 100000].";

// What a typed sample count amounts to.
struct SampleCountAnswer {
    enum class Outcome {
        Ignored,    // empty (cancelled) or not in canonical form: nothing changes, no message
        OutOfRange, // show SampleCountRangeMessage, nothing changes
        Accepted,   // use `sampleCount`
    };
    Outcome outcome = Outcome::Ignored;
    std::int32_t sampleCount = 0;
};

// Reads the answer of the sample-count prompt: only the exact canonical text of a number
// counts (no allowance for a zero before the point); it is rounded to a whole number, then to
// a multiple of 100, halves to even both times, and must then lie in 200 ... 100000.
SampleCountAnswer ReadSampleCountAnswer(const QString& answer);

} // namespace plotmere
