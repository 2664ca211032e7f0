// The graph area's own colours: the four swatches, the "Light" and "Dark" presets and the random
// colour for the next graph.
#include "settings/settings_store.h"
#include "widgets/widget_colors.h"
#include "widgets/clickable_label.h"
#include "windows/color_picker.h"
#include "windows/main_window.h"

namespace plotmere {

void MainWindow::SaveGraphColors() {
    WriteGraphColors(colors_, store_);
    SetBackground(labcback, colors_.backColor);
    SetBackground(labcaxis, colors_.axisColor);
    SetBackground(labcgraph, colors_.nextGraphColor);
    SetBackground(labcerr, colors_.outOfRangeColor);
    colors_.gridColor = DeriveGridColor(colors_.backColor);
}

void MainWindow::PickRandomGraphColor() {
    const std::vector<ColorValue> plotted = graphs_.graphColors();
    colors_.nextGraphColor = plotmere::PickRandomGraphColor(colors_.backColor, plotted);
    SaveGraphColors();
}

// A swatch opens the colour dialog on its colour; cancelling keeps the colour, which is stored
// again all the same.
void MainWindow::pickSwatchColor(ColorValue& field, bool redraw) {
    field = colorPicker_.pick(this, field);
    SaveGraphColors();
    if (redraw) {
        RedrawAll();
    }
}

void MainWindow::on_labcback_clicked() {
    pickSwatchColor(colors_.backColor, true);
}
void MainWindow::on_labcaxis_clicked() {
    pickSwatchColor(colors_.axisColor, true);
}
// Graphs already drawn keep their colours: only the next graph changes, so nothing to redraw.
void MainWindow::on_labcgraph_clicked() {
    pickSwatchColor(colors_.nextGraphColor, false);
}
void MainWindow::on_labcerr_clicked() {
    pickSwatchColor(colors_.outOfRangeColor, true);
}

void MainWindow::applyColorPreset(const GraphColors& preset) {
    colors_.backColor = preset.backColor;
    colors_.axisColor = preset.axisColor;
    colors_.nextGraphColor = preset.nextGraphColor;
    colors_.outOfRangeColor = preset.outOfRangeColor;
    SaveGraphColors();
    RedrawAll();
}

void MainWindow::on_labcolorlight_clicked() {
    applyColorPreset(LightPreset());
}
void MainWindow::on_labcolordark_clicked() {
    applyColorPreset(DarkPreset());
}

} // namespace plotmere
