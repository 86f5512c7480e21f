#pragma once

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

// File names of the three configuration kinds.
inline constexpr const char* kSiteConfigName = ".scribenta-site";
inline constexpr const char* kProjectConfigName = ".scribenta-project";
inline constexpr const char* kManifestName = ".scribenta";

enum class ConfigKind { Site = 0, Project = 1, Manifest = 2, Other = 3 };

// What kind of configuration a file is: by its name first, then by the
// members of its top-level object. Unreadable files are `Other`.
ConfigKind classify_config_file(const std::string& path);

// The "name" (project) or "title" (site) of a config, else the name of the
// folder that holds it.
std::string config_display_name(const std::string& config_path, bool is_project);

// The nearest folder at or above `start` holding a site config; `start`
// itself when there is none.
std::filesystem::path find_site_root(const std::filesystem::path& start);

// `rel` (leading "/" meaning `base`) joined to `base` when that names an
// existing entry, in lexically normal form; otherwise empty.
std::string resolve_existing_path(const std::filesystem::path& base, std::string rel);
std::string resolve_site_path(const std::filesystem::path& start, std::string rel);

// The lexical path from `base` to `path` with forward slashes; `path` itself
// when no relative form exists.
std::string relative_path_string(const std::filesystem::path& base,
                                 const std::filesystem::path& path);

// Copies `source` into `folder` (created when missing), replacing a file of
// the same name; the copy's path, or empty on failure.
std::string copy_into_directory(const std::filesystem::path& folder,
                                const std::filesystem::path& source);

// The site's "branding"."logo_path" resolved against the config's folder.
std::string site_logo_path(const std::string& site_config_path);

// The project config named by a "projects" entry's "config", normalised.
std::filesystem::path project_config_path(const nlohmann::ordered_json& entry,
                                          const std::filesystem::path& site_folder);

}  // namespace Scribenta
