// The program on a screen scaled by two: twice the device pixels for every twip, a graph area
// drawn at its full device resolution, and the placement still stored in twips.
#include "e2e_fixture.h"

#include "widgets/twips.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace plotmere::e2e {
namespace {

constexpr double Scale = 2.0;

int Doubled(int twips) {
    return static_cast<int>(Scale * Twips(twips));
}

// The window manager's frame is drawn in device pixels, an odd number of them on some sides,
// which whole logical pixels cannot express: the program sees each side of it rounded to a
// logical pixel, two device pixels here.
constexpr int FrameRoundingDevicePixels = 2;
constexpr int FrameRoundingTwips = 15;

void ExpectNearly(const QRect& actual, const QRect& expected) {
    for (const auto& [a, e] :
         {std::pair{actual.left(), expected.left()}, std::pair{actual.top(), expected.top()},
          std::pair{actual.right(), expected.right()},
          std::pair{actual.bottom(), expected.bottom()}}) {
        EXPECT_LE(std::abs(a - e), FrameRoundingDevicePixels)
            << ::testing::PrintToString(actual) << " instead of "
            << ::testing::PrintToString(expected);
    }
}

// A stored placement value in twips against the device pixels it stands for.
void ExpectTwipsNearly(const QString& stored, int devicePixels) {
    EXPECT_LE(std::abs(stored.toInt() - devicePixels * 15 / 2), FrameRoundingTwips)
        << stored.toStdString() << " twips for " << devicePixels << " device pixels";
}

TEST_F(EndToEndTest, HighDpiDrawsCrispGraphsOnATwiceAsLargeWindow) {
    PlotmereSession session(Scale);
    ASSERT_TRUE(session.start());

    ExpectNearly(session.outerGeometry(),
                 QRect(Doubled(4000), Doubled(2000), Doubled(7995), Doubled(8985)));
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
    const QRect outer = session.outerGeometry();

    // Twips keep their meaning: 15 to a logical pixel, 7.5 to a device pixel here.
    ASSERT_TRUE(session.close());
    const std::array<QString, 4> stored = {
        session.setting("Window Left"), session.setting("Window Top"),
        session.setting("Window Width"), session.setting("Window Height")};
    ExpectTwipsNearly(stored[0], outer.x());
    ExpectTwipsNearly(stored[1], outer.y());
    ExpectTwipsNearly(stored[2], outer.width());
    ExpectTwipsNearly(stored[3], outer.height());

    // Restored exactly, and stored again exactly as before.
    ASSERT_TRUE(session.start());
    EXPECT_EQ(session.windowGeometry(), placed);
    ASSERT_TRUE(session.close());
    EXPECT_EQ(session.setting("Window Left"), stored[0]);
    EXPECT_EQ(session.setting("Window Top"), stored[1]);
    EXPECT_EQ(session.setting("Window Width"), stored[2]);
    EXPECT_EQ(session.setting("Window Height"), stored[3]);
}

} // namespace
} // namespace plotmere::e2e
