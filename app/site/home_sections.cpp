#include "app/site/home_sections.h"

#include <algorithm>
#include <vector>

#include "app/fields.h"
#include "app/site/socials.h"
#include "config/config_paths.h"
#include "config/home_sections.h"
#include "config/json_file.h"
#include "config/slugs.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

namespace {

const std::string kAdd = kAddSectionDialog;
const std::string kAddBody = kAdd + "/Body";
const std::string kEdit = kEditSectionDialog;
const std::string kSectionsList = "/home/sections";

struct Preset {
    const char* type;
    const char* title;
    const char* subtext;
    const char* marker;
    const char* button;  // below the Add Section dialog's body
};

constexpr Preset kPresets[] = {
    {"description", "Website Description", "Display the configured description text",
     "is_description", "/Description Preset"},
    {"projects", "Projects", "Display the project cards", "is_projects", "/Projects Preset"},
    {"socials", "Socials", "Display the social cards", "is_socials", "/Socials Preset"},
};

const Preset* find_preset(const std::string& type) {
    for (const Preset& preset : kPresets)
        if (type == preset.type) return &preset;
    return nullptr;
}

}  // namespace

void render_home_sections(Ostrel::OApp& app, CardTargets& targets, const ordered_json& doc,
                          const fs::path& site_dir) {
    targets.home_sections.clear();
    std::vector<Ostrel::ListEntry> rows;
    const auto home = doc.is_object() ? doc.find("home") : doc.end();
    if (doc.is_object() && home != doc.end() && home->is_object()) {
        const auto sections = home->find("sections");
        if (sections != home->end() && sections->is_array()) {
            for (std::size_t n = 0; n < sections->size(); ++n) {
                const ordered_json& element = (*sections)[n];
                if (!element.is_object()) continue;  // still uses up its index
                const std::string type = json_text(element, "type");
                const std::string id = "home-" + std::to_string(n);
                Ostrel::ListEntry row{id, {}};
                SectionTarget target{type, "", ""};
                if (const Preset* preset = find_preset(type)) {
                    row.fields = {{"title", preset->title},
                                  {"subtext", preset->subtext},
                                  {preset->marker, "1"}};
                    target.name = preset->title;
                } else if (type == "custom") {
                    const std::string label = json_text(element, "label");
                    row.fields = {{"title", label.empty() ? "Custom section" : label},
                                  {"subtext", json_text(element, "subtext")},
                                  {"custom", "1"}};
                    const std::string icon =
                        resolve_existing_path(site_dir, json_text(element, "icon"));
                    if (!icon.empty()) row.fields["icon"] = icon;
                    target.name = label.empty() ? "this section" : label;
                    target.body = json_text(element, "body");
                } else {
                    continue;
                }
                rows.push_back(std::move(row));
                targets.home_sections[id] = std::move(target);
            }
        }
    }
    app.set_rows("homeSections", std::move(rows));
}

void OpenSectionContent::operator()(const std::string& body, const std::string& name) const {
    if (panels.edits->config_path.empty() || body.empty()) return;
    const std::string rest = body.substr(std::min(body.find_first_not_of('/'), body.size()));
    const fs::path file = fs::path(panels.edits->config_path).parent_path() / rest;
    Ostrel::OApp& app = *panels.app;
    load_file_editor(app, *editor, file.lexically_normal().string());
    app.texts[kEdit + "/Titlebar/Title"] = name.empty() ? "Edit Section Content" : "Edit: " + name;
    app.set_visible(kEdit, true);
}

void HomeSectionAction::operator()(const std::string&, const std::string& row,
                                   const std::string& action) const {
    std::size_t index = 0;
    if (panels.edits->config_path.empty() || !row_index(row, "home-", index)) return;
    const auto it = panels.targets->home_sections.find(row);
    if (it == panels.targets->home_sections.end()) return;
    const SectionTarget& target = it->second;
    if (action == "up" || action == "down") {
        if (!panels.flush_edits.config_list_unchanged(kSectionsList, panels.edits->drawn)) return;
        if (move_home_section(panels.edits->config_path, index, action == "up" ? -1 : 1))
            panels.reload()();
    } else if (action == "remove") {
        const std::string tail = target.type == "custom"
                                     ? " from the home page? Its content fragment stays on disk."
                                     : " from the home page? You can add it back later.";
        panels.show_confirm(
            "Remove Home Section", "Remove '" + target.name + "'" + tail, "Remove",
            RemoveHomeSectionConfirmed{panels.for_pending_action(), index, panels.edits->drawn});
    } else if (action == "edit") {
        open_content(target.body, target.name);
    }
}

void RemoveHomeSectionConfirmed::operator()() const {
    if (!panels.flush_edits.config_list_unchanged(kSectionsList, drawn)) return;
    const std::string config = panels.edits->config_path;
    ordered_json doc;
    if (config.empty() || !read_json_file(config, doc)) return;
    ordered_json& sections = doc["home"]["sections"];
    if (index >= sections.size()) return;
    sections.erase(index);
    if (write_json_file(config, doc)) panels.reload()();
}

