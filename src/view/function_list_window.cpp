#include "view/function_list_window.h"

#include "settings/window_placement.h"
#include "themes/theme_table.h"
#include "view/fixed_row_header.h"
#include "view/graph_list.h"
#include "widgets/twips.h"
#include "widgets/widget_colors.h"
#include "widgets/window_geometry.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QHeaderView>
#include <QScreen>
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
    , theme_(theme)
    , mainWindow_(mainWindow) {
    setObjectName("Form3");
    setWindowTitle("Function List");
    // The user goes on typing in the main window while the list is open.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(TwipsSize(ClientWidthTwips, ClientHeightTwips));
    createGrid();

    settheme();
    placeBeside();
    Grid1->setGeometry(0, 0, width(), height());
    showfuncdata();
}

void FunctionListWindow::createGrid() {
    Grid1 = new QTableWidget(FewGraphsRowCount, 2, this);
    Grid1->setObjectName("Grid1");
    // Row 0 is the header row. It stays a row of the grid's own, with its texts and fixed-cell
    // colours, but the grid shows it through its horizontal header, which keeps it in view
    // above the rows however the list is scrolled or laid out.
    auto* header = new FixedRowHeader(Grid1);
    header->setObjectName("Grid1Header");
    header->setFixedHeight(Twips(RowHeightTwips));
    Grid1->setHorizontalHeader(header);
    Grid1->setRowHidden(0, true);
    Grid1->verticalHeader()->hide();
    Grid1->verticalHeader()->setMinimumSectionSize(1);
    Grid1->verticalHeader()->setDefaultSectionSize(Twips(RowHeightTwips));
    Grid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The list has nothing to act on, and a selected or current cell must look like any other
    // cell: the style shades both the selection and the focused cell, so the grid takes
    // neither. The mouse wheel and the scroll bar still scroll it.
    Grid1->setSelectionMode(QAbstractItemView::NoSelection);
    Grid1->setFocusPolicy(Qt::NoFocus);
    Grid1->setWordWrap(false);
    Grid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

// The window's outer top-left goes to the main window's outer top-right corner, unless that
// puts part of it off the main window's screen (a maximised main window, or one at the screen's
// right edge); then it moves the least distance onto the screen, over the main window.
void FunctionListWindow::placeBeside() {
    if (mainWindow_.isNull()) {
        return;
    }
    const QRect outer = mainWindow_->frameGeometry();
    // Before the window manager has framed this window, the main window's frame is the best
    // guess of its own.
    const QMargins frame = frameKnown_ ? OuterMargins(*this) : OuterMargins(*mainWindow_);
    QRect beside(QPoint(outer.left() + outer.width(), outer.top()), size().grownBy(frame));
    if (const QScreen* screen = mainWindow_->screen()) {
        beside = PlaceWithin(beside, screen->availableGeometry());
    }
    move(beside.topLeft());
}

// Once shown and framed, the window is placed again with its own frame, so that it lies wholly
// on the screen; after that it stays where the user puts it.
void FunctionListWindow::placeOnceFramed() {
    if (frameKnown_ || !isVisible() || OuterMargins(*this).isNull()) {
        return;
    }
    frameKnown_ = true;
    placeBeside();
}

void FunctionListWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    placeOnceFramed();
}

void FunctionListWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    placeOnceFramed();
}

void FunctionListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeOnceFramed();
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
        // The cell has no text; a screen reader says its colour.
        colorCell->setData(Qt::AccessibleTextRole, ColorText(graph.graphColor));
        Grid1->setItem(g, ColorColumn, colorCell);

        const QString expression = "y=" + QString::fromStdString(graph.expression.expressionText);
        auto* expressionCell = new QTableWidgetItem(expression);
        expressionCell->setFlags(Qt::ItemIsEnabled);
        // A long expression is cut at the column's edge; the tooltip shows it whole.
        expressionCell->setToolTip(expression);
        Grid1->setItem(g, ExpressionColumn, expressionCell);
    }
}

// The header row's cell, which the header shows; the header's own item carries the same text
// for those who read the column headers, such as a screen reader.
void FunctionListWindow::setHeaderCell(int column, const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    cell->setBackground(QBrush(ToQColor(fixedBack_)));
    cell->setForeground(QBrush(ToQColor(fixedText_)));
    Grid1->setItem(0, column, cell);
    Grid1->setHorizontalHeaderItem(column, new QTableWidgetItem(text));
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
    Grid1->horizontalHeader()->viewport()->update();
}

} // namespace plotmere
