#pragma once

// The project configurator's Build panel: runs the build tool on the open
// project configuration, shows its output as it arrives, and opens the
// project's "versions" folder. It shares the running flag with the site
// build, so only one build of either kind runs at a time.

#include <functional>
#include <memory>
#include <string>

#include "app/build_state.h"
#include "app/edit_queue.h"
#include "app/project/project_paths.h"
#include "app/project/project_state.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// The message of a build whose tool never ran (exit code -1).
inline constexpr const char* kProjectToolDidNotRun =
    "[Build] Error: scribenta-cli did not run (expected beside this executable).";

// Copies share their state, so the process callbacks may outlive the copy
// that started them.
struct ProjectBuild {
    Ostrel::OApp* app = nullptr;
    ProjectPaths paths;
    std::shared_ptr<ProjectState> state;
    std::shared_ptr<BuildState> builds;  // shared with the site build and the versions table
    std::shared_ptr<const EditState> edits;
    FlushEdits flush_edits;
    std::function<void()> refresh_versions;

    // Appends the line to the log ("\n" first unless the log is empty) and
    // shows the whole log.
    void append_project_output_line(const std::string& line) const;

    // Starts a build when none runs, a configuration is open and versions
    // are pending.
    void on_project_build_clicked() const;
    void on_project_build_line(const std::string& line) const;
    // Ends the log with the verdict, frees the running flag and lists the
    // versions again, whose completion decides the Build button's state.
    void on_project_build_finished(int exit_code) const;
    // Opens the configuration's "versions" folder when it exists.
    void on_project_output_clicked() const;
};

// Registers the Build and Output click handlers of `build`.
void wire_project_build(const ProjectBuild& build);

}  // namespace Scribenta
