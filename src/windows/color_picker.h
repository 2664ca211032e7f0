#pragma once

#include "widgets/color_value.h"

class QWidget;

namespace plotmere {

// The modal colour dialog behind the colour swatches: opens with the current colour chosen and
// returns the picked colour, or the current one when the user cancels. Tests pick through their
// own implementation.
class ColorPicker {
public:
    virtual ~ColorPicker() = default;
    virtual ColorValue pick(QWidget* parent, ColorValue current) = 0;
};

// The real dialog, a QColorDialog.
class DialogColorPicker final : public ColorPicker {
public:
    ColorValue pick(QWidget* parent, ColorValue current) override;
};

} // namespace plotmere
