// The project half of the window declaration.

#include <memory>

#include "app/new_project_wiring.h"
#include "app/project/build_panels.h"
#include "app/project/family_tabs.h"
#include "app/project/project_panels.h"
#include "app/project/project_wiring.h"
#include "app/window_sides.h"

namespace Scribenta {

void wire_project_side(AppContext& ctx) {
    // The tab sync reaches back to the open configurations weakly: they own
    // the hooks that hold this wiring's operations.
    std::weak_ptr<OpenConfigs> configs = ctx.configs;
    const ProjectWiring wiring = wire_project_configurator(
        {ctx.app, ctx.project_shell, ctx.edits, ctx.flush_edits, ctx.queue_edit, ctx.configs->shown,
         [configs] {
             if (auto open = configs.lock()) open->sync_config_tab();
         },
         ctx.show_confirm});
    const ProjectPanelContext panels{ctx.app,          ctx.project_shell, ctx.edits,
                                     ctx.flush_edits,  ctx.queue_edit,    ctx.queue_source_edit,
                                     ctx.show_message, ctx.show_confirm,  ctx.configs->shown};
    wire_project_panels(panels, wiring);
    wire_versions_and_build(panels, wiring, ctx.builds);
    ctx.readme_editor = wiring.readme_editor;
    ctx.license_editor = wiring.license_editor;
    ctx.topics_editor = wiring.topics_editor;

    declare_dialog(ctx, "App/Add Project Dialog");
    declare_dialog(ctx, "App/Add Topic Dialog");
    declare_dialog(ctx, "App/Add Dependency Dialog");
    declare_dialog(ctx, "App/Add Fact Dialog");
    declare_dialog(ctx, "App/Add Download Dialog");
    declare_dialog(ctx, "App/Promote Dialog");

    ConfiguratorHooks& hooks = ctx.configs->hooks;
    hooks.render_family_tabs = [app = ctx.app, paths = wiring.paths](const OpenConfig& config) {
        render_family_tabs(*app, paths, config);
    };
    hooks.render_project_form = wiring.render_project_form;
    hooks.show_project_tab = wiring.show_project_tab;
    hooks.current_member = [state = wiring.state] { return state->member_index; };
    wire_new_projects(ctx, wiring.paths);
}

}  // namespace Scribenta
