#pragma once

#include "widgets/color_value.h"
#include "widgets/widget_colors.h"

#include <QPalette>
#include <QWidget>

namespace plotmere {

// The colours a control shows, as its palette says.
inline ColorValue BackgroundOf(const QWidget* widget) {
    return FromQColor(widget->palette().color(BackgroundRole(widget)));
}

inline ColorValue TextColorOf(const QWidget* widget) {
    return FromQColor(widget->palette().color(TextRole(widget)));
}

inline ColorValue SelectionBackgroundOf(const QWidget* widget) {
    return FromQColor(widget->palette().color(QPalette::Highlight));
}

inline ColorValue SelectionTextColorOf(const QWidget* widget) {
    return FromQColor(widget->palette().color(QPalette::HighlightedText));
}

} // namespace plotmere
