#include "app/project/readme_license.h"

#include <filesystem>

#include "app/fields.h"
#include "app/project/new_file.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

std::string config_folder(const EditState& edits) {
    return std::filesystem::path(edits.config_path).parent_path().string();
}

// The file a path field names, resolved below the source root; "" for none.
std::string named_file(const EditState& edits, const ProjectState& state, const std::string& text) {
    return text.empty() ? std::string()
                        : resolve_config_path(config_folder(edits), state.source_path, text);
}

void reload_from_field(Ostrel::OApp& app, const EditState& edits, const ProjectState& state,
                       const ProjectFilePanel& panel) {
    load_file_editor(app, *panel.editor, named_file(edits, state, app.value(panel.path_field)));
}

}  // namespace

ProjectFilePanel readme_panel(const ProjectWiring& wiring) {
    return {"/build/readme", "README.md", wiring.paths.readme_path_field,
            wiring.paths.readme_create_row, wiring.readme_editor};
}

ProjectFilePanel license_panel(const ProjectWiring& wiring) {
    return {"/build/license", "LICENSE", wiring.paths.license_path_field,
            wiring.paths.license_create_row, wiring.license_editor};
}

void RefreshCreateRow::operator()() const {
    if (panel.editor->loaded || state->source_path.empty()) {
        app->set_visible(panel.create_row, false);
        return;
    }
    app->set_visible(panel.create_row, true);
    std::string name = trim(app->value(panel.path_field));
    if (name.empty()) name = panel.default_name;
    app->texts[panel.create_label()] = "Create " + name;
}

void ProjectFilePathChanged::operator()(const std::string& text) const {
    ctx.queue_source_edit(panel.pointer, text);
    if (!ctx.config_open()) return;
    load_file_editor(*ctx.app, *panel.editor, named_file(*ctx.edits, *state, text));
    RefreshCreateRow{ctx.app, panel, state}();
}

void CreateProjectFile::operator()() const {
    if (!ctx.config_open() || panel.editor->loaded || state->source_path.empty()) return;
    std::string name = trim(ctx.app->value(panel.path_field));
    if (name.empty()) {
        // Typed names were queued by the change handler as typed.
        name = panel.default_name;
        ctx.queue_source_edit(panel.pointer, name);
        set_field_text(*ctx.app, panel.path_field, name);
    }
    const std::string path = named_file(*ctx.edits, *state, name);
    create_new_file(path, "");
    load_file_editor(*ctx.app, *panel.editor, path);
    RefreshCreateRow{ctx.app, panel, state}();
}

void SourcePathChanged::operator()(const std::string& text) const {
    ctx.queue_edit("/build/source_path", text);
    state->source_path = text;
    if (!ctx.config_open()) return;
    reload_from_field(*ctx.app, *ctx.edits, *state, readme);
    reload_from_field(*ctx.app, *ctx.edits, *state, license);
    if (reload_topic_file) reload_topic_file();
    RefreshCreateRow{ctx.app, readme, state}();
    RefreshCreateRow{ctx.app, license, state}();
}

void wire_readme_license(const ProjectPanelContext& ctx, const ProjectWiring& wiring,
                         std::function<void()> reload_topic_file) {
    Ostrel::OApp& app = *ctx.app;
    const ProjectFilePanel readme = readme_panel(wiring);
    const ProjectFilePanel license = license_panel(wiring);
    for (const ProjectFilePanel& panel : {readme, license}) {
        app.on_change(panel.path_field, ProjectFilePathChanged{ctx, panel, wiring.state});
        app.on_click(panel.create_row + "/Create Button",
                     CreateProjectFile{ctx, panel, wiring.state});
    }
    app.on_change(
        wiring.paths.source_path_field,
        SourcePathChanged{ctx, readme, license, wiring.state, std::move(reload_topic_file)});
    wiring.hooks->refresh_readme_create_row = RefreshCreateRow{&app, readme, wiring.state};
    wiring.hooks->refresh_license_create_row = RefreshCreateRow{&app, license, wiring.state};
}

}  // namespace Scribenta
