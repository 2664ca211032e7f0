#include "windows/input_box.h"

#include <QFontMetrics>
#include <QInputDialog>
#include <QPointer>

#include <algorithm>

namespace plotmere {

namespace {

// Title bars draw the title in bold and give the rest of their width to an icon and three
// buttons, about ten lines' height of room in the common window managers.
int TitleBarWidth(const QFont& font, const QString& title) {
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(title) + 10 * metrics.height();
}

} // namespace

void PrepareInputDialog(QInputDialog& dialog, const QString& prompt, const QString& title,
                        const QString& proposed) {
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(QString(prompt).replace("\r\n", "\n"));
    dialog.setTextValue(proposed);
    // The prompt's lines already widen the dialog through its layout; the title does not. The
    // dialog sets its own minimum when shown, so the width is given as its size.
    const QSize fitted = dialog.sizeHint();
    dialog.resize(std::max(fitted.width(), TitleBarWidth(dialog.font(), title)), fitted.height());
}

QString DialogInputBox::ask(QWidget* parent, const QString& prompt, const QString& title,
                            const QString& proposed) {
    // On the heap and watched: the parent may be destroyed while the dialog runs, and the
    // dialog with it.
    const QPointer<QInputDialog> dialog = new QInputDialog(parent);
    PrepareInputDialog(*dialog, prompt, title, proposed);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (dialog.isNull()) {
        return QString();
    }
    const QString answer = accepted ? dialog->textValue() : QString();
    delete dialog.data();
    return answer;
}

} // namespace plotmere
