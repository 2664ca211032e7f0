#include "support/main_window_fixture.h"
#include "support/main_window_state.h"
#include "windows/window_test_helpers.h"

#include "engine/number_text.h"
#include "themes/graph_colors.h"
#include "widgets/clickable_label.h"
#include "widgets/window_geometry.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

#include <cmath>
#include <map>
#include <ostream>

namespace plotmere {
namespace {

using namespace testing_support;

using testing_support::CountPixels;
using testing_support::PixelIs;
using testing_support::RunDelayedReplot;
using testing_support::ShownBackground;

// Started by each test itself, after it has put what an earlier run (or a hand edit) left in
// the store.
class MainWindowStartupTest : public testing_support::MainWindowFixture {
protected:
    void SetUp() override { SettingsSandbox::SetUp(); }

    void Seed(const std::map<QString, QVariant>& values) {
        QSettings settings = Store();
        for (const auto& [name, value] : values) {
            settings.setValue(name, value);
        }
        settings.sync();
    }

    static QVariant Stored(const QString& name) { return Store().value(name); }

    // The load ended in the first layout: the graph area fills its part of the client area.
    bool LaidOut() const {
        const QWidget* client = control<QWidget>("client");
        const QRect area = control<GraphCanvas>("grafik")->geometry();
        return area == QRect(Twips(780), Twips(60), client->width() - Twips(840),
                             client->height() - Twips(2760));
    }

    struct Placement {
        int left, top, height, width;
        bool operator==(const Placement&) const = default;
        friend void PrintTo(const Placement& p, std::ostream* out) {
            *out << "left " << p.left << " top " << p.top << " height " << p.height << " width "
                 << p.width;
        }
    };

    // The platform adds the frame and delivers the final geometry of a shown window a moment
    // after it is shown; nobody closes a window before that.
    // The window shows a stored placement at the nearest whole pixels.
    bool ShowsSoon(const Placement& expected) const {
        const auto onPixels = [](int twips) {
            return PixelsToTwips(Twips(twips));
        };
        const Placement shown{onPixels(expected.left), onPixels(expected.top),
                              onPixels(expected.height), onPixels(expected.width)};
        return QTest::qWaitFor([&] { return ShownPlacement() == shown; }, 2000);
    }
    // Delivers what the platform has queued for the window (its frame, its corrected placement)
    // until a round of events leaves its geometry as it was.
    void LetGeometrySettle() const {
        QRect before;
        for (int round = 0; round < 20 && window->frameGeometry() != before; ++round) {
            before = window->frameGeometry();
            QCoreApplication::processEvents();
        }
    }

    static Placement StoredPlacement() {
        return {Stored("Window Left").toInt(), Stored("Window Top").toInt(),
                Stored("Window Height").toInt(), Stored("Window Width").toInt()};
    }

    Placement ShownPlacement() const {
        const QRect outer = window->frameGeometry();
        return {PixelsToTwips(outer.left()), PixelsToTwips(outer.top()),
                PixelsToTwips(outer.height()), PixelsToTwips(outer.width())};
    }

    // The top of the y range that keeps the aspect of the graph area as it is now, for the
    // default x range -7 ... 7 over the bottom -5.
    float AspectTopForDefaultRange() const {
        const double ratio = static_cast<double>(control<GraphCanvas>("grafik")->height()) /
                             control<GraphCanvas>("grafik")->width();
        const auto top = static_cast<float>(-5 + 14 * ratio);
        return static_cast<float>(std::floor(static_cast<double>(top) * 100) / 100);
    }

    static QString Text(float value) {
        return QString::fromStdString(NumberToText(value, SinglePrecisionDigits));
    }

