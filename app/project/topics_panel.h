#pragma once

#include <functional>
#include <memory>

#include "app/project/panel_context.h"
#include "app/project/project_wiring.h"
#include "app/project/topics.h"

namespace Scribenta {

// Registers the Topics panel (field, source and selection handlers, Remove)
// and the Add Topic dialog (derivation, Browse, Create), and gives the form
// rendering populate_topics. Returns the reload of the topic editor that a
// new source root needs.
ReloadTopicFile wire_topics(const ProjectPanelContext& ctx, const ProjectWiring& wiring,
                            const std::shared_ptr<TopicsState>& topics);

}  // namespace Scribenta
