#include "app/project/project_wiring.h"

#include "app/project/family_tabs.h"
#include "app/project/project_logo.h"
#include "app/project/repository_form.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

std::shared_ptr<FileEditor> add_file_editor(Ostrel::OApp& app, Shell& shell, const ShowConfirm& ask,
                                            const std::string& status_bar,
                                            const std::string& text_key,
                                            const std::string& not_found, const std::string& name) {
    auto editor = make_file_editor(status_bar, text_key, not_found, name);
    wire_file_editor(app, editor, ask);
    shell.guards.push_back(file_editor_guard(app, editor));
    return editor;
}

}  // namespace

void ProjectWiring::render_family_tabs(const OpenConfig& config) const {
    Scribenta::render_family_tabs(*render_project_form.app, paths, config);
}

void wire_project_fields(Ostrel::OApp& app, const ProjectPaths& paths,
                         const QueueEdit& queue_edit) {
    const std::pair<const std::string*, const char*> fields[] = {
        {&paths.slug_field, "/slug"},       {&paths.name_field, "/name"},
        {&paths.tagline_field, "/tagline"}, {&paths.platform_field, "/repo/platform"},
        {&paths.path_field, "/repo/path"},  {&paths.url_field, "/repo/url"},
    };
    for (const auto& [field, pointer] : fields) {
        app.on_change(*field, [queue_edit, pointer = std::string(pointer)](
                                  const std::string& text) { queue_edit(pointer, text); });
    }
}

ProjectWiring wire_project_configurator(const ProjectWiringContext& context) {
    Ostrel::OApp& app = *context.app;
    Shell& shell = *context.shell;
    ProjectWiring w;
    w.paths = project_paths(shell);

    w.readme_editor =
        add_file_editor(app, shell, context.show_confirm, w.paths.readme + "/Readme Status Bar",
                        w.paths.readme + "/Readme Editor", "README not found", "README editor");
    app.set_visible(w.paths.readme_create_row, false);
    w.license_editor = add_file_editor(
        app, shell, context.show_confirm, w.paths.license + "/License Status Bar",
        w.paths.license + "/License Editor", "License file not found", "License editor");
    app.set_visible(w.paths.license_create_row, false);
    w.topics_editor =
        add_file_editor(app, shell, context.show_confirm, w.paths.topics + "/File Status Bar",
                        w.paths.topics + "/File Editor", "Topic source not found", "Topics editor");

    set_project_build_disabled(app, *w.state, w.paths.build_button, true);

    wire_project_fields(app, w.paths, context.queue_edit);
    app.on_click(w.paths.add_repository_button,
                 AddRepository{context.edits, context.flush_edits,
                               ReloadKeepingText{context.shell, w.text_keep}});

    w.render_project_form = RenderProjectForm{&app,
                                              w.paths,
                                              context.shell,
                                              context.edits,
                                              context.queue_edit,
                                              static_cast<const ProjectObjects&>(w)};
    // The reload redraws the member shown last. It holds the shell it is
    // stored in only weakly, so the two do not keep each other alive.
    RenderProjectForm reload = w.render_project_form;
    reload.shell = nullptr;
    shell.reload = [reload, weak_shell = std::weak_ptr<Shell>(context.shell), shown = context.shown,
                    state = w.state] {
        RenderProjectForm render = reload;
        render.shell = weak_shell.lock();
        if (render.shell) render(*shown, state->member_index);
    };
    shell.redraw = following_redraw(context.shell, w.text_keep);
    w.show_project_tab =
        ShowProjectTab{&app, context.shell, context.flush_edits, w.render_project_form};

    app.on_click(w.paths.logo_browse,
                 ProjectLogoBrowse{&app, w.paths, context.edits, context.queue_edit, w.state,
                                   context.shown, context.sync_config_tab});
    return w;
}

}  // namespace Scribenta