    int GridPixels() const {
        return CountPixels(picture(), DeriveGridColor(ViewOf(*window).colors().backColor));
    }
    int AxisPixels() const { return CountPixels(picture(), ViewOf(*window).colors().axisColor); }
};

TEST_F(MainWindowStartupTest, FirstRunCreatesEveryValueItReadsWithItsDefault) {
    ASSERT_NO_FATAL_FAILURE(startWindow());
    RunDelayedReplot(*window);

    const std::pair<const char*, int> integers[] = {
        {"Window Left", 4000},    {"Window Top", 2000},      {"color back", 16777215},
        {"color axis", 16744576}, {"color graph", 0},        {"color err", 4210943},
        {"Show Grid", 1},         {"Look For Singular", 1},  {"Random Color", 0},
        {"Keep Aspect", 1},       {"Num of Samples", 10000},
    };
    for (const auto& [name, value] : integers) {
        EXPECT_TRUE(Store().contains(name)) << name;
        EXPECT_EQ(Stored(name).toInt(), value) << name;
    }
    const std::pair<const char*, const char*> texts[] = {
        {"x min", "-7"}, {"x max", "7"}, {"y min", "-5"}};
    for (const auto& [name, value] : texts) {
        EXPECT_EQ(Stored(name).toString(), value) << name;
    }

    // The outer size as laid out: the design client area (7875 x 8295 twips below the menu bar)
    // with the frame, which is known once the window is shown, and at least the minimum.
    const QSize design = TwipsSize(7875, 8295) + QSize(0, window->menuBar()->sizeHint().height());
    const QRect outer = window->frameGeometry();
    ASSERT_NE(outer, window->geometry()) << "no frame to count";
    const QSize laidOut = design.grownBy(OuterMargins(*window)).expandedTo(TwipsSize(7995, 8985));
    EXPECT_EQ(Stored("Window Width").toInt(), PixelsToTwips(laidOut.width()));
    EXPECT_EQ(Stored("Window Height").toInt(), PixelsToTwips(laidOut.height()));
    EXPECT_EQ(outer.size(), laidOut);

    // "Keep Aspect" is on by default, so the top follows the graph area's proportions.
    const float top = AspectTopForDefaultRange();
    EXPECT_EQ(ViewOf(*window).range().Ymax, top);
    EXPECT_EQ(Stored("y max").toString(), Text(top));
    EXPECT_EQ(ViewOf(*window).range().Xmin, -7);
    EXPECT_EQ(ViewOf(*window).range().Xmax, 7);
    EXPECT_EQ(ViewOf(*window).range().Ymin, -5);
    EXPECT_EQ(control<ClickableLabel>("labxmin")->text(), "-7");
    EXPECT_EQ(control<ClickableLabel>("labxmax")->text(), "7");
    EXPECT_EQ(control<ClickableLabel>("labymin")->text(), "-5");
    EXPECT_EQ(control<ClickableLabel>("labymax")->text(), Text(top));
    EXPECT_TRUE(testing_support::ShowsEmptyArea(*window));
}

TEST_F(MainWindowStartupTest, FirstRunShowsTheDefaultSwitchesColoursAndPicture) {
    ASSERT_NO_FATAL_FAILURE(startWindow());
    EXPECT_TRUE(LaidOut());
    EXPECT_TRUE(control<QAction>("menugrid")->isChecked());
    EXPECT_TRUE(control<QAction>("menusingular")->isChecked());
    EXPECT_TRUE(control<QAction>("menuaspect")->isChecked());
    EXPECT_FALSE(control<QAction>("menurandom")->isChecked());
    EXPECT_EQ(ViewOf(*window).options().sampleCount, 10000);
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Add Graph #1");
    EXPECT_EQ(ViewOf(*window).graphs().graphCount(), 0);

    EXPECT_EQ(ShownBackground(control<ClickableLabel>("labcback")), Rgb(0xFFFFFF));
    EXPECT_EQ(ShownBackground(control<ClickableLabel>("labcaxis")), Rgb(0x8080FF));
    EXPECT_EQ(ShownBackground(control<ClickableLabel>("labcgraph")), Rgb(0x000000));
    EXPECT_EQ(ShownBackground(control<ClickableLabel>("labcerr")), Rgb(0xFF4040));
    EXPECT_EQ(ViewOf(*window).colors().gridColor, Rgb(0xEBEBEB));

    // Background, grid and both axes.
    EXPECT_TRUE(PixelIs(picture(), 0, 0, Rgb(0xFFFFFF)));
    EXPECT_GT(CountPixels(picture(), Rgb(0xEBEBEB)), 0);
    const QPoint origin = testing_support::PixelOf(*window, 0, 0);
    EXPECT_TRUE(PixelIs(picture(), origin.x(), origin.y() / 2, Rgb(0x8080FF)));
    EXPECT_TRUE(PixelIs(picture(), origin.x() / 2, origin.y(), Rgb(0x8080FF)));
}

// A switch holding anything but 0 or 1 (only a hand edit can do that) leaves its item as the
// design has it, unchecked, and counts as off.
TEST_F(MainWindowStartupTest, SwitchValuesOtherThanZeroOrOneLeaveTheItemUnchecked) {
    Seed({{"Show Grid", 2},
          {"Look For Singular", 2},
          {"Random Color", 2},
          {"Keep Aspect", 2},
          {"y max", "6"}});
    ASSERT_NO_FATAL_FAILURE(startWindow());
    RunDelayedReplot(*window);

    EXPECT_FALSE(control<QAction>("menugrid")->isChecked());
    EXPECT_FALSE(control<QAction>("menusingular")->isChecked());
    EXPECT_FALSE(control<QAction>("menurandom")->isChecked());
    EXPECT_FALSE(control<QAction>("menuaspect")->isChecked());
    EXPECT_EQ(ViewOf(*window).options().showGrid, 2);
    EXPECT_EQ(Stored("Show Grid").toInt(), 2);
    EXPECT_EQ(GridPixels(), 0);
    EXPECT_GT(AxisPixels(), 0);
    // Neither a random colour nor the aspect.
    EXPECT_EQ(ViewOf(*window).colors().nextGraphColor, Rgb(0x000000));
    EXPECT_EQ(ViewOf(*window).range().Ymax, 6);
    EXPECT_EQ(Stored("y max").toString(), "6");

    // Clicking the item checks it: the switch follows the check mark.
    control<QAction>("menugrid")->trigger();
    EXPECT_TRUE(control<QAction>("menugrid")->isChecked());
    EXPECT_EQ(ViewOf(*window).options().showGrid, 1);
    EXPECT_EQ(Stored("Show Grid").toInt(), 1);
    EXPECT_GT(GridPixels(), 0);
}

TEST_F(MainWindowStartupTest, StoredZeroSwitchesStartUnchecked) {
    Seed({{"Show Grid", 0}, {"Look For Singular", 0}, {"Keep Aspect", 0}, {"y max", "6"}});
    ASSERT_NO_FATAL_FAILURE(startWindow());
    EXPECT_FALSE(control<QAction>("menugrid")->isChecked());
    EXPECT_FALSE(control<QAction>("menusingular")->isChecked());
    EXPECT_FALSE(control<QAction>("menuaspect")->isChecked());
    EXPECT_EQ(ViewOf(*window).options().keepAspect, 0);
    EXPECT_EQ(ViewOf(*window).range().Ymax, 6);
    EXPECT_EQ(GridPixels(), 0);
}

TEST_F(MainWindowStartupTest, ChangesMadeBeforeARestartAreThereAfterIt) {
    ASSERT_NO_FATAL_FAILURE(startWindow());
    inputBox.answerNext("5000");
    control<QAction>("menupoints")->trigger();
    control<QAction>("menugrid")->trigger();
    control<QAction>("menusingular")->trigger();
    control<QAction>("menuaspect")->trigger();
    const ColorValue picked[] = {Rgb(0x102030), Rgb(0x405060), Rgb(0x708090), Rgb(0xA0B0C0)};
    for (const ColorValue color : picked) {
        colorPicker.pickNext(color);
    }
    for (QWidget* swatch :
         {control<ClickableLabel>("labcback"), control<ClickableLabel>("labcaxis"),
          control<ClickableLabel>("labcgraph"), control<ClickableLabel>("labcerr")}) {
        QTest::mouseClick(swatch, Qt::LeftButton);
    }
    // The range as a range edit stores it.
    store.WriteSettingText("x min", "-3.5");
    store.WriteSettingText("x max", "12.25");
    store.WriteSettingText("y min", "-.5");
    store.WriteSettingText("y max", "8.75");

    ASSERT_NO_FATAL_FAILURE(restartWindow());

    EXPECT_EQ(ViewOf(*window).options().sampleCount, 5000);
    EXPECT_EQ(ViewOf(*window).options().showGrid, 0);
    EXPECT_EQ(ViewOf(*window).options().lookForSingular, 0);
    EXPECT_EQ(ViewOf(*window).options().keepAspect, 0);
    EXPECT_EQ(ViewOf(*window).options().randomColor, 0);
    EXPECT_FALSE(control<QAction>("menugrid")->isChecked());
    EXPECT_FALSE(control<QAction>("menusingular")->isChecked());
    EXPECT_FALSE(control<QAction>("menuaspect")->isChecked());
    EXPECT_FALSE(control<QAction>("menurandom")->isChecked());

    const ViewRange& range = ViewOf(*window).range();
    EXPECT_EQ(range.Xmin, -3.5f);
    EXPECT_EQ(range.Xmax, 12.25f);
    EXPECT_EQ(range.Ymin, -0.5f);
    EXPECT_EQ(range.Ymax, 8.75f);
    EXPECT_EQ(control<ClickableLabel>("labxmin")->text(), "-3.5");
    EXPECT_EQ(control<ClickableLabel>("labxmax")->text(), "12.25");
    EXPECT_EQ(control<ClickableLabel>("labymin")->text(), "-.5");
    EXPECT_EQ(control<ClickableLabel>("labymax")->text(), "8.75");

    const GraphColors& colors = ViewOf(*window).colors();
    EXPECT_EQ(colors.backColor, picked[0]);
    EXPECT_EQ(colors.axisColor, picked[1]);
    EXPECT_EQ(colors.nextGraphColor, picked[2]);
    EXPECT_EQ(colors.outOfRangeColor, picked[3]);
    EXPECT_EQ(colors.gridColor, DeriveGridColor(picked[0]));
    EXPECT_EQ(ShownBackground(control<ClickableLabel>("labcback")), picked[0]);
    EXPECT_EQ(ShownBackground(control<ClickableLabel>("labcgraph")), picked[2]);
    EXPECT_TRUE(PixelIs(picture(), 0, 0, picked[0]));
    EXPECT_EQ(GridPixels(), 0);
    EXPECT_TRUE(testing_support::ShowsEmptyArea(*window));
}

TEST_F(MainWindowStartupTest, RandomColourModeDrawsANewColourAtStart) {
    ASSERT_NO_FATAL_FAILURE(startWindow());
    control<QAction>("menurandom")->trigger();
    ASSERT_NO_FATAL_FAILURE(restartWindow());
    EXPECT_TRUE(control<QAction>("menurandom")->isChecked());
    EXPECT_EQ(ViewOf(*window).options().randomColor, 1);
    const ColorValue next = ViewOf(*window).colors().nextGraphColor;
    EXPECT_GE(ColorDistance(next, ViewOf(*window).colors().backColor), 30);
    EXPECT_EQ(Stored("color graph").toInt(), static_cast<int>(next));
    EXPECT_EQ(ShownBackground(control<ClickableLabel>("labcgraph")), next);
}

TEST_F(MainWindowStartupTest, PlacementDoesNotCreepFromRunToRun) {
    ASSERT_NO_FATAL_FAILURE(startWindow());
    LetGeometrySettle();
    // The first close stores what the first run made of the defaults (the minimum size); from
    // then on a start and a close with nothing changed keep every value exactly.
    ASSERT_NO_FATAL_FAILURE(restartWindow());
    const Placement settled = StoredPlacement();
    EXPECT_EQ(settled.left, 4000) << "the default position falls between pixels and stays";
    EXPECT_EQ(settled.top, 2000);
    EXPECT_TRUE(ShowsSoon(settled)) << ::testing::PrintToString(ShownPlacement());
    for (int run = 1; run <= 2; ++run) {
        ASSERT_NO_FATAL_FAILURE(restartWindow());
        EXPECT_EQ(StoredPlacement(), settled) << "run " << run;
        EXPECT_TRUE(ShowsSoon(settled))
            << "run " << run << ": " << ::testing::PrintToString(ShownPlacement());
    }
}

TEST_F(MainWindowStartupTest, StoredPlacementIsKeptExactly) {
    const Placement stored{1507, 744, 8990, 9004}; // between whole pixels, above the minimum
    Seed({{"Window Left", stored.left},
          {"Window Top", stored.top},
          {"Window Height", stored.height},
          {"Window Width", stored.width}});
    ASSERT_NO_FATAL_FAILURE(startWindow());
    EXPECT_TRUE(ShowsSoon(stored)) << ::testing::PrintToString(ShownPlacement());
    for (int run = 1; run <= 2; ++run) {
        ASSERT_NO_FATAL_FAILURE(restartWindow());
        EXPECT_EQ(StoredPlacement(), stored) << "run " << run;
        EXPECT_TRUE(ShowsSoon(stored))
            << "run " << run << ": " << ::testing::PrintToString(ShownPlacement());
    }
}

TEST_F(MainWindowStartupTest, PlacementFarOffTheScreenStartsOnTheScreen) {
    const std::map<QString, QVariant> placements[] = {
        {{"Window Left", 900000000}},
        {{"Window Top", 900000000}},
        {{"Window Left", -900000000}, {"Window Top", -900000000}},
        {{"Window Width", 900000000}, {"Window Height", 900000000}},
        {{"Window Width", -5}, {"Window Height", 0}},
    };
    for (const auto& placement : placements) {
        ClearStore();
        Seed(placement);
        ASSERT_NO_FATAL_FAILURE(startWindow());
        LetGeometrySettle();
        const QRect screen = window->screen()->availableGeometry();
        const QRect outer = window->frameGeometry();
        EXPECT_TRUE(outer.intersects(screen))
            << placement.begin()->first.toStdString() << " " << placement.begin()->second.toInt()
            << ": " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
            << outer.height();
        EXPECT_GE(outer.width(), Twips(7995));
        EXPECT_GE(outer.height(), Twips(8985));
        window->close();
        window.reset();
    }
}

TEST_F(MainWindowStartupTest, ClosingWhileMaximisedStoresTheNormalPlacement) {
    const Placement normal{1500, 750, 8985, 9000};
    Seed({{"Window Left", normal.left},
          {"Window Top", normal.top},
          {"Window Height", normal.height},
          {"Window Width", normal.width}});
    ASSERT_NO_FATAL_FAILURE(startWindow());
    ASSERT_TRUE(ShowsSoon(normal)) << ::testing::PrintToString(ShownPlacement());
    const QRect before = window->frameGeometry();
    window->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->isMaximized() && window->frameGeometry() != before; }));
    window->close();
    EXPECT_EQ(StoredPlacement(), normal);
    // And the next run comes up there, in the normal state.
    window.reset();
    ASSERT_NO_FATAL_FAILURE(startWindow());
    EXPECT_FALSE(window->isMaximized());
    EXPECT_TRUE(ShowsSoon(normal)) << ::testing::PrintToString(ShownPlacement());
}

