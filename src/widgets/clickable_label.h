#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace plotmere {

// A label that acts on a click: keypad keys, range and zoom labels, colour swatches.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        QLabel::mouseReleaseEvent(event);
    }
};

} // namespace plotmere
