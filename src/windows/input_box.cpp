#include "windows/input_box.h"

#include <QInputDialog>

namespace plotmere {

QString DialogInputBox::ask(QWidget* parent, const QString& prompt, const QString& title,
                            const QString& proposed) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent, title, QString(prompt).replace("\r\n", "\n"),
                              QLineEdit::Normal, proposed, &accepted);
    return accepted ? answer : QString();
}

} // namespace plotmere
