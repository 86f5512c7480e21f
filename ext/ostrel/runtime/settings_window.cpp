#include "ext/ostrel/runtime/settings_window.h"

#include "ext/ostrel/runtime/update_checker.h"

namespace Ostrel {
namespace {

// Adds one tab per pair, a click handler selecting each, and selects the
// first. The handlers own the switcher.
std::shared_ptr<WindowTabs> wire_tabs(OApp& app, const TabPages& pairs,
                                      const std::string& tab_prefix,
                                      const std::string& page_prefix) {
    auto tabs = std::make_shared<WindowTabs>(&app);
    for (const auto& [tab, page] : pairs)
        tabs->add(tab_prefix + tab, page_prefix + page, "Selected");
    for (const auto& [tab, page] : pairs) {
        app.on_click(tab_prefix + tab, [tabs, key = tab_prefix + tab] { tabs->select(key); });
    }
    if (!pairs.empty()) tabs->select(tab_prefix + pairs.front().first);
    return tabs;
}

TabPages joined(TabPages first, const TabPages& extra) {
    first.insert(first.end(), extra.begin(), extra.end());
    return first;
}

void install_theme_directories_dialog(OApp& app, const std::string& root,
                                      const std::string& settings_menu) {
    const std::string dialog = root + "/Theme Directories Dialog";
    const std::string source_list = dialog + "/Body/Source List";
    const std::string empty_state = dialog + "/Body/Empty State";
    app.hidden.insert(dialog);
    app.on_click(settings_menu + "/Appearance Settings/Theme Bar/Manage Theme Directories Button",
                 [&app, dialog] { app.hidden.erase(dialog); });
    app.on_click(dialog + "/Titlebar/Exit Button", [&app, dialog] { app.hidden.insert(dialog); });
    app.hidden.insert(source_list);
    app.on_click(empty_state + "/Learn More Button", [&app] {
        if (!app.open_url_service) return;
        const UrlService open = app.open_url_service;
        open(kCustomThemesUrl);
    });
    app.on_rows("themeSources",
                [&app, source_list, empty_state](const std::vector<ListEntry>& rows) {
                    app.set_visible(source_list, !rows.empty());
                    app.set_visible(empty_state, rows.empty());
                });
}

}  // namespace

std::shared_ptr<WindowTabs> install_settings_window(OApp& app, const std::string& root,
                                                    const std::string& window,
                                                    const TabPages& extra_window_tabs,
                                                    const TabPages& extra_settings_tabs) {
    const std::string win = root + "/" + window;
    const std::string settings_menu = win + "/Settings Menu";
    // The appearance settings have one tab, marked from the start.
    app.toggle_state(settings_menu + "/Appearance Settings/Appearance Tabs/Theme Tab", "Selected");
    install_theme_directories_dialog(app, root, settings_menu);
    install_update_ui(app, root, window);
    wire_tabs(app,
              joined({{"App Tab", "App Settings"}, {"Appearance Tab", "Appearance Settings"}},
                     extra_settings_tabs),
              settings_menu + "/Sidebar/", settings_menu + "/");
    return wire_tabs(
        app,
        joined({{"App Tab", "App Pane"}, {"Settings Tab", "Settings Menu"}}, extra_window_tabs),
        win + "/Titlebar/Right Tabs/", win + "/");
}

}  // namespace Ostrel
