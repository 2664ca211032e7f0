// Building the expression: the keypad, "num", the parameter labels, the history of plotted
// expressions and the examples.
#include "editor/constant_input.h"
#include "editor/keypad_keys.h"
#include "editor/parameters.h"
#include "editor/token_editing.h"
#include "settings/settings_store.h"
#include "view/range_editing.h"
#include "windows/app_info.h"
#include "widgets/clickable_label.h"
#include "widgets/fitting_caption.h"
#include "windows/input_box.h"
#include "windows/main_window.h"

#include <QAction>
#include <QLineEdit>

namespace plotmere {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// Keypad and menu entries always write at the end of the expression and leave the caret there,
// wherever it stood before.
void MainWindow::setExpression(const QString& text) {
    inputfunc->setFocus();
    inputfunc->setText(text);
    inputfunc->end(false);
}

void MainWindow::on_keypad_clicked(const KeypadKey& key) {
    if (key.name == "qnum") {
        on_qnum_clicked();
    } else if (key.name == "qdel") {
        on_qdel_clicked();
    } else if (key.name == "qclear") {
        setExpression(QString());
    } else {
        setExpression(AppendToken(inputfunc->text(), key.appended));
    }
}

void MainWindow::on_qdel_clicked() {
    inputfunc->setFocus();
    if (inputfunc->text().isEmpty()) {
        return;
    }
    setExpression(DeleteLastToken(inputfunc->text()));
}

void MainWindow::on_qnum_clicked() {
    const QString answer = inputBox_.ask(
        this, "Enter a numerical constant\r\nto append to the expression:", appTitle, QString());
    const ConstantAnswer read = ReadConstantInput(answer);
    if (read.outcome == ConstantAnswer::Outcome::OutOfRange) {
        showmessage(ToQString(RangeLimitMessage));
    } else if (read.outcome == ConstantAnswer::Outcome::Accepted) {
        setExpression(inputfunc->text() + read.text);
    }
}

// Graphs already drawn keep the values they were compiled with: nothing is redrawn.
void MainWindow::on_parameterLabel_clicked(int index) {
    const auto slot = static_cast<std::size_t>(index);
    const QString answer = inputBox_.ask(this, "Enter new parameter value:", appTitle,
                                         ParameterText(parameters_[slot]));
    const ConstantAnswer read = ReadConstantInput(answer);
    if (read.outcome == ConstantAnswer::Outcome::OutOfRange) {
        showmessage(ToQString(RangeLimitMessage));
    } else if (read.outcome == ConstantAnswer::Outcome::Accepted) {
        parameters_[slot] = static_cast<float>(read.value);
        RefreshParameters();
    }
}

void MainWindow::RefreshParameters() {
    SaveParameters(store_, parameters_);
    for (int i = 0; i < ParameterCount; ++i) {
        ShowFittingCaption(parameterLabels[static_cast<std::size_t>(i)],
                           ParameterCaption(i, parameters_[static_cast<std::size_t>(i)]));
    }
}

void MainWindow::RebuildHistoryMenu() {
    for (int n = 1; n <= FunctionHistory::HistorySize; ++n) {
        menufun[static_cast<std::size_t>(n)]->setText(functionHistory_.caption(n));
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
    for (std::size_t i = 0; i < keypad.size(); ++i) {
        const KeypadKey& key = KeypadKeys[i];
        connect(keypad[i], &ClickableLabel::clicked, this,
                [this, &key] { on_keypad_clicked(key); });
    }
    for (std::size_t i = 0; i < parameterLabels.size(); ++i) {
        connect(parameterLabels[i], &ClickableLabel::clicked, this,
                [this, i] { on_parameterLabel_clicked(static_cast<int>(i)); });
    }
    for (int n = 1; n <= FunctionHistory::HistorySize; ++n) {
        connect(menufun[static_cast<std::size_t>(n)], &QAction::triggered, this,
                [this, n] { on_menufun_triggered(n); });
    }
    connect(menuexample1, &QAction::triggered, this, [this] { on_menuexample_triggered(1); });
    connect(menuexample2, &QAction::triggered, this, [this] { on_menuexample_triggered(2); });
    connect(menuexample3, &QAction::triggered, this, [this] { on_menuexample_triggered(3); });
    connect(menufunclear, &QAction::triggered, this, &MainWindow::on_menufunclear_triggered);
}

} // namespace plotmere