TEST_F(MainWindowStartupTest, ClosingWhileMinimisedStoresTheNormalPlacement) {
    const Placement normal{1500, 750, 8985, 9000};
    Seed({{"Window Left", normal.left},
          {"Window Top", normal.top},
          {"Window Height", normal.height},
          {"Window Width", normal.width}});
    ASSERT_NO_FATAL_FAILURE(startWindow());
    ASSERT_TRUE(ShowsSoon(normal)) << ::testing::PrintToString(ShownPlacement());
    window->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isMinimized(); }));
    window->close();
    EXPECT_EQ(StoredPlacement(), normal);
}

// Values the program never writes itself; the window must start and draw all the same.
TEST_F(MainWindowStartupTest, AbsurdStoredValuesStartNormally) {
    const QString longDigits(100000, QLatin1Char('9'));
    const QString longLetters(100000, QLatin1Char('q'));
    const std::map<QString, QVariant> cases[] = {
        {{"x min", "7"},
         {"x max", "-7"},
         {"y min", "6"},
         {"y max", "-5"},
         {"Num of Samples", 0},
         {"color back", 2147483647},
         {"color axis", -1},
         {"color graph", -16777216},
         {"color err", 0x12345678}},
        {{"x min", "nan"},
         {"x max", "nan"},
         {"y min", "nan"},
         {"y max", "nan"},
         {"Num of Samples", -5}},
        {{"x min", "-1e39"},
         {"x max", "1e39"},
         {"y min", "-1e39"},
         {"y max", "7"},
         {"Num of Samples", 2147483647}},
        {{"x min", "-" + longDigits},
         {"x max", longDigits},
         {"y min", longLetters},
         {"y max", "1" + longLetters},
         {"Keep Aspect", 0}},
        {{"x min", "5"}, {"x max", "5"}, {"y min", "1"}, {"y max", "1"}, {"Keep Aspect", 0}},
    };
    int caseNumber = 0;
    for (const auto& values : cases) {
        ++caseNumber;
        ClearStore();
        Seed(values);
        ASSERT_NO_FATAL_FAILURE(startWindow());
        RunDelayedReplot(*window);
        EXPECT_TRUE(LaidOut()) << "case " << caseNumber;
        EXPECT_TRUE(window->isVisible()) << "case " << caseNumber;
        const QImage image = picture();
        ASSERT_FALSE(image.isNull()) << "case " << caseNumber;
        EXPECT_TRUE(PixelIs(image, 0, 0, ViewOf(*window).colors().backColor))
            << "case " << caseNumber;
        EXPECT_TRUE(testing_support::ShowsEmptyArea(*window)) << "case " << caseNumber;
        // The Settings menu still works, and a graph can be drawn over this range.
        control<QAction>("menugrid")->trigger();
        EXPECT_EQ(Stored("Show Grid").toInt(), 0) << "case " << caseNumber;
        control<QLineEdit>("inputfunc")->setText("1/x");
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
        EXPECT_EQ(ViewOf(*window).graphs().graphCount(), 1) << "case " << caseNumber;
        window->close();
        window.reset();
    }
}

