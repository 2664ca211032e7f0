#include "settings/settings_store.h"

#include <QSettings>
#include <QStringList>

#include <limits>
#include <optional>

namespace plotmere {

namespace {

// Organisation "Veldrake Plotmere" without an application name: the registry key
// HKCU\Software\Veldrake Plotmere on Windows, "Veldrake Plotmere.conf" elsewhere.
QSettings OpenStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Veldrake Plotmere");
}

// Hand-edited files can hold a comma-separated list where a text belongs; read it whole.
QString AsText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(',');
    }
    return value.toString();
}

std::optional<std::int32_t> AsInt32(const QVariant& value) {
    bool ok = false;
    const qlonglong number = AsText(value).trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(number);
}

void WriteThrough(const QString& name, const QVariant& value) {
    QSettings store = OpenStore();
    store.setValue(name, value);
    store.sync();
}

} // namespace

void SettingsStore::EnsureSettingsKey() {
    QSettings store = OpenStore();
    store.sync();
}

QString SettingsStore::ReadSettingText(const QString& name, const QString& defaultText) {
    EnsureSettingsKey();
    const QVariant stored = OpenStore().value(name);
    if (!stored.isValid()) {
        WriteSettingText(name, defaultText);
        return defaultText;
    }
    return AsText(stored);
}

std::int32_t SettingsStore::ReadSettingInt(const QString& name, std::int32_t defaultValue) {
    EnsureSettingsKey();
    const QVariant stored = OpenStore().value(name);
    const std::optional<std::int32_t> value =
        stored.isValid() ? AsInt32(stored) : std::optional<std::int32_t>();
    if (!value) {
        WriteSettingInt(name, defaultValue);
        return defaultValue;
    }
    return *value;
}

void SettingsStore::WriteSettingText(const QString& name, const QString& text) {
    EnsureSettingsKey();
    WriteThrough(name, text);
}

void SettingsStore::WriteSettingInt(const QString& name, std::int32_t value) {
    EnsureSettingsKey();
    WriteThrough(name, static_cast<int>(value));
}

} // namespace plotmere
