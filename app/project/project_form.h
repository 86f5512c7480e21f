#pragma once

// The project form: render_project_form reads one member's project
// configuration and writes everything the project panels show into the
// state store, and show_project_tab switches to another member of a family.
// Rendering only reads; every write goes through the edit queue or the
// configuration model.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "app/edit_queue.h"
#include "app/open_config.h"
#include "app/project/project_objects.h"
#include "app/project/project_paths.h"
#include "app/project/project_state.h"
#include "app/shell.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// render_project_form(config, member_index): shows member
// min(member_index, last) of `config`; a configuration without members
// leaves the form as it is. A missing, unreadable or invalid file, or one
// whose value is not an object, renders as an empty project; members of the
// wrong type read as missing, and values of the wrong type as their compact
// JSON text.
struct RenderProjectForm {
    Ostrel::OApp* app = nullptr;
    ProjectPaths paths;
    std::shared_ptr<Shell> shell;  // the project shell
    std::shared_ptr<EditState> edits;
    QueueEdit queue_edit;
    ProjectObjects objects;

    void operator()(const OpenConfig& config, std::size_t member_index) const;
};

// show_project_tab(config, member_index): writes pending edits, returns to
// the project tab in the editor view and renders the member.
struct ShowProjectTab {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<Shell> shell;
    FlushEdits flush_edits;
    RenderProjectForm render_project_form;

    void operator()(const OpenConfig& config, std::size_t member_index) const;
};

}  // namespace Scribenta
