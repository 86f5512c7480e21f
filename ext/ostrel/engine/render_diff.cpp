// Matching children: a child is identified by its name among its parent's
// children, never by its position. The old children are indexed by name (of
// equal names the later wins) and the new names collected; old children whose
// name is gone are removed, in old order; then, in new order, a name the old
// list lacks is mounted at its new position, and a name it has is diffed
// against that old child. Children that only changed places are diffed in
// place, so no patch ever moves a widget.

#include "ext/ostrel/engine/render_diff.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "ext/ostrel/engine/expansion.h"
#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

namespace {

// The node without its children, for Update patches.
RenderNode without_children(const RenderNode& node) {
    RenderNode copy;
    copy.kind = node.kind;
    copy.name = node.name;
    copy.path = node.path;
    copy.text = node.text;
    copy.style = node.style;
    copy.options = node.options;
    copy.selected = node.selected;
    return copy;
}

Patch make_patch(PatchKind kind, const std::string& path, std::string parent, int index,
                 RenderNode node) {
    Patch patch;
    patch.kind = kind;
    patch.path = path;
    patch.parent_path = std::move(parent);
    patch.index = index;
    patch.node = std::move(node);
    return patch;
}

}  // namespace

void diff_nodes(const RenderNode& old_node, const RenderNode& new_node, std::vector<Patch>& out) {
    if (old_node.kind != new_node.kind) {
        out.push_back(
            make_patch(PatchKind::Replace, new_node.path, parent_path(new_node.path), 0, new_node));
        return;
    }
    if (!old_node.same_content(new_node)) {
        out.push_back(
            make_patch(PatchKind::Update, new_node.path, "", 0, without_children(new_node)));
    }
    diff_children(old_node, new_node, out);
}

void diff_children(const RenderNode& old_node, const RenderNode& new_node,
                   std::vector<Patch>& out) {
    // Sorted vectors stand in for the ordered map and set: one allocation per
    // child list instead of one per child. The names point into the two
    // trees, which outlive this call.
    using Named = std::pair<std::string_view, const RenderNode*>;
    std::vector<Named> old_by_name;
    old_by_name.reserve(old_node.children.size());
    for (const RenderNode& child : old_node.children) old_by_name.emplace_back(child.name, &child);
    // Stable, so of equal names the later old child comes last and wins.
    std::stable_sort(old_by_name.begin(), old_by_name.end(),
                     [](const Named& a, const Named& b) { return a.first < b.first; });
    const auto find_old = [&](std::string_view name) -> const RenderNode* {
        auto past =
            std::upper_bound(old_by_name.begin(), old_by_name.end(), name,
                             [](std::string_view n, const Named& e) { return n < e.first; });
        if (past == old_by_name.begin() || std::prev(past)->first != name) return nullptr;
        return std::prev(past)->second;
    };
    std::vector<std::string_view> new_names;
    new_names.reserve(new_node.children.size());
    for (const RenderNode& child : new_node.children) new_names.push_back(child.name);
    std::sort(new_names.begin(), new_names.end());

    for (const RenderNode& child : old_node.children) {
        if (!std::binary_search(new_names.begin(), new_names.end(), std::string_view(child.name))) {
            out.push_back(make_patch(PatchKind::Remove, child.path, "", 0, RenderNode()));
        }
    }
    int index = 0;
    for (const RenderNode& child : new_node.children) {
        if (const RenderNode* old_child = find_old(child.name)) {
            diff_nodes(*old_child, child, out);
        } else {
            out.push_back(make_patch(PatchKind::Mount, child.path, new_node.path, index, child));
        }
        ++index;
    }
}

std::vector<Patch> OApp::render() {
    RenderNode tree = render_root(*this);
    std::vector<Patch> patches;
    if (last_tree) {
        diff_nodes(*last_tree, tree, patches);
    } else {
        patches.push_back(make_patch(PatchKind::Mount, tree.path, "", 0, tree));
    }
    // The new tree is kept as it is; nothing else holds it.
    last_tree = std::make_unique<RenderNode>(std::move(tree));
    return patches;
}

}  // namespace Ostrel
