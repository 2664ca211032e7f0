#include "windows/color_picker.h"

#include <QColorDialog>

namespace plotmere {

ColorValue DialogColorPicker::pick(QWidget* parent, ColorValue current) {
    const QColor picked = QColorDialog::getColor(ToQColor(current), parent);
    return picked.isValid() ? FromQColor(picked) : current;
}

} // namespace plotmere
