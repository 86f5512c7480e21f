#include "app/site/website_form.h"

#include <filesystem>

#include "app/shell_status.h"
#include "app/text_file.h"
#include "config/bounded_json.h"
#include "config/config_paths.h"
#include "config/json_file.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

const std::vector<WebsiteField>& website_fields() {
    static const std::vector<WebsiteField> fields = {
        {"/Title Field", "/title"},   {"/Description Field", "/description"},
        {"/URL Field", "/url"},       {"/Copyright Field", "/copyright"},
        {"/Output Field", "/output"},
    };
    return fields;
}

ordered_json site_form_document(ordered_json doc) {
    if (!doc.is_object()) return ordered_json::object();
    static const std::pair<const char*, bool> containers[] = {
        {"branding", true},  {"ostrel", true},   {"home", true},
        {"projects", false}, {"socials", false}, {"policies", false},
    };
    for (const auto& [key, is_object] : containers) {
        const auto it = doc.find(key);
        if (it != doc.end() && (is_object ? !it->is_object() : !it->is_array())) doc.erase(key);
    }
    return doc;
}

std::string default_favicon_background(const Ostrel::OApp& app, const ordered_json& doc) {
    std::string theme = kDefaultSiteTheme;
    const auto ostrel = doc.find("ostrel");
    if (ostrel != doc.end() && ostrel->is_object()) {
        const auto name = ostrel->find("default_theme");
        if (name != ostrel->end() && name->is_string()) theme = name->get<std::string>();
    }
    std::string background;
    const auto registered = app.themes.find(theme);
    if (registered != app.themes.end()) background = registered->second.string_var("Primary");
    return background.empty() ? std::string("#ffffff") : background;
}

void populate_site_form(const SiteFormBinding& form, const std::string& config_path) {
    Ostrel::OApp& app = *form.app;
    std::string text;
    if (!read_text_file(config_path, text)) text.clear();
    const ordered_json doc = site_form_document(parse_config_text(text));  // failure: empty object

    const std::shared_ptr<Shell> shell = form.shell.lock();
    reset_edit_state(*form.edit, config_path, text);
    if (shell) set_shell_status(app, *shell, "Clean", "");

    for (const auto& field : website_fields()) {
        set_field_text(app, form.paths.site_form + field.node, json_text(doc, field.pointer + 1));
    }

    const ordered_json branding = doc.value("branding", ordered_json::object());
    const std::string logo_height = json_text(branding, "logo_height");
    const std::string logo_height_mobile = json_text(branding, "logo_height_mobile");
    const std::string tab_text = json_text(branding, "tab_text");
    set_field_text(app, form.paths.logo_height, logo_height);
    set_field_text(app, form.paths.logo_height_mobile, logo_height_mobile);
    set_field_text(app, form.paths.tab_text, tab_text);

    const fs::path site_dir = fs::path(config_path).parent_path();
    const std::string logo = resolve_existing_path(site_dir, json_text(branding, "logo_path"));
    app.set_visible(form.paths.avatar, !logo.empty());
    app.set_image(form.paths.logo_image, logo);

    const auto from_logo_member = branding.find("favicon_from_logo");
    const bool from_logo = from_logo_member != branding.end() && from_logo_member->is_boolean() &&
                           from_logo_member->get<bool>();
    app.set_checked(form.paths.from_logo_checkbox, from_logo);
    *form.favicon_source =
        from_logo ? logo : resolve_existing_path(site_dir, json_text(branding, "favicon_source"));

    std::string background = json_text(branding, "favicon_background");
    if (background.empty()) background = default_favicon_background(app, doc);
    *form.favicon_background = background;
    set_field_text(app, form.paths.background_field, background);

    form.favicon_hint("");
    const std::string site = site_dir.string();
    const SitePanelHooks* hooks = form.hooks.get();
    if (hooks && hooks->refresh_favicon_preview) hooks->refresh_favicon_preview(site);

    form.preview->logo_path = logo;
    form.preview->logo_height = logo_height;
    form.preview->logo_height_mobile = logo_height_mobile;
    form.preview->tab_text = tab_text;
    form.refresh_logo_previews();

    if (hooks && hooks->render_site_form) hooks->render_site_form(doc, site);
    if (hooks && hooks->render_home_sections) hooks->render_home_sections(doc, site);
    if (hooks && hooks->render_policies) hooks->render_policies(doc);

    if (shell) set_field_text(app, shell->text_editor, text);
}

}  // namespace Scribenta
