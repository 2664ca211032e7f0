// Several graphs in their own colours, in the default look and in a dark one. The pictures are
// also what the README shows: with PLOTMERE_SCREENSHOT_DIR set, the main window is saved there.
#include "e2e_fixture.h"

#include "themes/graph_colors.h"
#include "themes/theme_table.h"
#include "widgets/color_value.h"
#include "widgets/twips.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace plotmere::e2e {
namespace {

struct Graph {
    QString expression;
    Function f;
};

const std::vector<Graph> Graphs = {
    {"3*sin(x)",
     [](double x) {
         return 3 * std::sin(x);
     }},
    {"x^2/4-4",
     [](double x) {
         return x * x / 4 - 4;
     }},
    {"x*cos(3*x)/2",
     [](double x) {
         return x * std::cos(3 * x) / 2;
     }},
    {"exp(x/2)-3",
     [](double x) {
         return std::exp(x / 2) - 3;
     }},
};

QRgb StoredColor(const PlotmereSession& session, const QString& name) {
    return ToPixel(static_cast<ColorValue>(session.setting(name).toInt())) & 0xFFFFFF;
}

// Far from the background, the axes and the graphs already drawn, so that each graph can be
// told apart on the screen, and not a grey, so that it looks distinct in the README too.
bool Distinct(QRgb candidate, QRgb back, const std::vector<QRgb>& taken) {
    const auto distance = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    };
    const int chroma = std::max({qRed(candidate), qGreen(candidate), qBlue(candidate)}) -
                       std::min({qRed(candidate), qGreen(candidate), qBlue(candidate)});
    if (chroma < 120 || distance(candidate, back) < 300 || distance(candidate, AxisColor) < 120) {
        return false;
    }
    for (QRgb other : taken) {
        if (distance(candidate, other) < 200) {
            return false;
        }
    }
    return true;
}

// Random colour mode picks the next graph's colour when it is switched on (Ctrl+R) and after
// each graph; switching it off and on again draws a new one until it is distinct enough.
QRgb DrawDistinctNextColor(const PlotmereSession& session, QRgb back,
                           const std::vector<QRgb>& taken) {
    QRgb next = StoredColor(session, "color graph");
    for (int attempt = 0; attempt < 60 && !Distinct(next, back, taken); ++attempt) {
        const QString switchNow = session.setting("Random Color");
        PressKeys({"ctrl+r"});
        EXPECT_TRUE(WaitUntil([&] { return session.setting("Random Color") != switchNow; }, 5000));
        if (session.setting("Random Color") == "1") {
            WaitUntil([&] { return StoredColor(session, "color graph") != next; }, 5000);
            next = StoredColor(session, "color graph");
        }
    }
    return next;
}

// Draws every graph, the first in the stored next-graph colour and the others in distinct
// random colours, and checks each one is there in its colour.
void DrawGraphsInTheirColours(const PlotmereSession& session, QRgb back) {
    const AreaMapping mapping(session.storedRange(), session.graphArea().size());
    std::vector<QRgb> colors;
    for (const Graph& graph : Graphs) {
        const QRgb color = colors.empty() ? StoredColor(session, "color graph")
                                          : DrawDistinctNextColor(session, back, colors);
        colors.push_back(color);
        EnterExpression(graph.expression);
        AwaitPicture(session, [&](const QImage& picture) {
            return bool(ShowsCurve(picture, mapping, graph.f, color));
        });
    }
    const QImage picture = session.grabGraphArea();
    for (std::size_t g = 0; g < Graphs.size(); ++g) {
        // Later graphs cover a few pixels of earlier ones where they cross.
        EXPECT_TRUE(ShowsCurve(picture, mapping, Graphs[g].f, colors[g], 0.9))
            << Graphs[g].expression.toStdString();
        EXPECT_TRUE(OnlyCurvesInColor(picture, mapping, {Graphs[g].f}, colors[g]))
            << Graphs[g].expression.toStdString();
    }
    EXPECT_TRUE(ShowsCrispAxes(picture, mapping, AxisColor));
}

// The client area's background at a spot of the left column where no control lies.
QRgb WindowBackground(const PlotmereSession& session) {
    const QRect client = session.clientArea();
    const QImage spot =
        GrabScreen(QRect(client.left() + Twips(300), client.top() + Twips(1000), 1, 1));
    return spot.pixel(0, 0) & 0xFFFFFF;
}

void SaveScreenshot(const PlotmereSession& session, const QString& name) {
    const QString folder = qEnvironmentVariable("PLOTMERE_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        return;
    }
    QDir().mkpath(folder);
    EXPECT_TRUE(session.grabMainWindow().save(QDir(folder).filePath(name), "PNG", 9));
}

TEST_F(EndToEndTest, SeveralGraphsInTheDefaultLook) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    EXPECT_EQ(WindowBackground(session),
              ToPixel(FindColorTheme("Original Lite")->windowBack) & 0xFFFFFF);
    DrawGraphsInTheirColours(session, BackColor);
    EXPECT_TRUE(ShowsGridExactly(session.grabGraphArea(),
                                 AreaMapping(session.storedRange(), session.graphArea().size()),
                                 GridColor));
    SaveScreenshot(session, "main-window.png");
}

TEST_F(EndToEndTest, SeveralGraphsInANightVisionThemeWithDarkGraphColours) {
    constexpr GraphColors dark = DarkPreset();
    PlotmereSession session;
    session.presetSettings({{"Color Theme", "Night Vision"},
                            {"color back", static_cast<int>(dark.backColor)},
                            {"color axis", static_cast<int>(dark.axisColor)},
                            {"color graph", static_cast<int>(dark.nextGraphColor)},
                            {"color err", static_cast<int>(dark.outOfRangeColor)}});
    const QRgb back = ToPixel(dark.backColor) & 0xFFFFFF;
    ASSERT_TRUE(session.start(back));
    EXPECT_EQ(WindowBackground(session),
              ToPixel(FindColorTheme("Night Vision")->windowBack) & 0xFFFFFF);
    DrawGraphsInTheirColours(session, back);
    EXPECT_TRUE(ShowsGridExactly(session.grabGraphArea(),
                                 AreaMapping(session.storedRange(), session.graphArea().size()),
                                 ToPixel(dark.gridColor) & 0xFFFFFF));
    SaveScreenshot(session, "main-window-night-vision.png");
}

} // namespace
} // namespace plotmere::e2e