// Stored placements that cannot be shown as they are end wholly inside the screen, title bar
// included; the sums of the largest stored numbers must not overflow on the way (the sanitizer
// run checks that).
TEST_F(MainWindowStartupTest, HandEditedPlacementsEndWhollyOnTheScreen) {
    constexpr int Max = 2147483647;
    constexpr int Min = -2147483647 - 1;
    const std::map<QString, QVariant> placements[] = {
        {{"Window Left", 12000}, {"Window Width", 21000}},
        {{"Window Width", Max}, {"Window Height", Max}},
        {{"Window Left", Max}, {"Window Top", Max}, {"Window Width", Max}, {"Window Height", Max}},
        {{"Window Left", Min}, {"Window Top", Min}, {"Window Width", Max}, {"Window Height", Max}},
        {{"Window Left", -3000}, {"Window Top", -600}},
        {{"Window Left", Max}, {"Window Top", 750}},
    };
    for (const auto& placement : placements) {
        SCOPED_TRACE(::testing::PrintToString(placement.begin()->second.toInt()));
        ClearStore();
        Seed(placement);
        ASSERT_NO_FATAL_FAILURE(startWindow());
        const QRect screen = window->screen()->availableGeometry();
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen.contains(window->frameGeometry()); }))
            << ::testing::PrintToString(window->frameGeometry());
        EXPECT_GE(window->frameGeometry().width(), std::min(Twips(7995), screen.width()));
        EXPECT_GE(window->frameGeometry().height(), std::min(Twips(8985), screen.height()));
        // What the close stores is where the window was, and starts there again.
        window->close();
        window.reset();
        const Placement stored = StoredPlacement();
        const QRect storedPixels(Twips(stored.left), Twips(stored.top), Twips(stored.width),
                                 Twips(stored.height));
        EXPECT_TRUE(screen.contains(storedPixels)) << ::testing::PrintToString(storedPixels);
    }
}

