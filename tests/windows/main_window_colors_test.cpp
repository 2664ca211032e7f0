#include "support/main_window_fixture.h"
#include "support/main_window_state.h"
#include "windows/window_test_helpers.h"

#include "themes/graph_colors.h"
#include "widgets/clickable_label.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

#include <memory>

namespace plotmere {
namespace {

using namespace testing_support;

using testing_support::CountPixels;
using testing_support::PixelIs;
using testing_support::RunDelayedReplot;
using testing_support::ShownBackground;

class MainWindowColorsTest : public testing_support::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        // Redraws are counted from here on: let the replot armed by loading run first.
        RunDelayedReplot(*window);
        redraws = std::make_unique<QSignalSpy>(&ViewOf(*window), &GraphView::drawn);
    }

    static int Stored(const char* name) { return Store().value(name).toInt(); }

    // A pixel of the y axis half-way between two horizontal grid lines.
    QPoint AxisPixel() const { return testing_support::PixelOf(*window, 0, 0.5); }

    std::unique_ptr<QSignalSpy> redraws;
};

struct SwatchRow {
    const char* swatch;
    ColorValue GraphColors::*field;
    const char* valueName;
    ColorValue defaultColor;
    bool redraws;
};

const SwatchRow Swatches[] = {
    {"labcback", &GraphColors::backColor, "color back", Rgb(0xFFFFFF), true},
    {"labcaxis", &GraphColors::axisColor, "color axis", Rgb(0x8080FF), true},
    {"labcgraph", &GraphColors::nextGraphColor, "color graph", Rgb(0x000000), false},
    {"labcerr", &GraphColors::outOfRangeColor, "color err", Rgb(0xFF4040), true},
};

TEST_F(MainWindowColorsTest, SwatchOpensThePickerOnItsColourAndStoresThePick) {
    const ColorValue picked = Rgb(0x123456);
    for (const SwatchRow& row : Swatches) {
        redraws->clear();
        colorPicker.pickNext(picked);
        QTest::mouseClick(control<ClickableLabel>(row.swatch), Qt::LeftButton);
        ASSERT_FALSE(colorPicker.openedWith.empty()) << row.valueName;
        EXPECT_EQ(colorPicker.openedWith.back(), row.defaultColor) << row.valueName;
        EXPECT_EQ(ViewOf(*window).colors().*row.field, picked) << row.valueName;
        EXPECT_EQ(Stored(row.valueName), 0x563412) << row.valueName; // red in the low byte
        EXPECT_EQ(ShownBackground(control<ClickableLabel>(row.swatch)), picked) << row.valueName;
        EXPECT_EQ(redraws->size(), row.redraws ? 1 : 0) << row.valueName;
    }
    EXPECT_EQ(colorPicker.openedWith.size(), 4u);
    // A second click opens on the colour now shown.
    QTest::mouseClick(control<ClickableLabel>("labcgraph"), Qt::LeftButton);
    EXPECT_EQ(colorPicker.openedWith.back(), picked);
}

TEST_F(MainWindowColorsTest, NewBackgroundRepaintsTheAreaWithItsGrid) {
    const ColorValue back = Rgb(0x336699);
    colorPicker.pickNext(back);
    QTest::mouseClick(control<ClickableLabel>("labcback"), Qt::LeftButton);
    EXPECT_EQ(ViewOf(*window).colors().gridColor, Rgb(0x477A85)); // 33+20, 66+20, 99-20
    EXPECT_TRUE(PixelIs(picture(), 0, 0, back));
    EXPECT_EQ(CountPixels(picture(), Rgb(0xFFFFFF)), 0);
    EXPECT_EQ(CountPixels(picture(), Rgb(0xEBEBEB)), 0);
    EXPECT_GT(CountPixels(picture(), Rgb(0x477A85)), 0);
    EXPECT_TRUE(testing_support::ShowsEmptyArea(*window));
}

TEST_F(MainWindowColorsTest, NewAxisColourRedrawsTheAxes) {
    const ColorValue axis = Rgb(0x00A000);
    colorPicker.pickNext(axis);
    QTest::mouseClick(control<ClickableLabel>("labcaxis"), Qt::LeftButton);
    const QPoint onAxis = AxisPixel();
    EXPECT_TRUE(PixelIs(picture(), onAxis.x(), onAxis.y(), axis));
    EXPECT_EQ(CountPixels(picture(), Rgb(0x8080FF)), 0);
    EXPECT_TRUE(testing_support::ShowsEmptyArea(*window));
}

TEST_F(MainWindowColorsTest, CancelKeepsTheColourButStoresItAgain) {
    for (const SwatchRow& row : Swatches) {
        redraws->clear();
        {
            // Something else wrote the value meanwhile: the swatch stores its own again.
            QSettings settings = Store();
            settings.setValue(row.valueName, 42);
            settings.sync();
        }
        QTest::mouseClick(control<ClickableLabel>(row.swatch),
                          Qt::LeftButton); // nothing picked: Cancel
        EXPECT_EQ(ViewOf(*window).colors().*row.field, row.defaultColor) << row.valueName;
        EXPECT_EQ(Stored(row.valueName), static_cast<int>(row.defaultColor)) << row.valueName;
        EXPECT_EQ(ShownBackground(control<ClickableLabel>(row.swatch)), row.defaultColor)
            << row.valueName;
        EXPECT_EQ(redraws->size(), row.redraws ? 1 : 0) << row.valueName;
    }
}

