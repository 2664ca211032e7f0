// The graph area's own colours: the four swatches, the "Light" and "Dark" presets and the random
// colour for the next graph.
#include "settings/settings_store.h"
#include "widgets/clickable_label.h"
#include "widgets/widget_colors.h"
#include "windows/color_picker.h"
#include "windows/main_window.h"

namespace plotmere {

void MainWindow::SaveGraphColors() {
    GraphColors& colors = graphView_.colors();
    WriteGraphColors(colors, store_);
    SetBackground(ui_.labcback, colors.backColor);
    SetBackground(ui_.labcaxis, colors.axisColor);
    SetBackground(ui_.labcgraph, colors.nextGraphColor);
    SetBackground(ui_.labcerr, colors.outOfRangeColor);
    colors.gridColor = DeriveGridColor(colors.backColor);
}

void MainWindow::PickRandomGraphColor() {
    GraphColors& colors = graphView_.colors();
    colors.nextGraphColor =
        plotmere::PickRandomGraphColor(colors.backColor, graphView_.graphs().graphColors());
    SaveGraphColors();
}

// A swatch opens the colour dialog on its colour; cancelling keeps the colour, which is stored
// again all the same.
void MainWindow::pickSwatchColor(ColorValue& field, bool redraw) {
    field = colorPicker_.pick(this, field);
    SaveGraphColors();
    if (redraw) {
        graphView_.RedrawAll();
    }
}

void MainWindow::on_labcback_clicked() {
    pickSwatchColor(graphView_.colors().backColor, true);
}
void MainWindow::on_labcaxis_clicked() {
    pickSwatchColor(graphView_.colors().axisColor, true);
}
// Graphs already drawn keep their colours: only the next graph changes, so nothing to redraw.
void MainWindow::on_labcgraph_clicked() {
    pickSwatchColor(graphView_.colors().nextGraphColor, false);
}
void MainWindow::on_labcerr_clicked() {
    pickSwatchColor(graphView_.colors().outOfRangeColor, true);
}

void MainWindow::applyColorPreset(const GraphColors& preset) {
    graphView_.colors().backColor = preset.backColor;
    graphView_.colors().axisColor = preset.axisColor;
    graphView_.colors().nextGraphColor = preset.nextGraphColor;
    graphView_.colors().outOfRangeColor = preset.outOfRangeColor;
    SaveGraphColors();
    graphView_.RedrawAll();
}

void MainWindow::on_labcolorlight_clicked() {
    applyColorPreset(LightPreset());
}
void MainWindow::on_labcolordark_clicked() {
    applyColorPreset(DarkPreset());
}

} // namespace plotmere
