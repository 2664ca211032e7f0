#include "support/main_window_fixture.h"
#include "support/main_window_state.h"

#include "widgets/clickable_label.h"
#include "windows/message_window.h"

#include <QAction>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace plotmere {
namespace {

using namespace testing_support;

// Range labels and zoom labels, clicked as a user would, with the natural aspect ratio off
// unless a test turns it on.
class MainWindowRangesTest : public testing_support::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        control<QAction>("menuaspect")->trigger();
        ASSERT_EQ(ViewOf(*window).options().keepAspect, 0);
    }

    void clickLabel(ClickableLabel* label) { QTest::mouseClick(label, Qt::LeftButton); }

    void answer(ClickableLabel* label, const QString& text) {
        inputBox.answerNext(text);
        clickLabel(label);
    }

    void setRange(float xmin, float xmax, float ymin, float ymax) {
        // Widen first so that no order rule interferes, then set the wanted values.
        answer(control<ClickableLabel>("labxmax"), "99999");
        answer(control<ClickableLabel>("labxmin"), QString::number(xmin));
        answer(control<ClickableLabel>("labxmax"), QString::number(xmax));
        answer(control<ClickableLabel>("labymax"), "99999");
        answer(control<ClickableLabel>("labymin"), QString::number(ymin));
        answer(control<ClickableLabel>("labymax"), QString::number(ymax));
    }

    QString labels() const {
        return QString("%1 %2 %3 %4")
            .arg(control<ClickableLabel>("labxmin")->text(),
                 control<ClickableLabel>("labxmax")->text(),
                 control<ClickableLabel>("labymin")->text(),
                 control<ClickableLabel>("labymax")->text());
    }

    QString storedRange() const {
        QSettings settings = Store();
        return QString("%1 %2 %3 %4")
            .arg(settings.value("x min").toString(), settings.value("x max").toString(),
                 settings.value("y min").toString(), settings.value("y max").toString());
    }

    QString shownMessage() const {
        const MessageWindow* message = ShownMessageWindow();
        return message ? message->findChild<QPlainTextEdit*>("Text1")->toPlainText() : QString();
    }
};

TEST_F(MainWindowRangesTest, EachRangeLabelAsksWithItsOwnPrompt) {
    const std::pair<ClickableLabel*, const char*> rows[] = {
        {control<ClickableLabel>("labxmin"), "Enter new Xmin value:"},
        {control<ClickableLabel>("labxmax"), "Enter new Xmax value:"},
        {control<ClickableLabel>("labymin"), "Enter new Ymin value:"},
        {control<ClickableLabel>("labymax"), "Enter new Ymax value:"},
    };
    for (const auto& [label, prompt] : rows) {
        inputBox.questions.clear();
        clickLabel(label);
        ASSERT_EQ(inputBox.questions.size(), 1u);
        EXPECT_EQ(inputBox.questions[0].prompt, prompt);
        EXPECT_EQ(inputBox.questions[0].title, "Veldrake Plotmere");
        EXPECT_EQ(inputBox.questions[0].proposed, label->text());
    }
}

TEST_F(MainWindowRangesTest, AnAcceptedValueIsStoredShownAndDrawn) {
    QSignalSpy redraws(&ViewOf(*window), &GraphView::drawn);
    answer(control<ClickableLabel>("labxmin"), "0.5");
    EXPECT_EQ(control<ClickableLabel>("labxmin")->text(), ".5");
    EXPECT_EQ(Store().value("x min").toString(), ".5");
    EXPECT_EQ(redraws.size(), 1);

    answer(control<ClickableLabel>("labxmin"), "8");
    EXPECT_EQ(labels().section(' ', 0, 1), "8 9");
    answer(control<ClickableLabel>("labymax"), "-5");
    EXPECT_EQ(ViewOf(*window).range().Ymax, -5);
    EXPECT_EQ(ViewOf(*window).range().Ymin, -6);
    EXPECT_EQ(storedRange(), labels());
}

// A value too long for its label is shown whole in a smaller type; one that fits keeps the
// label's own type.
TEST_F(MainWindowRangesTest, ALongRangeValueIsShownWhole) {
    auto* xmax = control<ClickableLabel>("labxmax");
    const QFont inherited = xmax->font();
    for (const char* typed : {"1.23456E-05", "-1.234568E-05"}) {
        SCOPED_TRACE(typed);
        answer(xmax, typed);
        EXPECT_EQ(xmax->text(), Store().value("x max").toString());
        EXPECT_LE(QFontMetricsF(xmax->font()).horizontalAdvance(xmax->text()),
                  xmax->contentsRect().width());
        EXPECT_LT(xmax->font().pointSizeF(), inherited.pointSizeF());
    }
    answer(xmax, "12.5");
    EXPECT_EQ(xmax->text(), "12.5");
    EXPECT_EQ(xmax->font(), inherited);
}

