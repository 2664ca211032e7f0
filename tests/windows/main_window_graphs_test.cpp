#include "support/main_window_fixture.h"
#include "support/main_window_state.h"

#include "view/drawing_units.h"
#include "view/function_list_window.h"
#include "widgets/clickable_label.h"
#include "windows/message_window.h"
#include "windows/window_test_helpers.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>

namespace plotmere {
namespace {

using namespace testing_support;

class MainWindowGraphsTest : public testing_support::MainWindowFixture {
protected:
    void type(const QString& expression) { control<QLineEdit>("inputfunc")->setText(expression); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // The pixel where the plane's point (x, y) is drawn with the current view.
    QRgb pixelAt(double x, double y) const {
        const QImage image = picture();
        const ViewRange& range = ViewOf(*window).range();
        const std::int32_t n = UsableSampleCount(ViewOf(*window).options().sampleCount);
        const PixelMapping map(DrawingUnits::ForSampleCount(n), image.width(), image.height());
        const int column = map.column(static_cast<float>(XUnits(x, range, n)));
        const int row = map.row(static_cast<float>(YUnits(y, range)));
        return image.pixel(column, row);
    }

    int pixelsOf(QRgb color) const {
        const QImage image = picture();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixel(x, y) == color ? 1 : 0;
            }
        }
        return count;
    }

    QString shownMessage() const {
        const MessageWindow* message = ShownMessageWindow();
        if (!message) {
            return QString();
        }
        return message->findChild<QPlainTextEdit*>("Text1")->toPlainText();
    }

    static constexpr QRgb Black = 0xFF000000;
};

TEST_F(MainWindowGraphsTest, StartsWithAnEmptyAreaAndGraphNumberOne) {
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Add Graph #1");
    EXPECT_EQ(ViewOf(*window).graphs().graphCount(), 0);
    EXPECT_EQ(pixelsOf(Black), 0);
    EXPECT_EQ(pixelAt(0, 2.5), 0xFF8080FF) << "the y axis";
    EXPECT_EQ(pixelAt(2.5, 0), 0xFF8080FF) << "the x axis";
}

TEST_F(MainWindowGraphsTest, AddGraphOverlaysEachGraphAndCountsOn) {
    type("0.5");
    click(control<QPushButton>("Command2"));
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Add Graph #2");
    type("-1");
    click(control<QPushButton>("Command2"));
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Add Graph #3");
    type("x");
    click(control<QPushButton>("Command2"));
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Add Graph #4");
    ASSERT_EQ(ViewOf(*window).graphs().graphCount(), 3);
    EXPECT_EQ(pixelAt(-3, 0.5), Black);
    EXPECT_EQ(pixelAt(-3, -1), Black);
    EXPECT_EQ(pixelAt(-3, -3), Black);
    EXPECT_EQ(ViewOf(*window).graphs().graph(2).expression.expressionText, "-1");
}

TEST_F(MainWindowGraphsTest, NewGraphStartsAFreshList) {
    type("x");
    click(control<QPushButton>("Command2"));
    type("0.5");
    click(control<QPushButton>("Command1"));
    ASSERT_EQ(ViewOf(*window).graphs().graphCount(), 1);
    EXPECT_EQ(ViewOf(*window).graphs().graph(1).expression.expressionText, "0.5");
    EXPECT_EQ(pixelAt(-2.5, -2.5), 0xFFFFFFFF) << "the first graph is gone";
    EXPECT_EQ(pixelAt(-3, 0.5), Black);
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Add Graph #2");
}

TEST_F(MainWindowGraphsTest, NewGraphWithAnInvalidExpressionLeavesAnEmptyArea) {
    type("x");
    click(control<QPushButton>("Command2"));
    type("sin(x");
    click(control<QPushButton>("Command1"));
    EXPECT_EQ(shownMessage(), "Incorrect function expression.\nImproper use of brackets.");
    EXPECT_EQ(ViewOf(*window).graphs().graphCount(), 0);
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Add Graph #1");
    EXPECT_EQ(pixelsOf(Black), 0);
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "sin(x") << "the user's text stays";
}

