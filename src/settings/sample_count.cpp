#include "settings/sample_count.h"

#include "engine/number_text.h"

#include <string>

namespace plotmere {

namespace {

constexpr double FewestSamples = 200;
constexpr double MostSamples = 100000;

// Rounded in double precision, so that a number far beyond any integer type (1E+300) is
// simply out of range.
double ToMultipleOfHundred(double value) {
    return RoundHalfEven(RoundHalfEven(value) / 100) * 100;
}

} // namespace

SampleCountAnswer ReadSampleCountAnswer(const QString& answer) {
    if (answer.isEmpty()) {
        return {};
    }
    const std::string text = answer.toStdString();
    if (!IsCanonicalNumeral(text)) {
        return {};
    }
    const double n = ToMultipleOfHundred(TextToNumber(text));
    if (!(n >= FewestSamples && n <= MostSamples)) {
        return {SampleCountAnswer::Outcome::OutOfRange, 0};
    }
    return {SampleCountAnswer::Outcome::Accepted, static_cast<std::int32_t>(n)};
}

} // namespace plotmere
