#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace Layers {

class LStyle;

// Fills base name, publisher and extras of a style under construction and
// appends its attributes and child styles.
void parse_style_json(LStyle* style, const nlohmann::ordered_json& value,
                      const std::filesystem::path& source_path);
// The text without a leading "S:".
std::string strip_style_prefix(const std::string& text);
void define_attributes(LStyle* style, const std::string& key, const nlohmann::ordered_json& value);
void define_child_styles(LStyle* style, const std::string& key,
                         const nlohmann::ordered_json& value);
// "Size.(Width,Height)" stands for "Size.Width" and "Size.Height". A key that
// would stand for more than 4,096 names, or need more than 256 groups for one
// of them, stands for none: the result is empty.
std::vector<std::string> expand_key_alternatives(const std::string& key);
// Appends a deep copy of `source` (attributes first, then child styles) as
// the last child of `parent`.
void clone_style(LStyle* source, LStyle* parent);

}  // namespace Layers