// A range or parameter that is not finite in single precision would be written back as a text
// that does not read back as itself; it counts as missing.
TEST_F(MainWindowStartupTest, StoredValuesInfiniteInSinglePrecisionAreReplacedByTheirDefaults) {
    Seed({{"x min", "-1e308"},
          {"x max", "1e39"},
          {"y min", "-5"},
          {"y max", "1e400"},
          {"Keep Aspect", 0},
          {"parameter a", "1e308"},
          {"parameter b", "-1e39"},
          {"parameter c", "2.5"}});
    ASSERT_NO_FATAL_FAILURE(startWindow());
    EXPECT_EQ(ViewOf(*window).range().Xmin, -7);
    EXPECT_EQ(ViewOf(*window).range().Xmax, 7);
    EXPECT_EQ(ViewOf(*window).range().Ymin, -5);
    EXPECT_EQ(ViewOf(*window).range().Ymax, 6);
    EXPECT_EQ(control<ClickableLabel>("labxmax")->text(), "7");
    EXPECT_EQ(control<ClickableLabel>("qqa")->text(), "a=0");
    EXPECT_EQ(control<ClickableLabel>("qqb")->text(), "b=1");
    EXPECT_EQ(control<ClickableLabel>("qqc")->text(), "c=2.5");
    for (const auto& [name, value] : {std::pair{"x min", "-7"},
                                      {"x max", "7"},
                                      {"y max", "6"},
                                      {"parameter a", "0"},
                                      {"parameter b", "1"},
                                      {"parameter c", "2.5"}}) {
        EXPECT_EQ(Stored(name).toString(), value) << name;
    }
    // Every expression with a parameter compiles again.
    control<QLineEdit>("inputfunc")->setText("a*x+b");
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_EQ(ViewOf(*window).graphs().graphCount(), 1);
    EXPECT_EQ(ViewOf(*window).graphs().graph(1).expression.postfixText, "0 x * 1 + ");
}