TEST_F(MainWindowGraphsTest, AddGraphWithAnInvalidExpressionChangesNothing) {
    type("x");
    click(control<QPushButton>("Command2"));
    const QImage before = picture();
    type("   ");
    click(control<QPushButton>("Command2"));
    EXPECT_EQ(shownMessage(), "Function expression is empty.");
    EXPECT_EQ(ViewOf(*window).graphs().graphCount(), 1);
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Add Graph #2");
}

TEST_F(MainWindowGraphsTest, TheBoxShowsTheNormalisedTextWithTheCaretAtItsEnd) {
    type("X * Sin(5*X)");
    control<QLineEdit>("inputfunc")->setCursorPosition(2);
    click(control<QPushButton>("Command2"));
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "x*sin(5*x)");
    EXPECT_EQ(control<QLineEdit>("inputfunc")->cursorPosition(), 10);
    EXPECT_TRUE(control<QLineEdit>("inputfunc")->hasFocus());
    EXPECT_TRUE(control<QPushButton>("Command2")->isEnabled());
    for (const char* busy : {"labbusy1", "labbusy2", "labbusy3", "labbusy4"}) {
        EXPECT_FALSE(control<ClickableLabel>(busy)->isVisible());
    }
}

TEST_F(MainWindowGraphsTest, EnterAddsAGraphAndEscClearsThemAll) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return control<QLineEdit>("inputfunc")->hasFocus(); }));
    QTest::keyClicks(control<QLineEdit>("inputfunc"), "2*x");
    QTest::keyClick(control<QLineEdit>("inputfunc"), Qt::Key_Return);
    QTest::keyClicks(control<QLineEdit>("inputfunc"), "+1");
    QTest::keyClick(control<QLineEdit>("inputfunc"), Qt::Key_Enter);
    ASSERT_EQ(ViewOf(*window).graphs().graphCount(), 2);
    EXPECT_EQ(ViewOf(*window).graphs().graph(2).expression.expressionText, "2*x+1");
    QTest::keyClick(control<QLineEdit>("inputfunc"), Qt::Key_Escape);
    EXPECT_EQ(ViewOf(*window).graphs().graphCount(), 0);
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Add Graph #1");
    EXPECT_EQ(pixelsOf(Black), 0);
}

TEST_F(MainWindowGraphsTest, CopyPutsThePictureOnTheClipboard) {
    type("x*sin(5*x)");
    click(control<QPushButton>("Command2"));
    click(control<QPushButton>("Command4"));
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              picture().convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainWindowGraphsTest, RedrawKeepsEveryGraphInItsOwnColour) {
    colorPicker.pickNext(Rgb(0xFF0000));
    QTest::mouseClick(control<ClickableLabel>("labcgraph"), Qt::LeftButton);
    type("1");
    click(control<QPushButton>("Command2"));
    colorPicker.pickNext(Rgb(0x00A000));
    QTest::mouseClick(control<ClickableLabel>("labcgraph"), Qt::LeftButton);
    type("-1");
    click(control<QPushButton>("Command2"));
    QTest::mouseClick(control<ClickableLabel>("labxzoomout"),
                      Qt::LeftButton); // ends in a full redraw
    EXPECT_EQ(pixelAt(-3, 1), 0xFFFF0000);
    EXPECT_EQ(pixelAt(-3, -1), 0xFF00A000);
}

TEST_F(MainWindowGraphsTest, RandomColourModeDrawsEachGraphInTheColourChosenBefore) {
    control<QAction>("menurandom")->trigger();
    ASSERT_EQ(ViewOf(*window).options().randomColor, 1);
    for (int i = 0; i < 5; ++i) {
        const ColorValue chosen = ViewOf(*window).colors().nextGraphColor;
        type(QString::number(i));
        click(control<QPushButton>("Command2"));
        EXPECT_EQ(ViewOf(*window).graphs().graph(i + 1).graphColor, chosen);
        const ColorValue next = ViewOf(*window).colors().nextGraphColor;
        for (int g = 1; g <= ViewOf(*window).graphs().graphCount(); ++g) {
            EXPECT_GE(ColorDistance(next, ViewOf(*window).graphs().graph(g).graphColor), 30);
        }
        EXPECT_GE(ColorDistance(next, ViewOf(*window).colors().backColor), 30);
    }
}

