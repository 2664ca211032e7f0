#pragma once

#include "engine/compiler.h"
#include "widgets/color_value.h"

#include <cstdint>
#include <vector>

namespace plotmere {

// One plotted graph: its compiled expression (with the parameter values of its compile) and
// the colour it is drawn in.
struct GraphEntry {
    CompiledExpression expression;
    ColorValue graphColor = 0;
};

// The graphs shown, numbered 1 ... graphCount in the order they were added. The list only
// grows or is emptied as a whole.
class GraphList {
public:
    std::int32_t graphCount() const { return static_cast<std::int32_t>(graphs_.size()); }
    // Graph g, 1-based.
    const GraphEntry& graph(std::int32_t g) const {
        return graphs_.at(static_cast<std::size_t>(g - 1));
    }
    std::vector<ColorValue> graphColors() const;

    // Appends a graph and returns its number.
    std::int32_t add(const CompiledExpression& expression, ColorValue graphColor);
    void clear();

private:
    std::vector<GraphEntry> graphs_;
};

} // namespace plotmere
