// The site half of the window declaration.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/site/site_build.h"
#include "app/site/site_wiring.h"
#include "app/window_sides.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

void wire_site_side(AppContext& ctx) {
    // The shell and the hooks belong to the open configurations, so they
    // reach back to them weakly.
    std::weak_ptr<OpenConfigs> configs = ctx.configs;
    const SiteWiring site =
        wire_site_configurator({ctx.app, ctx.site_shell, ctx.edits, ctx.flush_edits, ctx.queue_edit,
                                [configs] {
                                    auto open = configs.lock();
                                    return open ? open->shown->path : std::string();
                                },
                                [configs](const std::string& logo) {
                                    if (auto open = configs.lock()) {
                                        open->shown->logo = logo;
                                        open->sync_config_tab();
                                    }
                                },
                                ctx.show_message, ctx.show_confirm,
                                [configs](const std::string& path, const std::string& name,
                                          std::vector<MemberEntry> members) {
                                    if (auto open = configs.lock())
                                        open->open_site_project(path, name, std::move(members));
                                }});
    ctx.policies_editor = site.policies.state->editor;
    ctx.section_editor = site.home_sections.content_editor;

    wire_site_build({ctx.app, make_site_build_paths(ctx.site_shell->panels + "/Build Panel"),
                     ctx.builds, ctx.configs->shown, ctx.flush_edits});

    ctx.configs->hooks.populate_site_form = [form = site.form](const OpenConfig& config) {
        populate_site_form(*form, config.path);
    };
}

void declare_dialog(AppContext& ctx, const char* dialog) {
    ctx.app->set_visible(dialog, false);
    wire_dialog_dismiss(*ctx.app, dialog, {"/Titlebar/Exit Button", "/Body/Actions/Cancel Button"});
}

}  // namespace Scribenta
