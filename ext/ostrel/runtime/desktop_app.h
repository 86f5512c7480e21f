#pragma once

// Start-up of a framework application as a desktop program. No Qt here, so
// an application's main needs nothing else.

#include <functional>
#include <string>
#include <vector>

namespace Ostrel {

class OApp;

// Start-up configuration; OSTREL_ environment variables override parts of it
// for one run. A plain value: run_desktop works on its own copy.
struct DesktopAppConfig {
    std::string organization = "larkspurworks";  // the settings live under it
    std::string application_name = "Ostrel";
    std::string window_title = "Ostrel";
    std::string logo;                 // icon name of the window icon; "" for none
    std::string desktop_file_name;    // applied only when non-empty
    std::string version;              // also OApp::app_version
    std::string update_manifest_url;  // non-empty enables the update defaults
    std::string update_platform;      // "" means default_platform_key()
    int update_check_hours = 24;
    std::string default_theme = "Dark (zozeravuderedada)";
    std::string framework_assets_dir;  // holds "/styles", "/themes" and "/icons"
    std::vector<std::string> style_dirs;
    std::vector<std::string> icon_dirs;
    std::vector<std::string> media_dirs;
    std::function<void(OApp&)> build;  // the UI builder; empty means build_app
};

// Runs the application: assets, theme, services, settings, the builder, the
// frameless main window and the event loop. Returns 1 when no theme could be
// loaded (after printing "Ostrel: failed to initialize
// (themes/styles/theme)." on standard error), else the event loop's result.
// Closing the main window asks OApp::close_request first. SIGTERM, SIGINT
// and SIGHUP quit the loop the ordinary way, without asking; the process
// then ends by that signal instead of returning. Call once, from main.
int run_desktop(int argc, char** argv, const DesktopAppConfig& config);

// Switches the folders to the layout deployed beside the executable when
// app_dir + "/assets/ostrel/styles" exists: framework assets
// "/assets/ostrel", styles and icons exactly "/assets/app/styles" and
// "/assets/app/icons", media exactly ["/assets/app"] when it has "/media",
// else none. Otherwise nothing changes.
void resolve_asset_dirs(DesktopAppConfig& config, const std::string& app_dir);

// The application's UI builder, defined by the application.
void build_app(OApp& app);

}  // namespace Ostrel