// The natural aspect ratio over an x range near the single-precision limit: the program must not
// store a y range it could not read back ("inf").
TEST_F(MainWindowStartupTest, TheAspectOverAHugeXRangeStoresAYRangeThatReadsBack) {
    Seed({{"x min", "-3.4E+38"}, {"x max", "3.4E+38"}, {"y min", "-5"}, {"y max", "6"}});
    ASSERT_NO_FATAL_FAILURE(startWindow());
    RunDelayedReplot(*window);
    for (const char* name : {"y min", "y max"}) {
        const QString stored = Stored(name).toString();
        EXPECT_TRUE(std::isfinite(TextToNumber(stored.toStdString())))
            << name << " " << stored.toStdString();
    }
    EXPECT_EQ(Stored("y max").toString(), "6");
    restartWindow();
    EXPECT_EQ(ViewOf(*window).range().Ymax, 6);
}

TEST_F(MainWindowStartupTest, HandEditedValuesAreReadAsTheLoadReadsThem) {
    Seed({{"x min", "nan"},
          {"x max", "12abc"},
          {"y min", "-2.5e0x"},
          {"y max", "7"},
          {"Keep Aspect", 0},
          {"Num of Samples", 2147483647},
          {"color back", 2147483647},
          {"color graph", -16777216},
          {"color err", 0x12345678}});
    ASSERT_NO_FATAL_FAILURE(startWindow());
    // A text without a number counts as missing: its default is used and stored; otherwise
    // its leading number counts.
    EXPECT_EQ(ViewOf(*window).range().Xmin, -7);
    EXPECT_EQ(ViewOf(*window).range().Xmax, 12);
    EXPECT_EQ(ViewOf(*window).range().Ymin, -2.5f);
    EXPECT_EQ(ViewOf(*window).range().Ymax, 7);
    EXPECT_EQ(Stored("x min").toString(), "-7");
    EXPECT_EQ(Stored("x max").toString(), "12");
    // The count is not checked at load.
    EXPECT_EQ(ViewOf(*window).options().sampleCount, 2147483647);
    // Only the 24 colour bits count, and they are stored back.
    EXPECT_EQ(ViewOf(*window).colors().backColor, Rgb(0xFFFFFF));
    EXPECT_EQ(ViewOf(*window).colors().nextGraphColor, Rgb(0x000000));
    EXPECT_EQ(ViewOf(*window).colors().outOfRangeColor, 0x345678u);
    EXPECT_EQ(Stored("color back").toInt(), 16777215);
    EXPECT_EQ(Stored("color graph").toInt(), 0);
    EXPECT_EQ(Stored("color err").toInt(), 0x345678);
    // The prompt proposes the count the window holds.
    control<QAction>("menupoints")->trigger();
    ASSERT_EQ(inputBox.questions.size(), 1u);
    EXPECT_EQ(inputBox.questions[0].proposed, "2147483647");
}

} // namespace
} // namespace plotmere
