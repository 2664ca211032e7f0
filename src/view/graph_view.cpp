#include "view/graph_view.h"

#include "settings/settings_store.h"
#include "view/graph_area.h"
#include "view/graph_canvas.h"
#include "view/natural_ratio.h"
#include "view/plotter.h"
#include "widgets/accessible_label.h"
#include "widgets/fitting_caption.h"
#include "widgets/twips.h"

#include <QCoreApplication>
#include <QLabel>

namespace plotmere {

namespace {

QString RangeText(float value) {
    return SettingsStore::SingleText(value);
}

} // namespace

GraphView::GraphView(SettingsStore& store, const Controls& controls, QObject* parent)
    : QObject(parent)
    , store_(store)
    , controls_(controls) {
    setObjectName("graphView");
}

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

void GraphView::PlotAddedGraph(std::int32_t g) {
    PlotGraph(g);
    emit drawn();
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
    emit drawn();
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
    range_.Xmin = store_.Read(XminSetting);
    range_.Xmax = store_.Read(XmaxSetting);
    range_.Ymin = store_.Read(YminSetting);
    range_.Ymax = store_.Read(YmaxSetting);
}

void GraphView::LoadGraphColors() {
    SetGraphColors(ReadGraphColors(store_));
}

std::int32_t GraphView::LoadSwitch(const SwitchSetting& row) {
    const std::int32_t value = store_.Read(row.stored);
    options_.*row.field = value;
    if (value == 1 && row.effect == SwitchEffect::PickColor) {
        PickRandomGraphColor();
    }
    if (value == 1 && row.effect == SwitchEffect::KeepAspect) {
        ApplyAspect();
    }
    return value;
}

// Not checked against 200 ... 100000 here: drawing takes the nearest allowed count.
void GraphView::LoadSampleCount() {
    options_.sampleCount = store_.Read(SampleCountSetting);
}

void GraphView::SetSwitch(const SwitchSetting& row, bool on) {
    options_.*row.field = on ? 1 : 0;
    store_.Write(row.stored, options_.*row.field);
    switch (row.effect) {
    case SwitchEffect::Redraw:
        RedrawAll();
        break;
    case SwitchEffect::KeepAspect:
        // Switched off, the range stays as it is.
        if (on) {
            ApplyAspect();
            RedrawAll();
        }
        break;
    case SwitchEffect::PickColor:
        // The colour of graphs already drawn stays: nothing to redraw.
        if (on) {
            PickRandomGraphColor();
        }
        break;
    }
}

void GraphView::SetSampleCount(std::int32_t sampleCount) {
    options_.sampleCount = sampleCount;
    store_.Write(SampleCountSetting, sampleCount);
    RedrawAll();
}

void GraphView::SetGraphColors(const GraphColors& colors) {
    colors_ = colors;
    SaveGraphColors();
}

void GraphView::PickRandomGraphColor() {
    colors_.nextGraphColor =
        plotmere::PickRandomGraphColor(colors_.backColor, graphs_.graphColors());
    SaveGraphColors();
}

// Stores the four colours, derives the grid's and lets the swatches show them.
void GraphView::SaveGraphColors() {
    WriteGraphColors(colors_, store_);
    colors_.gridColor = DeriveGridColor(colors_.backColor);
    emit graphColorsChanged();
}

void GraphView::SaveAndShowRanges() {
    const std::array<QString, 4> texts = {RangeText(range_.Xmin), RangeText(range_.Xmax),
                                          RangeText(range_.Ymin), RangeText(range_.Ymax)};
    store_.WriteSettingTexts({{FromTable(XminSetting.name), texts[0]},
                              {FromTable(XmaxSetting.name), texts[1]},
                              {FromTable(YminSetting.name), texts[2]},
                              {FromTable(YmaxSetting.name), texts[3]}});
    // A long value ("1.23456E-05") is shown whole in a smaller type rather than cut. A screen
    // reader says which end it is ("Xmin, -7").
    static constexpr std::array<const char*, 4> ends = {"Xmin", "Xmax", "Ymin", "Ymax"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ShowFittingCaption(controls_.rangeLabels[i], texts[i]);
        SetSpokenName(controls_.rangeLabels[i], ends[i], texts[i]);
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
