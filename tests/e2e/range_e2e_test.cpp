// The range changed with the mouse on its labels: a zoom label, and a range label answered in
// the real input box.
#include "e2e_fixture.h"

#include <cmath>

namespace plotmere::e2e {
namespace {

const Function TwoSine = [](double x) {
    return 2 * std::sin(x);
};

// With the natural aspect ratio kept, one unit of y is as long as one unit of x: the y span is
// the x span times the area's height-to-width ratio, cut down to a hundredth.
void ExpectNaturalAspect(const ViewRange& range, const QRect& area) {
    const double xSpan = static_cast<double>(range.Xmax) - range.Xmin;
    const double ySpan = static_cast<double>(range.Ymax) - range.Ymin;
    EXPECT_NEAR(ySpan, xSpan * area.height() / area.width(), 0.011)
        << "y " << range.Ymin << " ... " << range.Ymax;
}

TEST_F(EndToEndTest, ZoomInLabelHalvesTheXRangeAndRedraws) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    const QRect area = session.graphArea();
    EnterExpression("2*sin(x)");
    const AreaMapping before(session.storedRange(), area.size());
    const QImage wide = AwaitPicture(session, [&](const QImage& picture) {
        return bool(ShowsCurve(picture, before, TwoSine, GraphColor));
    });
    ASSERT_TRUE(ShowsCurve(wide, before, TwoSine, GraphColor));
    const QRect xminLabel(InFrame2(session, LabXminRect) - QPoint(15, 6), QSize(30, 12));
    const QImage xminBefore = GrabScreen(xminLabel);

    Click(InFrame2(session, LabXzoominRect));
    EXPECT_TRUE(AwaitSetting(session, "x min", "-3.5"));
    EXPECT_EQ(session.setting("x max"), "3.5");
    const ViewRange zoomed = session.storedRange();
    ExpectNaturalAspect(zoomed, area);

    const QImage narrow = AwaitLoneCurve(session, AreaMapping(zoomed, area.size()), TwoSine);
    EXPECT_NE(narrow, wide);
    // The Xmin label now shows another text.
    EXPECT_NE(GrabScreen(xminLabel), xminBefore);
}

TEST_F(EndToEndTest, RangeLabelAsksForTheValueAndRedraws) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    const QRect area = session.graphArea();
    EnterExpression("2*sin(x)");
    const AreaMapping before(session.storedRange(), area.size());
    AwaitPicture(session, [&](const QImage& picture) {
        return bool(ShowsCurve(picture, before, TwoSine, GraphColor));
    });

    Click(InFrame1(session, LabXmaxRect));
    // The input box is a window of its own with the program's title.
    WindowId dialog = 0;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (WindowId window : VisibleWindowsNamed("^Veldrake Plotmere$")) {
                if (window != session.mainWindow()) {
                    dialog = window;
                }
            }
            return dialog != 0;
        },
        10000, 100))
        << "no input box appeared";
    ASSERT_TRUE(ActivateWindow(dialog));
    PressKeys({"End", "shift+Home", "BackSpace"});
    TypeText("3");
    PressKeys({"Return"});

    EXPECT_TRUE(AwaitSetting(session, "x max", "3"));
    EXPECT_EQ(session.setting("x min"), "-7");
    EXPECT_TRUE(WaitUntil(
        [&] { return !VisibleWindowsNamed("^Veldrake Plotmere$").contains(dialog); }, 5000));
    const ViewRange edited = session.storedRange();
    ExpectNaturalAspect(edited, area);

    AwaitLoneCurve(session, AreaMapping(edited, area.size()), TwoSine);
}

} // namespace
} // namespace plotmere::e2e
