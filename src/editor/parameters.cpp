#include "editor/parameters.h"

#include "settings/settings_store.h"

#include <utility>
#include <vector>

#include <cstddef>

namespace plotmere {

namespace {

const Parameter& ParameterAt(int index) {
    return Parameters.at(static_cast<std::size_t>(index));
}

} // namespace

QString ParameterText(float value) {
    return SettingsStore::SingleText(value);
}

QString ParameterCaption(int index, float value) {
    return QString(QChar::fromLatin1(ParameterAt(index).name)) + "=" + ParameterText(value);
}

ParameterValues LoadParameters(SettingsStore& store) {
    ParameterValues parameters{};
    for (std::size_t i = 0; i < Parameters.size(); ++i) {
        parameters[i] = store.Read(Parameters[i].stored);
    }
    return parameters;
}

void SaveParameters(SettingsStore& store, const ParameterValues& parameters) {
    std::vector<std::pair<QString, QString>> values;
    for (std::size_t i = 0; i < Parameters.size(); ++i) {
        values.emplace_back(FromTable(Parameters[i].stored.name), ParameterText(parameters[i]));
    }
    store.WriteSettingTexts(values);
}

} // namespace plotmere