TEST_F(MainWindowColorsTest, NextGraphColourChangesNoPixel) {
    const QImage before = picture();
    colorPicker.pickNext(Rgb(0xFF0000));
    QTest::mouseClick(control<ClickableLabel>("labcgraph"), Qt::LeftButton);
    EXPECT_EQ(redraws->size(), 0);
    EXPECT_TRUE(picture() == before);
    EXPECT_EQ(ViewOf(*window).colors().nextGraphColor, Rgb(0xFF0000));
}

TEST_F(MainWindowColorsTest, DarkPresetSetsAllFourColoursAndRedraws) {
    QTest::mouseClick(control<ClickableLabel>("labcolordark"), Qt::LeftButton);
    const GraphColors& colors = ViewOf(*window).colors();
    EXPECT_EQ(colors.backColor, Rgb(0x202020));
    EXPECT_EQ(colors.axisColor, Rgb(0x8080FF));
    EXPECT_EQ(colors.nextGraphColor, Rgb(0xE6E6E6));
    EXPECT_EQ(colors.outOfRangeColor, Rgb(0xFF4040));
    EXPECT_EQ(colors.gridColor, Rgb(0x343434));
    EXPECT_EQ(Stored("color back"), 0x202020);
    EXPECT_EQ(Stored("color axis"), 16744576);
    EXPECT_EQ(Stored("color graph"), 15132390); // E6E6E6
    EXPECT_EQ(Stored("color err"), 4210943);
    EXPECT_EQ(ShownBackground(control<ClickableLabel>("labcback")), Rgb(0x202020));
    EXPECT_EQ(ShownBackground(control<ClickableLabel>("labcgraph")), Rgb(0xE6E6E6));
    EXPECT_EQ(redraws->size(), 1);

    EXPECT_TRUE(PixelIs(picture(), 0, 0, Rgb(0x202020)));
    EXPECT_GT(CountPixels(picture(), Rgb(0x343434)), 0);
    EXPECT_EQ(CountPixels(picture(), Rgb(0xFFFFFF)), 0);
    EXPECT_TRUE(testing_support::ShowsEmptyArea(*window));
    const QPoint onAxis = AxisPixel();
    EXPECT_TRUE(PixelIs(picture(), onAxis.x(), onAxis.y(), Rgb(0x8080FF)));
}

TEST_F(MainWindowColorsTest, DarkPresetRedrawsPlottedGraphsInTheirOwnColours) {
    colorPicker.pickNext(Rgb(0x0000FF));
    QTest::mouseClick(control<ClickableLabel>("labcgraph"), Qt::LeftButton);
    control<QLineEdit>("inputfunc")->setText("x");
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_EQ(ViewOf(*window).graphs().graphCount(), 1);
    const int graphPixels = CountPixels(picture(), Rgb(0x0000FF));
    ASSERT_GT(graphPixels, 0);

    QTest::mouseClick(control<ClickableLabel>("labcolordark"), Qt::LeftButton);
    EXPECT_EQ(ViewOf(*window).colors().nextGraphColor, Rgb(0xE6E6E6));
    EXPECT_GT(CountPixels(picture(), Rgb(0x0000FF)), graphPixels / 2);
    EXPECT_EQ(CountPixels(picture(), Rgb(0xE6E6E6)), 0);
    EXPECT_TRUE(PixelIs(picture(), 0, 0, Rgb(0x202020)));
}

TEST_F(MainWindowColorsTest, NewBackgroundKeepsThePlottedGraphs) {
    control<QLineEdit>("inputfunc")->setText("x");
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_GT(CountPixels(picture(), Rgb(0x000000)), 0);
    colorPicker.pickNext(Rgb(0xFFFFE0));
    QTest::mouseClick(control<ClickableLabel>("labcback"), Qt::LeftButton);
    EXPECT_GT(CountPixels(picture(), Rgb(0x000000)), 0);
    EXPECT_TRUE(PixelIs(picture(), 0, 0, Rgb(0xFFFFE0)));
}

TEST_F(MainWindowColorsTest, LightPresetRestoresTheDefaults) {
    colorPicker.pickNext(Rgb(0x010203));
    QTest::mouseClick(control<ClickableLabel>("labcaxis"), Qt::LeftButton);
    QTest::mouseClick(control<ClickableLabel>("labcolordark"), Qt::LeftButton);
    redraws->clear();
    QTest::mouseClick(control<ClickableLabel>("labcolorlight"), Qt::LeftButton);
    EXPECT_EQ(ViewOf(*window).colors(), LightPreset());
    EXPECT_EQ(Stored("color back"), 16777215);
    EXPECT_EQ(Stored("color axis"), 16744576);
    EXPECT_EQ(Stored("color graph"), 0);
    EXPECT_EQ(Stored("color err"), 4210943);
    for (const SwatchRow& row : Swatches) {
        EXPECT_EQ(ShownBackground(control<ClickableLabel>(row.swatch)), row.defaultColor)
            << row.valueName;
    }
    EXPECT_EQ(redraws->size(), 1);
    EXPECT_TRUE(PixelIs(picture(), 0, 0, Rgb(0xFFFFFF)));
    EXPECT_GT(CountPixels(picture(), Rgb(0xEBEBEB)), 0);
    EXPECT_EQ(CountPixels(picture(), Rgb(0x202020)), 0);
    EXPECT_TRUE(testing_support::ShowsEmptyArea(*window));
}

TEST_F(MainWindowColorsTest, PresetReplacesTheNextColourInRandomMode) {
    control<QAction>("menurandom")->trigger();
    QTest::mouseClick(control<ClickableLabel>("labcolordark"), Qt::LeftButton);
    EXPECT_EQ(ViewOf(*window).colors().nextGraphColor, Rgb(0xE6E6E6));
    EXPECT_EQ(Stored("color graph"), 15132390);
}

} // namespace
} // namespace plotmere
