#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace plotmere {

// Every persistent setting, as named values in one place of the current user's settings:
// on Windows the registry key HKEY_CURRENT_USER\Software\Veldrake Plotmere, elsewhere the file
// "Veldrake Plotmere.conf" in the user's configuration folder. Each call does one read or one
// write and nothing is cached; a value that is missing is created by its first read with the
// default the reader passes, and each write is on disk before the call returns. Failures are
// silent: an unreadable store reads as missing, an unwritable one loses the write.
class SettingsStore {
public:
    // Brings this process's view of the store up to date with what other running copies wrote.
    // The key (or file) itself comes into being with the first value written to it.
    void EnsureSettingsKey();

    // The stored integer, or nothing when the value is missing or no integer; nothing is
    // written. For a look ahead at a value whose owner reads it later.
    std::optional<std::int32_t> StoredInt(const QString& name);

    // The stored text, or the default after writing it when the value is missing.
    QString ReadSettingText(const QString& name, const QString& defaultText);

    // The stored integer, or the default after writing it when the value is missing. A stored
    // value that is not a whole number within the 32-bit range (only a hand-edited store has
    // one) counts as missing, so it is replaced by the default.
    std::int32_t ReadSettingInt(const QString& name, std::int32_t defaultValue);

    void WriteSettingText(const QString& name, const QString& text);
    void WriteSettingInt(const QString& name, std::int32_t value);

    // Several values at once, in order, with a single flush to disk: for owners that store a
    // group of values together (the four ranges, the ten history slots).
    void WriteSettingTexts(const std::vector<std::pair<QString, QString>>& values);
    void WriteSettingInts(const std::vector<std::pair<QString, std::int32_t>>& values);
};

} // namespace plotmere
