#pragma once

// The Versions panel: every refresh runs the build tool's versions listing
// for the open configuration and shows what it prints; the Include check
// boxes exclude a version (deleting its generated folder after a question)
// or declare it again; the pending count captions the project Build button.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "app/build_state.h"
#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/project/project_hooks.h"
#include "app/project/project_paths.h"
#include "app/project/project_state.h"
#include "app/project/version_rows.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr const char* kVersionsToolDidNotRun =
    "scribenta-cli did not run (expected beside this executable).";

// The listing and its results. Copies share their state, so a listing's
// callbacks may outlive the copy that started it.
struct VersionsTable {
    Ostrel::OApp* app = nullptr;
    ProjectPaths paths;
    std::shared_ptr<ProjectState> state;
    std::shared_ptr<const BuildState> builds;
    std::shared_ptr<const EditState> edits;
    // Holds the include action the rows call. Weak: that action starts
    // listings itself, so it holds a table.
    std::weak_ptr<const ProjectPanelHooks> hooks;

    // refresh_versions: lists the versions of the configuration open in the
    // edit queue; with none open, empties the table at once.
    void refresh_versions() const;
    void operator()() const { refresh_versions(); }
    // on_versions_listed: applies the listing started as `generation` for
    // `config`, unless a newer listing or another configuration took over.
    void on_versions_listed(const VersionListing& listing, const std::string& config,
                            int generation, int exit_code) const;
    // update_pending_label: the Build button's caption, and "Disabled" while
    // a build runs or nothing is pending.
    void update_pending_label(std::uint64_t count) const;
};

// on_version_include_toggled: the click on row `index`'s Include check box.
// The box goes back to the state on disk; a completed listing changes it.
// Ticking declares the version again; clearing excludes it, asking first
// when its generated folder exists. Nothing changes while a build runs or
// while the rows on screen were listed for another configuration.
struct VersionIncludeToggle {
    VersionsTable table;
    FlushEdits flush_edits;
    ShowConfirm show_confirm;
    void operator()(std::size_t index) const;
};

// on_exclude_version_confirmed: excludes `label` from `config`, deletes the
// version's generated folder when it has one (never following a symbolic
// link) and lists again. Holds no dialog: it may wait in the confirmation.
struct ExcludeVersion {
    VersionsTable table;
    FlushEdits flush_edits;
    std::string config;
    std::string label;
    std::string output;  // the version's folder under "versions"
    bool has_output = false;
    void operator()() const;
};

}  // namespace Scribenta