TEST_F(MainWindowGraphsTest, ManyGraphsInRandomColourModeStillFinish) {
    control<QAction>("menurandom")->trigger();
    for (int i = 0; i < 300; ++i) {
        type("1");
        click(control<QPushButton>("Command2"));
    }
    EXPECT_EQ(ViewOf(*window).graphs().graphCount(), 300);
    EXPECT_NE(ViewOf(*window).colors().nextGraphColor, ViewOf(*window).colors().backColor);
}

TEST_F(MainWindowGraphsTest, ClicksDuringARedrawNeitherCrashNorLoseGraphs) {
    type("x");
    click(control<QPushButton>("Command2"));
    // While the zoom's redraw yields to pending events, another graph is added and the list is
    // cleared and refilled.
    type("0.5");
    QTimer::singleShot(0, window.get(), [&] { click(control<QPushButton>("Command2")); });
    QTest::mouseClick(control<ClickableLabel>("labxzoomin"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ViewOf(*window).graphs().graphCount() == 2; }));
    QTest::mouseClick(control<ClickableLabel>("labxzoomout"), Qt::LeftButton);
    EXPECT_EQ(pixelAt(-1, 0.5), Black);
    EXPECT_EQ(pixelAt(-1, -1), Black);

    QTimer::singleShot(0, window.get(), [&] { click(control<QPushButton>("Command1")); });
    QTest::mouseClick(control<ClickableLabel>("labxzoomin"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ViewOf(*window).graphs().graphCount() == 1; }));
}

TEST_F(MainWindowGraphsTest, AFailedNewGraphEmptiesTheOpenFunctionList) {
    type("x");
    click(control<QPushButton>("Command2"));
    click(control<QPushButton>("Command5"));
    ASSERT_NE(OpenFunctionList(), nullptr);
    auto* grid = OpenFunctionList()->findChild<QTableWidget*>("Grid1");
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(grid->item(1, 1), nullptr);
    EXPECT_EQ(grid->item(1, 1)->text(), "y=x");

    type("sin(x");
    click(control<QPushButton>("Command1"));
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Add Graph #1");
    EXPECT_EQ(grid->item(1, 1), nullptr) << "the deleted graph is still listed";
    EXPECT_EQ(grid->item(0, 1)->text(), "Function Expression");
}

// A graph added while a zoom redraws, right after the redraw cleared the area, must still end
// up over the graphs before it.
TEST_F(MainWindowGraphsTest, AGraphAddedDuringARedrawLiesOverTheOlderOnes) {
    colorPicker.pickNext(Rgb(0xFF0000));
    QTest::mouseClick(control<ClickableLabel>("labcgraph"), Qt::LeftButton);
    type("x");
    click(control<QPushButton>("Command2"));
    colorPicker.pickNext(Rgb(0x00A000));
    QTest::mouseClick(control<ClickableLabel>("labcgraph"), Qt::LeftButton);
    type("x");

    bool injected = false;
    QTimer inject;
    inject.setInterval(0);
    QObject::connect(&inject, &QTimer::timeout, [&] {
        // The redraw's reset has happened when the area shows nothing but grid and axes.
        if (!injected && ViewOf(*window).graphs().graphCount() == 1 &&
            testing_support::ShowsEmptyArea(*window)) {
            injected = true;
            click(control<QPushButton>("Command2"));
        }
    });
    inject.start();
    QTest::mouseClick(control<ClickableLabel>("labxzoomin"), Qt::LeftButton);
    inject.stop();

    ASSERT_TRUE(injected) << "the redraw never yielded with a cleared area";
    ASSERT_EQ(ViewOf(*window).graphs().graphCount(), 2);
    EXPECT_EQ(pixelAt(0.5, 0.5), 0xFF00A000) << "graph 1 was drawn over graph 2";
    EXPECT_EQ(pixelAt(-1, -1), 0xFF00A000);
}

} // namespace
} // namespace plotmere
