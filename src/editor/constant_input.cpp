#include "editor/constant_input.h"

#include "engine/number_text.h"

#include <string>

namespace plotmere {

namespace {

constexpr double LowestConstant = -99999;
constexpr double HighestConstant = 99999;

} // namespace

ConstantAnswer ReadConstantInput(const QString& answer) {
    if (answer.isEmpty()) {
        return {};
    }
    const std::string text = WithoutZeroBeforePoint(answer.toStdString());
    if (!IsCanonicalNumeral(text)) {
        return {};
    }
    const double value = TextToNumber(text);
    if (value < LowestConstant || value > HighestConstant) {
        return {ConstantAnswer::Outcome::OutOfRange, {}, 0};
    }
    return {ConstantAnswer::Outcome::Accepted, QString::fromStdString(text), value};
}

} // namespace plotmere
