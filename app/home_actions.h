#pragma once

// The home page's two ways in: opening a configuration file through the file
// dialog, and creating a new website in the New Website dialog.

#include <memory>
#include <string>

#include "app/dialogs.h"
#include "app/open_configs.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr const char* kHome = "App/Scribenta Window/App Pane/Home";
inline constexpr const char* kNewWebsiteDialog = "App/New Website Dialog";

struct HomeActions {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<OpenConfigs> configs;
    ShowMessage show_message;

    void on_open_config_browse() const;
    void on_open_config_picked(const std::string& path) const;
    void open_new_website_dialog() const;
    void on_choose_location() const;
    void on_location_picked(const std::string& folder) const;
    void on_create_site_confirm() const;
};

// Registers the two home buttons and the New Website dialog's buttons.
void wire_home_actions(Ostrel::OApp& app, const HomeActions& actions);

}  // namespace Scribenta
