#pragma once

// Reading a layer style's attributes into a NodeStyle for a node's active
// state words, and the "Mobile" size scaling.

#include <string>
#include <vector>

#include "ext/ostrel/engine/node_style.h"
#include "ext/ostrel/layers/layers.h"

namespace Ostrel {

using Words = std::vector<std::string>;

// The value an attribute resolves to for the active words, following state
// variants and links; null ("none") when it holds another kind of value. The
// pointers point into the layer tree and stay valid until the tree changes.
const double* resolve_number_value(Layers::LAttribute* attribute, const Words& words,
                                   Layers::LStyle* context);
const std::string* resolve_string_value(Layers::LAttribute* attribute, const Words& words,
                                        Layers::LStyle* context);
const std::vector<std::string>* resolve_list_value(Layers::LAttribute* attribute,
                                                   const Words& words, Layers::LStyle* context);

// The default record for a null style.
NodeStyle resolve_node_props(Layers::LStyle* style, const Words& words);
// The same, written into a default-constructed record: a render fills each
// node's record where it lies instead of moving one in.
void resolve_node_props_into(NodeStyle& out, Layers::LStyle* style, const Words& words);

// A list of gradient stops becomes one ","-joined text with the flag set; a
// string becomes the colour with the flag cleared; anything else (or no
// attribute) changes nothing.
void resolve_fill(Layers::LStyle* style, const std::string& name, const Words& words,
                  std::string& colour, bool& gradient);

std::string join_list(const std::vector<std::string>& items);

// Enlarges sizes when "Mobile" is active, unless a "Mobile" variant sets the
// attribute itself.
void apply_mobile_scaling(NodeStyle& record, Layers::LStyle* style, const Words& words,
                          bool is_icon, double icon_factor, double font_factor,
                          double spacing_factor);

}  // namespace Ostrel
