#pragma once

// One rendered node and the helpers shared by the diff and the renderer.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ext/ostrel/engine/node_style.h"

namespace Ostrel {

// Which widget a node becomes, taken from the layer object's type name.
enum class NodeKind : std::int32_t {
    Box = 0,  // "Box" and every object without one of the names below
    Text = 1,
    Button = 2,
    Icon = 3,
    Editor = 4,
    Image = 5,
    Video = 6,
    Markdown = 7,
    QR = 8,
    CheckBox = 9,  // "Check Box"
    Link = 10,
    Host = 11,
    Scanner = 12,
    ComboBox = 13,  // "Combo Box"
};

// One entry of a Combo Box: value is what "select:" sends back, label is shown.
struct ComboOption {
    std::string value;
    std::string label;

    bool operator==(const ComboOption&) const = default;
};

// A plain value: copying copies the whole subtree.
struct RenderNode {
    NodeKind kind = NodeKind::Box;
    std::string name;  // match key of the diff and the widget's object name
    std::string path;  // parent's path + "/" + name; the root's path is the root name
    std::string text;
    NodeStyle style;
    std::vector<ComboOption> options;  // Combo Box only
    std::string selected;              // Combo Box only
    std::vector<RenderNode> children;

    // Render passes over the node and its subtree (node first, then children).
    void collect_check_boxes(std::set<std::string>& out) const;
    void apply_viewport_heights(double viewport_height,
                                const std::map<std::string, double>& fixed_heights, bool& uses);
    void apply_combo_state(const std::map<std::string, std::vector<ComboOption>>& options,
                           const std::map<std::string, std::string>& selection);

    // Text, options, selected value and style equal; kind, name, path and
    // children are not compared.
    bool same_content(const RenderNode& other) const;
};

// The bytes of path before its last "/"; empty when there is no "/" or the
// only one is the first byte.
std::string parent_path(const std::string& path);

}  // namespace Ostrel
