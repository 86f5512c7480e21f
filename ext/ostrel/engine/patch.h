#pragma once

// One change the renderer applies to its widgets.

#include <cstdint>
#include <string>

#include "ext/ostrel/engine/render_node.h"

namespace Ostrel {

enum class PatchKind : std::int32_t {
    Mount = 0,
    Remove = 1,
    Update = 2,
    Replace = 3,
};

struct Patch {
    PatchKind kind = PatchKind::Mount;
    std::string path;
    std::string parent_path;  // parent under which a node is mounted
    std::int32_t index = 0;   // position among the parent's children
    RenderNode node;
};

}  // namespace Ostrel
