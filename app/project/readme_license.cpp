#include "app/project/readme_license.h"

#include "app/fields.h"
#include "app/path_change.h"
#include "app/project/new_file.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

// The file the panel's path field names below `root`.
std::string field_file(const Ostrel::OApp& app, const EditState& edits, const std::string& root,
                       const ProjectFilePanel& panel) {
    return named_source_file(edits.config_path, root, app.value(panel.path_field));
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
    if (!ctx.config_open()) return;  // nothing to queue into
    const std::string next = named_source_file(ctx.edits->config_path, state->source_path, text);
    change_path_or_ask(*ctx.app, ctx.show_confirm, {{panel.editor, next}}, panel.path_field,
                       kept_field_text(*ctx.edits, true, panel.pointer), text,
                       [app = ctx.app, queue = ctx.queue_source_edit, edits = ctx.edits,
                        config = ctx.edits->config_path, panel = panel, state = state, text, next] {
                           if (edits->config_path != config) return false;
                           queue(panel.pointer, text);
                           // A path that names the file shown keeps its unsaved text.
                           reload_file_editor(*app, *panel.editor, next, UnsavedText::same_file);
                           RefreshCreateRow{app, panel, state}();
                           return true;
                       });
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
    const std::string path = named_source_file(ctx.edits->config_path, state->source_path, name);
    create_new_file(path, "");
    load_file_editor(*ctx.app, *panel.editor, path);
    RefreshCreateRow{ctx.app, panel, state}();
}

void SourcePathChanged::operator()(const std::string& text) const {
    if (!ctx.config_open()) {
        state->source_path = text;  // kept for the next configuration's files
        return;
    }
    const Ostrel::OApp& app = *ctx.app;
    const EditState& edits = *ctx.edits;
    const std::vector<RepointedEditor> editors = {
        {readme.editor, field_file(app, edits, text, readme)},
        {license.editor, field_file(app, edits, text, license)},
        {topic_file.editor, topic_file.next_path(text)}};
    change_path_or_ask(
        *ctx.app, ctx.show_confirm, editors, field,
        kept_field_text(edits, false, "/build/source_path"), text,
        [app = ctx.app, queue = ctx.queue_edit, edits = ctx.edits, config = edits.config_path,
         readme = readme, license = license, state = state, topic_file = topic_file, text] {
            if (edits->config_path != config) return false;
            queue("/build/source_path", text);
            state->source_path = text;
            for (const ProjectFilePanel* panel : {&readme, &license}) {
                // Files that stay the same keep their unsaved text.
                reload_file_editor(*app, *panel->editor, field_file(*app, *edits, text, *panel),
                                   UnsavedText::same_file);
                RefreshCreateRow{app, *panel, state}();
            }
            topic_file();
            return true;
        });
}

void wire_readme_license(const ProjectPanelContext& ctx, const ProjectWiring& wiring,
                         ReloadTopicFile topic_file) {
    Ostrel::OApp& app = *ctx.app;
    const ProjectFilePanel readme = readme_panel(wiring);
    const ProjectFilePanel license = license_panel(wiring);
    for (const ProjectFilePanel& panel : {readme, license}) {
        app.on_change(panel.path_field, ProjectFilePathChanged{ctx, panel, wiring.state});
        app.on_click(panel.create_row + "/Create Button",
                     CreateProjectFile{ctx, panel, wiring.state});
    }
    app.on_change(wiring.paths.source_path_field,
                  SourcePathChanged{ctx, readme, license, wiring.state, std::move(topic_file),
                                    wiring.paths.source_path_field});
    wiring.hooks->refresh_readme_create_row = RefreshCreateRow{&app, readme, wiring.state};
    wiring.hooks->refresh_license_create_row = RefreshCreateRow{&app, license, wiring.state};
}

}  // namespace Scribenta
