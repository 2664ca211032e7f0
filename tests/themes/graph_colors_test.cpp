#include "themes/graph_colors.h"

#include "settings/settings_store.h"
#include "support/settings_sandbox.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace plotmere {
namespace {

// Hands out the given numbers in turn, starting over at the end, and counts the calls.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values)
        : values_(std::move(values)) {}

    double NextUniform() override {
        return values_[static_cast<std::size_t>(calls++) % values_.size()];
    }

    int calls = 0;

private:
    std::vector<double> values_;
};

// The three draws (blue, green, red) that produce each colour (RRGGBB), each in the middle of
// its step.
std::vector<double> DrawsFor(std::initializer_list<std::uint32_t> colors) {
    std::vector<double> draws;
    for (const std::uint32_t rrggbb : colors) {
        const ColorValue color = Rgb(rrggbb);
        draws.push_back((BlueOf(color) + 0.5) / 256.0);
        draws.push_back((GreenOf(color) + 0.5) / 256.0);
        draws.push_back((RedOf(color) + 0.5) / 256.0);
    }
    return draws;
}

int ComponentSum(ColorValue color) {
    return RedOf(color) + GreenOf(color) + BlueOf(color);
}

TEST(GraphColorsTest, GridIsTwentyTowardsTheMiddle) {
    const struct {
        std::uint32_t back, grid;
    } cases[] = {
        {0xFFFFFF, 0xEBEBEB}, {0x202020, 0x343434}, {0x808080, 0x6C6C6C},
        {0x7F7F7F, 0x939393}, {0x000000, 0x141414}, {0x7F8000, 0x936C14},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DeriveGridColor(Rgb(c.back)), Rgb(c.grid)) << std::hex << c.back;
    }
}

TEST(GraphColorsTest, DefaultsAndPresets) {
    const GraphColors defaults;
    EXPECT_EQ(defaults.backColor, 16777215u);
    EXPECT_EQ(defaults.axisColor, 16744576u);
    EXPECT_EQ(defaults.nextGraphColor, 0u);
    EXPECT_EQ(defaults.outOfRangeColor, 4210943u);
    EXPECT_EQ(defaults.gridColor, Rgb(0xEBEBEB));

    EXPECT_EQ(LightPreset(), defaults);

    const GraphColors dark = DarkPreset();
    EXPECT_EQ(dark.backColor, Rgb(0x202020));
    EXPECT_EQ(dark.axisColor, Rgb(0x8080FF));
    EXPECT_EQ(dark.nextGraphColor, Rgb(0xE6E6E6));
    EXPECT_EQ(dark.outOfRangeColor, Rgb(0xFF4040));
    EXPECT_EQ(dark.gridColor, Rgb(0x343434));
}

TEST(GraphColorsTest, DistanceIsManhattanOverTheComponents) {
    const struct {
        std::uint32_t first, second;
        int distance;
    } cases[] = {
        {0xFFFFFF, 0x000000, 765}, {0xFF0000, 0x00FF00, 510}, {0xE1FFFF, 0xFFFFFF, 30},
        {0x102030, 0x302010, 64},  {0x8080FF, 0x8080FF, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorDistance(Rgb(c.first), Rgb(c.second)), c.distance);
        EXPECT_EQ(ColorDistance(Rgb(c.second), Rgb(c.first)), c.distance);
    }
}

using GraphColorSettingsTest = testing_support::SettingsSandbox;

TEST_F(GraphColorSettingsTest, AFirstRunStoresTheDefaultsAsColourIntegers) {
    SettingsStore store{testing_support::TestStoreLocation()};
    EXPECT_EQ(ReadGraphColors(store), GraphColors{});
    EXPECT_EQ(Store().value("color back").toInt(), 16777215);
    EXPECT_EQ(Store().value("color axis").toInt(), 16744576);
    EXPECT_EQ(Store().value("color graph").toInt(), 0);
    EXPECT_EQ(Store().value("color err").toInt(), 4210943);
}

