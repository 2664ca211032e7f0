#include "settings/settings_store.h"

#include <QSettings>
#include <QStringList>

#include <limits>
#include <optional>
#include <utility>
#include <vector>

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

// Writing costs a flush to disk, reading almost nothing: a value that already holds what is
// written is left alone, so the store's contents are the same either way.
bool Holds(const QSettings& store, const QString& name, const QVariant& value) {
    const QVariant stored = store.value(name);
    if (!stored.isValid()) {
        return false;
    }
    if (value.typeId() == QMetaType::Int) {
        return (stored.typeId() == QMetaType::Int || stored.typeId() == QMetaType::QString) &&
               AsInt32(stored) == value.toInt();
    }
    return stored.typeId() == QMetaType::QString && stored.toString() == value.toString();
}

// Writes a group of values with one flush; each is on disk when the call returns.
void WriteThrough(const std::vector<std::pair<QString, QVariant>>& values) {
    QSettings store = OpenStore();
    bool changed = false;
    for (const auto& [name, value] : values) {
        if (!Holds(store, name, value)) {
            store.setValue(name, value);
            changed = true;
        }
    }
    if (changed) {
        store.sync();
    }
}

} // namespace

void SettingsStore::EnsureSettingsKey() {
    QSettings store = OpenStore();
    store.sync();
}

std::optional<std::int32_t> SettingsStore::StoredInt(const QString& name) {
    const QVariant stored = OpenStore().value(name);
    return stored.isValid() ? AsInt32(stored) : std::nullopt;
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
    WriteThrough({{name, text}});
}

void SettingsStore::WriteSettingInt(const QString& name, std::int32_t value) {
    WriteThrough({{name, static_cast<int>(value)}});
}

void SettingsStore::WriteSettingTexts(const std::vector<std::pair<QString, QString>>& values) {
    std::vector<std::pair<QString, QVariant>> variants;
    for (const auto& [name, text] : values) {
        variants.emplace_back(name, text);
    }
    WriteThrough(variants);
}

void SettingsStore::WriteSettingInts(const std::vector<std::pair<QString, std::int32_t>>& values) {
    std::vector<std::pair<QString, QVariant>> variants;
    for (const auto& [name, value] : values) {
        variants.emplace_back(name, static_cast<int>(value));
    }
    WriteThrough(variants);
}

} // namespace plotmere
