#pragma once

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

// Small file steps shared by the operations that create projects and
// families and undo their work when a later step fails. None of them throws.

// Reads a config into `doc`; false with `cannot_read` and the path when it
// cannot be read, does not parse or is not an object, and with the path and
// nested_too_deeply_text() when it nests past kMaxConfigNesting.
bool load_config_object(const std::filesystem::path& path, nlohmann::ordered_json& doc,
                        const std::string& cannot_read, std::string* error);

// The site config, with "Cannot read site config: " as the failure text.
bool load_site_config(const std::filesystem::path& site_config, nlohmann::ordered_json& site,
                      std::string* error);

// True when an entry exists at `path`; a status that cannot be read counts
// as missing.
bool path_exists(const std::filesystem::path& path);

// True when the file parses to exactly `doc` (members in the same order).
bool file_holds(const std::filesystem::path& path, const nlohmann::ordered_json& doc);

// Writes `doc` back to `path` unless the file still holds it, so a file that
// a failed write may have damaged is put back as it was read, and an intact
// one is left byte for byte. Errors are ignored: this runs while undoing.
void restore_unless_intact(const std::filesystem::path& path, const nlohmann::ordered_json& doc);

}  // namespace Scribenta