TEST_F(GraphColorSettingsTest, WrittenColoursReadBack) {
    SettingsStore store{testing_support::TestStoreLocation()};
    WriteGraphColors(DarkPreset(), store);
    EXPECT_EQ(Store().value("color back").toInt(), 0x202020);
    EXPECT_EQ(Store().value("color graph").toInt(), 0xE6E6E6);
    EXPECT_EQ(ReadGraphColors(store), DarkPreset());

    GraphColors mixed;
    mixed.backColor = Rgb(0x102030);
    mixed.axisColor = Rgb(0x405060);
    mixed.nextGraphColor = Rgb(0x708090);
    mixed.outOfRangeColor = Rgb(0xA0B0C0);
    mixed.gridColor = DeriveGridColor(mixed.backColor);
    WriteGraphColors(mixed, store);
    EXPECT_EQ(Store().value("color back").toInt(), 0x302010);
    EXPECT_EQ(ReadGraphColors(store), mixed);
}

TEST_F(GraphColorSettingsTest, HandEditedValuesKeepTheirLowTwentyFourBits) {
    SettingsStore store{testing_support::TestStoreLocation()};
    Store().setValue("color back", 0x7F202020);   // junk in the upper byte
    Store().setValue("color axis", -1);           // every bit set
    Store().setValue("color graph", -16777216);   // only the upper byte set
    Store().setValue("color err", "12345678901"); // beyond 32 bits: the store's default
    const GraphColors colors = ReadGraphColors(store);
    EXPECT_EQ(colors.backColor, 0x202020u);
    EXPECT_EQ(colors.gridColor, Rgb(0x343434));
    EXPECT_EQ(colors.axisColor, 0xFFFFFFu);
    EXPECT_EQ(colors.nextGraphColor, 0u);
    EXPECT_EQ(colors.outOfRangeColor, 4210943u);
}

TEST(PickRandomGraphColorTest, ComponentsAreDrawnBlueGreenRed) {
    ScriptedRandom random({0.25, 0.5, 0.75});
    EXPECT_EQ(PickRandomGraphColor(Rgb(0xFFFFFF), {}, random), Rgb(0xC08040));
    EXPECT_EQ(random.calls, 3);
}

TEST(PickRandomGraphColorTest, EachComponentIsTheFloorOfTimes256) {
    const double justBelowOne = std::nextafter(1.0, 0.0);
    ScriptedRandom random({0.0, justBelowOne, 255.0 / 256.0 - 1e-12});
    EXPECT_EQ(PickRandomGraphColor(Rgb(0xFFFFFF), {}, random), Rgb(0xFEFF00));
}

TEST(PickRandomGraphColorTest, NumbersOutsideTheUnitRangeStillGiveComponents) {
    ScriptedRandom random({1.0, -0.5, std::numeric_limits<double>::quiet_NaN()});
    EXPECT_EQ(PickRandomGraphColor(Rgb(0xFFFFFF), {}, random), Rgb(0x0000FF));
}

TEST(PickRandomGraphColorTest, TheBackgroundItselfIsNeverTakenAndNearItIsDrawnAgain) {
    // The background, then 29 away from it, then exactly 30 away.
    ScriptedRandom random(DrawsFor({0xFFFFFF, 0xFFE2FF, 0xFFFFE1}));
    EXPECT_EQ(PickRandomGraphColor(Rgb(0xFFFFFF), {}, random), Rgb(0xFFFFE1));
    EXPECT_EQ(random.calls, 9);
}

TEST(PickRandomGraphColorTest, AClashWithAnyGraphStartsOverFromTheBackground) {
    const std::vector<ColorValue> graphs = {Rgb(0x000000), Rgb(0x8080FF)};
    // Too near graph 1; then the background (drawn again, not taken); then too near graph 2;
    // then 30 from graph 2 and far from the rest.
    ScriptedRandom random(DrawsFor({0x0A0A09, 0xFFFFFF, 0x8080E2, 0x8080E1}));
    EXPECT_EQ(PickRandomGraphColor(Rgb(0xFFFFFF), graphs, random), Rgb(0x8080E1));
    EXPECT_EQ(random.calls, 12);
}

TEST(PickRandomGraphColorTest, WithoutGraphsOnlyTheBackgroundCounts) {
    // Black, the default next colour, is taken at once when no graph uses it...
    ScriptedRandom alone(DrawsFor({0x000000}));
    EXPECT_EQ(PickRandomGraphColor(Rgb(0xFFFFFF), {}, alone), Rgb(0x000000));
    EXPECT_EQ(alone.calls, 3);
    // ...and drawn past when one does.
    const std::vector<ColorValue> graphs = {Rgb(0x000000)};
    ScriptedRandom withGraph(DrawsFor({0x000000, 0x404040}));
    EXPECT_EQ(PickRandomGraphColor(Rgb(0xFFFFFF), graphs, withGraph), Rgb(0x404040));
    EXPECT_EQ(withGraph.calls, 6);
    // The axis and out-of-range colours are no obstacle.
    ScriptedRandom axis(DrawsFor({0x8080FF}));
    EXPECT_EQ(PickRandomGraphColor(Rgb(0xFFFFFF), {}, axis), Rgb(0x8080FF));
}

