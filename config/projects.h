#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace Scribenta {

// The display fields of one project config; every field is read as text.
struct ProjectEntry {
    std::string config_path;
    std::string slug;
    std::string name;  // falls back to the slug, then to the reference text
    std::string tagline;
    std::string parent_slug;
    std::string family_label;
    std::string logo;  // as written in the config, not resolved
};

// One element of the site's "projects" array with the slugs of its config.
struct ProjectRef {
    std::size_t index = 0;  // position in "projects", unreadable entries included
    std::filesystem::path config_path;
    std::string slug;
    std::string parent_slug;
};

struct AddProjectRequest {
    std::string name;
    std::string slug;
    std::string tagline;       // written only when non-empty
    std::string parent_slug;   // empty for a stand-alone project
    std::string family_label;  // members only; written only when non-empty
};

// Reads a project config named by `reference` (relative to `site_folder`
// unless absolute). Never fails: what cannot be read stays empty.
ProjectEntry read_project_entry(const std::filesystem::path& site_folder,
                                const std::string& reference);

// The registered projects in the order of the site's "projects" array.
std::vector<ProjectRef> list_project_refs(const nlohmann::ordered_json& site_config,
                                          const std::filesystem::path& site_folder);

// Creates a project (stand-alone, or a member of an existing family): its
// folder under the site's "projects" folder, its config, and its entry in the
// site config. On success the new config's path goes to `out_config_path`.
bool add_project(const std::filesystem::path& site_config, const AddProjectRequest& request,
                 std::string* out_config_path = nullptr, std::string* error = nullptr);

}  // namespace Scribenta
