#pragma once

#include "settings/setting_rows.h"
#include "widgets/color_value.h"

#include <array>
#include <cstdint>
#include <random>
#include <span>

namespace plotmere {

class SettingsStore;

// Grid lines stand out a little from the background: each component below 128 is raised by 20,
// each of 128 or more lowered by 20.
constexpr ColorValue DeriveGridColor(ColorValue back) {
    const auto shift = [](int component) {
        return component < 128 ? component + 20 : component - 20;
    };
    return ColorFromComponents(shift(RedOf(back)), shift(GreenOf(back)), shift(BlueOf(back)));
}

// The stored graph colours, as colour integers (red in the low byte): FFFFFF, 8080FF, 000000
// and FF4040 by default.
inline constexpr IntegerSetting BackColorSetting{"color back", 16777215};
inline constexpr IntegerSetting AxisColorSetting{"color axis", 16744576};
inline constexpr IntegerSetting NextGraphColorSetting{"color graph", 0};
inline constexpr IntegerSetting ErrColorSetting{"color err", 4210943};

// The graph area's own colours, independent of the interface theme.
struct GraphColors {
    ColorValue backColor = static_cast<ColorValue>(BackColorSetting.defaultValue);
    ColorValue axisColor = static_cast<ColorValue>(AxisColorSetting.defaultValue);
    ColorValue nextGraphColor = static_cast<ColorValue>(NextGraphColorSetting.defaultValue);
    ColorValue outOfRangeColor = static_cast<ColorValue>(ErrColorSetting.defaultValue);
    ColorValue gridColor = DeriveGridColor(backColor);

    bool operator==(const GraphColors&) const = default;
};

// The four stored colours with their fields, in the order they are written.
struct StoredGraphColor {
    IntegerSetting stored;
    ColorValue GraphColors::*field;
};

inline constexpr std::array<StoredGraphColor, 4> GraphColorSettings = {{
    {BackColorSetting, &GraphColors::backColor},
    {AxisColorSetting, &GraphColors::axisColor},
    {NextGraphColorSetting, &GraphColors::nextGraphColor},
    {ErrColorSetting, &GraphColors::outOfRangeColor},
}};

constexpr GraphColors LightPreset() {
    return GraphColors{};
}

constexpr GraphColors DarkPreset() {
    GraphColors dark;
    dark.backColor = Rgb(0x202020);
    dark.axisColor = Rgb(0x8080FF);
    dark.nextGraphColor = Rgb(0xE6E6E6);
    dark.outOfRangeColor = Rgb(0xFF4040);
    dark.gridColor = DeriveGridColor(dark.backColor);
    return dark;
}

// Sum of the absolute differences of red, green and blue (0 … 765).
int ColorDistance(ColorValue first, ColorValue second);

// A uniform source of numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double NextUniform() = 0;
};

// The program's source: seeded from the clock when it is made, so make one per pick.
class ClockSeededRandom : public RandomSource {
public:
    ClockSeededRandom();
    double NextUniform() override;

private:
    std::mt19937_64 engine_;
};

// How many candidates the random colour search draws at most before it settles for the best.
inline constexpr int maxRandomColorDraws = 4096;

// A random colour at Manhattan distance 30 or more from the background and from every graph
// colour: the first drawn candidate that qualifies. When none qualifies within
// maxRandomColorDraws draws, the drawn candidate farthest from its nearest neighbour among them.
// Never the background itself.
ColorValue PickRandomGraphColor(ColorValue backColor, std::span<const ColorValue> graphColors,
                                RandomSource& random);

// The same with a freshly clock-seeded source.
ColorValue PickRandomGraphColor(ColorValue backColor, std::span<const ColorValue> graphColors);

// "color back", "color axis", "color graph", "color err", in this order, as colour integers.
void WriteGraphColors(const GraphColors& colors, SettingsStore& store);

// The four stored colours (a missing one is created with its default) and the derived grid.
GraphColors ReadGraphColors(SettingsStore& store);

} // namespace plotmere
