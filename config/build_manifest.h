#pragma once

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

// Where a project's source-root build manifest lives: the ".scribenta" of
// the source root (relative to the project config's folder, or absolute),
// or beside the project config when the source root is empty. Lexically
// normal; the file need not exist.
std::filesystem::path manifest_path(const std::filesystem::path& project_config,
                                    const std::string& source_root);

// Reads a manifest for display. False, with a text naming the manifest, when
// it is missing, malformed or declares a format this build cannot read. The
// type of the top-level value is not tested.
bool read_manifest_file(const std::filesystem::path& path, nlohmann::json& doc,
                        std::string* error = nullptr);

// The manifest object of a project, or an empty object whenever it cannot
// be read as one.
nlohmann::json read_manifest(const std::string& project_config, const std::string& source_root);

}  // namespace Scribenta
