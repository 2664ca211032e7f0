// The graph area's own colours: the four swatches, the "Light" and "Dark" presets and the random
// colour for the next graph.
#include "widgets/clickable_label.h"
#include "widgets/widget_colors.h"
#include "windows/color_picker.h"
#include "windows/main_window.h"

namespace plotmere {

void MainWindow::showGraphColors() {
    const GraphColors& colors = graphView_.colors();
    SetBackground(ui_.labcback, colors.backColor);
    SetBackground(ui_.labcaxis, colors.axisColor);
    SetBackground(ui_.labcgraph, colors.nextGraphColor);
    SetBackground(ui_.labcerr, colors.outOfRangeColor);
}

// A swatch opens the colour dialog on its colour; cancelling keeps the colour, which is stored
// again all the same.
void MainWindow::pickSwatchColor(ColorValue GraphColors::*field, bool redraw) {
    GraphColors colors = graphView_.colors();
    colors.*field = colorPicker_.pick(this, colors.*field);
    graphView_.SetGraphColors(colors);
    if (redraw) {
        graphView_.RedrawAll();
    }
}

void MainWindow::on_labcback_clicked() {
    pickSwatchColor(&GraphColors::backColor, true);
}
void MainWindow::on_labcaxis_clicked() {
    pickSwatchColor(&GraphColors::axisColor, true);
}
// Graphs already drawn keep their colours: only the next graph changes, so nothing to redraw.
void MainWindow::on_labcgraph_clicked() {
    pickSwatchColor(&GraphColors::nextGraphColor, false);
}
void MainWindow::on_labcerr_clicked() {
    pickSwatchColor(&GraphColors::outOfRangeColor, true);
}

void MainWindow::applyColorPreset(const GraphColors& preset) {
    graphView_.SetGraphColors(preset);
    graphView_.RedrawAll();
}

void MainWindow::on_labcolorlight_clicked() {
    applyColorPreset(LightPreset());
}
void MainWindow::on_labcolordark_clicked() {
    applyColorPreset(DarkPreset());
}

} // namespace plotmere
