#include "app/site/project_cards.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "app/site/socials.h"
#include "config/config_paths.h"
#include "config/json_file.h"
#include "config/list_append.h"
#include "config/list_remove.h"
#include "config/projects.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

namespace {

// The entries of one card: a family with its members, or one project.
struct CardGroup {
    ProjectEntry primary;
    std::vector<ProjectEntry> members;
};

MemberEntry member_entry(const ProjectEntry& entry, bool several, const fs::path& site_dir) {
    MemberEntry member;
    member.config_path = entry.config_path;
    member.flag = entry.parent_slug.empty() && several;
    member.label = member.flag                   ? "Overview"
                   : !entry.family_label.empty() ? entry.family_label
                                                 : entry.name;
    member.logo = resolve_existing_path(site_dir, entry.logo);
    member.tagline = entry.tagline;
    return member;
}

// Groups the "projects" elements by family (the parent slug, else the slug),
// in the order each group first appears; the entry without a parent slug
// that comes last is the card's face.
std::vector<CardGroup> card_groups(const ordered_json& doc, const fs::path& site_dir,
                                   std::vector<std::string>& registered) {
    std::vector<CardGroup> groups;
    std::map<std::string, std::size_t> by_key;
    const auto projects = doc.find("projects");
    if (projects == doc.end() || !projects->is_array()) return groups;
    for (const ordered_json& element : *projects) {
        const std::string reference = element.is_object() ? json_text(element, "config") : "";
        const ProjectEntry entry = read_project_entry(site_dir, reference);
        if (!entry.config_path.empty()) registered.push_back(entry.config_path);
        const std::string key = entry.parent_slug.empty() ? entry.slug : entry.parent_slug;
        auto [it, added] = by_key.try_emplace(key, groups.size());
        if (added) groups.push_back({entry, {}});
        CardGroup& group = groups[it->second];
        if (entry.parent_slug.empty()) group.primary = entry;
        group.members.push_back(entry);
    }
    return groups;
}

std::vector<Ostrel::ListEntry> project_card_rows(CardTargets& targets,
                                                 const std::vector<CardGroup>& groups,
                                                 const fs::path& site_dir) {
    std::vector<Ostrel::ListEntry> rows;
    for (const CardGroup& group : groups) {
        const std::string id = "proj-" + std::to_string(rows.size());
        Ostrel::ListEntry row{id, {{"title", group.primary.name}}};
        if (!group.primary.tagline.empty()) row.fields["tagline"] = group.primary.tagline;
        const std::string logo = resolve_existing_path(site_dir, group.primary.logo);
        if (!logo.empty()) row.fields["logo"] = logo;
        rows.push_back(std::move(row));

        ProjectCardTarget target{group.primary.config_path, group.primary.name, {}};
        const bool several = group.members.size() > 1;
        for (const ProjectEntry& entry : group.members) {
            // A malformed element names no file: nothing to open or remove.
            if (!entry.config_path.empty())
                target.members.push_back(member_entry(entry, several, site_dir));
        }
        targets.project_cards[id] = std::move(target);
    }
    return rows;
}

void render_orphan_rows(Ostrel::OApp& app, CardTargets& targets, const std::string& panel,
                        const fs::path& site_dir, const std::vector<std::string>& registered) {
    std::vector<Ostrel::ListEntry> rows;
    for (const fs::path& candidate : project_folder_configs(site_dir)) {
        const std::string normal = candidate.lexically_normal().string();
        if (std::find(registered.begin(), registered.end(), normal) != registered.end()) continue;
        const std::string dir = candidate.parent_path().filename().string();
        const std::string config = "./projects/" + dir + "/" + kProjectConfigName;
        const std::string id = "orphan-" + std::to_string(rows.size());
        rows.push_back({id, {{"dir", dir}, {"config", config}}});
        targets.orphan_rows[id] = config;
    }
    const bool any = !rows.empty();
    app.set_rows("orphanRows", std::move(rows));
    app.set_visible(panel + "/Orphans Label", any);
    app.set_visible(panel + "/Orphan Rows", any);
}

}  // namespace

std::vector<fs::path> project_folder_configs(const fs::path& site_dir) {
    std::vector<fs::path> configs;
    std::error_code ec;
    fs::directory_iterator it(site_dir / "projects", ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code entry_ec;
        if (!it->is_directory(entry_ec)) continue;  // links to folders count
        const fs::path config = it->path() / kProjectConfigName;
        if (fs::exists(fs::symlink_status(config, entry_ec))) configs.push_back(config);
    }
    std::sort(configs.begin(), configs.end());
    return configs;
}

void render_project_lists(Ostrel::OApp& app, CardTargets& targets,
                          const std::string& projects_panel, const ordered_json& doc,
                          const fs::path& site_dir) {
    targets.project_cards.clear();
    targets.social_cards.clear();
    targets.orphan_rows.clear();
    std::vector<std::string> registered;
    const std::vector<CardGroup> groups = card_groups(doc, site_dir, registered);
    app.set_rows("projectCards", project_card_rows(targets, groups, site_dir));
    render_orphan_rows(app, targets, projects_panel, site_dir, registered);
}

std::string remove_project_message(const std::string& name, std::size_t count) {
    const std::string tail = count == 1 ? std::string("Its project entry leaves")
                                        : "Its " + std::to_string(count) + " project entries leave";
    return "Remove '" + name + "' from this site? " + tail +
           " the site's registry; the files stay on disk.";
}

void ProjectCardAction::operator()(const std::string&, const std::string& row,
                                   const std::string& action) const {
    const auto it = panels.targets->project_cards.find(row);
    if (it == panels.targets->project_cards.end()) return;
    const ProjectCardTarget& target = it->second;
    if (action == "activate") {
        if (target.config_path.empty() || !panels.open_site_project) return;
        panels.open_site_project(target.config_path, target.name, target.members);
    } else if (action == "remove") {
        if (panels.edits->config_path.empty() || target.members.empty()) return;
        std::vector<std::string> paths;
        for (const MemberEntry& member : target.members) paths.push_back(member.config_path);
        panels.show_confirm("Remove Project",
                            remove_project_message(target.name, target.members.size()), "Remove",
                            RemoveProjectConfirmed{panels.for_pending_action(), std::move(paths)});
    }
}

void RemoveProjectConfirmed::operator()() const {
    panels.flush_edits();
    if (panels.edits->config_path.empty()) return;
    if (remove_site_projects(panels.edits->config_path, config_paths)) panels.reload()();
}

void OrphanRowAction::operator()(const std::string&, const std::string& row,
                                 const std::string& action) const {
    if (action != "activate" || panels.edits->config_path.empty()) return;
    const auto it = panels.targets->orphan_rows.find(row);
    if (it == panels.targets->orphan_rows.end()) return;
    panels.flush_edits();
    if (add_project_to_site_config(panels.edits->config_path, it->second)) panels.reload()();
}

void wire_project_cards(const SitePanelsContext& panels) {
    Ostrel::OApp& app = *panels.app;
    app.on_row_action("projectCards", ProjectCardAction{panels});
    app.on_row_action("orphanRows", OrphanRowAction{panels});
    panels.hooks->render_site_form =
        [&app, targets = panels.targets, projects = panels.paths.projects,
         socials = panels.paths.socials](const ordered_json& doc, const std::string& site_dir) {
            render_project_lists(app, *targets, projects, doc, site_dir);
            render_social_cards(app, *targets, socials, doc, site_dir);
        };
}

}  // namespace Scribenta
