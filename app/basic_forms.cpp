#include "app/basic_forms.h"

#include <string>
#include <vector>

#include "app/fields.h"
#include "app/shell_status.h"
#include "app/text_file.h"
#include "config/bounded_json.h"
#include "config/json_file.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

void fill_fields(Ostrel::OApp& app, const std::string& form, const nlohmann::ordered_json& doc,
                 const std::vector<std::pair<const char*, const char*>>& fields) {
    for (const auto& [node, key] : fields) set_field_text(app, form + node, json_text(doc, key));
}

}  // namespace

nlohmann::ordered_json show_config_text(Ostrel::OApp& app, EditState& edits, Shell& shell,
                                        const std::string& path) {
    std::string text;
    if (!read_text_file(path, text)) text.clear();
    nlohmann::ordered_json doc = parse_config_text(text);
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
    const std::string avatar = site_shell.panels + "/Website Panel/Logo Picker/Avatar";
    app.set_image(avatar + "/Logo Image", config.logo);
    const auto branding = doc.find("branding");
    const nlohmann::ordered_json brand = branding != doc.end() && branding->is_object()
                                             ? *branding
                                             : nlohmann::ordered_json::object();
    fill_fields(app, site_shell.panels + "/Website Panel/Main Tab Group/Main Tab Form", brand,
                {{"/Heights Row/Logo Height Field", "logo_height"},
                 {"/Heights Row/Logo Height Mobile Field", "logo_height_mobile"},
                 {"/Tab Text Field", "tab_text"}});
}

}  // namespace Scribenta
