// The range labels and the zoom labels.
#include "engine/number_text.h"
#include "windows/main_window.h"

namespace plotmere {

// Asks for a new value of one range end; the graph view restores the order of the range, keeps
// the aspect when it is on, stores, shows and redraws.
void MainWindow::editRangeValue(RangeField field, float current, const QString& prompt) {
    const QString proposed = QString::fromStdString(NumberToText(current, SinglePrecisionDigits));
    if (const std::optional<TypedNumber> read = askNumber(prompt, proposed, RangeRule)) {
        graphView_.EditRange(field, static_cast<float>(read->value));
    }
}

void MainWindow::on_labxmin_clicked() {
    editRangeValue(RangeField::Xmin, graphView_.range().Xmin, "Enter new Xmin value:");
}
void MainWindow::on_labxmax_clicked() {
    editRangeValue(RangeField::Xmax, graphView_.range().Xmax, "Enter new Xmax value:");
}
void MainWindow::on_labymin_clicked() {
    editRangeValue(RangeField::Ymin, graphView_.range().Ymin, "Enter new Ymin value:");
}
void MainWindow::on_labymax_clicked() {
    editRangeValue(RangeField::Ymax, graphView_.range().Ymax, "Enter new Ymax value:");
}

void MainWindow::on_labxzoomin_clicked() {
    graphView_.Zoom(true, true);
}
void MainWindow::on_labxzoomout_clicked() {
    graphView_.Zoom(true, false);
}
void MainWindow::on_labyzoomin_clicked() {
    graphView_.Zoom(false, true);
}
void MainWindow::on_labyzoomout_clicked() {
    graphView_.Zoom(false, false);
}

} // namespace plotmere