void OpenAddSectionDialog::operator()() const {
    if (!panels.site_shown()) return;
    Ostrel::OApp& app = *panels.app;
    const std::vector<std::string> types = home_section_types(panels.edits->config_path);
    bool any = false;
    for (const Preset& preset : kPresets) {
        const bool offered = std::find(types.begin(), types.end(), preset.type) == types.end();
        app.set_visible(kAddBody + preset.button, offered);
        any = any || offered;
    }
    app.set_visible(kAddBody + "/Presets Label", any);
    set_field_text(app, kAddBody + "/Label Editor", "");
    set_field_text(app, kAddBody + "/Subtext Editor", "");
    icon->clear();
    app.texts[kAddBody + "/Icon Row/Icon Hint"] = "No icon selected.";
    app.set_visible(kAdd, true);
}

void AddPresetSection::operator()() const {
    if (panels.edits->config_path.empty()) return;
    panels.flush_edits();
    if (!add_home_section_to_config(panels.edits->config_path, ordered_json{{"type", kind}}))
        return;
    panels.app->set_visible(kAdd, false);
    panels.reload()();
}

void AddSectionConfirm::operator()() const {
    const std::string config = panels.edits->config_path;
    if (config.empty()) return;
    Ostrel::OApp& app = *panels.app;
    const std::string label = trim(app.value(kAddBody + "/Label Editor"));
    if (label.empty()) return;
    const std::string subtext = trim(app.value(kAddBody + "/Subtext Editor"));
    panels.flush_edits();
    const std::string id = unique_home_section_id(config, slugify(label));
    const std::string body = create_home_fragment(fs::path(config).parent_path(), id);
    if (body.empty()) {
        panels.show_message("Couldn't Add Section", "Could not create the section's content file.");
        return;
    }
    ordered_json section = ordered_json::object();
    section["type"] = "custom";
    section["id"] = id;
    section["label"] = label;
    if (!icon->empty()) section["icon"] = *icon;
    if (!subtext.empty()) section["subtext"] = subtext;
    section["body"] = body;
    if (!add_home_section_to_config(config, section)) {
        panels.show_message("Couldn't Add Section", "Could not update the site configuration.");
        return;
    }
    app.set_visible(kAdd, false);
    panels.reload()();
    open_content(body, label);
}

void SectionContentClose::operator()() const {
    Ostrel::OApp* app = panels.app;
    if (!editor_is_dirty(*app, *editor)) {
        app->set_visible(kEdit, false);
        return;
    }
    panels.show_confirm("Discard changes?",
                        "This section's content has unsaved changes. Discard them?", "Discard",
                        [app, editor = editor] {
                            app->set_visible(kEdit, false);
                            load_file_editor(*app, *editor, editor->path);
                        });
}

HomeSectionsWiring wire_home_sections(const SitePanelsContext& panels,
                                      std::shared_ptr<FileEditor> content_editor) {
    Ostrel::OApp& app = *panels.app;
    if (!content_editor) {
        content_editor = make_file_editor(kEdit + "/Body/Editor Group/File Status Bar",
                                          kEdit + "/Body/Editor Group/File Editor",
                                          "Content file not found", "Section content editor");
        wire_file_editor(app, content_editor, panels.show_confirm);
        panels.shell->guards.push_back(file_editor_guard(app, content_editor));
    }
    HomeSectionsWiring wiring{content_editor, std::make_shared<std::string>()};
    const OpenSectionContent open_content{panels, content_editor};

    app.set_visible(kEdit, false);
    const SectionContentClose close{panels, content_editor};
    app.on_click(kEdit + "/Titlebar/Exit Button", close);
    app.on_click(kEdit + "/Body/Done Row/Done Button", close);

    app.on_row_action("homeSections", HomeSectionAction{panels, open_content});
    app.on_click(panels.paths.website + "/Home Layout/Layout Header/Add Button",
                 OpenAddSectionDialog{panels, wiring.icon});

    app.set_visible(kAdd, false);
    wire_dialog_dismiss(app, kAdd, {"/Titlebar/Exit Button", "/Body/Actions/Cancel Button"});
    for (const Preset& preset : kPresets)
        app.on_click(kAddBody + preset.button, AddPresetSection{panels, preset.type});
    app.on_click(kAddBody + "/Icon Row/Browse Button",
                 IconBrowse{panels, wiring.icon, kAddBody + "/Icon Row/Icon Hint",
                            "Select a section icon (copied into your site)"});
    app.on_click(kAddBody + "/Actions/Create Button",
                 AddSectionConfirm{panels, wiring.icon, open_content});

    panels.hooks->render_home_sections = [&app, targets = panels.targets](
                                             const ordered_json& doc, const std::string& site_dir) {
        render_home_sections(app, *targets, doc, site_dir);
    };
    return wiring;
}

}  // namespace Scribenta
