// The "&Settings" menu: sample count and the four switches, each stored the moment it changes.
#include "engine/number_text.h"
#include "settings/sample_count.h"
#include "settings/settings_store.h"
#include "windows/app_info.h"
#include "windows/input_box.h"
#include "windows/main_window.h"

#include <QAction>

namespace plotmere {

void MainWindow::on_menupoints_triggered() {
    const QString answer = inputBox_.ask(
        this, "Enter new number of sample points:", appTitle,
        QString::fromStdString(NumberToText(options_.sampleCount, DoublePrecisionDigits)));
    const SampleCountAnswer read = ReadSampleCountAnswer(answer);
    if (read.outcome == SampleCountAnswer::Outcome::OutOfRange) {
        showmessage(QString::fromUtf8(SampleCountRangeMessage.data(),
                                      static_cast<qsizetype>(SampleCountRangeMessage.size())));
        return;
    }
    if (read.outcome != SampleCountAnswer::Outcome::Accepted) {
        return;
    }
    options_.sampleCount = read.sampleCount;
    store_.WriteSettingInt("Num of Samples", options_.sampleCount);
    RedrawAll();
}

// A switch follows its menu item's check mark (already inverted by the click) and is stored.
void MainWindow::storeSwitch(QAction* item, std::int32_t& field, const QString& valueName) {
    field = item->isChecked() ? 1 : 0;
    store_.WriteSettingInt(valueName, field);
}

void MainWindow::on_menugrid_triggered() {
    storeSwitch(menugrid, options_.showGrid, "Show Grid");
    RedrawAll();
}

void MainWindow::on_menuaspect_triggered() {
    storeSwitch(menuaspect, options_.keepAspect, "Keep Aspect");
    if (options_.keepAspect == 1) {
        ApplyAspect();
        RedrawAll();
    }
}

void MainWindow::on_menusingular_triggered() {
    storeSwitch(menusingular, options_.lookForSingular, "Look For Singular");
    RedrawAll();
}

void MainWindow::on_menurandom_triggered() {
    storeSwitch(menurandom, options_.randomColor, "Random Color");
    if (options_.randomColor == 1) {
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
