// The "&Settings" menu: sample count and the four switches, each stored the moment it changes.
#include "engine/number_text.h"
#include "settings/settings_store.h"
#include "windows/main_window.h"

#include <QAction>

namespace plotmere {

void MainWindow::on_menupoints_triggered() {
    ViewOptions& options = graphView_.options();
    const QString proposed =
        QString::fromStdString(NumberToText(options.sampleCount, DoublePrecisionDigits));
    if (const std::optional<TypedNumber> read =
            askNumber("Enter new number of sample points:", proposed, SampleCountRule)) {
        options.sampleCount = static_cast<std::int32_t>(read->value);
        store_.WriteSettingInt("Num of Samples", options.sampleCount);
        graphView_.RedrawAll();
    }
}

// A switch follows its menu item's check mark (already inverted by the click) and is stored.
void MainWindow::storeSwitch(QAction* item, std::int32_t& field, const QString& valueName) {
    field = item->isChecked() ? 1 : 0;
    store_.WriteSettingInt(valueName, field);
}

void MainWindow::on_menugrid_triggered() {
    storeSwitch(ui_.menugrid, graphView_.options().showGrid, "Show Grid");
    graphView_.RedrawAll();
}

void MainWindow::on_menuaspect_triggered() {
    storeSwitch(ui_.menuaspect, graphView_.options().keepAspect, "Keep Aspect");
    if (graphView_.options().keepAspect == 1) {
        graphView_.ApplyAspect();
        graphView_.RedrawAll();
    }
}

void MainWindow::on_menusingular_triggered() {
    storeSwitch(ui_.menusingular, graphView_.options().lookForSingular, "Look For Singular");
    graphView_.RedrawAll();
}

void MainWindow::on_menurandom_triggered() {
    storeSwitch(ui_.menurandom, graphView_.options().randomColor, "Random Color");
    if (graphView_.options().randomColor == 1) {
        PickRandomGraphColor();
    }
}

// At start-up a stored switch of 1 checks its item and 0 unchecks it; any other value leaves
// the item as designed (unchecked) while the field keeps the value, which counts as off.
void MainWindow::showSwitch(QAction* item, std::int32_t value) {
    if (value == 1) {
        item->setChecked(true);
    } else if (value == 0) {
        item->setChecked(false);
    }
}

} // namespace plotmere
