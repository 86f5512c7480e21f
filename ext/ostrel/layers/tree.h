#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace Layers {

class LObject;
class LStyle;
class LAttribute;

// Split by the rules of reading lines: "" gives nothing, a trailing delimiter
// adds no empty piece, a leading or doubled one does.
std::deque<std::string> split_segments(const std::string& text, char delimiter);
std::vector<std::string> split_at(const std::string& text, char delimiter);

// The ancestor-or-self that is a direct child of a parentless style.
LObject* top_level_style(LObject* object);
LStyle* parent_style(LObject* object);

// Styles (attributes) among the children, or all descendants in pre-order.
std::vector<LStyle*> collect_descendants(LObject* object, bool recursive);
std::vector<LAttribute*> collect_attributes(LObject* object, bool recursive);

// By name, byte-wise ordered; of equal names the later child wins.
std::map<std::string, LAttribute*> attributes_by_name(LStyle* style);
std::map<std::string, LStyle*> child_styles_by_name(LStyle* style);

}  // namespace Layers
