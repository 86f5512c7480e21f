#include "config/projects.h"

#include <optional>
#include <system_error>

#include "config/config_paths.h"
#include "config/json_file.h"
#include "config/project_files.h"
#include "config/slugs.h"

namespace Scribenta {
namespace fs = std::filesystem;
using ordered_json = nlohmann::ordered_json;

namespace {

// The slug a project is unique by: its family's slug for a member, its own
// slug otherwise.
const std::string& top_level_slug(const ProjectRef& ref) {
    return ref.parent_slug.empty() ? ref.slug : ref.parent_slug;
}

// Where the new entry goes in "projects": the end for a stand-alone project,
// right after the family's last entry for a member. Empty when the request
// clashes with a registered project or names no family.
std::optional<std::size_t> insertion_position(const std::vector<ProjectRef>& refs, std::size_t end,
                                              const AddProjectRequest& request,
                                              std::string* error) {
    if (request.parent_slug.empty()) {
        for (const auto& ref : refs) {
            if (top_level_slug(ref) == request.slug) {
                set_error(error, "A project with slug '" + request.slug +
                                     "' already exists in this site.");
                return std::nullopt;
            }
        }
        return end;
    }
    bool parent_found = false;
    std::size_t last = 0;  // always set once the parent is found
    for (const auto& ref : refs) {
        if (top_level_slug(ref) != request.parent_slug) continue;
        if (ref.parent_slug.empty()) parent_found = true;
        if (ref.slug == request.slug) {
            set_error(error, "The family already has a project with slug '" + request.slug + "'.");
            return std::nullopt;
        }
        last = ref.index;
    }
    if (!parent_found) {
        set_error(error, "No project with slug '" + request.parent_slug + "' to add a member to.");
        return std::nullopt;
    }
    return last + 1;
}

std::string member_folder_name(const AddProjectRequest& request) {
    if (request.parent_slug.empty()) return request.slug;
    const std::string prefix = request.parent_slug + "-";
    if (request.slug.rfind(prefix, 0) == 0) return request.slug;
    return prefix + request.slug;
}

ordered_json new_project_config(const AddProjectRequest& request) {
    ordered_json doc = ordered_json::object();
    doc["format"] = 1;
    doc["slug"] = request.slug;
    const bool member = !request.parent_slug.empty();
    if (member) doc["parent_slug"] = request.parent_slug;
    doc["name"] = request.name;
    if (!request.tagline.empty()) doc["tagline"] = request.tagline;
    if (member && !request.family_label.empty()) doc["family_label"] = request.family_label;
    return doc;
}

}  // namespace

ProjectEntry read_project_entry(const fs::path& site_folder, const std::string& reference) {
    ProjectEntry entry;
    if (reference.empty()) return entry;
    fs::path config(reference);
    if (!config.is_absolute()) config = site_folder / config;
    entry.config_path = config.lexically_normal().string();

    // A partly parsed file still gives what was parsed before the error.
    nlohmann::json doc = nlohmann::json::object();
    parse_json_file(fs::path(entry.config_path), doc);
    entry.slug = json_text(doc, "slug");
    entry.name = json_text(doc, "name");
    entry.tagline = json_text(doc, "tagline");
    entry.parent_slug = json_text(doc, "parent_slug");
    entry.family_label = json_text(doc, "family_label");
    entry.logo = json_text(doc, "logo");
    if (entry.name.empty()) entry.name = entry.slug;
    if (entry.name.empty()) entry.name = reference;
    return entry;
}

std::vector<ProjectRef> list_project_refs(const ordered_json& site_config,
                                          const fs::path& site_folder) {
    std::vector<ProjectRef> refs;
    if (!site_config.is_object()) return refs;
    auto projects = site_config.find("projects");
    if (projects == site_config.end() || !projects->is_array()) return refs;
    for (const auto& element : *projects) {
        ProjectRef ref;
        ref.index = refs.size();
        ref.config_path = project_config_path(element, site_folder);
        ordered_json doc;
        if (!ref.config_path.empty() && load_json_file(ref.config_path, doc)) {
            ref.slug = json_string(doc, "slug");
            ref.parent_slug = json_string(doc, "parent_slug");
        }
        refs.push_back(std::move(ref));
    }
    return refs;
}

bool add_project(const fs::path& site_config, const AddProjectRequest& request,
                 std::string* out_config_path, std::string* error) {
    if (request.name.empty()) return set_error(error, "The project needs a name.");
    if (!is_valid_slug(request.slug)) {
        return set_error(error, slug_rule_error("profile-api"));
    }
    ordered_json site;
    if (!load_site_config(site_config, site, error)) return false;
    const ordered_json site_as_read = site;
    auto& projects = site["projects"];  // added last when missing
    if (projects.is_null()) projects = ordered_json::array();
    if (!projects.is_array()) {
        return set_error(error, "'projects' is not an array in the site config.");
    }

    const fs::path site_folder = site_config.parent_path();
    auto position =
        insertion_position(list_project_refs(site, site_folder), projects.size(), request, error);
    if (!position) return false;

    const std::string folder_name = member_folder_name(request);
    if (!is_plain_folder_name(folder_name)) return set_error(error, folder_name_error(folder_name));
    const fs::path project_folder = site_folder / "projects" / folder_name;
    const fs::path config_path = project_folder / kProjectConfigName;
    if (path_exists(config_path))
        return set_error(error, config_path.string() + " already exists.");

    std::error_code ec;
    fs::create_directories(project_folder, ec);
    if (ec) {
        return set_error(error,
                         "Could not create " + project_folder.string() + ": " + ec.message());
    }
    if (!save_json_file(config_path, new_project_config(request))) {
        fs::remove(config_path, ec);  // nothing of a failed write may stay
        return set_error(error, "Could not write " + config_path.string());
    }

    ordered_json entry = {{"config", "./projects/" + folder_name + "/" + kProjectConfigName}};
    projects.insert(projects.begin() + static_cast<std::ptrdiff_t>(*position), std::move(entry));
    if (!save_json_file(site_config, site)) {
        fs::remove(config_path, ec);
        restore_unless_intact(site_config, site_as_read);
        return set_error(error, "Could not write " + site_config.string());
    }
    if (out_config_path) *out_config_path = config_path.string();
    return true;
}

}  // namespace Scribenta
