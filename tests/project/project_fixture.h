#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/dialogs.h"
#include "app/fake_services.h"
#include "app/project/project_wiring.h"
#include "app/text_view.h"
#include "config/file_json.h"
#include "config/temp_dir.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

inline const std::string kProject = "App/Scribenta Window/Config Pane/Project Configurator";

// The project configurator wired on a bare store with fake services, the
// way the window declares it, plus a copy of the sample site to open.
class ProjectFixture : public ::testing::Test {
protected:
    ProjectFixture() {
        shell->tabs = project_shell_tabs();
        select_tab(app, *shell, "Project Tab");
        set_view_mode(app, *shell, "editor");
        app.toggle_state(shell->save_button, "Disabled");
        ProjectWiringContext context{
            &app,        shell, edits, flush_edits, queue_edit, shown, [this] { ++tab_syncs; },
            show_confirm};
        wiring = wire_project_configurator(context);
    }

    // The sample site, copied so tests may change it.
    std::filesystem::path copy_sample() {
        const auto sample = std::filesystem::path(SCRIBENTA_SOURCE_DIR) / "examples" / "acme-docs";
        std::filesystem::copy(sample, dir / "acme-docs", std::filesystem::copy_options::recursive);
        return dir / "acme-docs";
    }

    static MemberEntry member(const std::filesystem::path& config, const std::string& label,
                              bool flag = false, const std::string& tagline = "",
                              const std::string& logo = "") {
        return {config.string(), label, flag, logo, tagline};
    }

    // What showing a project does: the family bar, the project tab in the
    // editor view, then the form of the first member.
    void show(std::vector<MemberEntry> members) {
        flush_edits();
        *shown = OpenConfig{"config-1",     members.front().config_path, "P",
                            kProjectConfig, std::move(members),          ""};
        wiring.render_family_tabs(*shown);
        select_tab(app, *shell, "Project Tab");
        set_view_mode(app, *shell, "editor");
        wiring.render_project_form(*shown, 0);
    }
    void show_file(const std::filesystem::path& config) { show({member(config, "P")}); }

    bool has_word(const std::string& path, const std::string& word) const {
        const auto it = app.node_states.find(path);
        return it != app.node_states.end() && it->second.count(word) > 0;
    }
    bool visible(const std::string& path) const { return app.hidden.count(path) == 0; }
    void type(const std::string& path, const std::string& text) {
        app.dispatch_event(path, "input:" + text);
    }
    void click(const std::string& path) { app.dispatch_event(path, "click"); }
    // A row list as (row id, fields) pairs, comparable with a table.
    std::vector<std::pair<std::string, std::map<std::string, std::string>>> rows(
        const std::string& list) {
        std::vector<std::pair<std::string, std::map<std::string, std::string>>> out;
        for (const auto& row : app.rows[list]) out.emplace_back(row.id, row.fields);
        return out;
    }

    Ostrel::OApp app;
    FakeServices services{app};
    ShowConfirm show_confirm = wire_confirm_dialog(app);
    TempDir dir;
    std::shared_ptr<Shell> shell = make_shell(kProject);
    std::shared_ptr<EditState> edits = std::make_shared<EditState>();
    std::shared_ptr<CurrentShell> current = std::make_shared<CurrentShell>(CurrentShell{shell});
    FlushEdits flush_edits{&app, edits, current};
    QueueEdit queue_edit{&app, edits, flush_edits, false};
    std::shared_ptr<OpenConfig> shown = std::make_shared<OpenConfig>();
    int tab_syncs = 0;
    ProjectWiring wiring;
    const ProjectPaths& paths = wiring.paths;
};

using Rows = std::vector<std::pair<std::string, std::map<std::string, std::string>>>;

}  // namespace Scribenta
