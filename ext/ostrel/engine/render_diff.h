#pragma once

// Comparing two render trees into the patches that turn the first into the
// second.

#include <vector>

#include "ext/ostrel/engine/patch.h"
#include "ext/ostrel/engine/render_node.h"

namespace Ostrel {

// Replace when the kinds differ (and nothing below is compared); otherwise
// Update when the content differs, then the children.
void diff_nodes(const RenderNode& old_node, const RenderNode& new_node, std::vector<Patch>& out);
// Removes of vanished children, then Mounts and the diffs of kept children in
// the new order.
void diff_children(const RenderNode& old_node, const RenderNode& new_node, std::vector<Patch>& out);

}  // namespace Ostrel
