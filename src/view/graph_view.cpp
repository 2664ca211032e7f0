#include "view/graph_view.h"

#include "engine/number_text.h"
#include "settings/settings_store.h"
#include "settings/stored_single.h"
#include "view/graph_area.h"
#include "view/graph_canvas.h"
#include "view/natural_ratio.h"
#include "view/plotter.h"
#include "widgets/fitting_caption.h"
#include "widgets/twips.h"

#include <QCoreApplication>
#include <QLabel>

#include <utility>

namespace plotmere {

namespace {

QString RangeText(float value) {
    return QString::fromStdString(NumberToText(value, SinglePrecisionDigits));
}

} // namespace

GraphView::GraphView(SettingsStore& store, const Controls& controls, std::function<void()> drawn)
    : store_(store)
    , controls_(controls)
    , drawn_(std::move(drawn)) {}

std::uint64_t GraphView::ResetGraphArea() {
    DrawEmptyGraphArea(controls_.grafik->resetImage(), range_, options_, colors_);
    const std::uint64_t area = ++areaGeneration_;
    controls_.grafik->update();
    QCoreApplication::processEvents();
    return area;
}

void GraphView::PlotGraph(std::int32_t g) {
    const GraphEntry& entry = graphs_.graph(g);
    plotmere::PlotGraph(controls_.grafik->image(), entry.expression.postfixText, entry.graphColor,
                        colors_.outOfRangeColor, range_, options_, plotWorkers_);
    controls_.grafik->update();
}

void GraphView::RedrawAll() {
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
    drawn_();
}

std::int32_t GraphView::AddGraph(const CompiledExpression& compiled) {
    return graphs_.add(compiled, colors_.nextGraphColor);
}

void GraphView::ClearGraphList() {
    graphs_.clear();
}

void GraphView::ShowBusy() {
    for (QWidget* label : controls_.labbusy) {
        label->setVisible(true);
    }
    QCoreApplication::processEvents();
}

void GraphView::HideBusy() {
    for (QWidget* label : controls_.labbusy) {
        label->setVisible(false);
    }
    QCoreApplication::processEvents();
}

void GraphView::PlaceBusyLabels() {
    const int width = controls_.grafik->width();
    const int height = controls_.grafik->height();
    controls_.labbusy[0]->move(Twips(120), Twips(120));
    controls_.labbusy[1]->move(width - Twips(795), Twips(120));
    controls_.labbusy[2]->move(width - Twips(795), height - Twips(315));
    controls_.labbusy[3]->move(Twips(120), height - Twips(315));
}

void GraphView::LoadRanges() {
    range_.Xmin = ReadSettingSingle(store_, "x min", -7);
    range_.Xmax = ReadSettingSingle(store_, "x max", 7);
    range_.Ymin = ReadSettingSingle(store_, "y min", -5);
    range_.Ymax = ReadSettingSingle(store_, "y max", 6);
}

void GraphView::SaveAndShowRanges() {
    const std::array<QString, 4> texts = {RangeText(range_.Xmin), RangeText(range_.Xmax),
                                          RangeText(range_.Ymin), RangeText(range_.Ymax)};
    store_.WriteSettingTexts(
        {{"x min", texts[0]}, {"x max", texts[1]}, {"y min", texts[2]}, {"y max", texts[3]}});
    // A long value ("1.23456E-05") is shown whole in a smaller type rather than cut.
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ShowFittingCaption(controls_.rangeLabels[i], texts[i]);
    }
}

// The height-to-width ratio of the graph area as it stands now.
double GraphView::AreaRatio() const {
    return static_cast<double>(controls_.grafik->height()) / controls_.grafik->width();
}

void GraphView::ApplyAspect() {
    plotmere::ApplyAspect(range_, AreaRatio());
    SaveAndShowRanges();
}

void GraphView::ApplyAspectFromTop() {
    plotmere::ApplyAspectFromTop(range_, AreaRatio());
    SaveAndShowRanges();
}

void GraphView::EditRange(RangeField field, float value) {
    StoreRangeValue(range_, field, value);
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

void GraphView::Zoom(bool xAxis, bool zoomIn) {
    const bool keepAspect = options_.keepAspect == 1;
    const bool zoomed =
        xAxis ? ZoomX(range_, zoomIn, keepAspect) : ZoomY(range_, zoomIn, keepAspect);
    if (!zoomed) {
        return;
    }
    if (keepAspect) {
        ApplyAspect();
    }
    SaveAndShowRanges();
    RedrawAll();
}

} // namespace plotmere
