// Graphs typed, added, replaced and copied, as a person does it, checked on the screen.
#include "e2e_fixture.h"

#include <cmath>

namespace plotmere::e2e {
namespace {

const Function TwoSine = [](double x) {
    return 2 * std::sin(x);
};
const Function HalfX = [](double x) {
    return x / 2;
};
const Function Parabola = [](double x) {
    return x * x / 4 - 3;
};

TEST_F(EndToEndTest, TypedExpressionIsDrawnWhereTheRangeMapsIt) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());

    const QImage empty = session.grabGraphArea();
    const AreaMapping startMapping(session.storedRange(), empty.size());
    EXPECT_TRUE(ShowsCrispAxes(empty, startMapping, AxisColor));
    EXPECT_TRUE(ShowsGridExactly(empty, startMapping, GridColor));
    EXPECT_EQ(CountColor(empty, GraphColor), 0);

    EnterExpression("2 * Sin(X)");
    const AreaMapping mapping(session.storedRange(), empty.size());
    AwaitLoneCurve(session, mapping, TwoSine);
    // The normalised text went into the history.
    EXPECT_TRUE(AwaitSetting(session, "function 1", "2*sin(x)"));
}

TEST_F(EndToEndTest, NewGraphButtonReplacesEveryGraphByTheNewOne) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    const AreaMapping mapping(session.storedRange(), session.graphArea().size());

    EnterExpression("2*sin(x)");
    EnterExpression("x/2");
    const QImage both = AwaitPicture(session, [&](const QImage& picture) {
        return ShowsCurve(picture, mapping, TwoSine, GraphColor) &&
               ShowsCurve(picture, mapping, HalfX, GraphColor);
    });
    ASSERT_TRUE(ShowsCurve(both, mapping, TwoSine, GraphColor));
    ASSERT_TRUE(ShowsCurve(both, mapping, HalfX, GraphColor));

    TypeExpression("x^2/4-3");
    Click(InFrame1(session, Command1Rect));
    AwaitLoneCurve(session, mapping, Parabola);

    // Esc clears every graph.
    PressKeys({"Escape"});
    const QImage cleared = AwaitPicture(
        session, [](const QImage& picture) { return CountColor(picture, GraphColor) == 0; });
    EXPECT_EQ(CountColor(cleared, GraphColor), 0);
    EXPECT_TRUE(ShowsGridExactly(cleared, mapping, GridColor));
}

TEST_F(EndToEndTest, CtrlGInTheExpressionBoxSwitchesTheGridOffAndOn) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    const AreaMapping mapping(session.storedRange(), session.graphArea().size());
    EnterExpression("2*sin(x)");
    AwaitPicture(session, [&](const QImage& picture) {
        return bool(ShowsCurve(picture, mapping, TwoSine, GraphColor));
    });

    PressKeys({"ctrl+g"});
    const QImage withoutGrid = AwaitPicture(
        session, [](const QImage& picture) { return CountColor(picture, GridColor) == 0; });
    EXPECT_EQ(CountColor(withoutGrid, GridColor), 0);
    EXPECT_TRUE(ShowsCurve(withoutGrid, mapping, TwoSine, GraphColor));
    EXPECT_TRUE(ShowsCrispAxes(withoutGrid, mapping, AxisColor));
    EXPECT_TRUE(AwaitSetting(session, "Show Grid", "0"));

    PressKeys({"ctrl+g"});
    const QImage withGrid = AwaitPicture(session, [&](const QImage& picture) {
        return ShowsGridExactly(picture, mapping, GridColor) &&
               ShowsCurve(picture, mapping, TwoSine, GraphColor);
    });
    EXPECT_TRUE(ShowsGridExactly(withGrid, mapping, GridColor));
    EXPECT_TRUE(ShowsCurve(withGrid, mapping, TwoSine, GraphColor));
    EXPECT_TRUE(AwaitSetting(session, "Show Grid", "1"));
}

TEST_F(EndToEndTest, CopyToClipboardPutsTheGraphAreaPixelForPixel) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    const AreaMapping mapping(session.storedRange(), session.graphArea().size());
    EnterExpression("2*sin(x)");
    const QImage onScreen = AwaitPicture(session, [&](const QImage& picture) {
        return bool(ShowsCurve(picture, mapping, TwoSine, GraphColor));
    });
    ASSERT_TRUE(ShowsCurve(onScreen, mapping, TwoSine, GraphColor));
    // Nothing of this program's is on the clipboard before the click.
    ASSERT_FALSE(ClipboardImage().has_value());

    Click(InFrame1(session, Command4Rect));
    std::optional<QImage> copied;
    WaitUntil(
        [&] {
            copied = ClipboardImage();
            return copied.has_value();
        },
        10000, 100);
    ASSERT_TRUE(copied.has_value()) << "no image/png on the clipboard";
    ASSERT_EQ(copied->size(), onScreen.size());
    int differing = 0;
    for (int row = 0; row < onScreen.height(); ++row) {
        for (int column = 0; column < onScreen.width(); ++column) {
            differing +=
                (copied->pixel(column, row) & 0xFFFFFF) != (onScreen.pixel(column, row) & 0xFFFFFF)
                    ? 1
                    : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
} // namespace plotmere::e2e
