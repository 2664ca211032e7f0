// The program on a screen scaled by two: twice the device pixels for every twip, a graph area
// drawn at its full device resolution, and the placement still stored in twips.
#include "e2e_fixture.h"

#include "widgets/twips.h"

#include <cmath>

namespace plotmere::e2e {
namespace {

constexpr double Scale = 2.0;

int Doubled(int twips) {
    return static_cast<int>(Scale * Twips(twips));
}

TEST_F(EndToEndTest, HighDpiDrawsCrispGraphsOnATwiceAsLargeWindow) {
    PlotmereSession session(Scale);
    ASSERT_TRUE(session.start());

    const QRect window = session.windowGeometry();
    EXPECT_EQ(window, QRect(Doubled(4000), Doubled(2000), Doubled(7995), Doubled(8985)));
    const QRect client = session.clientArea();
    const QRect area = session.graphArea();
    const int clientWidthTwips = PixelsToTwips(client.width()) / 2;
    const int clientHeightTwips = PixelsToTwips(client.height()) / 2;
    EXPECT_EQ(area.width(), 2 * (clientWidthTwips - 840) / 15);
    EXPECT_EQ(area.height(), 2 * (clientHeightTwips - 2760) / 15);
    EXPECT_EQ(area.left() - client.left(), Doubled(780));

    EnterExpression("2*sin(x)");
    const Function twoSine = [](double x) {
        return 2 * std::sin(x);
    };
    const AreaMapping mapping(session.storedRange(), area.size());
    // Crisp axes, one device pixel wide rather than two: the image has the device pixel size.
    AwaitLoneCurve(session, mapping, twoSine);

    // The buttons sit at twice their twips position too.
    Click(InFrame1(session, Command3Rect));
    const QImage cleared = AwaitPicture(
        session, [](const QImage& picture) { return CountColor(picture, GraphColor) == 0; });
    EXPECT_EQ(CountColor(cleared, GraphColor), 0);
}

TEST_F(EndToEndTest, HighDpiStoresThePlacementInTwipsAndRestoresIt) {
    PlotmereSession session(Scale);
    ASSERT_TRUE(session.start());
    const QRect placed(400, 200, 1200, 1300);
    ASSERT_TRUE(MoveWindow(session.mainWindow(), placed.topLeft()));
    ASSERT_TRUE(ResizeWindow(session.mainWindow(), placed.size()));
    ASSERT_TRUE(WaitUntil([&] { return session.windowGeometry() == placed; }, 5000));

    ASSERT_TRUE(session.close());
    // Twips keep their meaning: 15 to a logical pixel, 7.5 to a device pixel here.
    EXPECT_EQ(session.setting("Window Left"), "3000");
    EXPECT_EQ(session.setting("Window Top"), "1500");
    EXPECT_EQ(session.setting("Window Width"), "9000");
    EXPECT_EQ(session.setting("Window Height"), "9750");

    ASSERT_TRUE(session.start());
    EXPECT_EQ(session.windowGeometry(), placed);
    ASSERT_TRUE(session.close());
    EXPECT_EQ(session.setting("Window Left"), "3000");
    EXPECT_EQ(session.setting("Window Top"), "1500");
    EXPECT_EQ(session.setting("Window Width"), "9000");
    EXPECT_EQ(session.setting("Window Height"), "9750");
}

} // namespace
} // namespace plotmere::e2e
