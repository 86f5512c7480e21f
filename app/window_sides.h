#pragma once

// The site and project halves of the window declaration. Each creates the
// shared state of its configurator, registers its handlers and fills in its
// configurator hooks; the handlers of the panels are added here as the
// panels are built.

#include "app/app_context.h"

namespace Scribenta {

// Site configurator: the policy and section content file editors, the site
// dialogs, the site shell's reload.
void wire_site_side(AppContext& ctx);

// Project configurator: the README, License and Topics file editors, the
// project dialogs, the family bar and the project shell's reload.
void wire_project_side(AppContext& ctx);

// Hides a dialog and registers copies of one dismissal on its Exit and
// Cancel buttons.
void declare_dialog(AppContext& ctx, const char* dialog);

}  // namespace Scribenta
