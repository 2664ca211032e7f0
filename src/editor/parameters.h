#pragma once

#include "engine/compiler.h"
#include "settings/setting_rows.h"

#include <QString>

#include <array>
#include <string_view>

namespace plotmere {

class SettingsStore;

// One of the five expression parameters: its name in expressions, the objectName of its label
// and its stored value (a single-precision number text).
struct Parameter {
    char name;
    std::string_view label;
    SingleSetting stored;
};

// The parameters a ... e by index 0 ... 4, as in ParameterValues.
inline constexpr std::array<Parameter, 5> Parameters = {{
    {'a', "qqa", {"parameter a", 0}},
    {'b', "qqb", {"parameter b", 1}},
    {'c', "qqc", {"parameter c", 2}},
    {'d', "qqd", {"parameter d", 3}},
    {'e', "qqe", {"parameter e", 4}},
}};
inline constexpr int ParameterCount = static_cast<int>(Parameters.size());
static_assert(Parameters.size() == ParameterValues{}.size());

// The values before anything is read: each parameter's default.
constexpr ParameterValues DefaultParameters() {
    ParameterValues values{};
    for (std::size_t i = 0; i < Parameters.size(); ++i) {
        values[i] = Parameters[i].stored.defaultValue;
    }
    return values;
}

// A parameter's text wherever it appears (caption, stored value, expression): its
// single-precision number text, e.g. "2.5", "-.5", "1E-05".
QString ParameterText(float value);

// The caption of a parameter label: "a=" ... "e=" followed by the parameter's text.
QString ParameterCaption(int index, float value);

// The five stored values, each read as the number it begins with and held in single precision;
// no range check, but a value that is no finite single-precision number is replaced by its
// default.
ParameterValues LoadParameters(SettingsStore& store);

// Writes all five parameters as their texts, a first.
void SaveParameters(SettingsStore& store, const ParameterValues& parameters);

} // namespace plotmere
