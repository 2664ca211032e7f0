#pragma once

#include <QHeaderView>

class QTableView;

namespace plotmere {

// The grid's fixed header row as Qt's own horizontal header, so that it keeps its place above
// the rows through every scroll, resize and layout of the grid. Each section shows row 0 of
// the grid's model (a row the grid itself keeps hidden) exactly as the grid would paint that
// row, in its cells' colours and with the grid's lines.
class FixedRowHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit FixedRowHeader(QTableView* grid);

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QTableView* grid_;
};

} // namespace plotmere
