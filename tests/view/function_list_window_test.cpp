#include "view/function_list_window.h"

#include "support/qt_printers.h"
#include "support/widget_palette.h"
#include "themes/theme_table.h"
#include "view/graph_list.h"
#include "widgets/twips.h"
#include "widgets/widget_colors.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace plotmere {
namespace {

ColorTheme Theme(const char* name) {
    return FindColorTheme(name).value_or(ColorTheme{});
}

class FunctionListWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The program's one style, under which the painted cells are checked.
        previousStyle_ = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        mainWindow.setGeometry(120, 90, 500, 400);
        mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    }

    void TearDown() override {
        delete window.data();
        QApplication::setStyle(QStyleFactory::create(previousStyle_));
    }

    void Open() {
        delete window.data();
        window = new FunctionListWindow(graphs, theme, &mainWindow);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.data()));
        grid = window->findChild<QTableWidget*>("Grid1");
        ASSERT_NE(grid, nullptr);
    }

    void Add(const std::string& text, ColorValue color) { graphs.add({text, text, text}, color); }

    QString Text(int row, int column) const {
        return grid->item(row, column) != nullptr ? grid->item(row, column)->text() : "<none>";
    }

    // The colour most pixels of a cell are painted in, so that text and borders do not count.
    ColorValue Painted(int row, int column) const {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        const QImage picture = grid->viewport()->grab().toImage();
        const qreal ratio = picture.devicePixelRatio();
        std::map<ColorValue, int> counts;
        for (int y = cell.top() + 2; y <= cell.bottom() - 2; ++y) {
            for (int x = cell.left() + 2; x <= cell.right() - 2; ++x) {
                ++counts[FromQColor(picture.pixelColor(QPoint(x, y) * ratio))];
            }
        }
        return std::max_element(counts.begin(), counts.end(),
                                [](auto& a, auto& b) { return a.second < b.second; })
            ->first;
    }

    // The colour most pixels of a header cell are painted in.
    ColorValue PaintedHeader(int column) const {
        QHeaderView* header = grid->horizontalHeader();
        const QRect cell(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                         header->height());
        return PaintedOnGrid(cell.translated(header->geometry().topLeft()));
    }

    // Where row 0 lies in the grid when the grid shows it as an ordinary row, unscrolled: right
    // inside the frame, one row high, as wide as the rows.
    QRect RowZeroPlace() const {
        return QRect(grid->contentsRect().topLeft(), QSize(grid->viewport()->width(), Twips(255)));
    }

    // The colour most pixels of a rectangle of the whole grid (its viewport and whatever lies
    // over it) are painted in.
    ColorValue PaintedOnGrid(const QRect& area) const {
        const QImage picture = grid->grab().toImage();
        const qreal ratio = picture.devicePixelRatio();
        std::map<ColorValue, int> counts;
        for (int y = area.top() + 2; y <= area.bottom() - 2; ++y) {
            for (int x = area.left() + 2; x <= area.right() - 2; ++x) {
                ++counts[FromQColor(picture.pixelColor(QPoint(x, y) * ratio))];
            }
        }
        return std::max_element(counts.begin(), counts.end(),
                                [](auto& a, auto& b) { return a.second < b.second; })
            ->first;
    }

    GraphList graphs;
    ColorTheme theme = Theme("Original Lite");
    QWidget mainWindow;
    QPointer<FunctionListWindow> window;
    QTableWidget* grid = nullptr;

private:
    QString previousStyle_;
};

TEST_F(FunctionListWindowTest, RowsAndColumnWidthsFollowTheNumberOfGraphs) {
    struct Case {
        int graphs, rows, expressionTwips;
    };
    for (const Case c : {Case{0, 10, 2400}, {9, 10, 2400}, {10, 11, 2150}, {13, 14, 2150}}) {
        SCOPED_TRACE(c.graphs);
        graphs.clear();
        for (int g = 1; g <= c.graphs; ++g) {
            Add("x^" + std::to_string(g), ColorFromComponents(g, 2 * g, 3 * g));
        }
        Open();
        EXPECT_EQ(grid->rowCount(), c.rows);
        EXPECT_EQ(grid->columnWidth(0), Twips(600));
        EXPECT_EQ(grid->columnWidth(1), Twips(c.expressionTwips));
        EXPECT_EQ(Text(0, 0), "Color");
        EXPECT_EQ(Text(0, 1), "Function Expression");
        if (c.graphs > 0) {
            EXPECT_EQ(Text(c.graphs, 1), "y=x^" + QString::number(c.graphs));
        }
        for (int row = c.graphs + 1; row < c.rows; ++row) {
            EXPECT_TRUE(grid->item(row, 0) == nullptr && grid->item(row, 1) == nullptr) << row;
        }
    }
}

