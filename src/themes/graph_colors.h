#pragma once

#include "widgets/color_value.h"

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

// The graph area's own colours, independent of the interface theme.
struct GraphColors {
    ColorValue backColor = Rgb(0xFFFFFF);
    ColorValue axisColor = Rgb(0x8080FF);
    ColorValue nextGraphColor = Rgb(0x000000);
    ColorValue outOfRangeColor = Rgb(0xFF4040);
    ColorValue gridColor = DeriveGridColor(Rgb(0xFFFFFF));

    bool operator==(const GraphColors&) const = default;
};

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
