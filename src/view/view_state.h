#pragma once

#include "settings/setting_rows.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace plotmere {

// The stored values of the view: the range, each end a single-precision number text, and the
// plotting options, integers.
inline constexpr SingleSetting XminSetting{"x min", -7};
inline constexpr SingleSetting XmaxSetting{"x max", 7};
inline constexpr SingleSetting YminSetting{"y min", -5};
inline constexpr SingleSetting YmaxSetting{"y max", 6};
inline constexpr IntegerSetting SampleCountSetting{"Num of Samples", 10000};
inline constexpr IntegerSetting ShowGridSetting{"Show Grid", 1};
inline constexpr IntegerSetting LookForSingularSetting{"Look For Singular", 1};
inline constexpr IntegerSetting RandomColorSetting{"Random Color", 0};
inline constexpr IntegerSetting KeepAspectSetting{"Keep Aspect", 1};

// The visible window of the plane. Single precision wherever it is stored; arithmetic on it is
// done in double precision and stored back.
struct ViewRange {
    float Xmin = XminSetting.defaultValue;
    float Xmax = XmaxSetting.defaultValue;
    float Ymin = YminSetting.defaultValue;
    float Ymax = YmaxSetting.defaultValue;
};

// Plotting options. The four switches are on only when they hold exactly 1.
struct ViewOptions {
    std::int32_t sampleCount = SampleCountSetting.defaultValue;
    std::int32_t showGrid = ShowGridSetting.defaultValue;
    std::int32_t keepAspect = KeepAspectSetting.defaultValue;
    std::int32_t lookForSingular = LookForSingularSetting.defaultValue;
    std::int32_t randomColor = RandomColorSetting.defaultValue;
};

// What follows a change of a switch: at start-up, when it is read, and from its menu item.
enum class SwitchEffect {
    Redraw,     // from the menu: the picture is drawn again
    KeepAspect, // when on: the y range follows the area's proportions (and, from the menu, a
                // redraw)
    PickColor,  // when on: a random colour for the next graph
};

// A switch of the Settings menu: its stored value, the option it sets, the objectName of its
// check item and what follows a change. In the order start-up reads them.
struct SwitchSetting {
    IntegerSetting stored;
    std::int32_t ViewOptions::*field;
    std::string_view menuItem;
    SwitchEffect effect;
};

inline constexpr std::array<SwitchSetting, 4> SwitchSettings = {{
    {ShowGridSetting, &ViewOptions::showGrid, "menugrid", SwitchEffect::Redraw},
    {LookForSingularSetting, &ViewOptions::lookForSingular, "menusingular", SwitchEffect::Redraw},
    {RandomColorSetting, &ViewOptions::randomColor, "menurandom", SwitchEffect::PickColor},
    {KeepAspectSetting, &ViewOptions::keepAspect, "menuaspect", SwitchEffect::KeepAspect},
}};

} // namespace plotmere
