#include "config/project_families.h"

#include <optional>
#include <system_error>

#include "config/config_paths.h"
#include "config/json_file.h"
#include "config/project_files.h"
#include "config/projects.h"
#include "config/slugs.h"

// A promotion runs in two halves. First every check that can refuse it,
// with nothing on disk touched. Then the changes, each undone by
// `promote_rollback` if a later one fails:
//   1. move the project folder to the member folder (nothing to undo when
//      the move itself fails);
//   2. recreate the old folder and write the family config there;
//   3. write the member config into the moved folder;
//   4. rewrite the site config.
// The undo removes the family config and the (then empty) old folder, moves
// the member folder back and, once the member config may have replaced the
// project config, writes the project config back from the document read at
// the start. Files that a failed write may have damaged are put back as they
// were read; intact ones are left alone.

namespace Scribenta {
namespace fs = std::filesystem;
using ordered_json = nlohmann::ordered_json;

namespace {

// Config paths are compared in this form so that relative paths, ".." and
// links all meet.
fs::path comparison_form(const fs::path& path) {
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(path, ec);
    return ec ? path.lexically_normal() : canonical;
}

// The first entry of "projects" that resolves to `project`.
std::optional<std::size_t> registered_index(const ordered_json& projects,
                                            const fs::path& site_folder, const fs::path& project) {
    for (std::size_t i = 0; i < projects.size(); ++i) {
        fs::path config = project_config_path(projects[i], site_folder);
        if (!config.empty() && comparison_form(config) == project) return i;
    }
    return std::nullopt;
}

// True when moving `folder` would carry the site config away: the folder is
// the site folder or holds it, or holds the file a linked site config names.
bool holds_site(const fs::path& folder, const fs::path& site_config) {
    auto within = [&](const fs::path& path) {
        fs::path relative = comparison_form(path).lexically_relative(folder);
        return !relative.empty() && *relative.begin() != "..";
    };
    // A bare file name lies in the working folder.
    const fs::path site_folder = site_config.has_parent_path() ? site_config.parent_path() : ".";
    return within(site_folder) || within(site_config);
}

ordered_json family_config_doc(const ordered_json& project, const std::string& slug) {
    ordered_json doc = ordered_json::object();
    doc["format"] = 1;
    doc["slug"] = slug;
    const std::string name = json_string(project, "name");
    doc["name"] = name.empty() ? slug : name;
    for (const char* key : {"tagline", "logo"}) {
        const std::string value = json_string(project, key);
        if (!value.empty()) doc[key] = value;
    }
    return doc;
}

ordered_json member_config_doc(const ordered_json& project, const std::string& slug,
                               const std::string& member_slug, const std::string& family_label) {
    ordered_json doc = ordered_json::object();
    doc["format"] = 1;
    doc["slug"] = member_slug;
    doc["parent_slug"] = slug;
    for (const auto& [key, value] : project.items()) {
        if (key == "format" || key == "slug" || key == "parent_slug" || key == "family_label") {
            continue;
        }
        doc[key] = value;
    }
    if (!family_label.empty()) doc["family_label"] = family_label;
    return doc;
}

// The member's "config": relative to the site folder, with "./" when the old
// text had it; the plain path when no relative form exists.
std::string member_entry_text(const fs::path& member_config, const fs::path& site_folder,
                              const std::string& old_text) {
    std::error_code member_ec, site_ec;
    fs::path member = fs::weakly_canonical(member_config, member_ec);
    fs::path site = fs::weakly_canonical(site_folder, site_ec);
    if (!member_ec && !site_ec) {
        std::string relative = member.lexically_relative(site).generic_string();
        if (!relative.empty()) return old_text.rfind("./", 0) == 0 ? "./" + relative : relative;
    }
    return member_config.string();
}

// The family's "config": the old text, which must name the family config
// now standing in the old folder, so a project config of another name has its
// file name changed (the rest of the text keeps its style).
std::string family_entry_text(const std::string& old_text) {
    if (fs::path(old_text).filename() == kProjectConfigName) return old_text;
    const std::size_t slash = old_text.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : old_text.substr(0, slash + 1);
    return folder + kProjectConfigName;
}

}  // namespace

void promote_rollback(const PromoteUndo& undo, bool remove_family_config,
                      bool restore_project_config) {
    std::error_code ec;
    const fs::path family_config = undo.old_dir / kProjectConfigName;
    if (remove_family_config) fs::remove(family_config, ec);
    fs::remove(undo.old_dir, ec);
    fs::rename(undo.member_dir, undo.old_dir, ec);
    if (restore_project_config) {
        // Under another file name the member config was written beside the
        // project config; it goes, and the project config keeps its name.
        if (undo.project_config_name != kProjectConfigName) fs::remove(family_config, ec);
        save_json_file(undo.old_dir / undo.project_config_name, undo.project);
    }
}

bool promote_to_family(const fs::path& site_config, const fs::path& project_config,
                       const std::string& member_slug, const std::string& family_label,
                       std::string* out_family_config, std::string* out_member_config,
                       std::string* error) {
    const fs::path site_folder = site_config.parent_path();
    if (!is_valid_slug(member_slug)) {
        return set_error(error, slug_rule_error("core"));
    }
    ordered_json site;
    if (!load_site_config(site_config, site, error)) return false;
    auto projects_it = site.find("projects");
    if (projects_it == site.end() || !projects_it->is_array()) {
        return set_error(error, "'projects' is not an array in the site config.");
    }
    const fs::path project_path = comparison_form(project_config);
    const auto index = registered_index(*projects_it, site_folder, project_path);
    if (!index) return set_error(error, "This project isn't registered in the site's config.");

    ordered_json project;
    if (!load_config_object(project_path, project, "Cannot read project config: ", error)) {
        return false;
    }
    const std::string slug = json_string(project, "slug");
    if (slug.empty()) return set_error(error, "The project's config has no slug.");
    if (!json_string(project, "parent_slug").empty()) {
        return set_error(error, "This project is already a family member.");
    }
    if (member_slug == slug) {
        return set_error(
            error, "Choose a different slug \xE2\x80\x94 '" + slug + "' stays with the family.");
    }
    for (const auto& ref : list_project_refs(site, site_folder)) {
        if (ref.parent_slug == slug) {
            return set_error(error, "'" + slug + "' is already a project family.");
        }
    }

    const fs::path old_dir = project_path.parent_path();
    const fs::path config_name = project_path.filename();
    const std::string member_name = slug + "-" + member_slug;
    if (!is_plain_folder_name(member_name)) return set_error(error, folder_name_error(member_name));
    if (holds_site(old_dir, site_config)) {
        return set_error(error,
                         "The project's folder holds the site config; give the project a folder "
                         "of its own first.");
    }
    const fs::path member_dir = old_dir.parent_path() / member_name;
    if (path_exists(member_dir)) return set_error(error, member_dir.string() + " already exists.");
    const fs::path family_config = old_dir / kProjectConfigName;
    if (config_name != kProjectConfigName && path_exists(family_config)) {
        return set_error(error, family_config.string() + " already exists.");
    }

    std::error_code ec;
    fs::rename(old_dir, member_dir, ec);
    if (ec) return set_error(error, "Could not move " + old_dir.string() + ": " + ec.message());

    const fs::path member_config = member_dir / kProjectConfigName;
    const PromoteUndo undo{old_dir, member_dir, member_config, project, config_name};

    fs::create_directories(old_dir, ec);
    if (ec || !save_json_file(family_config, family_config_doc(project, slug))) {
        promote_rollback(undo, true, false);
        return set_error(error, "Could not write " + family_config.string());
    }
    if (!save_json_file(member_config,
                        member_config_doc(project, slug, member_slug, family_label))) {
        const bool damaged = path_exists(member_config) && !file_holds(member_config, project);
        promote_rollback(undo, true, damaged);
        return set_error(error, "Could not write " + member_config.string());
    }

    const ordered_json site_as_read = site;
    auto& projects = site["projects"];
    auto& entry = projects[*index];
    const std::string old_text = json_string(entry, "config");
    entry["config"] = member_entry_text(member_config, site_folder, old_text);
    projects.insert(projects.begin() + static_cast<std::ptrdiff_t>(*index),
                    ordered_json{{"config", family_entry_text(old_text)}});
    if (!save_json_file(site_config, site)) {
        restore_unless_intact(site_config, site_as_read);
        promote_rollback(undo, true, true);
        return set_error(error, "Could not write " + site_config.string());
    }

    if (out_family_config) *out_family_config = family_config.string();
    if (out_member_config) *out_member_config = member_config.string();
    return true;
}

}  // namespace Scribenta
