#include "app/new_project_wiring.h"

#include <memory>
#include <string>
#include <utility>

#include "app/project/add_project.h"
#include "app/project/promotion.h"

namespace Scribenta {

void wire_new_projects(AppContext& ctx, const ProjectPaths& paths) {
    // The open configurations own the project side's hooks, which these
    // callables do not reach; the store's handlers may hold them strongly.
    const std::shared_ptr<OpenConfigs> configs = ctx.configs;
    NewProjectContext c;
    c.app = ctx.app;
    c.shown = configs->shown;
    c.show_message = ctx.show_message;
    c.flush_edits = ctx.flush_edits;
    c.add_project_button = ctx.site_shell->panels + "/Projects Panel/Add Project Button";
    c.add_member_button = paths.family_bar + "/Add Member Button";
    c.promote_button = paths.promote_button;
    c.confirm_leave_unsaved = [configs](std::function<void()> then) {
        configs->confirm_leave_unsaved(std::move(then));
    };
    c.open_config_file = [configs](const std::string& path) { configs->open_config_file(path); };
    c.reload_site = [site = ctx.site_shell] {
        if (site->reload) site->reload();
    };
    c.sync_config_tab = [configs] { configs->sync_config_tab(); };
    c.update_open_tab = [configs](const OpenConfig& config) {
        for (OpenConfig& entry : configs->open) {
            if (config.id.empty() || entry.id != config.id) continue;
            entry.path = config.path;
            entry.name = config.name;
            entry.members = config.members;
            entry.logo = config.logo;
        }
        configs->refresh_left_tabs();
    };
    c.render_family_tabs = [configs](const OpenConfig& config) {
        if (configs->hooks.render_family_tabs) configs->hooks.render_family_tabs(config);
    };
    c.show_project_tab = [configs](const OpenConfig& config, std::size_t member) {
        if (configs->hooks.show_project_tab) configs->hooks.show_project_tab(config, member);
    };
    wire_add_project(c);
    wire_promotion(c);
}

}  // namespace Scribenta
