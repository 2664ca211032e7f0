#include "widgets/clickable_label.h"

#include <QAccessible>
#include <QMetaMethod>

namespace plotmere {

bool ClickableLabel::actsOnClick() const {
    return isSignalConnected(QMetaMethod::fromSignal(&ClickableLabel::clicked));
}

// A screen reader hears of the new current choice.
void ClickableLabel::setSelected(bool selected) {
    if (selected_ == selected) {
        return;
    }
    selected_ = selected;
    QAccessible::State changed;
    changed.checked = true;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace plotmere
