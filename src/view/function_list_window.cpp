#include "view/function_list_window.h"

#include "settings/window_placement.h"
#include "themes/theme_table.h"
#include "view/graph_list.h"
#include "widgets/twips.h"
#include "widgets/widget_colors.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
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
    // Scrolling by whole rows lets the header below cover exactly the row that scrolled under it.
    Grid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    createFixedHeader();
}

// Row 0 stays in view: a second view of the same cells, one row high, lies over the top row of
// the grid's viewport. Unscrolled it covers row 0 itself; scrolled by k rows it covers row k,
// so rows k + 1 onwards show below the header as if only they scrolled.
void FunctionListWindow::createFixedHeader() {
    fixedHeader_ = new QTableView(Grid1);
    fixedHeader_->setObjectName("Grid1FixedHeader");
    fixedHeader_->setModel(Grid1->model());
    fixedHeader_->horizontalHeader()->hide();
    fixedHeader_->verticalHeader()->hide();
    fixedHeader_->verticalHeader()->setMinimumSectionSize(1);
    fixedHeader_->verticalHeader()->setDefaultSectionSize(Twips(RowHeightTwips));
    fixedHeader_->setFrameShape(QFrame::NoFrame);
    fixedHeader_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixedHeader_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixedHeader_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fixedHeader_->setSelectionMode(QAbstractItemView::NoSelection);
    fixedHeader_->setFocusPolicy(Qt::NoFocus);
    fixedHeader_->setWordWrap(false);
    // The wheel over the header scrolls the list, as it does over the rows.
    fixedHeader_->viewport()->installEventFilter(this);
    Grid1->viewport()->installEventFilter(this);
}

void FunctionListWindow::placeFixedHeader() {
    const QRect rows = Grid1->viewport()->geometry();
    fixedHeader_->setGeometry(rows.left(), rows.top(), rows.width(), Grid1->rowHeight(0));
    for (int column : {ColorColumn, ExpressionColumn}) {
        fixedHeader_->setColumnWidth(column, Grid1->columnWidth(column));
    }
    fixedHeader_->raise();
}

bool FunctionListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Grid1->viewport() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        placeFixedHeader();
    }
    if (watched == fixedHeader_->viewport() && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(Grid1->viewport(), event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The window's outer top-left goes to the main window's outer top-right corner, unless that
// puts part of it off the main window's screen (a maximised main window, or one at the screen's
// right edge); then it moves the least distance onto the screen, over the main window.
void FunctionListWindow::placeBeside(const QWidget* mainWindow) {
    if (mainWindow == nullptr) {
        return;
    }
    const QRect outer = mainWindow->frameGeometry();
    // Not shown yet, this window knows no frame of its own; the main window's is the best guess.
    const QSize frame = outer.size() - mainWindow->geometry().size();
    QRect beside(QPoint(outer.left() + outer.width(), outer.top()), size() + frame);
    if (const QScreen* screen = mainWindow->screen()) {
        beside = PlaceWithin(beside, screen->availableGeometry());
    }
    move(beside.topLeft());
}

void FunctionListWindow::showfuncdata() {
    const std::int32_t n = graphs_.graphCount();
    const bool fewGraphs = n < FewGraphsRowCount;
    Grid1->setRowCount(fewGraphs ? FewGraphsRowCount : n + 1);
    Grid1->setColumnWidth(ColorColumn, Twips(ColorColumnTwips));
    Grid1->setColumnWidth(ExpressionColumn, Twips(fewGraphs ? WideExpressionColumnTwips
                                                            : NarrowExpressionColumnTwips));
    placeFixedHeader();

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

        const QString expression = "y=" + QString::fromStdString(graph.expression.expressionText);
        auto* expressionCell = new QTableWidgetItem(expression);
        expressionCell->setFlags(Qt::ItemIsEnabled);
        // A long expression is cut at the column's edge; the tooltip shows it whole.
        expressionCell->setToolTip(expression);
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
    SetColors(fixedHeader_, theme_.editBack, theme_.editText);
    SetSelectionColors(fixedHeader_, theme_.editBack, theme_.editText);

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
