#pragma once

// The family bar of a project tab: one member tab per configuration of the
// tab (the family's own first, as "Overview"), shown only for a family; and
// the layout of the project configurator while a family's own configuration
// is shown.

#include <cstddef>

#include "app/open_config.h"
#include "app/project/project_paths.h"
#include "app/project/project_state.h"
#include "app/shell.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// render_family_tabs: the "familyTabs" rows ("umbrella" = "1" alone for the
// family's own configuration; "label", and "tagline" and "logo" when set,
// for a member); the bar and its divider show from two members on.
void render_family_tabs(Ostrel::OApp& app, const ProjectPaths& paths, const OpenConfig& config);

// For the family's own configuration (`umbrella`) only the project tab makes
// sense: the other eight sidebar tabs hide, the project tab is captioned
// "Project Family", carries "Family" and is selected.
void show_family_layout(Ostrel::OApp& app, Shell& shell, const ProjectPaths& paths,
                        ProjectState& state, bool umbrella);

// Moves "Active" to the member tab of `index`.
void mark_member_tab(Ostrel::OApp& app, const ProjectPaths& paths, ProjectState& state,
                     std::size_t index);

}  // namespace Scribenta
