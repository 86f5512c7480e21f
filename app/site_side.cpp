// The site half of the window declaration.

#include <memory>
#include <string>

#include "app/basic_forms.h"
#include "app/site/site_build.h"
#include "app/window_sides.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

constexpr const char* kEditSectionDialog = "App/Edit Section Dialog";

}  // namespace

void wire_site_side(AppContext& ctx) {
    Ostrel::OApp& app = *ctx.app;
    Shell& shell = *ctx.site_shell;

    const std::string policies = shell.panels + "/Policies Panel";
    ctx.policies_editor = make_file_editor(policies + "/File Status Bar", policies + "/File Editor",
                                           "Policy file not found");
    wire_file_editor(app, ctx.policies_editor);
    shell.guards.push_back(file_editor_guard(app, ctx.policies_editor, "Policies editor"));

    ctx.section_editor =
        make_file_editor(std::string(kEditSectionDialog) + "/Body/Editor Group/File Status Bar",
                         std::string(kEditSectionDialog) + "/Body/Editor Group/File Editor",
                         "Content file not found");
    wire_file_editor(app, ctx.section_editor);
    shell.guards.push_back(file_editor_guard(app, ctx.section_editor, "Section content editor"));

    wire_site_build({&app, make_site_build_paths(shell.panels + "/Build Panel"), ctx.builds,
                     ctx.configs->shown, ctx.flush_edits});

    declare_dialog(ctx, "App/Add Policy Dialog");
    declare_dialog(ctx, "App/Add Section Dialog");
    declare_dialog(ctx, "App/Add Social Dialog");
    app.set_visible(kEditSectionDialog, false);
    wire_dialog_dismiss(app, kEditSectionDialog,
                        {"/Titlebar/Exit Button", "/Body/Done Row/Done Button"});

    // The shell and the hooks belong to the open configurations, so they
    // reach back to them weakly.
    std::weak_ptr<OpenConfigs> configs = ctx.configs;
    ctx.configs->hooks.populate_site_form = [&app, edits = ctx.edits,
                                             site = ctx.site_shell](const OpenConfig& config) {
        basic_site_form(app, *edits, *site, config);
    };
    shell.reload = [configs] {
        auto open = configs.lock();
        if (open && open->hooks.populate_site_form) open->hooks.populate_site_form(*open->shown);
    };
}

void declare_dialog(AppContext& ctx, const char* dialog) {
    ctx.app->set_visible(dialog, false);
    wire_dialog_dismiss(*ctx.app, dialog, {"/Titlebar/Exit Button", "/Body/Actions/Cancel Button"});
}

}  // namespace Scribenta
