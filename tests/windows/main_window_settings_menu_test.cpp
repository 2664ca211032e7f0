#include "support/main_window_fixture.h"
#include "support/main_window_state.h"
#include "windows/window_test_helpers.h"

#include "engine/number_text.h"
#include "themes/graph_colors.h"
#include "widgets/clickable_label.h"
#include "windows/message_window.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

#include <cmath>
#include <cstdint>
#include <memory>

namespace plotmere {
namespace {

using namespace testing_support;

using testing_support::CountPixels;
using testing_support::RunDelayedReplot;
using testing_support::ShownBackground;

class MainWindowSettingsMenuTest : public testing_support::MainWindowFixture {
protected:
    // Redraws are counted from here on, once the replot armed by loading has run.
    void CountRedrawsFromNow() {
        RunDelayedReplot(*window);
        redraws = std::make_unique<QSignalSpy>(&ViewOf(*window), &GraphView::drawn);
    }

    static QVariant Stored(const char* name) { return Store().value(name); }

    int GridPixels() const {
        return CountPixels(picture(), DeriveGridColor(ViewOf(*window).colors().backColor));
    }

    QString ShownMessage() const {
        MessageWindow* message = ShownMessageWindow();
        if (!message) {
            return QString();
        }
        const auto* text = message->findChild<QPlainTextEdit*>("Text1");
        return text ? text->toPlainText() : QString();
    }

    // The window active and the expression box holding the keyboard, as after a start.
    void FocusExpressionBox() {
        window->activateWindow();
        control<QLineEdit>("inputfunc")->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return control<QLineEdit>("inputfunc")->hasFocus(); }));
    }

    std::unique_ptr<QSignalSpy> redraws;
};

TEST_F(MainWindowSettingsMenuTest, SampleCountPromptProposesTheCurrentCount) {
    CountRedrawsFromNow();
    inputBox.answerNext("150");
    control<QAction>("menupoints")->trigger();
    ASSERT_EQ(inputBox.questions.size(), 1u);
    EXPECT_EQ(inputBox.questions[0].prompt, "Enter new number of sample points:");
    EXPECT_EQ(inputBox.questions[0].title, "Veldrake Plotmere");
    EXPECT_EQ(inputBox.questions[0].proposed, "10000");

    // 150 rounds to 200 before the range test.
    EXPECT_EQ(ViewOf(*window).options().sampleCount, 200);
    EXPECT_EQ(Stored("Num of Samples").toInt(), 200);
    EXPECT_EQ(redraws->size(), 1);
    EXPECT_EQ(ShownMessageWindow(), nullptr);

    control<QAction>("menupoints")->trigger(); // cancelled: only to see the proposal
    ASSERT_EQ(inputBox.questions.size(), 2u);
    EXPECT_EQ(inputBox.questions[1].proposed, "200");
}

TEST_F(MainWindowSettingsMenuTest, AcceptedCountsAreRoundedToHundreds) {
    CountRedrawsFromNow();
    const std::pair<const char*, std::int32_t> rows[] = {{"250", 200},        {"350", 400},
                                                         {"100049", 100000},  {"5000", 5000},
                                                         {"99999.5", 100000}, {"200", 200}};
    for (const auto& [answer, count] : rows) {
        redraws->clear();
        inputBox.answerNext(answer);
        control<QAction>("menupoints")->trigger();
        EXPECT_EQ(ViewOf(*window).options().sampleCount, count) << answer;
        EXPECT_EQ(Stored("Num of Samples").toInt(), count) << answer;
        EXPECT_EQ(redraws->size(), 1) << answer;
        // Drawn in the units of the new count.
        EXPECT_TRUE(testing_support::ShowsEmptyArea(*window)) << answer;
    }
}

TEST_F(MainWindowSettingsMenuTest, CountOutOfRangeShowsTheMessageAndChangesNothing) {
    CountRedrawsFromNow();
    for (const char* answer : {"100051", "0", "-300", "1E+300"}) {
        redraws->clear();
        inputBox.answerNext(answer);
        control<QAction>("menupoints")->trigger();
        ASSERT_NE(ShownMessageWindow(), nullptr) << answer;
        EXPECT_EQ(ShownMessage(), "Out of allowed range [200 to 100000].") << answer;
        EXPECT_EQ(ViewOf(*window).options().sampleCount, 10000) << answer;
        EXPECT_EQ(Stored("Num of Samples").toInt(), 10000) << answer;
        EXPECT_EQ(redraws->size(), 0) << answer;
    }
}

