#include "settings/window_placement.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <climits>

namespace plotmere {
namespace {

// The available area of a 1920 x 1080 screen with a 40-pixel panel at the bottom.
const QRect Screen(0, 0, 1920, 1040);

TEST(PlaceWithinTest, KeepsWhatFitsAndOtherwiseMovesTheLeastDistance) {
    struct Case {
        const char* what;
        QRect window, placed;
    };
    const Case cases[] = {
        {"wholly inside", {300, 200, 600, 400}, {300, 200, 600, 400}},
        {"touching every edge", {0, 0, 1920, 1040}, {0, 0, 1920, 1040}},
        {"strip below a maximised window", {0, 1040, 1920, 25}, {0, 1015, 1920, 25}},
        {"strip below a window at the bottom", {300, 1030, 800, 25}, {300, 1015, 800, 25}},
        {"list right of a maximised window", {1920, 0, 204, 200}, {1716, 0, 204, 200}},
        {"list at the right edge", {1800, 500, 204, 200}, {1716, 500, 204, 200}},
        {"off the left and top", {-500, -30, 600, 400}, {0, 0, 600, 400}},
        {"off the bottom right corner", {1900, 1000, 600, 400}, {1320, 640, 600, 400}},
        {"wider than the screen", {100, 100, 2500, 400}, {0, 100, 1920, 400}},
        {"larger than the screen", {-9, 7, 3000, 2000}, {0, 0, 1920, 1040}},
        {"far off", {INT_MAX / 2, INT_MIN / 2, 600, 400}, {1320, 0, 600, 400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlaceWithin(c.window, Screen), c.placed);
    }
}

TEST(PlaceWithinTest, AScreenOffTheOriginCountsFromItsOwnCorner) {
    const QRect second(1920, -200, 1280, 1024);
    EXPECT_EQ(PlaceWithin({3100, 700, 200, 200}, second), QRect(3000, 624, 200, 200));
    EXPECT_EQ(PlaceWithin({1000, -500, 200, 200}, second), QRect(1920, -200, 200, 200));
}

TEST(KeepOnScreenTest, StoredPlacementsEndWhollyOnAScreen) {
    const QList<QRect> screens = {Screen, QRect(1920, 0, 1280, 1024)};
    const QSize minimum(533, 599);
    struct Case {
        const char* what;
        QRect stored, placed;
    };
    const Case cases[] = {
        {"inside the first screen, exactly as stored", {266, 133, 600, 700}, {266, 133, 600, 700}},
        {"inside the second screen", {2000, 100, 600, 700}, {2000, 100, 600, 700}},
        {"smaller than the minimum grows", {100, 100, 10, 0}, {100, 100, 533, 599}},
        {"a big window brought to a smaller screen", {800, 100, 1400, 700}, {520, 100, 1400, 700}},
        {"spanning both screens goes to the one it covers most",
         {1700, 100, 600, 700},
         {1920, 100, 600, 700}},
        {"larger than any screen shrinks to the one it is on",
         {0, 0, 143165576, 143165576},
         {0, 0, 1920, 1040}},
        {"title bar above the screen", {-40000, -40000, 600, 700}, {0, 0, 600, 700}},
        {"beyond every screen goes to the first", {900000, 90, 600, 700}, {1320, 90, 600, 700}},
        {"below every screen", {300, 60000000, 600, 700}, {300, 340, 600, 700}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(KeepOnScreen(c.stored, screens, minimum), c.placed);
    }
}

TEST(KeepOnScreenTest, TheMinimumGivesWayOnlyToASmallerScreen) {
    const QRect small(0, 0, 400, 300);
    EXPECT_EQ(KeepOnScreen({50, 50, 100, 100}, {small}, QSize(533, 599)), small);
    EXPECT_EQ(KeepOnScreen({50, 50, 100, 100}, {}, QSize(533, 599)), QRect(50, 50, 533, 599));
}

} // namespace
} // namespace plotmere
