#include "app/project/project_cards.h"

#include <string>

#include "app/project/project_json.h"
#include "config/config_paths.h"
#include "config/json_file.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {
namespace {

void put_if_set(Ostrel::ListEntry& row, const char* field, const std::string& text) {
    if (!text.empty()) row.fields[field] = text;
}

}  // namespace

void render_dependency_cards(Ostrel::OApp& app, const ProjectPaths& paths,
                             std::vector<DepRow>& dep_rows, const nlohmann::ordered_json& doc,
                             const std::filesystem::path& project_dir) {
    dep_rows.clear();
    std::vector<Ostrel::ListEntry> rows;
    std::vector<bool> external;
    if (const auto* list = array_member(doc, "requires")) {
        for (const auto& element : *list) {
            Ostrel::ListEntry row{"dep-" + std::to_string(rows.size()), {}};
            const std::string name = json_text(element, "name");
            const std::string url = json_text(element, "url");
            row.fields["name"] = name;
            put_if_set(row, "url", url);
            put_if_set(row, "icon", resolve_site_path(project_dir, json_text(element, "icon")));
            rows.push_back(std::move(row));
            dep_rows.push_back({name, url});
            const auto flag = element.is_object() ? element.find("external") : element.end();
            external.push_back(flag != element.end() && flag->is_boolean() && flag->get<bool>());
        }
    }
    app.set_rows("depCards", std::move(rows));
    for (std::size_t i = 0; i < external.size(); ++i) {
        app.set_visible(paths.dep_cards + "/dep-" + std::to_string(i) + "/External", external[i]);
    }
}

void render_download_cards(Ostrel::OApp& app, std::vector<DepRow>& download_rows,
                           const nlohmann::ordered_json& doc,
                           const std::filesystem::path& project_dir) {
    download_rows.clear();
    std::vector<Ostrel::ListEntry> rows;
    if (const auto* list = array_member(doc, "downloads")) {
        for (const auto& element : *list) {
            Ostrel::ListEntry row{"download-" + std::to_string(rows.size()), {}};
            const std::string label = json_text(element, "platform_label");
            const std::string url = json_text(element, "url");
            row.fields["label"] = label;
            put_if_set(row, "url", url);
            put_if_set(row, "size", json_text(element, "size"));
            put_if_set(row, "icon",
                       resolve_site_path(project_dir, json_text(element, "platform_icon")));
            rows.push_back(std::move(row));
            download_rows.push_back({label, url});
        }
    }
    app.set_rows("downloadCards", std::move(rows));
}

}  // namespace Scribenta
