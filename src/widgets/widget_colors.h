#pragma once

#include "widgets/color_value.h"

#include <QPalette>
#include <QWidget>

namespace plotmere {

// Colours go through the palette, which every control honours under the program's one style:
// a label or frame paints its background from Window and its text from WindowText, a text box
// or a grid (its cells and the area beyond them) from Base and Text.
QPalette::ColorRole BackgroundRole(const QWidget* widget);
QPalette::ColorRole TextRole(const QWidget* widget);
void SetBackground(QWidget* widget, ColorValue back);
void SetColors(QWidget* widget, ColorValue back, ColorValue text);

// Selected cells of a grid paint from Highlight and HighlightedText.
void SetSelectionColors(QWidget* widget, ColorValue back, ColorValue text);

} // namespace plotmere
