#pragma once

#include <QString>

class QLabel;

namespace plotmere {

// Shows `caption` on the label in the font it inherits when it fits there. A caption too wide
// for the label (a parameter such as "d=-1.234568E-05") is shown whole in a smaller size of that
// font instead of being cut at both ends.
void ShowFittingCaption(QLabel* label, const QString& caption);

} // namespace plotmere
