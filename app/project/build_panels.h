#pragma once

// The Versions and Build panels of the project configurator, wired on the
// objects of the project wiring and the window's one build state.

#include <memory>

#include "app/build_state.h"
#include "app/project/panel_context.h"
#include "app/project/project_wiring.h"

namespace Scribenta {

// Fills the form hooks refresh_versions and include_version and registers
// the Build and Output buttons. The Build button starts disabled already
// (wire_project_configurator).
void wire_versions_and_build(const ProjectPanelContext& ctx, const ProjectWiring& wiring,
                             const std::shared_ptr<BuildState>& builds);

}  // namespace Scribenta
