#pragma once

// What the Add Project and Promote dialogs ask of the window: the shown
// configuration and the operations of the open configurations, handed over
// as callables so this library does not depend on the window's.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/open_config.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

struct NewProjectContext {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<OpenConfig> shown;
    ShowMessage show_message;
    FlushEdits flush_edits;
    std::string add_project_button;  // on the site's Projects panel
    std::string add_member_button;   // on the project family bar
    std::string promote_button;      // on the project panel
    // Runs the continuation at once, or after "Discard changes?".
    std::function<void(std::function<void()>)> confirm_leave_unsaved;
    // Opens a configuration file in a left tab of its own.
    std::function<void(const std::string& path)> open_config_file;
    // The site shell's reload; empty when none is set.
    std::function<void()> reload_site;
    // Copies the shown configuration's logo and members into its left tab.
    std::function<void()> sync_config_tab;
    // Copies path, name, members and logo of the configuration into the open
    // entry with its tab id (none matches when it has no tab) and rebuilds
    // the left tabs.
    std::function<void(const OpenConfig& config)> update_open_tab;
    std::function<void(const OpenConfig& config)> render_family_tabs;
    // Writes pending edits, selects the project tab in the editor view and
    // renders the member's form.
    std::function<void(const OpenConfig& config, std::size_t member)> show_project_tab;
};

}  // namespace Scribenta
