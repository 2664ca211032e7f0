#pragma once

#include "engine/compiler.h"
#include "themes/graph_colors.h"
#include "view/graph_list.h"
#include "view/plot_workers.h"
#include "view/range_editing.h"
#include "view/view_state.h"

#include <QObject>

#include <array>
#include <cstdint>

class QLabel;
class QWidget;

namespace plotmere {

class GraphCanvas;
class SettingsStore;

// The graph area's state and what is done to it: the view range and options, the graph colours,
// the graph list, the workers that evaluate samples, and the redraws. It draws into the canvas,
// shows the busy labels while it plots and the range values in their labels. It owns its state:
// every change goes through one of its operations, which stores what it changes the moment it
// changes. The main window owns it (objectName "graphView") and wires its controls to it.
class GraphView : public QObject {
    Q_OBJECT
public:
    struct Controls {
        GraphCanvas* grafik = nullptr;
        std::array<QWidget*, 4> labbusy{};
        std::array<QLabel*, 4> rangeLabels{}; // labxmin, labxmax, labymin, labymax
    };

    GraphView(SettingsStore& store, const Controls& controls, QObject* parent = nullptr);

    const ViewRange& range() const { return range_; }
    const ViewOptions& options() const { return options_; }
    const GraphColors& colors() const { return colors_; }
    const GraphList& graphs() const { return graphs_; }

    // Start-up, each step in its place in the main window's load.
    // The stored range (a value that is no finite single-precision number is replaced).
    void LoadRanges();
    // The four stored graph colours, stored back and shown.
    void LoadGraphColors();
    // A switch as stored, with what follows it at start-up: the aspect applied or a colour
    // picked when it is on. Returns the stored value, which a menu check mark shows.
    std::int32_t LoadSwitch(const SwitchSetting& row);
    void LoadSampleCount();

    // Clears the area to the background with grid and axes, then yields to pending events.
    // Returns the area's generation, which every reset counts on.
    std::uint64_t ResetGraphArea();
    // Draws graph g (1-based) over the picture.
    void PlotGraph(std::int32_t g);
    // Draws a graph just added over the picture and tells that the picture is complete.
    void PlotAddedGraph(std::int32_t g);
    // Clears the area and draws every graph again, in list order.
    void RedrawAll();
    // Appends a graph in the next graph colour and returns its number.
    std::int32_t AddGraph(const CompiledExpression& compiled);
    void ClearGraphList();
    void ShowBusy();
    void HideBusy();
    // The busy labels in the area's corners; after every change of the area's size.
    void PlaceBusyLabels();

    // Writes the four range values to the store and shows them in their labels.
    void SaveAndShowRanges();
    // The y range follows the x range so that a unit has about the same length on both axes:
    // keeping the bottom, or, after an edit of the top, keeping the top.
    void ApplyAspect();
    void ApplyAspectFromTop();
    // A typed range value: stored with the order of the range restored, the aspect kept when
    // it is on, saved, shown and redrawn.
    void EditRange(RangeField field, float value);
    // Zooms one axis in or out; a zoom its guards refuse changes nothing.
    void Zoom(bool xAxis, bool zoomIn);

    // A switch set on or off from its menu item: stored, then followed by its effect.
    void SetSwitch(const SwitchSetting& row, bool on);
    // A new number of sample points: stored and drawn.
    void SetSampleCount(std::int32_t sampleCount);
    // New graph colours (the grid's derived from the background): stored and shown. The picture
    // is drawn again only when the caller asks for it.
    void SetGraphColors(const GraphColors& colors);
    // A random colour for the next graph, far from the background and every graph drawn.
    void PickRandomGraphColor();

signals:
    // After every full redraw and every newly plotted graph.
    void drawn();
    // After every change of the graph colours, for the swatches that show them.
    void graphColorsChanged();

private:
    double AreaRatio() const;
    void SaveGraphColors();

    SettingsStore& store_;
    Controls controls_;

    ViewRange range_;
    ViewOptions options_;
    GraphColors colors_;
    GraphList graphs_;
    // Evaluates each graph's samples on every core; drawing stays on this thread.
    PlotWorkers plotWorkers_;
    // Counts the resets of the area, so that a redraw interleaved with other commands knows
    // whether the area it cleared is still the one shown.
    std::uint64_t areaGeneration_ = 0;
};

} // namespace plotmere
