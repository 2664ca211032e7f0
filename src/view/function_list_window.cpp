#include "view/function_list_window.h"

#include "themes/theme_table.h"
#include "themes/widget_colors.h"
#include "view/graph_list.h"
#include "windows/twips.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QHeaderView>
#include <QTableWidget>
#include <QTableWidgetItem>

#include <cstdint>

namespace plotmere {

namespace {

constexpr int ColorColumn = 0;
constexpr int ExpressionColumn = 1;
constexpr int ColorColumnTwips = 600;
constexpr int WideExpressionColumnTwips = 2400;
// With ten graphs or more the vertical scroll bar takes its share of the expression column.
constexpr int NarrowExpressionColumnTwips = 2150;
constexpr int FewGraphsRowCount = 10;
constexpr int RowHeightTwips = 255;

// Ten rows of both columns at their wide widths, plus the grid's frame on each side.
constexpr int GridFrameTwips = 60;
constexpr int ClientWidthTwips = ColorColumnTwips + WideExpressionColumnTwips + GridFrameTwips;
constexpr int ClientHeightTwips = FewGraphsRowCount * RowHeightTwips + GridFrameTwips;

} // namespace

FunctionListWindow::FunctionListWindow(const GraphList& graphs, const ColorTheme& theme,
                                       QWidget* mainWindow)
    : QWidget(nullptr)
    , graphs_(graphs)
    , theme_(theme) {
    setObjectName("Form3");
    setWindowTitle("Function List");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(TwipsSize(ClientWidthTwips, ClientHeightTwips));
    createGrid();

    settheme();
    placeBeside(mainWindow);
    Grid1->setGeometry(0, 0, width(), height());
    showfuncdata();
}

void FunctionListWindow::createGrid() {
    Grid1 = new QTableWidget(FewGraphsRowCount, 2, this);
    Grid1->setObjectName("Grid1");
    // Row 0 is the header; the grid's own headers would be a second one.
    Grid1->horizontalHeader()->hide();
    Grid1->verticalHeader()->hide();
    Grid1->verticalHeader()->setMinimumSectionSize(1);
    Grid1->verticalHeader()->setDefaultSectionSize(Twips(RowHeightTwips));
    Grid1->horizontalHeader()->setStretchLastSection(false);
    Grid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The list has nothing to act on, and a selected or current cell must look like any other
    // cell: the style shades both the selection and the focused cell, so the grid takes
    // neither. The mouse wheel and the scroll bar still scroll it.
    Grid1->setSelectionMode(QAbstractItemView::NoSelection);
    Grid1->setFocusPolicy(Qt::NoFocus);
    Grid1->setWordWrap(false);
}

// The window's outer top-left goes to the main window's outer top-right corner.
void FunctionListWindow::placeBeside(const QWidget* mainWindow) {
    if (mainWindow == nullptr) {
        return;
    }
    const QRect outer = mainWindow->frameGeometry();
    move(outer.left() + outer.width(), outer.top());
}

void FunctionListWindow::showfuncdata() {
    const std::int32_t n = graphs_.graphCount();
    const bool fewGraphs = n < FewGraphsRowCount;
    Grid1->setRowCount(fewGraphs ? FewGraphsRowCount : n + 1);
    Grid1->setColumnWidth(ColorColumn, Twips(ColorColumnTwips));
    Grid1->setColumnWidth(ExpressionColumn, Twips(fewGraphs ? WideExpressionColumnTwips
                                                            : NarrowExpressionColumnTwips));

    Grid1->clearContents();
    setHeaderCell(ColorColumn, "Color");
    setHeaderCell(ExpressionColumn, "Function Expression");

    for (std::int32_t g = 1; g <= n; ++g) {
        const GraphEntry& graph = graphs_.graph(g);

        // An explicit brush, so black is shown as black and not as the grid's cell colour.
        auto* colorCell = new QTableWidgetItem;
        colorCell->setFlags(Qt::ItemIsEnabled);
        colorCell->setBackground(QBrush(ToQColor(graph.graphColor)));
        Grid1->setItem(g, ColorColumn, colorCell);

        auto* expressionCell =
            new QTableWidgetItem("y=" + QString::fromStdString(graph.expression.expressionText));
        expressionCell->setFlags(Qt::ItemIsEnabled);
        Grid1->setItem(g, ExpressionColumn, expressionCell);
    }
}

void FunctionListWindow::setHeaderCell(int column, const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    cell->setBackground(QBrush(ToQColor(fixedBack_)));
    cell->setForeground(QBrush(ToQColor(fixedText_)));
    Grid1->setItem(0, column, cell);
}

void FunctionListWindow::settheme() {
    SetBackground(this, theme_.windowBack);
    // The area beyond the cells and the cells themselves both paint from the grid's base.
    SetColors(Grid1, theme_.editBack, theme_.editText);
    SetSelectionColors(Grid1, theme_.editBack, theme_.editText);

    fixedBack_ = theme_.keyBack;
    fixedText_ = theme_.keyText;
    for (int column : {ColorColumn, ExpressionColumn}) {
        if (QTableWidgetItem* cell = Grid1->item(0, column)) {
            cell->setBackground(QBrush(ToQColor(fixedBack_)));
            cell->setForeground(QBrush(ToQColor(fixedText_)));
        }
    }
}

} // namespace plotmere
