#include "view/graph_list.h"

namespace plotmere {

std::vector<ColorValue> GraphList::graphColors() const {
    std::vector<ColorValue> colors;
    colors.reserve(graphs_.size());
    for (const GraphEntry& entry : graphs_) {
        colors.push_back(entry.graphColor);
    }
    return colors;
}

std::int32_t GraphList::add(const CompiledExpression& expression, ColorValue graphColor) {
    graphs_.push_back({expression, graphColor});
    return graphCount();
}

void GraphList::clear() {
    graphs_.clear();
    graphs_.shrink_to_fit();
}

} // namespace plotmere
