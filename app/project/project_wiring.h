#pragma once

// The project half of the window declaration: the project configurator's
// shared state, its file editors and the registration of its handlers on
// their node paths. The project form, repository, logo and family bar are
// wired here; the panels added later (dependencies, facts and downloads
// dialogs, README and LICENSE, topics, versions, build, new projects,
// promotion) register their own handlers with the state returned in
// ProjectWiring and fill its hooks.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/edit_queue.h"
#include "app/open_config.h"
#include "app/project/project_form.h"
#include "app/project/project_objects.h"
#include "app/project/project_paths.h"
#include "app/project/project_state.h"
#include "app/shell.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// What the window declaration hands the project wiring.
struct ProjectWiringContext {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<Shell> shell;  // the project shell, its tabs already filled
    std::shared_ptr<EditState> edits;
    FlushEdits flush_edits;
    QueueEdit queue_edit;
    // The configuration shown now; the shell's reload renders it, and the
    // logo picker updates its member's logo.
    std::shared_ptr<OpenConfig> shown;
    // Copies the shown configuration's logo and members into its left tab.
    std::function<void()> sync_config_tab;
    // The confirmation dialog, asked by the file editors' Save.
    ShowConfirm show_confirm;
};

// What the wiring made. Every member shares its state with the registered
// handlers.
struct ProjectWiring : ProjectObjects {
    ProjectPaths paths;

    // The operations the window calls when it shows a project.
    RenderProjectForm render_project_form;
    ShowProjectTab show_project_tab;
    void render_family_tabs(const OpenConfig& config) const;
    std::size_t current_member() const { return state->member_index; }
};

// The six form and repository fields, one queued pointer each.
void wire_project_fields(Ostrel::OApp& app, const ProjectPaths& paths, const QueueEdit& queue_edit);

// The builder's project wiring: the three file editors appended to the
// shell's guards (README, License, Topics), the README and License create
// rows hidden, the Build button disabled, the form fields, Add Repository,
// the shell's reload and the logo picker.
ProjectWiring wire_project_configurator(const ProjectWiringContext& context);

}  // namespace Scribenta