TEST_F(MainWindowSettingsMenuTest, CancelledOrMalformedCountChangesNothingSilently) {
    CountRedrawsFromNow();
    const QImage before = picture();
    control<QAction>("menupoints")->trigger(); // nothing scripted: the user cancels
    for (const char* answer :
         {"5000.0", "5,000", " 5000", "5000 ", "0.5", "5e3", "abc", "50 00", "05000"}) {
        inputBox.answerNext(answer);
        control<QAction>("menupoints")->trigger();
    }
    EXPECT_EQ(inputBox.questions.size(), 10u);
    EXPECT_EQ(ViewOf(*window).options().sampleCount, 10000);
    EXPECT_EQ(Stored("Num of Samples").toInt(), 10000);
    EXPECT_EQ(redraws->size(), 0);
    EXPECT_EQ(ShownMessageWindow(), nullptr);
    EXPECT_TRUE(picture() == before);
}

TEST_F(MainWindowSettingsMenuTest, EachSwitchFollowsItsCheckMarkAndIsStored) {
    struct Row {
        const char* item;
        const char* valueName;
        std::int32_t ViewOptions::*field;
        bool initiallyOn;
    };
    const Row rows[] = {
        {"menugrid", "Show Grid", &ViewOptions::showGrid, true},
        {"menuaspect", "Keep Aspect", &ViewOptions::keepAspect, true},
        {"menusingular", "Look For Singular", &ViewOptions::lookForSingular, true},
        {"menurandom", "Random Color", &ViewOptions::randomColor, false},
    };
    for (const Row& row : rows) {
        QAction* item = control<QAction>(row.item);
        for (int click = 1; click <= 2; ++click) {
            item->trigger();
            const bool on = (click == 1) != row.initiallyOn;
            EXPECT_EQ(item->isChecked(), on) << row.valueName << " click " << click;
            EXPECT_EQ(ViewOf(*window).options().*row.field, on ? 1 : 0)
                << row.valueName << " click " << click;
            EXPECT_EQ(Stored(row.valueName).toInt(), on ? 1 : 0)
                << row.valueName << " click " << click;
        }
    }
}

TEST_F(MainWindowSettingsMenuTest, GridSwitchRedrawsWithAndWithoutTheGrid) {
    CountRedrawsFromNow();
    ASSERT_GT(GridPixels(), 0);
    control<QAction>("menugrid")->trigger();
    EXPECT_EQ(redraws->size(), 1);
    EXPECT_EQ(GridPixels(), 0);
    EXPECT_TRUE(testing_support::ShowsEmptyArea(*window));
    EXPECT_GT(CountPixels(picture(), ViewOf(*window).colors().axisColor), 0);
    control<QAction>("menugrid")->trigger();
    EXPECT_EQ(redraws->size(), 2);
    EXPECT_GT(GridPixels(), 0);
}

TEST_F(MainWindowSettingsMenuTest, GridSwitchRedrawsThePlottedGraphsToo) {
    control<QLineEdit>("inputfunc")->setText("x");
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_EQ(ViewOf(*window).graphs().graphCount(), 1);
    const int graphPixels = CountPixels(picture(), Rgb(0x000000));
    ASSERT_GT(graphPixels, 0);
    control<QAction>("menugrid")->trigger();
    EXPECT_EQ(GridPixels(), 0);
    // The line y = x crosses no more grid lines, so at least as many of its pixels show.
    EXPECT_GE(CountPixels(picture(), Rgb(0x000000)), graphPixels);
}

TEST_F(MainWindowSettingsMenuTest, SingularSwitchRedraws) {
    CountRedrawsFromNow();
    control<QAction>("menusingular")->trigger();
    EXPECT_EQ(redraws->size(), 1);
    control<QAction>("menusingular")->trigger();
    EXPECT_EQ(redraws->size(), 2);
}

TEST_F(MainWindowSettingsMenuTest, AspectSwitchedOffKeepsTheRangeAndDoesNotRedraw) {
    CountRedrawsFromNow();
    const ViewRange before = ViewOf(*window).range();
    const QString storedTop = Stored("y max").toString();
    control<QAction>("menuaspect")->trigger();
    EXPECT_EQ(ViewOf(*window).options().keepAspect, 0);
    EXPECT_EQ(ViewOf(*window).range().Ymin, before.Ymin);
    EXPECT_EQ(ViewOf(*window).range().Ymax, before.Ymax);
    EXPECT_EQ(Stored("y max").toString(), storedTop);
    EXPECT_EQ(redraws->size(), 0);
}

// The window started with the aspect off and a y range that does not keep it.
class MainWindowAspectOffTest : public MainWindowSettingsMenuTest {
protected:
    void SetUp() override {
        SettingsSandbox::SetUp();
        QSettings settings = Store();
        settings.setValue("Keep Aspect", 0);
        settings.setValue("y max", "9");
        settings.sync();
        ASSERT_NO_FATAL_FAILURE(startWindow());
    }
};

