#include "app/project/build_panels.h"

#include "app/project/project_build.h"
#include "app/project/versions_table.h"

namespace Scribenta {

void wire_versions_and_build(const ProjectPanelContext& ctx, const ProjectWiring& wiring,
                             const std::shared_ptr<BuildState>& builds) {
    const VersionsTable table{ctx.app, wiring.paths, wiring.state, builds, ctx.edits, wiring.hooks};
    wiring.hooks->refresh_versions = table;
    wiring.hooks->include_version = VersionIncludeToggle{table, ctx.flush_edits, ctx.show_confirm};
    builds->site_build_ended = [app = ctx.app, button = wiring.paths.build_button,
                                weak_state = std::weak_ptr<ProjectState>(wiring.state)] {
        if (const auto state = weak_state.lock())
            set_project_build_disabled(*app, *state, button, state->pending_count == 0);
    };
    wire_project_build(
        {ctx.app, wiring.paths, wiring.state, builds, ctx.edits, ctx.flush_edits, table});
}

}  // namespace Scribenta
