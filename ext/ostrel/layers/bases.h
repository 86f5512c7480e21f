#pragma once

namespace Layers {

struct Registry;
class LStyle;

// Finds the base named by the style's base name, then does the same for its
// child styles. A base that would close a cycle of bases is refused.
void resolve_base_references(Registry& registry, LStyle* style);
// Copies into `style` what it lacks from `base`.
void apply_base(LStyle* style, LStyle* base);
// Adds or overwrites the content of `incoming` in `destination`.
void merge_style(LStyle* destination, LStyle* incoming);

}  // namespace Layers
