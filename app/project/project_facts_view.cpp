#include "app/project/project_facts_view.h"

#include "app/fields.h"
#include "app/project/project_json.h"
#include "config/built_records.h"
#include "config/json_file.h"
#include "config/versions.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

std::string derived_release_text(const nlohmann::ordered_json& doc,
                                 const std::filesystem::path& project_dir) {
    std::vector<VersionEntry> entries;
    if (const auto* versions = array_member(doc, "versions")) {
        for (const auto& element : *versions) {
            if (!element.is_object()) continue;
            entries.push_back({json_text(element, "label"), json_text(element, "release_date")});
        }
    }
    const LatestVersion latest = latest_version(entries, list_built_versions(project_dir));
    if (latest.tag.empty()) return kDerivedFromLatestBuild;
    if (latest.release_date.empty()) return latest.tag;
    return latest.tag + " (" + latest.release_date + ")";
}

void render_facts(Ostrel::OApp& app, const ProjectPaths& paths, ProjectState& state,
                  std::vector<std::string>& fact_labels, const QueueEdit& queue_edit,
                  const nlohmann::ordered_json& doc, const std::string& derived, bool umbrella) {
    struct Fact {
        std::string value;
        bool locked;
    };
    std::vector<Fact> facts;
    std::vector<Ostrel::ListEntry> rows;
    fact_labels.clear();
    if (const auto* list = array_member(doc, "facts")) {
        for (const auto& element : *list) {
            const std::size_t i = facts.size();
            const bool locked = json_text(element, "preset") == "stable_release";
            facts.push_back({locked ? derived : json_text(element, "value"), locked});
            fact_labels.push_back(json_text(element, "label"));
            rows.push_back({"fact-" + std::to_string(i), {{"label", fact_labels.back()}}});
        }
    }
    const bool any = !rows.empty();
    app.set_rows("factRows", std::move(rows));

    app.set_visible(paths.facts_label, !umbrella);
    app.set_visible(paths.facts_form, any && !umbrella);
    app.set_visible(paths.add_fact_button, !umbrella);

    for (std::size_t i = 0; i < facts.size(); ++i) {
        const std::string field = fact_value_field(paths, i);
        set_field_text(app, field, facts[i].value);
        set_state_word(app, field, "Locked", state.locked_fields[field], facts[i].locked);
        if (facts[i].locked) {
            // A derived value is not the file's: typing into it is dropped.
            app.on_change(field, [](const std::string&) {});
        } else {
            const std::string pointer = "/facts/" + std::to_string(i) + "/value";
            app.on_change(field, [queue_edit, pointer](const std::string& text) {
                queue_edit(pointer, text);
            });
        }
    }
}

}  // namespace Scribenta
