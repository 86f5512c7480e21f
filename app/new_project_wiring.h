#pragma once

// Hooks the Add Project and Promote dialogs into the window: their openers on
// the site's Projects panel, the family bar and the project panel, and the
// open configurations they change.

#include "app/app_context.h"
#include "app/project/project_paths.h"

namespace Scribenta {

void wire_new_projects(AppContext& ctx, const ProjectPaths& paths);

}  // namespace Scribenta
