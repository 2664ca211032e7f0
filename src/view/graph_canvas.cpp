#include "view/graph_canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace plotmere {

GraphCanvas::GraphCanvas(QWidget* parent)
    : QWidget(parent) {
    // Keyboard input always belongs to the expression box.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& GraphCanvas::resetImage() {
    const qreal ratio = devicePixelRatioF();
    const int width = std::max(1, static_cast<int>(std::lround(this->width() * ratio)));
    const int height = std::max(1, static_cast<int>(std::lround(this->height() * ratio)));
    if (image_.width() != width || image_.height() != height) {
        image_ = QImage(width, height, QImage::Format_RGB32);
    }
    image_.setDevicePixelRatio(ratio);
    return image_;
}

void GraphCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawImage(rect(), image_);
}

} // namespace plotmere
