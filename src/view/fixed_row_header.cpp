#include "view/fixed_row_header.h"

#include <QAbstractItemDelegate>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace plotmere {

namespace {

// The options the grid paints an unfocused, unselected cell with.
QStyleOptionViewItem CellOption(const QTableView& grid, const QRect& rect) {
    QStyleOptionViewItem option;
    option.initFrom(&grid);
    option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
    if (!grid.hasFocus()) {
        option.state &= ~QStyle::State_Active;
    }
    option.font = grid.font();
    const int icon = grid.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &grid);
    option.decorationSize = QSize(icon, icon);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.decorationAlignment = Qt::AlignCenter;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = grid.textElideMode();
    option.showDecorationSelected = true;
    option.locale = grid.locale();
    option.widget = &grid;
    option.rect = rect;
    return option;
}

} // namespace

FixedRowHeader::FixedRowHeader(QTableView* grid)
    : QHeaderView(Qt::Horizontal, grid)
    , grid_(grid) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setStretchLastSection(false);
    setFocusPolicy(Qt::NoFocus);
}

// Beyond the last section lies the grid's own background, as beyond its last column.
void FixedRowHeader::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), grid_->palette().base());
    for (int visual = 0; visual < count(); ++visual) {
        const int logical = logicalIndex(visual);
        if (isSectionHidden(logical)) {
            continue;
        }
        const QRect section(sectionViewportPosition(logical), 0, sectionSize(logical), height());
        if (section.intersects(event->rect())) {
            paintSection(&painter, section, logical);
        }
    }
}

// As the grid paints a cell: the item in a rectangle one pixel short of the section on the
// right and at the bottom, where the grid's lines run.
void FixedRowHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QModelIndex cell = model()->index(0, logicalIndex);
    const QRect inside = rect.adjusted(0, 0, -1, -1);
    const QStyleOptionViewItem option = CellOption(*grid_, inside);
    painter->save();
    grid_->itemDelegate()->paint(painter, option, cell);
    if (grid_->showGrid()) {
        const auto gridHint = static_cast<QRgb>(
            grid_->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, grid_));
        painter->setPen(QPen(QColor::fromRgba(gridHint), 1, grid_->gridStyle()));
        painter->drawLine(
            QLineF(inside.left(), inside.bottom() + 1, inside.right() + 1, inside.bottom() + 1)
                .translated(0.5, 0.5));
        painter->drawLine(
            QLineF(inside.right() + 1, inside.top(), inside.right() + 1, inside.bottom() + 1)
                .translated(0.5, 0.5));
    }
    painter->restore();
}

} // namespace plotmere