TEST_F(FunctionListWindowTest, ColourCellsShowTheGraphColoursAlsoBlackAndAfterThemeChanges) {
    Add("sin(x)", Rgb(0xFF4040));
    Add("x", 0);
    Open(); // white cells, so a black cell cannot pass for an empty one
    EXPECT_EQ(Text(1, 1), "y=sin(x)");
    EXPECT_EQ(Painted(1, 0), Rgb(0xFF4040));
    EXPECT_EQ(Painted(2, 0), ColorValue{0});
    EXPECT_EQ(Painted(3, 0), theme.editBack);

    theme = Theme("Mono Dark"); // black cells
    window->settheme();
    EXPECT_EQ(Painted(1, 0), Rgb(0xFF4040));
    EXPECT_EQ(Painted(3, 0), ColorValue{0});
    theme = Theme("Original Lite");
    window->settheme();
    EXPECT_EQ(Painted(2, 0), ColorValue{0});
}

TEST_F(FunctionListWindowTest, TakesTheThemeColours) {
    Add("x", Rgb(0x123456));
    for (const char* name : {"Original Lite", "Winamp Old", "Halloween"}) {
        SCOPED_TRACE(name);
        theme = Theme(name);
        Open();
        EXPECT_EQ(BackgroundOf(window), theme.windowBack);
        EXPECT_EQ(BackgroundOf(grid), theme.editBack);
        EXPECT_EQ(TextColorOf(grid), theme.editText);
        EXPECT_EQ(SelectionBackgroundOf(grid), theme.editBack);
        EXPECT_EQ(SelectionTextColorOf(grid), theme.editText);
        EXPECT_EQ(FromQColor(grid->item(0, 1)->foreground().color()), theme.keyText);
        EXPECT_EQ(PaintedHeader(0), theme.keyBack);
        EXPECT_EQ(PaintedHeader(1), theme.keyBack);
        EXPECT_EQ(Painted(4, 1), theme.editBack);
        // A clicked cell looks like any other.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(1, 1)).center());
        EXPECT_EQ(Painted(1, 1), theme.editBack);
    }
    // A refill after a theme change keeps the new header colours.
    theme = Theme("Bloods");
    window->settheme();
    window->showfuncdata();
    EXPECT_EQ(PaintedHeader(1), theme.keyBack);
}

TEST_F(FunctionListWindowTest, StandsAtTheRightEdgeOfTheMainWindow) {
    Open();
    EXPECT_EQ(window->objectName(), "Form3");
    EXPECT_EQ(window->windowTitle(), "Function List");
    EXPECT_EQ(window->parentWidget(), nullptr);
    const QRect mainFrame = mainWindow.frameGeometry();
    EXPECT_EQ(window->frameGeometry().topLeft(),
              QPoint(mainFrame.left() + mainFrame.width(), mainFrame.top()));
    EXPECT_EQ(grid->geometry(), QRect(QPoint(0, 0), window->size()));
}

TEST_F(FunctionListWindowTest, RefillFollowsTheGraphList) {
    Open();
    Add("cos(x)", Rgb(0x0000FF));
    window->showfuncdata();
    EXPECT_EQ(Text(1, 1), "y=cos(x)");
    EXPECT_EQ(Painted(1, 0), Rgb(0x0000FF));

    graphs.clear();
    window->showfuncdata();
    EXPECT_EQ(grid->rowCount(), 10);
    EXPECT_EQ(Text(0, 1), "Function Expression");
    EXPECT_EQ(Text(1, 1), "<none>");
    EXPECT_EQ(Painted(1, 0), theme.editBack);
}

TEST_F(FunctionListWindowTest, DeletesItselfWhenClosed) {
    Open();
    window->close();
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.isNull(); }));
}

TEST_F(FunctionListWindowTest, TheHeaderRowStaysAtRowZerosPlaceForAnyNumberOfGraphsAndScroll) {
    for (const int count : {1, 9, 10, 15, 40}) {
        SCOPED_TRACE(count);
        graphs.clear();
        for (int g = 1; g <= count; ++g) {
            Add("x+" + std::to_string(g), Rgb(0x0000FF));
        }
        Open();
        QHeaderView* header = grid->horizontalHeader();
        QScrollBar* scroll = grid->verticalScrollBar();
        for (const bool scrolled : {false, true}) {
            SCOPED_TRACE(scrolled ? "scrolled to the end" : "at opening");
            if (scrolled) {
                scroll->setValue(scroll->maximum());
                QApplication::processEvents();
            }
            EXPECT_TRUE(header->isVisible());
            EXPECT_EQ(header->geometry(), RowZeroPlace());
            EXPECT_EQ(header->sectionSize(0), grid->columnWidth(0));
            EXPECT_EQ(header->sectionSize(1), grid->columnWidth(1));
            // The rows start right below it: graph 1 at opening, the last graph in view at the
            // end of the list.
            EXPECT_EQ(grid->viewport()->geometry().top(), RowZeroPlace().bottom() + 1);
            EXPECT_EQ(PaintedHeader(0), theme.keyBack);
            EXPECT_EQ(PaintedHeader(1), theme.keyBack);
            const int row = scrolled ? count : 1;
            const QRect cell = grid->visualRect(grid->model()->index(row, 0));
            EXPECT_TRUE(grid->viewport()->rect().contains(cell)) << row;
            if (!scrolled) {
                EXPECT_EQ(cell.top(), 0);
            }
            EXPECT_EQ(PaintedOnGrid(cell.translated(grid->viewport()->geometry().topLeft())),
                      Rgb(0x0000FF));
        }
    }
    // Theme changes reach the header in any scroll position.
    theme = Theme("Bloods");
    window->settheme();
    window->showfuncdata();
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_EQ(PaintedHeader(1), theme.keyBack);
}

