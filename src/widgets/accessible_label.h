#pragma once

#include <QAccessibleWidget>

class QObject;
class QString;

namespace plotmere {

class ClickableLabel;

// A clickable label as a screen reader sees it: a button with a press action that clicks, or
// a radio button, checked when it is the current choice; plain text when it does not act.
class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    ClickableLabel* label() const;
};

// The accessibility factory for clickable labels (QAccessible::installFactory).
QAccessibleInterface* ClickableLabelAccessible(const QString& className, QObject* object);

// Gives a control the name a screen reader says: what it is and its value ("Xmin, -7").
void SetSpokenName(QWidget* control, const QString& meaning, const QString& value);

} // namespace plotmere
