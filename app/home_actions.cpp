#include "app/home_actions.h"

#include <filesystem>

#include "app/fields.h"
#include "config/config_paths.h"
#include "config/new_site.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

const std::string kDialog = kNewWebsiteDialog;
const std::string kTitleEditor = kDialog + "/Body/Title Editor";
const std::string kLocationEditor = kDialog + "/Body/Location Row/Location Editor";

}  // namespace

void HomeActions::on_open_config_browse() const {
    Ostrel::PickRequest request;
    request.mode = "file";
    request.title = "Open Configuration";
    request.filter = "Scribenta Configs (*.scribenta-site *.scribenta-project);;All Files (*)";
    request.show_hidden = true;
    const HomeActions self = *this;
    app->pick_file(request, [self](const std::string& path) { self.on_open_config_picked(path); });
}

void HomeActions::on_open_config_picked(const std::string& path) const {
    if (!path.empty()) configs->open_config_file(path);
}

void HomeActions::open_new_website_dialog() const {
    set_field_text(*app, kTitleEditor, "My Site");
    set_field_text(*app, kLocationEditor, "");
    app->set_visible(kDialog, true);
}

void HomeActions::on_choose_location() const {
    Ostrel::PickRequest request;
    request.mode = "dir";
    request.title = "Choose Location";
    const HomeActions self = *this;
    app->pick_file(request, [self](const std::string& folder) { self.on_location_picked(folder); });
}

void HomeActions::on_location_picked(const std::string& folder) const {
    if (!folder.empty()) set_field_text(*app, kLocationEditor, folder);
}

void HomeActions::on_create_site_confirm() const {
    std::string title = trim(app->value(kTitleEditor));
    if (title.empty()) title = "My Site";
    const std::string location = app->value(kLocationEditor);
    if (location.empty()) {
        show_message("Couldn't Create Site", "Choose a location for the new site.");
        return;
    }
    std::string error;
    if (!create_site(location, title, &error)) {
        show_message("Couldn't Create Site", error);
        return;
    }
    app->set_visible(kDialog, false);
    configs->open_config_file((std::filesystem::path(location) / kSiteConfigName).string());
}

void wire_home_actions(Ostrel::OApp& app, const HomeActions& actions) {
    const std::string home = kHome;
    app.on_click(home + "/Open Button", [actions] { actions.on_open_config_browse(); });
    app.on_click(home + "/New Website Button", [actions] { actions.open_new_website_dialog(); });
    wire_dialog_dismiss(app, kDialog, {"/Titlebar/Exit Button", "/Body/Actions/Cancel Button"});
    app.on_click(kDialog + "/Body/Location Row/Browse Button",
                 [actions] { actions.on_choose_location(); });
    app.on_click(kDialog + "/Body/Actions/Create Button",
                 [actions] { actions.on_create_site_confirm(); });
}

}  // namespace Scribenta
