#pragma once

#include <QString>

class QInputDialog;
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

// Gives the dialog its title, prompt ("\r\n" between lines) and proposed answer, and makes it
// wide enough that a window manager can show the whole title beside its buttons.
void PrepareInputDialog(QInputDialog& dialog, const QString& prompt, const QString& title,
                        const QString& proposed);

} // namespace plotmere
