#include "app/project/project_panels.h"

#include "app/project/list_panels.h"
#include "app/project/readme_license.h"
#include "app/project/topics_panel.h"

namespace Scribenta {

std::shared_ptr<TopicsState> wire_project_panels(const ProjectPanelContext& context,
                                                 const ProjectWiring& wiring) {
    ProjectPanelContext ctx = context;
    ctx.text_keep = wiring.text_keep;
    auto topics = std::make_shared<TopicsState>();
    wire_readme_license(ctx, wiring, wire_topics(ctx, wiring, topics));
    wire_list_entries(ctx, wiring);
    return topics;
}

}  // namespace Scribenta
