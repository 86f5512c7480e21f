#pragma once

// What the window asks of the site and project configurators when it shows a
// configuration. The site and project sides fill these in; until a side does,
// the window's basic versions show the file in the JSON text view.

#include <cstddef>
#include <functional>

#include "app/open_config.h"

namespace Scribenta {

struct ConfiguratorHooks {
    // Fills the site form from the configuration's file (it is the site
    // shell's reload too).
    std::function<void(const OpenConfig&)> populate_site_form;
    // Fills the family bar of a project tab.
    std::function<void(const OpenConfig&)> render_family_tabs;
    // Renders the project form for one member of a project tab.
    std::function<void(const OpenConfig&, std::size_t member)> render_project_form;
    // Shows another member after the unsaved-changes question: writes pending
    // edits, returns to the project tab in the editor view and renders it.
    std::function<void(const OpenConfig&, std::size_t member)> show_project_tab;
    // The index of the member the project form shows now.
    std::function<std::size_t()> current_member;
};

}  // namespace Scribenta
