#include "themes/graph_colors.h"

#include "settings/settings_store.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace plotmere {

namespace {

// A next graph colour must be at least this far from the background and from every graph.
constexpr int minimumDistance = 30;

// floor(r * 256) for a uniform r in [0, 1); a source outside that range is pulled back into it so
// a component is always 0 … 255.
int DrawComponent(RandomSource& random) {
    const double r = random.NextUniform();
    if (!(r >= 0.0)) {
        return 0;
    }
    if (r >= 1.0) {
        return 255;
    }
    return static_cast<int>(std::floor(r * 256.0));
}

ColorValue DrawCandidate(RandomSource& random) {
    const int blue = DrawComponent(random);
    const int green = DrawComponent(random);
    const int red = DrawComponent(random);
    return ColorFromComponents(red, green, blue);
}

// The distance from the candidate to the nearest colour it has to keep away from.
int DistanceToNearest(ColorValue candidate, ColorValue backColor,
                      std::span<const ColorValue> graphColors) {
    int nearest = ColorDistance(candidate, backColor);
    for (const ColorValue graphColor : graphColors) {
        nearest = std::min(nearest, ColorDistance(candidate, graphColor));
    }
    return nearest;
}

ColorValue InverseOf(ColorValue color) {
    return ColorFromComponents(255 - RedOf(color), 255 - GreenOf(color), 255 - BlueOf(color));
}

// Hand-edited settings may carry bits above the 24 colour bits. They are dropped rather than
// the whole value replaced by its default: the low three bytes are what any reader of the
// colour integer draws with, so the user keeps the colour the value names.
ColorValue ColorFromSetting(std::int32_t stored) {
    return static_cast<ColorValue>(stored) & 0xFFFFFFu;
}

std::int32_t SettingFromColor(ColorValue color) {
    return static_cast<std::int32_t>(color & 0xFFFFFFu);
}

} // namespace

int ColorDistance(ColorValue first, ColorValue second) {
    return std::abs(RedOf(first) - RedOf(second)) + std::abs(GreenOf(first) - GreenOf(second)) +
           std::abs(BlueOf(first) - BlueOf(second));
}

ClockSeededRandom::ClockSeededRandom()
    : engine_(static_cast<std::uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

double ClockSeededRandom::NextUniform() {
    // The top 53 bits as a fraction: every value in [0, 1), never 1 itself.
    return static_cast<double>(engine_() >> 11) / 9007199254740992.0;
}

// Starting from the background, and going back to it when a graph is too close, both just force
// a fresh draw; so the answer is the first drawn candidate that is far enough from the
// background and from every graph, the components drawn blue, green, red.
//
// The search is bounded: with many graphs the colour space can be so crowded that no colour
// qualifies, and an unbounded search would never return. After maxRandomColorDraws draws (4096)
// it takes the drawn candidate farthest from its nearest neighbour instead. Even when only a
// tenth of a percent of all colours qualify, that fallback is needed in about 2% of the picks.
ColorValue PickRandomGraphColor(ColorValue backColor, std::span<const ColorValue> graphColors,
                                RandomSource& random) {
    ColorValue best = InverseOf(backColor); // only if the source never leaves the background
    int bestDistance = -1;
    for (int draw = 0; draw < maxRandomColorDraws; ++draw) {
        const ColorValue candidate = DrawCandidate(random);
        const int distance = DistanceToNearest(candidate, backColor, graphColors);
        if (distance >= minimumDistance) {
            return candidate;
        }
        if (distance > bestDistance && ColorDistance(candidate, backColor) > 0) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

ColorValue PickRandomGraphColor(ColorValue backColor, std::span<const ColorValue> graphColors) {
    ClockSeededRandom random;
    return PickRandomGraphColor(backColor, graphColors, random);
}

void WriteGraphColors(const GraphColors& colors, SettingsStore& store) {
    std::vector<std::pair<QString, std::int32_t>> values;
    for (const StoredGraphColor& row : GraphColorSettings) {
        values.emplace_back(FromTable(row.stored.name), SettingFromColor(colors.*row.field));
    }
    store.WriteSettingInts(values);
}

GraphColors ReadGraphColors(SettingsStore& store) {
    GraphColors colors;
    for (const StoredGraphColor& row : GraphColorSettings) {
        colors.*row.field = ColorFromSetting(store.Read(row.stored));
    }
    colors.gridColor = DeriveGridColor(colors.backColor);
    return colors;
}

} // namespace plotmere
