#include "view/function_list_window.h"

#include "themes/theme_table.h"
#include "themes/widget_colors.h"
#include "view/graph_list.h"
#include "windows/twips.h"

#include <QApplication>
#include <QImage>
#include <QPointer>
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
        EXPECT_EQ(Painted(0, 0), theme.keyBack);
        EXPECT_EQ(Painted(0, 1), theme.keyBack);
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
    EXPECT_EQ(Painted(0, 1), theme.keyBack);
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

} // namespace
} // namespace plotmere
