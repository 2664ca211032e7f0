// The graph area's range: aspect adjustment, storing and showing the four range values.
#include "engine/number_text.h"
#include "settings/settings_store.h"
#include "view/graph_canvas.h"
#include "view/natural_ratio.h"
#include "view/range_editing.h"
#include "windows/app_info.h"
#include "widgets/clickable_label.h"
#include "windows/input_box.h"
#include "windows/main_window.h"

namespace plotmere {

namespace {

QString RangeText(float value) {
    return QString::fromStdString(NumberToText(value, SinglePrecisionDigits));
}

// The height-to-width ratio of the graph area as it stands now.
double GraphAreaRatio(const GraphCanvas& area) {
    return static_cast<double>(area.height()) / area.width();
}

} // namespace

void MainWindow::ApplyAspect() {
    plotmere::ApplyAspect(range_, GraphAreaRatio(*grafik));
    SaveAndShowRanges();
}

void MainWindow::ApplyAspectFromTop() {
    plotmere::ApplyAspectFromTop(range_, GraphAreaRatio(*grafik));
    SaveAndShowRanges();
}

void MainWindow::SaveAndShowRanges() {
    const QString xmin = RangeText(range_.Xmin);
    const QString xmax = RangeText(range_.Xmax);
    const QString ymin = RangeText(range_.Ymin);
    const QString ymax = RangeText(range_.Ymax);
    store_.WriteSettingTexts({{"x min", xmin}, {"x max", xmax}, {"y min", ymin}, {"y max", ymax}});
    labxmin->setText(xmin);
    labxmax->setText(xmax);
    labymin->setText(ymin);
    labymax->setText(ymax);
}

} // namespace plotmere

namespace plotmere {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// Asks for a new value of one range end, restores the order of the range, keeps the aspect
// when it is on, stores, shows and redraws.
void MainWindow::editRangeValue(RangeField field, float current, const QString& prompt) {
    const QString answer =
        inputBox_.ask(this, prompt, appTitle,
                      QString::fromStdString(NumberToText(current, SinglePrecisionDigits)));
    const RangeAnswer read = ReadRangeAnswer(answer);
    if (read.outcome == RangeAnswer::Outcome::OutOfRange) {
        showmessage(ToQString(RangeLimitMessage));
        return;
    }
    if (read.outcome != RangeAnswer::Outcome::Accepted) {
        return;
    }
    StoreRangeValue(range_, field, read.value);
    if (options_.keepAspect == 1) {
        if (AspectKeepsTopAfterEditing(field)) {
            ApplyAspectFromTop();
        } else {
            ApplyAspect();
        }
    }
    SaveAndShowRanges();
    RedrawAll();
}

void MainWindow::on_labxmin_clicked() {
    editRangeValue(RangeField::Xmin, range_.Xmin, "Enter new Xmin value:");
}
void MainWindow::on_labxmax_clicked() {
    editRangeValue(RangeField::Xmax, range_.Xmax, "Enter new Xmax value:");
}
void MainWindow::on_labymin_clicked() {
    editRangeValue(RangeField::Ymin, range_.Ymin, "Enter new Ymin value:");
}
void MainWindow::on_labymax_clicked() {
    editRangeValue(RangeField::Ymax, range_.Ymax, "Enter new Ymax value:");
}

// A zoom that its span guard refuses changes nothing; otherwise the aspect is kept when it is
// on, and the range stored, shown and redrawn.
void MainWindow::finishZoom(bool zoomed) {
    if (!zoomed) {
        return;
    }
    if (options_.keepAspect == 1) {
        ApplyAspect();
    }
    SaveAndShowRanges();
    RedrawAll();
}

void MainWindow::on_labxzoomin_clicked() {
    finishZoom(ZoomX(range_, true, options_.keepAspect == 1));
}
void MainWindow::on_labxzoomout_clicked() {
    finishZoom(ZoomX(range_, false, options_.keepAspect == 1));
}
void MainWindow::on_labyzoomin_clicked() {
    finishZoom(ZoomY(range_, true, options_.keepAspect == 1));
}
void MainWindow::on_labyzoomout_clicked() {
    finishZoom(ZoomY(range_, false, options_.keepAspect == 1));
}

} // namespace plotmere
