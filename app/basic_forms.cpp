#include "app/basic_forms.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/fields.h"
#include "app/shell_status.h"
#include "app/text_file.h"
#include "config/json_file.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

const std::string kFamilyBar = std::string(kProjectBase) + "/Family Bar";

void fill_fields(Ostrel::OApp& app, const std::string& form, const nlohmann::ordered_json& doc,
                 const std::vector<std::pair<const char*, const char*>>& fields) {
    for (const auto& [node, key] : fields) set_field_text(app, form + node, json_text(doc, key));
}

}  // namespace

nlohmann::ordered_json show_config_text(Ostrel::OApp& app, EditState& edits, Shell& shell,
                                        const std::string& path) {
    std::string text;
    if (!read_text_file(path, text)) text.clear();
    nlohmann::ordered_json doc = nlohmann::ordered_json::parse(text, nullptr, false);
    if (!doc.is_object()) doc = nlohmann::ordered_json::object();
    reset_edit_state(edits, path, text);
    set_shell_status(app, shell, "Clean", "");
    set_field_text(app, shell.text_editor, text);
    return doc;
}

void basic_site_form(Ostrel::OApp& app, EditState& edits, Shell& site_shell,
                     const OpenConfig& config) {
    const nlohmann::ordered_json doc = show_config_text(app, edits, site_shell, config.path);
    fill_fields(app, site_shell.panels + "/Website Panel/Site Form", doc,
                {{"/Title Field", "title"},
                 {"/Description Field", "description"},
                 {"/URL Field", "url"},
                 {"/Copyright Field", "copyright"},
                 {"/Output Field", "output"}});
}

void basic_project_form(Ostrel::OApp& app, EditState& edits, Shell& project_shell, MemberView& view,
                        const OpenConfig& config, std::size_t member) {
    if (config.members.empty()) return;
    const std::size_t index = std::min(member, config.members.size() - 1);
    view.member_index = index;
    const MemberEntry& shown = config.members[index];
    const nlohmann::ordered_json doc =
        show_config_text(app, edits, project_shell, shown.config_path);
    fill_fields(app, project_shell.panels + "/Project Panel/Project Form", doc,
                {{"/Slug Field", "slug"}, {"/Name Field", "name"}, {"/Tagline Field", "tagline"}});

    const std::string project_tab = project_shell.sidebar + "/Project Tab";
    app.texts[project_tab + "/Label"] = shown.flag ? "Project Family" : "Project";
    if (shown.flag != view.family_shown) {
        app.toggle_state(project_tab, "Family");
        view.family_shown = shown.flag;
    }
    const std::string tab = kFamilyBar + "/Member Tabs/member-" + std::to_string(index);
    if (tab != view.active_member_tab) {
        if (!view.active_member_tab.empty()) {
            app.toggle_state(view.active_member_tab, "Active");
        }
        app.toggle_state(tab, "Active");
        view.active_member_tab = tab;
    }
}

void render_family_tabs(Ostrel::OApp& app, const OpenConfig& config) {
    std::vector<Ostrel::ListEntry> rows;
    for (std::size_t i = 0; i < config.members.size(); ++i) {
        const MemberEntry& member = config.members[i];
        Ostrel::ListEntry row{"member-" + std::to_string(i), {}};
        if (member.flag) {
            row.fields["umbrella"] = "1";
        } else {
            row.fields["label"] = member.label;
            if (!member.tagline.empty()) row.fields["tagline"] = member.tagline;
            if (!member.logo.empty()) row.fields["logo"] = member.logo;
        }
        rows.push_back(std::move(row));
    }
    app.set_rows("familyTabs", std::move(rows));
    const bool family = config.members.size() >= 2;
    app.set_visible(kFamilyBar, family);
    app.set_visible(std::string(kProjectBase) + "/Family Divider", family);
}

}  // namespace Scribenta
