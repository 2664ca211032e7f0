// The graph area's own colours: the four swatches, the "Light" and "Dark" presets and the random
// colour for the next graph.
#include "widgets/accessible_label.h"
#include "widgets/clickable_label.h"
#include "widgets/widget_colors.h"
#include "windows/color_picker.h"
#include "windows/main_window.h"

#include <iterator>
#include <utility>

namespace plotmere {

// Each swatch shows its colour, and a screen reader says it as RRGGBB.
void MainWindow::showGraphColors() {
    const GraphColors& colors = graphView_.colors();
    const std::pair<ClickableLabel*, ColorValue> swatches[] = {
        {ui_.labcback, colors.backColor},
        {ui_.labcaxis, colors.axisColor},
        {ui_.labcgraph, colors.nextGraphColor},
        {ui_.labcerr, colors.outOfRangeColor}};
    static constexpr const char* meanings[] = {"background colour", "axis colour",
                                               "next graph colour", "out of range colour"};
    for (std::size_t i = 0; i < std::size(swatches); ++i) {
        SetBackground(swatches[i].first, swatches[i].second);
        SetSpokenName(swatches[i].first, meanings[i], ColorText(swatches[i].second));
    }
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
