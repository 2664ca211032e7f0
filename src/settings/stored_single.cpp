#include "settings/stored_single.h"

#include "engine/number_text.h"
#include "settings/settings_store.h"

#include <cmath>

namespace plotmere {

float ReadSettingSingle(SettingsStore& store, const QString& name, float defaultValue) {
    const QString defaultText =
        QString::fromStdString(NumberToText(defaultValue, SinglePrecisionDigits));
    const auto value =
        static_cast<float>(TextToNumber(store.ReadSettingText(name, defaultText).toStdString()));
    if (std::isfinite(value)) {
        return value;
    }
    store.WriteSettingText(name, defaultText);
    return defaultValue;
}

} // namespace plotmere