TEST_F(MainWindowAspectOffTest, AspectSwitchedOnRecomputesStoresAndRedraws) {
    CountRedrawsFromNow();
    ASSERT_EQ(ViewOf(*window).range().Ymax, 9);
    ASSERT_FALSE(control<QAction>("menuaspect")->isChecked());
    control<QAction>("menuaspect")->trigger();
    EXPECT_TRUE(control<QAction>("menuaspect")->isChecked());
    EXPECT_EQ(Stored("Keep Aspect").toInt(), 1);

    const double ratio = static_cast<double>(control<GraphCanvas>("grafik")->height()) /
                         control<GraphCanvas>("grafik")->width();
    const auto top = static_cast<float>(-5 + 14 * ratio);
    const auto expected = static_cast<float>(std::floor(static_cast<double>(top) * 100) / 100);
    EXPECT_EQ(ViewOf(*window).range().Ymin, -5);
    EXPECT_EQ(ViewOf(*window).range().Ymax, expected);
    const QString text = QString::fromStdString(NumberToText(expected, SinglePrecisionDigits));
    EXPECT_EQ(Stored("y max").toString(), text);
    EXPECT_EQ(Stored("y min").toString(), "-5");
    EXPECT_EQ(control<ClickableLabel>("labymax")->text(), text);
    EXPECT_EQ(redraws->size(), 1);
    EXPECT_TRUE(testing_support::ShowsEmptyArea(*window));
    // The horizontal axis sits where the new range puts it.
    const QPoint origin = testing_support::PixelOf(*window, 0, 0);
    EXPECT_TRUE(testing_support::PixelIs(picture(), origin.x() / 2, origin.y(),
                                         ViewOf(*window).colors().axisColor));
}

TEST_F(MainWindowSettingsMenuTest, RandomColourOnPicksTheNextColourWithoutRedrawing) {
    CountRedrawsFromNow();
    ASSERT_EQ(ViewOf(*window).colors().nextGraphColor, Rgb(0x000000));
    control<QAction>("menurandom")->trigger();
    const ColorValue next = ViewOf(*window).colors().nextGraphColor;
    EXPECT_NE(next, Rgb(0x000000)); // one chance in 16.7 million of drawing black again
    EXPECT_GE(ColorDistance(next, ViewOf(*window).colors().backColor), 30);
    EXPECT_EQ(ShownBackground(control<ClickableLabel>("labcgraph")), next);
    EXPECT_EQ(Stored("color graph").toInt(), static_cast<int>(next));
    EXPECT_EQ(redraws->size(), 0);

    // Switched off, the last colour stays.
    control<QAction>("menurandom")->trigger();
    EXPECT_EQ(ViewOf(*window).colors().nextGraphColor, next);
    EXPECT_EQ(Stored("color graph").toInt(), static_cast<int>(next));
    EXPECT_EQ(redraws->size(), 0);
}

TEST_F(MainWindowSettingsMenuTest, CtrlGInTheExpressionBoxTogglesTheGrid) {
    ASSERT_NO_FATAL_FAILURE(FocusExpressionBox());
    QTest::keyClick(control<QLineEdit>("inputfunc"), Qt::Key_G, Qt::ControlModifier);
    EXPECT_FALSE(control<QAction>("menugrid")->isChecked());
    EXPECT_EQ(ViewOf(*window).options().showGrid, 0);
    EXPECT_EQ(GridPixels(), 0);
    QTest::keyClick(control<QLineEdit>("inputfunc"), Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(control<QAction>("menugrid")->isChecked());
    EXPECT_GT(GridPixels(), 0);
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "");
}

TEST_F(MainWindowSettingsMenuTest, CtrlAInTheExpressionBoxTogglesTheAspectNotSelectAll) {
    ASSERT_NO_FATAL_FAILURE(FocusExpressionBox());
    control<QLineEdit>("inputfunc")->setText("x+1");
    control<QLineEdit>("inputfunc")->deselect();
    QTest::keyClick(control<QLineEdit>("inputfunc"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(control<QAction>("menuaspect")->isChecked());
    EXPECT_EQ(ViewOf(*window).options().keepAspect, 0);
    EXPECT_EQ(Stored("Keep Aspect").toInt(), 0);
    EXPECT_FALSE(control<QLineEdit>("inputfunc")->hasSelectedText());
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "x+1");
    QTest::keyClick(control<QLineEdit>("inputfunc"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(control<QAction>("menuaspect")->isChecked());
    EXPECT_EQ(ViewOf(*window).options().keepAspect, 1);
}

TEST_F(MainWindowSettingsMenuTest, CtrlNAndCtrlRWorkFromTheExpressionBox) {
    ASSERT_NO_FATAL_FAILURE(FocusExpressionBox());
    QTest::keyClick(control<QLineEdit>("inputfunc"), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(inputBox.questions.size(), 1u);
    QTest::keyClick(control<QLineEdit>("inputfunc"), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(control<QAction>("menurandom")->isChecked());
    EXPECT_EQ(ViewOf(*window).options().randomColor, 1);
}

} // namespace
} // namespace plotmere
