#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

namespace plotmere {

// A row of the table of stored values: the name the value has in the store, the kind of value
// the store keeps (a text or a 32-bit integer) and the value a first read writes when it is
// missing. Each subsystem holds the rows of the values it owns, and reads and writes them only
// through their rows (SettingsStore), so that no name or default is written twice.

// A text.
struct TextSetting {
    std::string_view name;
    std::string_view defaultText;
};

// A 32-bit integer.
struct IntegerSetting {
    std::string_view name;
    std::int32_t defaultValue;
};

// An integer whose default is measured when it is read (the window's size at load).
struct MeasuredSetting {
    std::string_view name;
};

// A single-precision number kept as its 7-digit number text (a range end, a parameter).
struct SingleSetting {
    std::string_view name;
    float defaultValue;
};

// Texts numbered 1 ... count after a common prefix ("function 1" ... "function 10").
struct NumberedTextSetting {
    std::string_view prefix;
    int count;
    std::string_view defaultText;
};

// The store's name of slot n of a numbered row, the number written plainly after the prefix.
inline QString SettingName(const NumberedTextSetting& row, int n) {
    return QString::fromLatin1(row.prefix.data(), static_cast<qsizetype>(row.prefix.size())) +
           QString::number(n);
}

inline QString FromTable(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace plotmere
