#pragma once

// The project panels wired after the project form: dependencies, facts and
// downloads with their add dialogs, README and LICENSE with the source path,
// and topics with the Add Topic dialog.

#include <memory>

#include "app/project/panel_context.h"
#include "app/project/project_wiring.h"
#include "app/project/topics.h"

namespace Scribenta {

// Registers every handler of those panels on the objects of `wiring` and
// fills its form hooks (create-row refreshers, populate_topics). Returns the
// topics selection, shared with the registered handlers.
std::shared_ptr<TopicsState> wire_project_panels(const ProjectPanelContext& ctx,
                                                 const ProjectWiring& wiring);

}  // namespace Scribenta
