#include "app/open_configs.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/shell_status.h"
#include "app/text_view.h"
#include "config/config_paths.h"
#include "config/format_check.h"
#include "config/projects.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {
namespace fs = std::filesystem;

namespace {

constexpr const char* kMemberPrefix = "member-";

// The decimal index of "member-<i>", or false for any other row id.
bool member_index(const std::string& row, std::size_t& index) {
    const std::string prefix = kMemberPrefix;
    if (row.size() <= prefix.size() || row.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string digits = row.substr(prefix.size());
    if (digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    index = static_cast<std::size_t>(std::stoul(digits));
    return true;
}

}  // namespace

std::string OpenConfigs::tab_key(const std::string& id) const {
    return std::string(kLeftTabs) + "/" + id;
}

OpenConfig* OpenConfigs::find_open(const std::string& id) {
    for (OpenConfig& config : open) {
        if (config.id == id) return &config;
    }
    return nullptr;
}

void OpenConfigs::open_config_file(const std::string& path) {
    const std::string identity = config_identity(path);
    const ConfigKind kind = classify_config_file(identity);
    if (kind != ConfigKind::Site && kind != ConfigKind::Project) {
        show_message("Unsupported Config", "This file isn't a site or project configuration.");
        return;
    }
    std::string error;
    if (!check_file_format(identity, &error)) {
        show_message("Unsupported Config",
                     fs::path(identity).filename().string() + " " + error + ".");
        return;
    }
    OpenConfig config;
    config.path = identity;
    config.kind = kind == ConfigKind::Site ? kSiteConfig : kProjectConfig;
    config.name = config_display_name(identity, config.kind == kProjectConfig);
    if (config.kind == kProjectConfig) {
        const ProjectEntry entry = read_project_entry(fs::path(), identity);
        MemberEntry member;
        member.config_path = identity;
        member.label = entry.family_label.empty() ? entry.name : entry.family_label;
        member.logo = resolve_site_path(fs::path(identity).parent_path(), entry.logo);
        member.tagline = entry.tagline;
        config.members.push_back(std::move(member));
        config.logo = flagged_or_first_value(config.members);
    } else {
        config.logo = site_logo_path(identity);
    }
    open_config(std::move(config));
}

void OpenConfigs::open_site_project(const std::string& config_path, const std::string& name,
                                    std::vector<MemberEntry> members) {
    if (members.empty()) return;
    OpenConfig config;
    config.path = config_identity(config_path);
    config.name = name.empty() ? "Project" : name;
    config.kind = kProjectConfig;
    config.members = std::move(members);
    config.logo = flagged_or_first_value(config.members);
    open_config(std::move(config));
}

void OpenConfigs::open_config(OpenConfig config) {
    if (config.path == shown->path && !shown->id.empty()) {
        window_tabs->select(tab_key(shown->id));
        return;
    }
    std::weak_ptr<OpenConfigs> self = weak_from_this();
    confirm_leave_unsaved([self, config = std::move(config)] {
        if (auto configs = self.lock()) configs->switch_to_config(config);
    });
}

void OpenConfigs::switch_to_config(OpenConfig config) {
    for (const OpenConfig& entry : open) {
        if (entry.path != config.path) continue;
        const OpenConfig stored = entry;  // the stored entry, not the newly read data
        show_open_config(stored);
        window_tabs->select(tab_key(stored.id));
        return;
    }
    config.id = "config-" + std::to_string(tab_counter++);
    open.push_back(config);
    refresh_left_tabs();
    show_open_config(config);
    const std::string key = tab_key(config.id);
    window_tabs->add(key, kConfigPane, "Active");
    window_tabs->select(key);
}

void OpenConfigs::show_open_config(const OpenConfig& config) {
    flush_edits();
    *shown = config;
    const bool project = config.kind != kSiteConfig;
    current->shell = project ? project_shell : site_shell;
    app->set_visible(site_shell->base, !project);
    app->set_visible(project_shell->base, project);
    if (project) {
        if (hooks.render_family_tabs) hooks.render_family_tabs(config);
        select_tab(*app, *project_shell, "Project Tab");
        set_view_mode(*app, *project_shell, "editor");
        if (hooks.render_project_form) hooks.render_project_form(config, 0);
    } else {
        select_tab(*app, *site_shell, "Website Tab");
        set_view_mode(*app, *site_shell, "editor");
        if (hooks.populate_site_form) hooks.populate_site_form(config);
    }
}

bool OpenConfigs::text_view_is_modified() const {
    const auto shell = current->shell.lock();
    return shell && text_view_modified(*app, *edits, *shell);
}

std::string OpenConfigs::unsaved_editor() const {
    // The editors of a closed configuration keep their text until the next
    // one loads, but the user discarded it when closing the tab.
    if (shown->kind == kNoConfig) return {};
    if (text_view_is_modified()) return "Text view";
    const auto shell = current->shell.lock();
    return shell ? first_dirty_guard(*shell) : std::string();
}

void OpenConfigs::confirm_leave_unsaved(std::function<void()> then) {
    const std::string name = unsaved_editor();
    if (name.empty()) {
        then();
        return;
    }
    show_confirm(
        "Discard changes?",
        "The " + name + " has unsaved changes. Leaving this configuration will discard them.",
        "Discard", std::move(then));
}

bool OpenConfigs::confirm_close_window(std::function<void()> close) {
    const std::string name = unsaved_editor();
    if (name.empty()) return true;
    show_confirm("Discard changes?",
                 "The " + name + " has unsaved changes. Closing the window will discard them.",
                 "Discard", std::move(close));
    return false;
}

void OpenConfigs::refresh_left_tabs() {
    std::vector<Ostrel::ListEntry> rows;
    for (const OpenConfig& config : open) {
        Ostrel::ListEntry row{config.id, {{"title", config.name}}};
        row.fields["icon"] = config.kind == kSiteConfig  ? "site"
                             : config.members.size() > 1 ? "project-family"
                                                         : "project";
        if (!config.logo.empty()) row.fields["logo"] = config.logo;
        rows.push_back(std::move(row));
    }
    app->set_rows("leftTabs", std::move(rows));
}

void OpenConfigs::sync_config_tab() {
    if (shown->id.empty()) return;
    if (shown->kind != kSiteConfig) shown->logo = flagged_or_first_value(shown->members);
    if (OpenConfig* entry = find_open(shown->id)) {
        entry->logo = shown->logo;
        entry->members = shown->members;
    }
    refresh_left_tabs();
}

// Closing the configuration on screen asks first when it holds unsaved text,
// like every other way of leaving it; closing any other tab asks nothing.
void OpenConfigs::close_config_tab(const std::string& id) {
    if (id.empty() || id != shown->id) {
        close_now(id);
        return;
    }
    std::weak_ptr<OpenConfigs> self = weak_from_this();
    confirm_leave_unsaved([self, id] {
        if (auto configs = self.lock()) configs->close_now(id);
    });
}

void OpenConfigs::close_now(const std::string& id) {
    if (find_open(id) == nullptr) return;  // closed meanwhile
    if (id == shown->id) {
        flush_edits();
        clear_edit_state(*edits);
        if (const auto shell = current->shell.lock()) set_shell_status(*app, *shell, "Clean", "");
        *shown = OpenConfig();
    }
    const bool was_selected = window_tabs->remove(tab_key(id));
    open.erase(std::remove_if(open.begin(), open.end(),
                              [&](const OpenConfig& config) { return config.id == id; }),
               open.end());
    refresh_left_tabs();
    if (was_selected) window_tabs->select(kAppTab);
}

void OpenConfigs::on_config_tab_action(const std::string&, const std::string& row,
                                       const std::string& action) {
    if (action == "close") {
        close_config_tab(row);
        return;
    }
    if (action != "activate") return;
    if (row == shown->id) {
        window_tabs->select(tab_key(row));
        return;
    }
    if (find_open(row) == nullptr) return;
    // The entry is looked up again when the user has confirmed: a tab closed
    // in the meantime is not shown.
    std::weak_ptr<OpenConfigs> self = weak_from_this();
    confirm_leave_unsaved([self, row] {
        auto configs = self.lock();
        if (!configs) return;
        const OpenConfig* entry = configs->find_open(row);
        if (entry == nullptr) return;
        const OpenConfig copy = *entry;
        configs->show_open_config(copy);
        configs->window_tabs->select(configs->tab_key(row));
    });
}

void OpenConfigs::on_member_tab_action(const std::string&, const std::string& row,
                                       const std::string& action) {
    std::size_t index = 0;
    if (action != "activate" || !member_index(row, index)) return;
    if (index >= shown->members.size()) return;
    if (hooks.current_member && index == hooks.current_member()) return;
    std::weak_ptr<OpenConfigs> self = weak_from_this();
    const OpenConfig config = *shown;
    confirm_leave_unsaved([self, config, index] {
        auto configs = self.lock();
        if (configs && configs->hooks.show_project_tab) {
            configs->hooks.show_project_tab(config, index);
        }
    });
}

void wire_open_configs(Ostrel::OApp& app, const std::shared_ptr<OpenConfigs>& configs) {
    app.on_row_action("leftTabs", [configs](const std::string& list, const std::string& row,
                                            const std::string& action) {
        configs->on_config_tab_action(list, row, action);
    });
    app.on_row_action("familyTabs", [configs](const std::string& list, const std::string& row,
                                              const std::string& action) {
        configs->on_member_tab_action(list, row, action);
    });
}

}  // namespace Scribenta
