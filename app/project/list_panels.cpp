#include "app/project/list_panels.h"

#include "app/project/entry_dialogs.h"
#include "app/project/list_entries.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

void wire_list_entries(const ProjectPanelContext& ctx, const ProjectWiring& wiring) {
    Ostrel::OApp& app = *ctx.app;
    const ProjectPaths& paths = wiring.paths;
    const std::string create = "/Body/Actions/Create Button";
    const std::string browse = "/Body/Icon Row/Browse Button";

    const EntryDialog dependencies = dependency_dialog();
    app.on_row_action(dependency_list().list,
                      ListRowAction{ctx, &dependency_list(), wiring.dep_rows, nullptr});
    app.on_click(paths.dependencies + "/Add Dependency Button", OpenEntryDialog{ctx, dependencies});
    app.on_click(dependencies.node(browse),
                 EntryIconBrowse{ctx, dependencies, kDependencyIconTitle});
    app.on_click(dependencies.node(create), AddDependencyConfirm{ctx, dependencies});

    const EntryDialog facts = fact_dialog();
    app.on_row_action(fact_list().list,
                      ListRowAction{ctx, &fact_list(), nullptr, wiring.fact_labels});
    app.on_click(paths.add_fact_button, OpenEntryDialog{ctx, facts});
    app.on_click(facts.node(create), AddFactConfirm{ctx, facts});

    const EntryDialog downloads = download_dialog();
    app.on_row_action(download_list().list,
                      ListRowAction{ctx, &download_list(), wiring.download_rows, nullptr});
    app.on_click(paths.downloads + "/Add Download Button", OpenEntryDialog{ctx, downloads});
    app.on_click(downloads.node(browse), EntryIconBrowse{ctx, downloads, kPlatformIconTitle});
    app.on_click(downloads.node(create), AddDownloadConfirm{ctx, downloads});
}

}  // namespace Scribenta
