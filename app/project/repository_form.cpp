#include "app/project/repository_form.h"

#include "app/fields.h"
#include "app/project/project_json.h"
#include "config/json_file.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

void render_repository(Ostrel::OApp& app, const ProjectPaths& paths,
                       const nlohmann::ordered_json& doc) {
    static const nlohmann::ordered_json none = nlohmann::ordered_json::object();
    const auto* repo = object_member(doc, "repo");
    app.set_visible(paths.repository_label, true);
    app.set_visible(paths.repo_form, repo != nullptr);
    app.set_visible(paths.add_repository_button, repo == nullptr);
    const auto& fields = repo ? *repo : none;
    set_field_text(app, paths.platform_field, json_text(fields, "platform"));
    set_field_text(app, paths.path_field, json_text(fields, "path"));
    set_field_text(app, paths.url_field, json_text(fields, "url"));
}

void AddRepository::operator()() const {
    if (edits->config_path.empty()) return;
    flush_edits();
    if (ensure_object_key(edits->config_path, "repo")) reload();
}

}  // namespace Scribenta
