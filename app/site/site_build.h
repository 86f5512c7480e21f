#pragma once

// The site configurator's Build panel: runs the build tool on the shown site,
// shows its output in the log as it arrives, and opens the built site.

#include <memory>
#include <string>

#include "app/build_state.h"
#include "app/edit_queue.h"
#include "app/open_config.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// The message of a build whose tool never ran (exit code -1).
inline constexpr const char* kSiteToolDidNotRun =
    "[Site] Error: scribenta-cli did not run (expected beside this executable).";

struct SiteBuildPaths {
    std::string advanced;       // panel + "/Advanced Row/Advanced Checkbox"
    std::string output_editor;  // panel + "/Output Editor", the log
    std::string build_button;   // panel + "/Actions Row/Build Button"
    std::string output_button;  // panel + "/Actions Row/Output Button"
};

// The paths below the Build panel (the site shell's panels + "/Build Panel").
SiteBuildPaths make_site_build_paths(const std::string& panel);

// The Build panel's operations and handlers. Copies share the build state,
// so the process callbacks may outlive the copy that started them.
struct SiteBuild {
    Ostrel::OApp* app = nullptr;
    SiteBuildPaths paths;
    std::shared_ptr<BuildState> state;  // shared with the project build and versions table
    std::shared_ptr<OpenConfig> shown;  // the configuration shown now
    FlushEdits flush_edits;

    // Toggles "Disabled" on the Build button only when `disabled` differs
    // from what it was last given.
    void set_site_build_disabled(bool disabled) const;
    // Appends the line to the log ("\n" first unless the log is empty) and
    // shows the whole log.
    void append_site_output_line(const std::string& line) const;

    void on_site_build_clicked() const;
    void on_site_build_line(const std::string& line) const;
    void on_site_build_finished(int exit_code) const;
    void on_site_output_clicked() const;
};

// Registers the Build and Output click handlers of `build`.
void wire_site_build(const SiteBuild& build);

}  // namespace Scribenta
