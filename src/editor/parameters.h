#pragma once

#include "engine/compiler.h"

#include <QString>

namespace plotmere {

class SettingsStore;

// The parameters a ... e by index 0 ... 4, as in ParameterValues.
inline constexpr int ParameterCount = static_cast<int>(ParameterValues{}.size());

// A parameter's text wherever it appears (caption, stored value, expression): its
// single-precision number text, e.g. "2.5", "-.5", "1E-05".
QString ParameterText(float value);

// The caption of a parameter label: "a=" ... "e=" followed by the parameter's text.
QString ParameterCaption(int index, float value);

// The stored values "parameter a" ... "parameter e" (defaults 0, 1, 2, 3, 4), each read as the
// number it begins with and held in single precision; no range check, but a value that is not
// finite in single precision is replaced by its default.
ParameterValues LoadParameters(SettingsStore& store);

// Writes all five parameters as their texts, a first.
void SaveParameters(SettingsStore& store, const ParameterValues& parameters);

} // namespace plotmere
