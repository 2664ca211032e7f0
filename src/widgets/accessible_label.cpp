#include "widgets/accessible_label.h"

#include "widgets/clickable_label.h"

#include <QAccessible>

namespace plotmere {

AccessibleClickableLabel::AccessibleClickableLabel(ClickableLabel* label)
    : QAccessibleWidget(label, QAccessible::Button) {}

QAccessible::Role AccessibleClickableLabel::role() const {
    if (label()->isChoice()) {
        return QAccessible::RadioButton;
    }
    return label()->actsOnClick() ? QAccessible::Button : QAccessible::StaticText;
}

ClickableLabel* AccessibleClickableLabel::label() const {
    return static_cast<ClickableLabel*>(widget());
}

// The caption names the control unless it is given a name of its own (a bare number, a swatch
// without any caption, an "In" that needs its axis).
QString AccessibleClickableLabel::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? label()->text() : name;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleClickableLabel::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (label()->isChoice()) {
        state.checkable = true;
        state.checked = label()->isSelected();
        state.selectable = true;
        state.selected = label()->isSelected();
    }
    return state;
}

QStringList AccessibleClickableLabel::actionNames() const {
    if (!label()->actsOnClick()) {
        return {};
    }
    return {pressAction()};
}

void AccessibleClickableLabel::doAction(const QString& actionName) {
    if (actionName == pressAction() && label()->actsOnClick()) {
        label()->click();
    }
}

QAccessibleInterface* ClickableLabelAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("plotmere::ClickableLabel") && object->isWidgetType()) {
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
    }
    return nullptr;
}

void SetSpokenName(QWidget* control, const QString& meaning, const QString& value) {
    control->setAccessibleName(meaning + ", " + value);
}

} // namespace plotmere
