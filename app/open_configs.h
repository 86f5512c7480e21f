#pragma once

// Opening configuration files as left tabs, switching between them and
// between the members of a project family, closing them, and asking before
// unsaved text would be dropped. One instance for the whole window, held by
// shared pointer by every handler that needs it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/configurator_hooks.h"
#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/open_config.h"
#include "app/shell.h"
#include "ext/ostrel/runtime/window_tabs.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr const char* kLeftTabs = "App/Scribenta Window/Titlebar/Left Tabs";
inline constexpr const char* kAppTab = "App/Scribenta Window/Titlebar/Right Tabs/App Tab";
inline constexpr const char* kConfigPane = "App/Scribenta Window/Config Pane";

class OpenConfigs : public std::enable_shared_from_this<OpenConfigs> {
public:
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<Ostrel::WindowTabs> window_tabs;
    std::shared_ptr<Shell> site_shell;
    std::shared_ptr<Shell> project_shell;
    std::shared_ptr<CurrentShell> current;
    std::shared_ptr<EditState> edits;
    FlushEdits flush_edits;
    ShowMessage show_message;
    ShowConfirm show_confirm;
    ConfiguratorHooks hooks;

    std::vector<OpenConfig> open;                                        // in tab order
    std::shared_ptr<OpenConfig> shown = std::make_shared<OpenConfig>();  // kind kNoConfig: none
    int tab_counter = 1;                                                 // tab ids are never reused

    // Classifies and checks the file, then opens it ("Unsupported Config"
    // when it is neither a site nor a project or of a newer format).
    void open_config_file(const std::string& path);
    // Opens a site's project (or family with its members) from its card.
    void open_site_project(const std::string& config_path, const std::string& name,
                           std::vector<MemberEntry> members);
    // Selects the configuration's tab when it is shown already; otherwise
    // asks about unsaved text and then switches to it.
    void open_config(OpenConfig config);
    void switch_to_config(OpenConfig config);
    void show_open_config(const OpenConfig& config);
    // Runs `then` at once, or after "Discard changes?" when the shown
    // configuration holds unsaved text.
    void confirm_leave_unsaved(std::function<void()> then);
    // Asked when the user closes the window: true when nothing unsaved is
    // shown; otherwise shows "Discard changes?", whose Discard runs `close`,
    // and returns false.
    bool confirm_close_window(std::function<void()> close);
    // The editor whose unsaved text leaving would drop ("Text view" or the
    // shown shell's first dirty guard), or "" when nothing is unsaved or no
    // configuration is shown.
    std::string unsaved_editor() const;
    bool text_view_is_modified() const;
    void refresh_left_tabs();
    // Copies the shown configuration's logo and members into its tab.
    void sync_config_tab();
    void close_config_tab(const std::string& id);
    void on_config_tab_action(const std::string& list, const std::string& row,
                              const std::string& action);
    void on_member_tab_action(const std::string& list, const std::string& row,
                              const std::string& action);

    std::string tab_key(const std::string& id) const;

private:
    OpenConfig* find_open(const std::string& id);
    void close_now(const std::string& id);
};

// Registers the row actions of "leftTabs" and "familyTabs".
void wire_open_configs(Ostrel::OApp& app, const std::shared_ptr<OpenConfigs>& configs);

}  // namespace Scribenta
