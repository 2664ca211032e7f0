#pragma once

#include <QString>

class QWidget;

namespace plotmere {

// The modal text prompt every number input goes through. It returns the typed text, or the
// empty text when the user cancels. Tests answer it through their own implementation.
class InputBox {
public:
    virtual ~InputBox() = default;
    virtual QString ask(QWidget* parent, const QString& prompt, const QString& title,
                        const QString& proposed) = 0;
};

// The real prompt, a QInputDialog.
class DialogInputBox final : public InputBox {
public:
    QString ask(QWidget* parent, const QString& prompt, const QString& title,
                const QString& proposed) override;
};

} // namespace plotmere
