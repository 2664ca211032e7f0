#include "windows/accessibility.h"

#include "widgets/accessible_label.h"
#include "windows/message_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPlainTextEdit>

namespace plotmere {

namespace {

// The message strip: an alert whose name is the message.
class AccessibleMessageWindow : public QAccessibleWidget {
public:
    explicit AccessibleMessageWindow(MessageWindow* window)
        : QAccessibleWidget(window, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const auto* text1 = widget()->findChild<QPlainTextEdit*>("Text1");
            return text1 != nullptr ? text1->toPlainText() : QString();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ProgramAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("plotmere::MessageWindow") && object->isWidgetType()) {
        return new AccessibleMessageWindow(static_cast<MessageWindow*>(object));
    }
    return ClickableLabelAccessible(className, object);
}

} // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(ProgramAccessible);
        installed = true;
    }
}

} // namespace plotmere
