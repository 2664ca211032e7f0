#pragma once

#include "settings/setting_rows.h"
#include "widgets/color_value.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace plotmere {

class SettingsStore;

// The interface colours of the themed windows. A fresh record (process start) is all black with
// an empty name; LoadColorTheme fills it.
struct ColorTheme {
    QString themeName;
    ColorValue windowBack = 0;
    ColorValue captionBack = 0;
    ColorValue captionText = 0;
    ColorValue rangeBack = 0;
    ColorValue rangeText = 0;
    ColorValue editBack = 0;
    ColorValue editText = 0;
    ColorValue keyBack = 0;
    ColorValue keyText = 0;
    ColorValue busyBack = 0;
    ColorValue busyText = 0;
    ColorValue paramBack = 0;
    ColorValue paramText = 0;

    bool operator==(const ColorTheme&) const = default;
};

inline constexpr int themeCount = 46;

// The stored name of the current theme; the default is also the theme any other text gets.
inline constexpr TextSetting ColorThemeSetting{"Color Theme", "Original Lite"};

// The theme whose name equals `name` exactly (case and blanks count), or nothing.
std::optional<ColorTheme> FindColorTheme(const QString& name);

// Fills `current` from the stored "Color Theme": themeName takes the stored text as it is; a
// known name gives its colours, anything else (also the empty text) gives "Original Lite".
void LoadColorTheme(ColorTheme& current, SettingsStore& store);

} // namespace plotmere
