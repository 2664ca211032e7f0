// The "&Settings" menu: sample count and the switches, each stored the moment it changes.
#include "engine/number_text.h"
#include "windows/main_window.h"

#include <QAction>

namespace plotmere {

namespace {

// At start-up a stored switch of 1 checks its item and 0 unchecks it; any other value leaves
// the item as designed (unchecked) while the field keeps the value, which counts as off.
void ShowSwitch(QAction* item, std::int32_t value) {
    if (value == 1) {
        item->setChecked(true);
    } else if (value == 0) {
        item->setChecked(false);
    }
}

} // namespace

void MainWindow::on_menupoints_triggered() {
    const QString proposed = QString::fromStdString(
        NumberToText(graphView_.options().sampleCount, DoublePrecisionDigits));
    if (const std::optional<TypedNumber> read =
            askNumber("Enter new number of sample points:", proposed, SampleCountRule)) {
        graphView_.SetSampleCount(static_cast<std::int32_t>(read->value));
    }
}

// A switch follows its item's check mark, which the click has already inverted.
void MainWindow::on_switchItem_triggered(const SwitchSetting& row) {
    graphView_.SetSwitch(row, SwitchItem(ui_, row)->isChecked());
}

void MainWindow::loadSwitches() {
    for (const SwitchSetting& row : SwitchSettings) {
        ShowSwitch(SwitchItem(ui_, row), graphView_.LoadSwitch(row));
    }
}

void MainWindow::connectSettingsMenu() {
    connect(ui_.menupoints, &QAction::triggered, this, &MainWindow::on_menupoints_triggered);
    for (const SwitchSetting& row : SwitchSettings) {
        connect(SwitchItem(ui_, row), &QAction::triggered, this,
                [this, &row] { on_switchItem_triggered(row); });
    }
}

} // namespace plotmere