TEST(PickRandomGraphColorTest, AHopelessSearchStopsWithTheBestCandidateDrawn) {
    // Every candidate is within 29 of the background or of a graph; the one farthest from its
    // nearest neighbour (0A0A03, 23 from black) is the answer.
    const std::vector<ColorValue> graphs = {Rgb(0x000000)};
    ScriptedRandom random(DrawsFor({0x050505, 0x0A0A03, 0xFAFAFA, 0x000000, 0xFFFFFF}));
    EXPECT_EQ(PickRandomGraphColor(Rgb(0xFFFFFF), graphs, random), Rgb(0x0A0A03));
    EXPECT_EQ(random.calls, 3 * maxRandomColorDraws);
}

TEST(PickRandomGraphColorTest, ASourceStuckOnTheBackgroundStillGivesAnotherColour) {
    for (const std::uint32_t back : {0xFFFFFFu, 0x000000u, 0x7F7F7Fu, 0x808080u}) {
        ScriptedRandom random(DrawsFor({back}));
        const ColorValue picked = PickRandomGraphColor(Rgb(back), {}, random);
        EXPECT_GT(ColorDistance(picked, Rgb(back)), 0) << std::hex << back;
        EXPECT_EQ(random.calls, 3 * maxRandomColorDraws);
    }
}

TEST(PickRandomGraphColorTest, RandomColoursOnWhiteKeepTheirDistance) {
    std::vector<ColorValue> graphs;
    for (int pick = 0; pick < 300; ++pick) {
        const ColorValue picked = PickRandomGraphColor(Rgb(0xFFFFFF), graphs);
        ASSERT_LE(ComponentSum(picked), 735);
        for (const ColorValue graph : graphs) {
            ASSERT_GE(ColorDistance(picked, graph), 30) << "pick " << pick;
        }
        graphs.push_back(picked);
    }
}

TEST(PickRandomGraphColorTest, RandomColoursWithoutGraphsStayAwayFromTheBackground) {
    for (const std::uint32_t back : {0xFFFFFFu, 0x000000u, 0x808080u, 0x202020u}) {
        for (int pick = 0; pick < 200; ++pick) {
            ASSERT_GE(ColorDistance(PickRandomGraphColor(Rgb(back), {}), Rgb(back)), 30)
                << std::hex << back;
        }
    }
}

TEST(PickRandomGraphColorTest, TwoThousandGraphsStillGiveAColour) {
    std::mt19937 spread(12345);
    std::uniform_int_distribution<std::uint32_t> anyColor(0, 0xFFFFFF);
    std::vector<ColorValue> graphs;
    for (int i = 0; i < 2000; ++i) {
        graphs.push_back(anyColor(spread));
    }
    for (int pick = 0; pick < 5; ++pick) {
        EXPECT_GT(ColorDistance(PickRandomGraphColor(Rgb(0xFFFFFF), graphs), Rgb(0xFFFFFF)), 0);
    }
}

TEST(PickRandomGraphColorTest, AColourSpaceWithNoRoomLeftStillGivesAColour) {
    // Every colour is within 24 of one of these 16 x 16 x 16 graph colours.
    std::vector<ColorValue> graphs;
    for (int red = 0; red < 256; red += 17) {
        for (int green = 0; green < 256; green += 17) {
            for (int blue = 0; blue < 256; blue += 17) {
                graphs.push_back(ColorFromComponents(red, green, blue));
            }
        }
    }
    const ColorValue back = Rgb(0x202020);
    const ColorValue picked = PickRandomGraphColor(back, graphs);
    EXPECT_GT(ColorDistance(picked, back), 0);
    // The best of thousands of draws is off the grid.
    int nearest = 765;
    for (const ColorValue graph : graphs) {
        nearest = std::min(nearest, ColorDistance(picked, graph));
    }
    EXPECT_GT(nearest, 0);
}

} // namespace
} // namespace plotmere
