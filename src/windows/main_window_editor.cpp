// Building the expression: the keypad, "num", the parameter labels, the history of plotted
// expressions and the examples.
#include "editor/keypad_keys.h"
#include "editor/parameters.h"
#include "editor/token_editing.h"
#include "settings/settings_store.h"
#include "widgets/accessible_label.h"
#include "widgets/clickable_label.h"
#include "widgets/fitting_caption.h"
#include "windows/main_window.h"

#include <QAction>
#include <QLineEdit>

namespace plotmere {

// Keypad and menu entries always write at the end of the expression and leave the caret there,
// wherever it stood before.
void MainWindow::setExpression(const QString& text) {
    ui_.inputfunc->setFocus();
    ui_.inputfunc->setText(text);
    ui_.inputfunc->end(false);
}

void MainWindow::on_keypad_clicked(const KeypadKey& key) {
    switch (key.action) {
    case KeyAction::Append:
        setExpression(AppendToken(ui_.inputfunc->text(), key.appended));
        break;
    case KeyAction::AskNumber:
        on_qnum_clicked();
        break;
    case KeyAction::DeleteToken:
        on_qdel_clicked();
        break;
    case KeyAction::Clear:
        setExpression(QString());
        break;
    }
}

void MainWindow::on_qdel_clicked() {
    ui_.inputfunc->setFocus();
    if (ui_.inputfunc->text().isEmpty()) {
        return;
    }
    setExpression(DeleteLastToken(ui_.inputfunc->text()));
}

void MainWindow::on_qnum_clicked() {
    if (const std::optional<TypedNumber> read =
            askNumber("Enter a numerical constant\r\nto append to the expression:", QString(),
                      ConstantRule)) {
        setExpression(ui_.inputfunc->text() + read->text);
    }
}

// Graphs already drawn keep the values they were compiled with: nothing is redrawn.
void MainWindow::on_parameterLabel_clicked(int index) {
    const auto slot = static_cast<std::size_t>(index);
    if (const std::optional<TypedNumber> read = askNumber(
            "Enter new parameter value:", ParameterText(parameters_[slot]), ConstantRule)) {
        parameters_[slot] = static_cast<float>(read->value);
        RefreshParameters();
    }
}

void MainWindow::RefreshParameters() {
    SaveParameters(store_, parameters_);
    for (std::size_t i = 0; i < Parameters.size(); ++i) {
        ShowFittingCaption(ui_.parameterLabels[i],
                           ParameterCaption(static_cast<int>(i), parameters_[i]));
        SetSpokenName(ui_.parameterLabels[i],
                      QStringLiteral("parameter ") + QChar::fromLatin1(Parameters[i].name),
                      ParameterText(parameters_[i]));
    }
}

void MainWindow::RebuildHistoryMenu() {
    for (int n = 1; n <= FunctionHistory::HistorySize; ++n) {
        ui_.menufun[static_cast<std::size_t>(n)]->setText(functionHistory_.caption(n));
    }
    functionHistory_.save(store_);
}

void MainWindow::PushHistory(const QString& expression) {
    functionHistory_.push(expression);
    RebuildHistoryMenu();
}

void MainWindow::on_menufun_triggered(int n) {
    setExpression(functionHistory_.slot(n));
}

void MainWindow::on_menuexample_triggered(int n) {
    setExpression(ReadExample(n, store_));
}

void MainWindow::on_menufunclear_triggered() {
    functionHistory_.clear();
    RebuildHistoryMenu();
}

void MainWindow::connectEditor() {
    for (std::size_t i = 0; i < ui_.keypad.size(); ++i) {
        const KeypadKey& key = KeypadKeys[i];
        connect(ui_.keypad[i], &ClickableLabel::clicked, this,
                [this, &key] { on_keypad_clicked(key); });
    }
    for (std::size_t i = 0; i < ui_.parameterLabels.size(); ++i) {
        connect(ui_.parameterLabels[i], &ClickableLabel::clicked, this,
                [this, i] { on_parameterLabel_clicked(static_cast<int>(i)); });
    }
    for (int n = 1; n <= FunctionHistory::HistorySize; ++n) {
        connect(ui_.menufun[static_cast<std::size_t>(n)], &QAction::triggered, this,
                [this, n] { on_menufun_triggered(n); });
    }
    for (std::size_t i = 0; i < ui_.menuexample.size(); ++i) {
        connect(ui_.menuexample[i], &QAction::triggered, this,
                [this, i] { on_menuexample_triggered(static_cast<int>(i) + 1); });
    }
    connect(ui_.menufunclear, &QAction::triggered, this, &MainWindow::on_menufunclear_triggered);
}

} // namespace plotmere
