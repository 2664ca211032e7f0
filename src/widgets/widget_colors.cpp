#include "widgets/widget_colors.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace plotmere {

namespace {

// Text boxes and grids fill from Base; labels, frames and windows from Window.
bool IsTextBox(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget);
}

} // namespace

QPalette::ColorRole BackgroundRole(const QWidget* widget) {
    return IsTextBox(widget) ? QPalette::Base : QPalette::Window;
}

QPalette::ColorRole TextRole(const QWidget* widget) {
    return IsTextBox(widget) ? QPalette::Text : QPalette::WindowText;
}

void SetBackground(QWidget* widget, ColorValue back) {
    QPalette palette = widget->palette();
    palette.setColor(BackgroundRole(widget), ToQColor(back));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetColors(QWidget* widget, ColorValue back, ColorValue text) {
    QPalette palette = widget->palette();
    palette.setColor(BackgroundRole(widget), ToQColor(back));
    palette.setColor(TextRole(widget), ToQColor(text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetSelectionColors(QWidget* widget, ColorValue back, ColorValue text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Highlight, ToQColor(back));
    palette.setColor(QPalette::HighlightedText, ToQColor(text));
    widget->setPalette(palette);
}

} // namespace plotmere
