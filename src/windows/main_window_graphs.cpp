// The graph list's commands: "New Graph", "Add Graph", "Clear Graphs", "Copy To Clipboard".
#include "engine/number_text.h"
#include "view/graph_canvas.h"
#include "windows/main_window.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

namespace plotmere {

void MainWindow::AddGraph(const CompiledExpression& compiled) {
    graphView_.AddGraph(compiled);
    showNextGraphNumber();
    const QString expressionText = QString::fromStdString(compiled.expressionText);
    PushHistory(expressionText);
    setExpression(expressionText);
    if (graphView_.options().randomColor == 1) {
        graphView_.PickRandomGraphColor();
    }
}

void MainWindow::ClearGraphs() {
    graphView_.ClearGraphList();
    showNextGraphNumber();
    refreshFunctionList();
    graphView_.ResetGraphArea();
}

void MainWindow::showNextGraphNumber() {
    ui_.Command2->setText(
        "Add Graph #" + QString::fromStdString(NumberToText(graphView_.graphs().graphCount() + 1.0,
                                                            DoublePrecisionDigits)));
}

void MainWindow::on_Command1_clicked() {
    ui_.inputfunc->setFocus();
    ClearGraphs();
    plotNewGraph(ui_.Command1);
}

void MainWindow::on_Command2_clicked() {
    ui_.inputfunc->setFocus();
    plotNewGraph(ui_.Command2);
}

// Compiles the expression box and draws it over the picture as the next graph, with the
// calling command's button disabled meanwhile.
void MainWindow::plotNewGraph(QPushButton* command) {
    const CompileResult compiled =
        CompileExpression(ui_.inputfunc->text().toStdString(), parameters_);
    if (!compiled.ok) {
        showmessage(QString::fromStdString(compiled.message));
        return;
    }
    command->setEnabled(false);
    QCoreApplication::processEvents();
    graphView_.ShowBusy();
    AddGraph(compiled.expression);
    graphView_.PlotAddedGraph(graphView_.graphs().graphCount());
    command->setEnabled(true);
    graphView_.HideBusy();
    refreshFunctionList();
}

void MainWindow::on_Command3_clicked() {
    ui_.inputfunc->setFocus();
    ClearGraphs();
}

void MainWindow::on_Command4_clicked() {
    ui_.inputfunc->setFocus();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(ui_.grafik->image());
}

} // namespace plotmere
