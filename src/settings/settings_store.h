#pragma once

#include "settings/setting_rows.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QSettings;

namespace plotmere {

// Every persistent setting, as named values in one place of the current user's settings: on
// Windows the registry key HKEY_CURRENT_USER\Software\Veldrake Plotmere (texts as REG_SZ,
// integers as REG_DWORD), elsewhere the file "Veldrake Plotmere.conf" in the user's
// configuration folder. Each call does one read or one write and nothing is cached; a value that
// is missing is created by its first read with the default the reader passes, and each write is
// on disk before the call returns. Failures are silent: an unreadable store reads as missing, an
// unwritable one loses the write. Where the file's place holds something that is no file (a
// folder, a named pipe, which would block every read), the program runs with its values in
// memory only and writes nothing there.
class SettingsStore {
public:
    // The program's own store.
    static QString DefaultLocation();

    // The store at `location`: a registry key in Qt's path form on Windows, a file elsewhere.
    // Tests keep theirs at a place of their own.
    explicit SettingsStore(QString location);

    const QString& location() const { return location_; }

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

    // The same through the rows of the table of stored values, each with its name and default.
    QString Read(const TextSetting& row);
    void Write(const TextSetting& row, const QString& text);
    std::int32_t Read(const IntegerSetting& row);
    void Write(const IntegerSetting& row, std::int32_t value);
    std::int32_t Read(const MeasuredSetting& row, std::int32_t measured);
    void Write(const MeasuredSetting& row, std::int32_t value);
    QString Read(const NumberedTextSetting& row, int n);

    // A single-precision number: the number its stored text begins with. A text that begins
    // with no number, or whose number is not finite in single precision (only a hand-edited
    // store has one: "abc", "inf", "1e39"), counts as missing: the default is written back and
    // used, so the store never keeps a text that would not read back as the value in use.
    float Read(const SingleSetting& row);
    // The 7-digit number text of the value (what the labels show).
    static QString SingleText(float value);

private:
    QVariant value(const QString& name);
    void writeThrough(const std::vector<std::pair<QString, QVariant>>& values);

    QString location_;
    // Set when the file's place cannot be opened without harm; the values live here then.
    bool inMemory_ = false;
    std::map<QString, QVariant> memory_;
};

} // namespace plotmere
