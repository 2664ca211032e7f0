#pragma once

#include <QImage>
#include <QWidget>

namespace plotmere {

// The graph area: shows a persistent image that drawing accumulates on until the next reset.
// The image has the widget's size in device pixels, so graphs stay crisp on high-DPI screens.
class GraphCanvas : public QWidget {
    Q_OBJECT
public:
    explicit GraphCanvas(QWidget* parent = nullptr);

    // A fresh image at the current device pixel size; the caller paints its background.
    QImage& resetImage();
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

} // namespace plotmere
