#include "app/site/socials.h"

#include <charconv>
#include <system_error>

#include "app/fields.h"
#include "app/pickers.h"
#include "config/config_paths.h"
#include "config/json_file.h"
#include "config/list_append.h"
#include "config/list_remove.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

namespace {

const std::string kDialog = kAddSocialDialog;

std::string field(const ordered_json& element, const char* key) {
    return element.is_object() ? json_text(element, key) : std::string();
}

}  // namespace

bool row_index(const std::string& row, const std::string& prefix, std::size_t& index) {
    if (row.size() <= prefix.size() || row.compare(0, prefix.size(), prefix) != 0) return false;
    const char* first = row.data() + prefix.size();
    const char* last = row.data() + row.size();
    const auto [end, ec] = std::from_chars(first, last, index);
    return ec == std::errc() && end == last;
}

void render_social_cards(Ostrel::OApp& app, CardTargets& targets, const std::string& socials_panel,
                         const ordered_json& doc, const fs::path& site_dir) {
    std::vector<Ostrel::ListEntry> rows;
    std::vector<bool> external;
    const auto socials = doc.is_object() ? doc.find("socials") : doc.end();
    if (doc.is_object() && socials != doc.end() && socials->is_array()) {
        for (const ordered_json& element : *socials) {
            const std::string id = "social-" + std::to_string(rows.size());
            const std::string username = field(element, "username");
            std::string title = field(element, "label");
            if (title.empty()) title = username;
            Ostrel::ListEntry row{id, {{"title", title}}};
            if (!username.empty() && username != title) row.fields["username"] = username;
            const std::string icon = resolve_existing_path(site_dir, field(element, "icon"));
            if (!icon.empty()) row.fields["icon"] = icon;
            rows.push_back(std::move(row));
            targets.social_cards[id] = SocialTarget{field(element, "url"), title};
            const auto flag = element.is_object() ? element.find("external") : element.end();
            external.push_back(element.is_object() && flag != element.end() && flag->is_boolean() &&
                               flag->get<bool>());
        }
    }
    app.set_rows("socialCards", std::move(rows));
    for (std::size_t n = 0; n < external.size(); ++n) {
        app.set_visible(socials_panel + "/Social Cards/social-" + std::to_string(n) + "/External",
                        external[n]);
    }
}

void IconBrowse::operator()() const {
    const std::string config = panels.edits->config_path;
    if (config.empty()) return;
    const fs::path site_dir = fs::path(config).parent_path();
    const fs::path images = site_dir / "images";
    std::error_code ec;
    Ostrel::PickRequest request;
    request.mode = "file";
    request.title = title;
    request.filter = kImageFileFilter;
    request.directory = (fs::is_directory(images, ec) ? images : site_dir).string();
    request.show_hidden = false;
    panels.app->pick_file(request,
                          IconPicked{panels.app, panels.edits, icon, hint_path, images.string()});
}

void SocialCardAction::operator()(const std::string&, const std::string& row,
                                  const std::string& action) const {
    const auto it = panels.targets->social_cards.find(row);
    if (it == panels.targets->social_cards.end()) return;
    if (action == "activate") {
        if (!it->second.url.empty() && panels.app->open_url_service)
            panels.app->open_url_service(it->second.url);
        return;
    }
    std::size_t index = 0;
    if (action != "remove" || panels.edits->config_path.empty() ||
        !row_index(row, "social-", index))
        return;
    const std::string name = it->second.label.empty() ? "this link" : it->second.label;
    panels.show_confirm(
        "Remove Social Link", "Remove '" + name + "' from this site?", "Remove",
        RemoveSocialConfirmed{panels.for_pending_action(), index, panels.edits->drawn});
}

void RemoveSocialConfirmed::operator()() const {
    if (!panels.flush_edits.config_list_unchanged("/socials", drawn)) return;
    if (panels.edits->config_path.empty()) return;
    if (remove_array_item(panels.edits->config_path, "socials", index)) panels.reload()();
}

void OpenAddSocialDialog::operator()() const {
    if (!panels.site_shown()) return;
    Ostrel::OApp& app = *panels.app;
    for (const char* editor : {"/Body/Label Editor", "/Body/Username Editor", "/Body/URL Editor"})
        set_field_text(app, kDialog + editor, "");
    icon->clear();
    app.texts[kDialog + "/Body/Icon Row/Icon Hint"] = "No icon selected.";
    app.set_checked(kDialog + "/Body/External Row/External Checkbox", true);
    app.set_visible(kDialog, true);
}

void AddSocialConfirm::operator()() const {
    if (panels.edits->config_path.empty()) return;
    Ostrel::OApp& app = *panels.app;
    SocialInput input;
    input.label = trim(app.value(kDialog + "/Body/Label Editor"));
    input.username = trim(app.value(kDialog + "/Body/Username Editor"));
    input.url = trim(app.value(kDialog + "/Body/URL Editor"));
    if (input.label.empty() || input.url.empty()) return;
    input.icon = *icon;
    input.external = app.is_checked(kDialog + "/Body/External Row/External Checkbox");
    panels.flush_edits();
    std::string error;
    if (!add_social_to_config(panels.edits->config_path, input, &error)) {
        panels.show_message("Couldn't Add Social Link", error);
        return;
    }
    app.set_visible(kDialog, false);
    panels.reload()();
}

std::shared_ptr<std::string> wire_socials(const SitePanelsContext& panels) {
    Ostrel::OApp& app = *panels.app;
    auto icon = std::make_shared<std::string>();
    app.on_row_action("socialCards", SocialCardAction{panels});
    app.on_click(panels.paths.socials + "/Add Social Button", OpenAddSocialDialog{panels, icon});
    app.set_visible(kDialog, false);
    wire_dialog_dismiss(app, kDialog, {"/Titlebar/Exit Button", "/Body/Actions/Cancel Button"});
    app.on_click(kDialog + "/Body/Icon Row/Browse Button",
                 IconBrowse{panels, icon, kDialog + "/Body/Icon Row/Icon Hint",
                            "Select a social icon (copied into your site)"});
    app.on_click(kDialog + "/Body/Actions/Create Button", AddSocialConfirm{panels, icon});
    return icon;
}

}  // namespace Scribenta
