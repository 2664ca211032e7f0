#include "editor/parameters.h"

#include "engine/number_text.h"
#include "settings/settings_store.h"
#include "settings/stored_single.h"

#include <utility>
#include <vector>

#include <array>
#include <cstddef>

namespace plotmere {

namespace {

constexpr std::array<char, ParameterCount> ParameterNames = {'a', 'b', 'c', 'd', 'e'};
constexpr ParameterValues DefaultParameters = {0, 1, 2, 3, 4};

QString ParameterName(int index) {
    return QString(QChar::fromLatin1(ParameterNames.at(static_cast<std::size_t>(index))));
}

QString SettingName(int index) {
    return "parameter " + ParameterName(index);
}

} // namespace

QString ParameterText(float value) {
    return QString::fromStdString(NumberToText(value, SinglePrecisionDigits));
}

QString ParameterCaption(int index, float value) {
    return ParameterName(index) + "=" + ParameterText(value);
}

ParameterValues LoadParameters(SettingsStore& store) {
    ParameterValues parameters{};
    for (int i = 0; i < ParameterCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        parameters[slot] = ReadSettingSingle(store, SettingName(i), DefaultParameters[slot]);
    }
    return parameters;
}

void SaveParameters(SettingsStore& store, const ParameterValues& parameters) {
    std::vector<std::pair<QString, QString>> values;
    for (int i = 0; i < ParameterCount; ++i) {
        values.emplace_back(SettingName(i), ParameterText(parameters[static_cast<std::size_t>(i)]));
    }
    store.WriteSettingTexts(values);
}

} // namespace plotmere
