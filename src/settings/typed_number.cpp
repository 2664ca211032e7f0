#include "settings/typed_number.h"

#include "engine/number_text.h"

#include <string>

namespace plotmere {

TypedNumber ReadTypedNumber(const QString& answer, const NumberRule& rule) {
    if (answer.isEmpty()) {
        return {};
    }
    const std::string text = rule.dropZeroBeforePoint ? WithoutZeroBeforePoint(answer.toStdString())
                                                      : answer.toStdString();
    if (!IsCanonicalNumeral(text)) {
        return {};
    }
    double value = TextToNumber(text);
    // In double precision, so that a number far beyond any integer type (1E+300) is simply out
    // of range.
    if (rule.roundToMultipleOf > 0) {
        value =
            RoundHalfEven(RoundHalfEven(value) / rule.roundToMultipleOf) * rule.roundToMultipleOf;
    }
    const double held = rule.singlePrecision ? static_cast<float>(value) : value;
    if (!(value >= rule.lowest && held <= rule.highest)) {
        return {TypedNumber::Outcome::OutOfRange, 0, {}};
    }
    return {TypedNumber::Outcome::Accepted, held, QString::fromStdString(text)};
}

} // namespace plotmere
