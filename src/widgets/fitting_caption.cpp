#include "widgets/fitting_caption.h"

#include <QFontMetricsF>
#include <QLabel>

namespace plotmere {

namespace {

// Below this a caption would no longer be readable; it is shown cut rather than smaller.
constexpr qreal SmallestPointSize = 4.5;
constexpr qreal PointSizeStep = 0.25;

bool Fits(const QFont& font, const QString& caption, int width) {
    return QFontMetricsF(font).horizontalAdvance(caption) <= width;
}

} // namespace

void ShowFittingCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    // An empty font resolves nothing of its own: the label takes its parent's font again.
    label->setFont(QFont());
    const int width = label->contentsRect().width();
    QFont font = label->font();
    if (Fits(font, caption, width) || font.pointSizeF() <= 0) {
        return;
    }
    while (font.pointSizeF() - PointSizeStep >= SmallestPointSize && !Fits(font, caption, width)) {
        font.setPointSizeF(font.pointSizeF() - PointSizeStep);
    }
    label->setFont(font);
}

} // namespace plotmere
