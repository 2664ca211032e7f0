#include "settings/settings_store.h"

#include "engine/number_text.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace plotmere {

namespace {

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
bool Holds(const QVariant& stored, const QVariant& value) {
    if (!stored.isValid()) {
        return false;
    }
    if (value.typeId() == QMetaType::Int) {
        return (stored.typeId() == QMetaType::Int || stored.typeId() == QMetaType::QString) &&
               AsInt32(stored) == value.toInt();
    }
    return stored.typeId() == QMetaType::QString && stored.toString() == value.toString();
}

// Only a regular file, or nothing yet, can be a settings file: opening a named pipe would block
// the program for good, and a folder or device is no store either.
bool UsableFilePlace(const QString& location) {
    const QFileInfo place(location);
    return !place.exists() || place.isFile();
}

bool IsRegistryKey(const QString& location) {
    return location.startsWith(QStringLiteral("HKEY_"));
}

} // namespace

QString SettingsStore::DefaultLocation() {
#ifdef Q_OS_WIN
    // The key itself: Qt's organisation form without an application name would use the subkey
    // ...\OrganizationDefaults.
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Veldrake Plotmere");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Veldrake Plotmere.conf");
#endif
}

SettingsStore::SettingsStore(QString location)
    : location_(std::move(location))
    , inMemory_(!IsRegistryKey(location_) && !UsableFilePlace(location_)) {}

QVariant SettingsStore::value(const QString& name) {
    if (inMemory_) {
        const auto found = memory_.find(name);
        return found != memory_.end() ? found->second : QVariant();
    }
    return QSettings(location_, QSettings::NativeFormat).value(name);
}

// Writes a group of values with one flush; each is on disk when the call returns.
void SettingsStore::writeThrough(const std::vector<std::pair<QString, QVariant>>& values) {
    if (inMemory_) {
        for (const auto& [name, value] : values) {
            memory_[name] = value;
        }
        return;
    }
    QSettings store(location_, QSettings::NativeFormat);
    bool changed = false;
    for (const auto& [name, value] : values) {
        if (!Holds(store.value(name), value)) {
            store.setValue(name, value);
            changed = true;
        }
    }
    if (changed) {
        store.sync();
    }
}

void SettingsStore::EnsureSettingsKey() {
    if (!inMemory_) {
        QSettings(location_, QSettings::NativeFormat).sync();
    }
}

std::optional<std::int32_t> SettingsStore::StoredInt(const QString& name) {
    const QVariant stored = value(name);
    return stored.isValid() ? AsInt32(stored) : std::nullopt;
}

QString SettingsStore::ReadSettingText(const QString& name, const QString& defaultText) {
    EnsureSettingsKey();
    const QVariant stored = value(name);
    if (!stored.isValid()) {
        WriteSettingText(name, defaultText);
        return defaultText;
    }
    return AsText(stored);
}

std::int32_t SettingsStore::ReadSettingInt(const QString& name, std::int32_t defaultValue) {
    EnsureSettingsKey();
    const QVariant stored = value(name);
    const std::optional<std::int32_t> number =
        stored.isValid() ? AsInt32(stored) : std::optional<std::int32_t>();
    if (!number) {
        WriteSettingInt(name, defaultValue);
        return defaultValue;
    }
    return *number;
}

void SettingsStore::WriteSettingText(const QString& name, const QString& text) {
    writeThrough({{name, text}});
}

void SettingsStore::WriteSettingInt(const QString& name, std::int32_t number) {
    writeThrough({{name, static_cast<int>(number)}});
}

void SettingsStore::WriteSettingTexts(const std::vector<std::pair<QString, QString>>& values) {
    std::vector<std::pair<QString, QVariant>> variants;
    for (const auto& [name, text] : values) {
        variants.emplace_back(name, text);
    }
    writeThrough(variants);
}

void SettingsStore::WriteSettingInts(const std::vector<std::pair<QString, std::int32_t>>& values) {
    std::vector<std::pair<QString, QVariant>> variants;
    for (const auto& [name, number] : values) {
        variants.emplace_back(name, static_cast<int>(number));
    }
    writeThrough(variants);
}

QString SettingsStore::Read(const TextSetting& row) {
    return ReadSettingText(FromTable(row.name), FromTable(row.defaultText));
}

void SettingsStore::Write(const TextSetting& row, const QString& text) {
    WriteSettingText(FromTable(row.name), text);
}

std::int32_t SettingsStore::Read(const IntegerSetting& row) {
    return ReadSettingInt(FromTable(row.name), row.defaultValue);
}

void SettingsStore::Write(const IntegerSetting& row, std::int32_t number) {
    WriteSettingInt(FromTable(row.name), number);
}

std::int32_t SettingsStore::Read(const MeasuredSetting& row, std::int32_t measured) {
    return ReadSettingInt(FromTable(row.name), measured);
}

void SettingsStore::Write(const MeasuredSetting& row, std::int32_t number) {
    WriteSettingInt(FromTable(row.name), number);
}

QString SettingsStore::Read(const NumberedTextSetting& row, int n) {
    return ReadSettingText(SettingName(row, n), FromTable(row.defaultText));
}

QString SettingsStore::SingleText(float number) {
    return QString::fromStdString(NumberToText(number, SinglePrecisionDigits));
}

float SettingsStore::Read(const SingleSetting& row) {
    const QString name = FromTable(row.name);
    const QString defaultText = SingleText(row.defaultValue);
    const std::optional<double> number =
        LeadingNumber(ReadSettingText(name, defaultText).toStdString());
    if (number && std::isfinite(static_cast<float>(*number))) {
        return static_cast<float>(*number);
    }
    WriteSettingText(name, defaultText);
    return row.defaultValue;
}

} // namespace plotmere