TEST_F(MainWindowRangesTest, NonCanonicalAnswersAndCancelChangeNothingSilently) {
    QSignalSpy redraws(&ViewOf(*window), &GraphView::drawn);
    const QString before = labels();
    for (const char* typed : {"0.50", "+5", "1e2", "007", " 5", "five", ""}) {
        answer(control<ClickableLabel>("labxmax"), typed);
    }
    EXPECT_EQ(labels(), before);
    EXPECT_EQ(redraws.size(), 0);
    EXPECT_EQ(ShownMessageWindow(), nullptr);
}

TEST_F(MainWindowRangesTest, ValuesBeyondTheLimitGiveTheMessage) {
    const QString before = labels();
    answer(control<ClickableLabel>("labymin"), "100000");
    EXPECT_EQ(shownMessage(), "Out of allowed range [-99999 to 99999].");
    EXPECT_EQ(labels(), before);
    EXPECT_EQ(storedRange(), before);
}

TEST_F(MainWindowRangesTest, ZoomingAlongXHalvesAndDoublesAroundTheCentre) {
    setRange(-7, 7, -5, 6);
    clickLabel(control<ClickableLabel>("labxzoomin"));
    EXPECT_EQ(labels().section(' ', 0, 1), "-3.5 3.5");
    clickLabel(control<ClickableLabel>("labxzoomin"));
    EXPECT_EQ(labels().section(' ', 0, 1), "-1.75 1.75");
    clickLabel(control<ClickableLabel>("labxzoomin"));
    EXPECT_EQ(labels().section(' ', 0, 1), "-.75 .75");
    QSignalSpy redraws(&ViewOf(*window), &GraphView::drawn);
    clickLabel(control<ClickableLabel>("labxzoomin"));
    EXPECT_EQ(labels().section(' ', 0, 1), "-.75 .75");
    EXPECT_EQ(redraws.size(), 0) << "a refused zoom does not redraw";
    EXPECT_EQ(labels().section(' ', 2, 3), "-5 6") << "y stays when the aspect is off";
    EXPECT_EQ(storedRange(), labels());
}

TEST_F(MainWindowRangesTest, ZoomingOutAlongY) {
    setRange(-7, 7, -5, 6);
    clickLabel(control<ClickableLabel>("labyzoomout"));
    EXPECT_EQ(labels(), "-7 7 -10.5 11.5");
}

TEST_F(MainWindowRangesTest, WithTheAspectOnAZoomKeepsTheRatio) {
    control<QAction>("menuaspect")->trigger();
    ASSERT_EQ(ViewOf(*window).options().keepAspect, 1);
    const double ratio = static_cast<double>(control<GraphCanvas>("grafik")->height()) /
                         control<GraphCanvas>("grafik")->width();
    clickLabel(control<ClickableLabel>("labyzoomin"));
    const ViewRange& range = ViewOf(*window).range();
    EXPECT_EQ(range.Xmin, -3.5f);
    EXPECT_EQ(range.Xmax, 3.5f);
    const double expectedYmax = std::floor((range.Ymin + 7.0 * ratio) * 100) / 100;
    EXPECT_NEAR(range.Ymax, expectedYmax, 1e-5);
    EXPECT_EQ(storedRange(), labels());
}

TEST_F(MainWindowRangesTest, WithTheAspectOnAnEditedTopMovesTheBottom) {
    control<QAction>("menuaspect")->trigger();
    const double ratio = static_cast<double>(control<GraphCanvas>("grafik")->height()) /
                         control<GraphCanvas>("grafik")->width();
    answer(control<ClickableLabel>("labymax"), "6");
    const double expectedYmin = std::floor((6 - 14 * ratio) * 100) / 100 + 0.01;
    EXPECT_NEAR(ViewOf(*window).range().Ymin, expectedYmin, 1e-5);
    EXPECT_EQ(ViewOf(*window).range().Ymax, 6);
}

TEST_F(MainWindowRangesTest, RangesSurviveARestart) {
    answer(control<ClickableLabel>("labxmin"), "-2.5");
    answer(control<ClickableLabel>("labxmax"), "12");
    const QString before = labels();
    restartWindow();
    EXPECT_EQ(labels(), before);
}

} // namespace
} // namespace plotmere
