// The project half of the window declaration.

#include <memory>
#include <string>

#include "app/basic_forms.h"
#include "app/text_view.h"
#include "app/window_sides.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

// A file editor of a project panel, appended to the project shell's guards.
std::shared_ptr<FileEditor> project_file_editor(AppContext& ctx, const std::string& panel,
                                                const std::string& status_bar,
                                                const std::string& editor,
                                                const std::string& not_found,
                                                const std::string& guard) {
    Shell& shell = *ctx.project_shell;
    auto file_editor = make_file_editor(shell.panels + "/" + panel + "/" + status_bar,
                                        shell.panels + "/" + panel + "/" + editor, not_found);
    wire_file_editor(*ctx.app, file_editor);
    shell.guards.push_back(file_editor_guard(*ctx.app, file_editor, guard));
    return file_editor;
}

}  // namespace

void wire_project_side(AppContext& ctx) {
    Ostrel::OApp& app = *ctx.app;
    Shell& shell = *ctx.project_shell;

    ctx.readme_editor = project_file_editor(ctx, "Readme Panel", "Readme Status Bar",
                                            "Readme Editor", "README not found", "README editor");
    app.set_visible(shell.panels + "/Readme Panel/Create Row", false);
    ctx.license_editor =
        project_file_editor(ctx, "License Panel", "License Status Bar", "License Editor",
                            "License file not found", "License editor");
    app.set_visible(shell.panels + "/License Panel/Create Row", false);
    ctx.topics_editor = project_file_editor(ctx, "Topics Panel", "File Status Bar", "File Editor",
                                            "Topic source not found", "Topics editor");
    // No build may start before a versions listing says what is pending.
    app.toggle_state(shell.panels + "/Build Panel/Build Button", "Disabled");

    declare_dialog(ctx, "App/Add Project Dialog");
    declare_dialog(ctx, "App/Add Topic Dialog");
    declare_dialog(ctx, "App/Add Dependency Dialog");
    declare_dialog(ctx, "App/Add Fact Dialog");
    declare_dialog(ctx, "App/Add Download Dialog");
    declare_dialog(ctx, "App/Promote Dialog");

    // The shell and the hooks belong to the open configurations, so they
    // reach back to them weakly.
    std::weak_ptr<OpenConfigs> configs = ctx.configs;
    auto view = std::make_shared<MemberView>();
    ConfiguratorHooks& hooks = ctx.configs->hooks;
    hooks.render_family_tabs = [&app](const OpenConfig& config) {
        render_family_tabs(app, config);
    };
    hooks.render_project_form = [&app, edits = ctx.edits, project = ctx.project_shell, view](
                                    const OpenConfig& config, std::size_t member) {
        basic_project_form(app, *edits, *project, *view, config, member);
    };
    hooks.current_member = [view] { return view->member_index; };
    hooks.show_project_tab = [&app, flush = ctx.flush_edits, project = ctx.project_shell, configs](
                                 const OpenConfig& config, std::size_t member) {
        flush();
        select_tab(app, *project, "Project Tab");
        set_view_mode(app, *project, "editor");
        auto open = configs.lock();
        if (open && open->hooks.render_project_form)
            open->hooks.render_project_form(config, member);
    };
    shell.reload = [configs, view] {
        auto open = configs.lock();
        if (open && open->hooks.render_project_form) {
            open->hooks.render_project_form(*open->shown, view->member_index);
        }
    };
}

}  // namespace Scribenta
