// The graph list's commands: "New Graph", "Add Graph", "Clear Graphs", "Copy To Clipboard",
// and the full redraw.
#include "engine/number_text.h"
#include "view/graph_area.h"
#include "view/graph_canvas.h"
#include "view/plotter.h"
#include "widgets/clickable_label.h"
#include "windows/main_window.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

namespace plotmere {

void MainWindow::ShowBusy() {
    for (ClickableLabel* label : labbusy) {
        label->setVisible(true);
    }
    QCoreApplication::processEvents();
}

void MainWindow::HideBusy() {
    for (ClickableLabel* label : labbusy) {
        label->setVisible(false);
    }
    QCoreApplication::processEvents();
}

std::uint64_t MainWindow::ResetGraphArea() {
    DrawEmptyGraphArea(grafik->resetImage(), range_, options_, colors_);
    const std::uint64_t drawn = ++areaGeneration_;
    grafik->update();
    QCoreApplication::processEvents();
    return drawn;
}

void MainWindow::PlotGraph(std::int32_t g) {
    const GraphEntry& entry = graphs_.graph(g);
    plotmere::PlotGraph(grafik->image(), entry.expression.postfixText, entry.graphColor,
                        colors_.outOfRangeColor, range_, options_, plotWorkers_);
    grafik->update();
}

void MainWindow::RedrawAll() {
    ShowBusy();
    const std::uint64_t area = ResetGraphArea();
    // A command handled during the yields may have reset the area again; then whoever did it
    // draws what belongs on it. A graph added meanwhile is already on the area, but under the
    // graphs drawn now: it is drawn again with the rest, so that later graphs lie over earlier
    // ones whatever came in between.
    if (area == areaGeneration_) {
        for (std::int32_t g = 1; g <= graphs_.graphCount(); ++g) {
            PlotGraph(g);
        }
    }
    HideBusy();
    emit graphAreaDrawn();
}

void MainWindow::AddGraph(const CompiledExpression& compiled) {
    graphs_.add(compiled, colors_.nextGraphColor);
    showNextGraphNumber();
    const QString expressionText = QString::fromStdString(compiled.expressionText);
    PushHistory(expressionText);
    setExpression(expressionText);
    if (options_.randomColor == 1) {
        PickRandomGraphColor();
    }
}

void MainWindow::ClearGraphs() {
    graphs_.clear();
    showNextGraphNumber();
    refreshFunctionList();
    ResetGraphArea();
}

void MainWindow::showNextGraphNumber() {
    Command2->setText("Add Graph #" + QString::fromStdString(NumberToText(
                                          graphs_.graphCount() + 1.0, DoublePrecisionDigits)));
}

void MainWindow::on_Command1_clicked() {
    inputfunc->setFocus();
    ClearGraphs();
    plotNewGraph(Command1);
}

void MainWindow::on_Command2_clicked() {
    inputfunc->setFocus();
    plotNewGraph(Command2);
}

// Compiles the expression box and draws it over the picture as the next graph, with the
// calling command's button disabled meanwhile.
void MainWindow::plotNewGraph(QPushButton* command) {
    const CompileResult compiled = CompileExpression(inputfunc->text().toStdString(), parameters_);
    if (!compiled.ok) {
        showmessage(QString::fromStdString(compiled.message));
        return;
    }
    command->setEnabled(false);
    QCoreApplication::processEvents();
    ShowBusy();
    AddGraph(compiled.expression);
    PlotGraph(graphs_.graphCount());
    command->setEnabled(true);
    HideBusy();
    refreshFunctionList();
    emit graphAreaDrawn();
}

void MainWindow::on_Command3_clicked() {
    inputfunc->setFocus();
    ClearGraphs();
}

void MainWindow::on_Command4_clicked() {
    inputfunc->setFocus();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(grafik->image());
}

} // namespace plotmere
