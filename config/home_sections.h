#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace Scribenta {

// Editing of the site's home-page sections, "home"."sections" of the site
// config. A "home" that is not an object holds no sections here, and an
// "id" or "type" that is not a string counts as absent.

// The "type" of each object section in list order ("" when it has none).
std::vector<std::string> home_section_types(const std::string& site_config_path);

// `base` (or "section" when empty), else base-2, base-3, ...: the first not
// used as a section "id".
std::string unique_home_section_id(const std::string& site_config_path, const std::string& base);

// Creates "content-fragments/<id>_home.html" in the site folder with a
// placeholder unless it exists, and returns its reference from the site root
// ("/content-fragments/<id>_home.html"); empty when it cannot be written or
// when `id` is not one plain file-name component (nothing is created then).
std::string create_home_fragment(const std::filesystem::path& site_folder, const std::string& id);

// Appends a copy of `section` to the list, making "home" an object and
// "sections" an array when they are not.
bool add_home_section_to_config(const std::string& site_config_path,
                                const nlohmann::ordered_json& section);

// Swaps the section at `index` with the one `delta` places away; false,
// without writing, when either lies outside the list.
bool move_home_section(const std::string& site_config_path, std::size_t index, int delta);

}  // namespace Scribenta
