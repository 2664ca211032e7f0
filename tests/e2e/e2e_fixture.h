#pragma once

#include "graph_picture.h"
#include "plotmere_session.h"
#include "x_tools.h"

#include "support/qt_printers.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace plotmere::e2e {

// The graph area's default colours.
inline constexpr QRgb BackColor = 0xFFFFFF;
inline constexpr QRgb AxisColor = 0x8080FF;
inline constexpr QRgb GridColor = 0xEBEBEB;
inline constexpr QRgb GraphColor = 0x000000;

// Controls the tests click, as twips rectangles inside their panel.
inline constexpr QRect Command1Rect{0, 420, 1455, 315};       // "New Graph", Frame1
inline constexpr QRect Command3Rect{0, 1140, 1455, 315};      // "Clear Graphs", Frame1
inline constexpr QRect Command4Rect{0, 1500, 1455, 315};      // "Copy To Clipboard", Frame1
inline constexpr QRect Command5Rect{0, 1860, 1455, 315};      // "Function List", Frame1
inline constexpr QRect LabXmaxRect{780, 0, 675, 255};         // Xmax value, Frame1
inline constexpr QRect LabXminRect{720, 1980, 675, 255};      // Xmin value, Frame2
inline constexpr QRect LabXzoominRect{2700, 1980, 495, 255};  // X "In", Frame2
inline constexpr QRect LabXzoomoutRect{3240, 1980, 495, 255}; // X "Out", Frame2

// What every scenario does as a person: type into the expression box, press keys, click, and
// wait for the picture to show what it must.

// Replaces the expression box's text (Ctrl+A is a menu shortcut here, so the text is selected
// from the caret's ends) without pressing Enter.
inline void TypeExpression(const QString& text) {
    PressKeys({"End", "shift+Home", "BackSpace"});
    TypeText(text);
}

// Replaces the expression box's text and presses Enter, which adds the graph.
inline void EnterExpression(const QString& text) {
    TypeExpression(text);
    PressKeys({"Return"});
}

// Clicks and moves the pointer out of the way, so that no tooltip covers the picture.
inline void Click(const QPoint& screenPoint) {
    ClickAt(screenPoint);
    Xdotool({"mousemove", "0", "0"});
}

inline QPoint InFrame1(const PlotmereSession& session, const QRect& twips) {
    return session.inFrame1(twips.x(), twips.y(), twips.width(), twips.height());
}
inline QPoint InFrame2(const PlotmereSession& session, const QRect& twips) {
    return session.inFrame2(twips.x(), twips.y(), twips.width(), twips.height());
}

// The graph area once it satisfies the condition, or as it is when time runs out (the caller's
// checks then say what is wrong).
inline QImage AwaitPicture(const PlotmereSession& session,
                           const std::function<bool(const QImage&)>& ready, int timeoutMs = 10000) {
    QImage picture;
    WaitUntil(
        [&] {
            picture = session.grabGraphArea();
            return ready(picture);
        },
        timeoutMs, 100);
    return picture;
}

// Waits until the graph area shows curve alone in the graph colour over the grid and axes of
// mapping's range, then checks that picture in full; returns it for further checks.
inline QImage AwaitLoneCurve(const PlotmereSession& session, const AreaMapping& mapping,
                             const Function& curve) {
    const QImage picture = AwaitPicture(session, [&](const QImage& shown) {
        return ShowsCurve(shown, mapping, curve, GraphColor) &&
               OnlyCurvesInColor(shown, mapping, {curve}, GraphColor) &&
               ShowsGridExactly(shown, mapping, GridColor);
    });
    EXPECT_TRUE(ShowsCurve(picture, mapping, curve, GraphColor));
    EXPECT_TRUE(OnlyCurvesInColor(picture, mapping, {curve}, GraphColor));
    EXPECT_TRUE(ShowsGridExactly(picture, mapping, GridColor));
    // One device pixel wide: the area's image has the device pixel size.
    EXPECT_TRUE(ShowsCrispAxes(picture, mapping, AxisColor));
    return picture;
}

// The geometry (with its frame) of the first visible window whose name matches, once one
// appears; its id goes to `id` when given.
inline std::optional<QRect> AwaitWindowNamed(const QString& pattern, WindowId* id = nullptr,
                                             int timeoutMs = 10000) {
    QList<WindowId> windows;
    if (!WaitUntil(
            [&] {
                windows = VisibleWindowsNamed(pattern);
                return !windows.isEmpty();
            },
            timeoutMs)) {
        return std::nullopt;
    }
    if (id != nullptr) {
        *id = windows.front();
    }
    return OuterGeometry(windows.front());
}

// Waits until the stored value reads as expected; true when it did.
inline bool AwaitSetting(const PlotmereSession& session, const QString& name,
                         const QString& expected, int timeoutMs = 10000) {
    return WaitUntil([&] { return session.setting(name) == expected; }, timeoutMs);
}

// Each test starts its own copy of the program with its own settings.
class EndToEndTest : public ::testing::Test {};

} // namespace plotmere::e2e
