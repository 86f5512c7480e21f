// Passes over a finished render tree, node first and then each child in
// order, and the content comparison the diff uses.

#include <cmath>

#include "ext/ostrel/engine/render_node.h"

namespace Ostrel {

void RenderNode::collect_check_boxes(std::set<std::string>& out) const {
    if (kind == NodeKind::CheckBox) out.insert(path);
    for (const RenderNode& child : children) child.collect_check_boxes(out);
}

void RenderNode::apply_viewport_heights(double viewport_height,
                                        const std::map<std::string, double>& fixed_heights,
                                        bool& uses) {
    if (style.height_viewport > 0) {
        uses = true;
        if (viewport_height > 0 && fixed_heights.count(path) == 0) {
            style.height = std::round(viewport_height * style.height_viewport);
        }
    }
    for (RenderNode& child : children)
        child.apply_viewport_heights(viewport_height, fixed_heights, uses);
}

void RenderNode::apply_combo_state(
    const std::map<std::string, std::vector<ComboOption>>& options_by_path,
    const std::map<std::string, std::string>& selection) {
    if (kind == NodeKind::ComboBox) {
        if (const auto found = options_by_path.find(path); found != options_by_path.end()) {
            options = found->second;
        }
        if (const auto found = selection.find(path); found != selection.end()) {
            selected = found->second;
        }
    }
    for (RenderNode& child : children) child.apply_combo_state(options_by_path, selection);
}

bool RenderNode::same_content(const RenderNode& other) const {
    return text == other.text && options == other.options && selected == other.selected &&
           style == other.style;
}

}  // namespace Ostrel
