#pragma once

// Wires the framework's settings window into an application window declared
// by the layer files: the title bar's right-hand tabs (application pane and
// settings menu), the settings menu's sidebar tabs, the theme-folders dialog
// and the update checker's interface.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/runtime/window_tabs.h"

namespace Ostrel {

// (tab name, page name) pairs.
using TabPages = std::vector<std::pair<std::string, std::string>>;

// The framework's documentation of custom theme files.
inline constexpr const char* kCustomThemesUrl =
    "https://larkspurworks.com/ostrel/docs/custom-themes";

// Call once from the UI builder, after set_root. Returns the window-tab
// switcher with root/window/Titlebar/Right Tabs/App Tab selected; further
// tabs (open configurations) are added to it. Extra window tabs become
// further right-hand tabs showing root/window/page; extra settings tabs
// further sidebar tabs of the settings menu.
std::shared_ptr<WindowTabs> install_settings_window(OApp& app, const std::string& root,
                                                    const std::string& window,
                                                    const TabPages& extra_window_tabs,
                                                    const TabPages& extra_settings_tabs);

}  // namespace Ostrel
