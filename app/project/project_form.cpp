#include "app/project/project_form.h"

#include <filesystem>

#include <nlohmann/json.hpp>

#include "app/fields.h"
#include "app/project/family_tabs.h"
#include "app/project/project_cards.h"
#include "app/project/project_facts_view.h"
#include "app/project/project_json.h"
#include "app/project/project_logo.h"
#include "app/project/repository_form.h"
#include "app/shell_status.h"
#include "app/text_file.h"
#include "app/text_view.h"
#include "config/bounded_json.h"
#include "config/build_manifest.h"
#include "config/config_paths.h"
#include "config/json_file.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;

namespace {

// The document as the form reads it: anything but a JSON object is empty.
nlohmann::ordered_json parse_project(const std::string& text) {
    auto doc = parse_config_text(text);
    if (!doc.is_object()) return nlohmann::ordered_json::object();
    return doc;
}

std::string source_root_text(const nlohmann::ordered_json& doc) {
    const auto* build = object_member(doc, "build");
    return build ? json_text(*build, "source_path") : std::string();
}

bool site_holds(const fs::path& project_dir) {
    std::error_code ec;
    return fs::exists(find_site_root(project_dir) / kSiteConfigName, ec);
}

}  // namespace

void RenderProjectForm::operator()(const OpenConfig& config, std::size_t member_index) const {
    ProjectState* state = objects.state.get();
    ProjectPanelHooks* hooks = objects.hooks.get();
    if (config.members.empty()) return;
    const std::size_t index = std::min(member_index, config.members.size() - 1);
    state->member_index = index;
    // Copied: a caller may pass the shown configuration, which handlers
    // called below could replace.
    const MemberEntry member = config.members[index];
    const bool umbrella = member.flag;
    const bool promotable = config.members.size() == 1;

    std::string text;
    if (!read_text_file(member.config_path, text)) text.clear();
    const nlohmann::ordered_json doc = parse_project(text);

    // A redraw of the file shown, for the configurator's own change or
    // another program's, keeps unsaved README, LICENSE and topic text, even
    // when the file now names other files for them; any other reload drops it.
    const bool redraw = objects.text_keep->keep && edits->config_path == member.config_path;
    // The queue is pointed at this file before any change handler can fire.
    reset_edit_state(*edits, member.config_path, text);
    set_shell_status(*app, *shell, "Clean", "");
    set_field_text(*app, shell->text_editor, text);

    set_field_text(*app, paths.slug_field, json_text(doc, "slug"));
    set_field_text(*app, paths.name_field, json_text(doc, "name"));
    set_field_text(*app, paths.tagline_field, json_text(doc, "tagline"));

    const fs::path project_dir = fs::path(member.config_path).parent_path();
    render_project_logo(*app, paths, doc, project_dir);
    render_facts(*app, paths, *state, *objects.fact_labels, queue_edit, doc,
                 derived_release_text(doc, project_dir), umbrella);
    render_repository(*app, paths, doc);
    render_dependency_cards(*app, paths, *objects.dep_rows, doc, project_dir);
    render_download_cards(*app, *objects.download_rows, doc, project_dir);
    if (hooks->refresh_versions) hooks->refresh_versions();

    // The source root is stored before README and LICENSE resolve against it.
    state->source_path = source_root_text(doc);
    set_field_text(*app, paths.source_path_field, state->source_path);
    const nlohmann::json manifest = read_manifest(edits->config_path, state->source_path);
    edits->shown_source = manifest;  // the topics shown are addressed by position in it
    static const nlohmann::json no_build = nlohmann::json::object();
    const auto* build = object_member(manifest, "build");
    const std::string readme = json_text(build ? *build : no_build, "readme");
    const std::string license = json_text(build ? *build : no_build, "license");
    const auto file_path = [&](const std::string& named) {
        return named.empty() ? std::string()
                             : resolve_config_path(project_dir.string(), state->source_path, named);
    };
    set_field_text(*app, paths.readme_path_field, readme);
    const UnsavedText unsaved = redraw ? UnsavedText::any_file : UnsavedText::drop;
    reload_file_editor(*app, *objects.readme_editor, file_path(readme), unsaved);
    if (hooks->refresh_readme_create_row) hooks->refresh_readme_create_row();
    set_field_text(*app, paths.license_path_field, license);
    reload_file_editor(*app, *objects.license_editor, file_path(license), unsaved);
    if (hooks->refresh_license_create_row) hooks->refresh_license_create_row();
    if (hooks->populate_topics) hooks->populate_topics(manifest, project_dir.string(), redraw);

    const bool show_promote = promotable && site_holds(project_dir);
    app->set_visible(paths.family_label, show_promote);
    app->set_visible(paths.promote_button, show_promote);

    show_family_layout(*app, *shell, paths, *state, umbrella);
    mark_member_tab(*app, paths, *state, index);
}

void ShowProjectTab::operator()(const OpenConfig& config, std::size_t member_index) const {
    flush_edits();
    select_tab(*app, *shell, "Project Tab");
    set_view_mode(*app, *shell, "editor");
    render_project_form(config, member_index);
}

}  // namespace Scribenta
