#pragma once

#include "engine/compiler.h"
#include "themes/graph_colors.h"
#include "view/graph_list.h"
#include "view/plot_workers.h"
#include "view/range_editing.h"
#include "view/view_state.h"

#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QWidget;

namespace plotmere {

class GraphCanvas;
class SettingsStore;

// The graph area's state and what is done to it: the view range and options, the graph colours,
// the graph list, the workers that evaluate samples, and the redraws. It draws into the canvas,
// shows the busy labels while it plots and the range values in their labels, and stores the
// range the moment it changes. The main window owns it and wires its controls to it.
class GraphView {
public:
    struct Controls {
        GraphCanvas* grafik = nullptr;
        std::array<QWidget*, 4> labbusy{};
        std::array<QLabel*, 4> rangeLabels{}; // labxmin, labxmax, labymin, labymax
    };

    // `drawn` is called after every full redraw and every newly plotted graph.
    GraphView(SettingsStore& store, const Controls& controls, std::function<void()> drawn);

    ViewRange& range() { return range_; }
    const ViewRange& range() const { return range_; }
    ViewOptions& options() { return options_; }
    const ViewOptions& options() const { return options_; }
    GraphColors& colors() { return colors_; }
    const GraphColors& colors() const { return colors_; }
    const GraphList& graphs() const { return graphs_; }

    // Clears the area to the background with grid and axes, then yields to pending events.
    // Returns the area's generation, which every reset counts on.
    std::uint64_t ResetGraphArea();
    // Draws graph g (1-based) over the picture.
    void PlotGraph(std::int32_t g);
    // Clears the area and draws every graph again, in list order.
    void RedrawAll();
    // Appends a graph in the next graph colour and returns its number.
    std::int32_t AddGraph(const CompiledExpression& compiled);
    void ClearGraphList();
    void ShowBusy();
    void HideBusy();
    // The busy labels in the area's corners; after every change of the area's size.
    void PlaceBusyLabels();

    // The stored range at start-up (a value not finite in single precision is replaced).
    void LoadRanges();
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

private:
    double AreaRatio() const;

    SettingsStore& store_;
    Controls controls_;
    std::function<void()> drawn_;

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