// The header shows row 0 exactly as the grid paints an ordinary row: a row given row 0's cells
// looks the same, pixel for pixel.
TEST_F(FunctionListWindowTest, TheHeaderLooksLikeARowOfTheGrid) {
    for (const int count : {3, 12}) {
        SCOPED_TRACE(count);
        graphs.clear();
        for (int g = 1; g <= count; ++g) {
            Add("x+" + std::to_string(g), Rgb(0x0000FF));
        }
        Open();
        for (int column : {0, 1}) {
            grid->setItem(1, column, grid->item(0, column)->clone());
        }
        QApplication::processEvents();
        const QRect header = RowZeroPlace();
        const QRect rowOne = header.translated(0, header.height());
        ASSERT_EQ(grid->visualRect(grid->model()->index(1, 0)).top(), 0);
        EXPECT_EQ(grid->grab(header).toImage(), grid->grab(rowOne).toImage());
    }
}

TEST_F(FunctionListWindowTest, ScreenReadersReadTheColumnHeaders) {
    Open();
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "Color");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Function Expression");
}

TEST_F(FunctionListWindowTest, EachExpressionCellTellsItsWholeTextOnHover) {
    const std::string longExpression = "sin(x)*cos(2*x)+tan(3*x)*cot(4*x)-sqrt(abs(5*x))";
    Add("x", 0);
    Add(longExpression, 0);
    Open();
    EXPECT_EQ(grid->item(1, 1)->toolTip(), "y=x");
    EXPECT_EQ(grid->item(2, 1)->toolTip(), "y=" + QString::fromStdString(longExpression));
    EXPECT_EQ(grid->item(2, 1)->text(), "y=" + QString::fromStdString(longExpression));
    EXPECT_TRUE(grid->item(0, 1)->toolTip().isEmpty());
}

TEST_F(FunctionListWindowTest, AMainWindowAtTheScreensRightEdgeGetsTheListOnTheScreen) {
    const QRect screen = mainWindow.screen()->availableGeometry();
    struct Case {
        const char* what;
        QRect mainWindow;
    };
    const Case cases[] = {
        {"at the right edge", {screen.right() - 500, 90, 480, 400}},
        {"as large as the screen", screen.adjusted(2, 2, -2, -2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mainWindow.setGeometry(c.mainWindow);
        ASSERT_TRUE(QTest::qWaitFor([&] { return mainWindow.geometry() == c.mainWindow; }));
        Open();
        EXPECT_TRUE(screen.contains(window->frameGeometry()))
            << ::testing::PrintToString(window->frameGeometry());
        EXPECT_EQ(window->frameGeometry().top(), mainWindow.frameGeometry().top());
        EXPECT_EQ(window->frameGeometry().right(), screen.right());
    }
}

// Before it is shown the list can only guess its frame from the main window's; once it knows
// its own, it is placed again, wholly on the screen.
TEST_F(FunctionListWindowTest, IsPlacedOnTheScreenWithItsOwnFrameOnceShown) {
    const QRect screen = mainWindow.screen()->availableGeometry();
    QWidget frameless(nullptr, Qt::FramelessWindowHint);
    frameless.setGeometry(screen.right() - 500, 90, 480, 400);
    frameless.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frameless));
    ASSERT_EQ(frameless.frameGeometry(), frameless.geometry());
    delete window.data();
    window = new FunctionListWindow(graphs, theme, &frameless);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.data()));
    ASSERT_NE(window->frameGeometry(), window->geometry()) << "the list has no frame";
    EXPECT_TRUE(screen.contains(window->frameGeometry()))
        << ::testing::PrintToString(window->frameGeometry());
    EXPECT_EQ(window->frameGeometry().right(), screen.right());
    EXPECT_EQ(window->frameGeometry().top(), frameless.frameGeometry().top());
}

} // namespace
} // namespace plotmere
