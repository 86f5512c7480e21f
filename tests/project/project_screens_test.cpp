// The project panels drawn by the renderer with the shipped layer files, in
// both themes, filled by the project configurator's own rendering from the
// sample site. With OSTREL_TEST_SHOTS set to a folder the pictures are
// written there as PNG files to look at.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "app/fake_services.h"
#include "app/project/build_panels.h"
#include "app/project/project_wiring.h"
#include "app/text_view.h"
#include "config/temp_dir.h"
#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/engine/asset_loading.h"
#include "tests/desktop/harness.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;

const std::string kSource = SCRIBENTA_SOURCE_DIR;
const std::string kWindow = "App/Scribenta Window";
const std::string kProjectBase = kWindow + "/Config Pane/Project Configurator";

const char* const kDialogs[] = {
    "App/Message Dialog",      "App/Confirm Dialog",           "App/New Website Dialog",
    "App/Add Project Dialog",  "App/Add Topic Dialog",         "App/Add Dependency Dialog",
    "App/Promote Dialog",      "App/Add Policy Dialog",        "App/Add Fact Dialog",
    "App/Add Download Dialog", "App/Edit Section Dialog",      "App/Add Section Dialog",
    "App/Add Social Dialog",   "App/Theme Directories Dialog", "App/Update Dialog"};

class ProjectScreens : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        desktop_test::qt_app();
        testing::internal::CaptureStderr();
        const bool loaded =
            Ostrel::load_assets(app, desktop_test::framework_themes_dir(),
                                kSource + "/ext/ostrel/styles", GetParam(), {kSource + "/styles"});
        const std::string errors = testing::internal::GetCapturedStderr();
        ASSERT_TRUE(loaded);
        // Until the framework's own layer files exist their folders are missing.
        if (fs::is_directory(kSource + "/ext/ostrel/styles")) {
            EXPECT_EQ(errors, "");
        }
        Ostrel::set_icon_dirs({kSource + "/icons"});
        app.set_root("App");
        app.condition_tags.insert("Desktop");
        for (const char* dialog : kDialogs) app.set_visible(dialog, false);
        app.set_visible(kWindow + "/Settings Menu", false);
        app.set_visible(kWindow + "/App Pane", false);
        app.set_visible(kWindow + "/Config Pane/Site Configurator", false);
        app.set_rows("leftTabs", {});

        shell->tabs = project_shell_tabs();
        select_tab(app, *shell, "Project Tab");
        set_view_mode(app, *shell, "editor");
        app.toggle_state(shell->save_button, "Disabled");
        wiring = wire_project_configurator(
            {&app, shell, edits, flush_edits, queue_edit, shown, [] {}, wire_confirm_dialog(app)});

        fs::copy(kSource + "/examples/acme-docs", dir / "acme-docs", fs::copy_options::recursive);
        site = dir / "acme-docs";
    }

    void show(std::vector<MemberEntry> members, std::size_t index = 0) {
        *shown = OpenConfig{"config-1",     members.front().config_path, "P",
                            kProjectConfig, std::move(members),          ""};
        wiring.render_family_tabs(*shown);
        wiring.show_project_tab(*shown, index);
    }
    MemberEntry member(const std::string& folder, const std::string& label, bool flag = false,
                       const std::string& tagline = "", const std::string& logo = "") const {
        return {(site / "projects" / folder / ".scribenta-project").string(), label, flag,
                logo.empty() ? "" : (site / "images" / logo).string(), tagline};
    }

    // Renders the window and writes it as <name>.<theme>.png when asked to.
    // One view serves a whole test: each rendering patches the last one.
    void shoot(const std::string& name) {
        if (!view) view = std::make_unique<desktop_test::ViewHarness>(app, QSize(1000, 700));
        view->render();
        const QImage image = view->grab();
        ASSERT_FALSE(image.isNull());
        const char* shots = std::getenv("OSTREL_TEST_SHOTS");
        if (!shots || !*shots) return;
        const std::string theme = GetParam().substr(0, GetParam().find(' '));
        fs::create_directories(shots);
        EXPECT_TRUE(image.save(QString::fromStdString(std::string(shots) + "/project-" + name +
                                                      "." + theme + ".png")));
    }

    Ostrel::OApp app;
    FakeServices services{app};
    TempDir dir;
    fs::path site;
    std::shared_ptr<Shell> shell = make_shell(kProjectBase);
    std::shared_ptr<EditState> edits = std::make_shared<EditState>();
    std::shared_ptr<CurrentShell> current = std::make_shared<CurrentShell>(CurrentShell{shell});
    FlushEdits flush_edits{&app, edits, current};
    QueueEdit queue_edit{&app, edits, flush_edits, false};
    std::shared_ptr<OpenConfig> shown = std::make_shared<OpenConfig>();
    ProjectWiring wiring;
    std::shared_ptr<BuildState> builds = std::make_shared<BuildState>();
    std::unique_ptr<desktop_test::ViewHarness> view;  // destroyed before the store
};

TEST_P(ProjectScreens, StandAloneProjectPanels) {
    show({member("rocket", "Rocket", false, "Launch builds into orbit", "rocket.svg")});
    for (const auto& [tab, name] :
         std::vector<std::pair<std::string, std::string>>{{"Project Tab", "panel"},
                                                          {"Source Tab", "source"},
                                                          {"Dependencies Tab", "dependencies"},
                                                          {"Downloads Tab", "downloads"}}) {
        select_tab(app, *shell, tab);
        shoot("rocket-" + name);
    }
}

TEST_P(ProjectScreens, CardsWithoutOptionalFields) {
    std::ofstream(site / "projects/comet/.scribenta-project")
        << R"({"name": "Comet", "requires": [{"name": "libuv"}],
               "downloads": [{"platform_label": "Windows"},
                             {"platform_label": "Linux", "url": "https://x.example/c.tgz"}]})";
    show({member("comet", "Comet")});
    select_tab(app, *shell, "Dependencies Tab");
    shoot("comet-dependencies");
    select_tab(app, *shell, "Downloads Tab");
    shoot("comet-downloads");
    const std::string cards = shell->panels + "/Downloads Panel/Download Cards";
    const auto shown_on_screen = [&](const std::string& path) {
        const QWidget* widget = view->widget(path);
        return widget != nullptr && widget->isVisible();
    };
    EXPECT_FALSE(shown_on_screen(cards + "/download-0/Size"));
    EXPECT_FALSE(shown_on_screen(cards + "/download-0/Texts/Subtitle"));
    EXPECT_TRUE(shown_on_screen(cards + "/download-1/Texts/Subtitle"));
    EXPECT_TRUE(shown_on_screen(cards + "/download-1/Texts/Title"));
}

TEST_P(ProjectScreens, FamilyOverviewAndMember) {
    show({member("orbit", "Orbit", true, "Tools that circle your code", "orbit.svg"),
          member("orbit-core", "Core", false, "Tools that circle your code"),
          member("orbit-cli", "CLI")});
    shoot("family-overview");
    wiring.show_project_tab(*shown, 2);
    shoot("family-member");
}

// The versions listing and the build answered at once by a stand-in process
// service: a pending, a complete, an excluded and an untagged version.
TEST_P(ProjectScreens, VersionsAndBuildPanels) {
    app.process_service = [](const std::vector<std::string>& argv, Ostrel::LineCallback line,
                             Ostrel::ExitCallback exit) {
        const std::vector<std::string> listing = {
            "R\t1.5\t1.5.0\t2024-06-01\tpending\t1", "R\t1.4\t1.4.2\t2024-05-01\tcomplete\t1",
            "R\t1.3\t1.3.7\t2024-01-15\texcluded\t0", "R\t1.2\t\t\tno-tag\t0"};
        const std::vector<std::string> build = {"I\tBuilding 1.5", "A\tdetail",
                                                "O\t/srv/rocket/versions", "I\tBuilt 1.5"};
        for (const std::string& each : argv.at(1) == "versions" ? listing : build) line(each);
        exit(0);
    };
    wire_versions_and_build({&app, shell, edits, flush_edits, queue_edit, queue_edit,
                             wire_message_dialog(app), wire_confirm_dialog(app), shown},
                            wiring, builds);
    show({member("rocket", "Rocket", false, "Launch builds into orbit", "rocket.svg")});
    select_tab(app, *shell, "Versions Tab");
    shoot("rocket-versions");
    const std::string list = shell->panels + "/Versions Panel/Versions Table/Versions List";
    for (const char* row : {"/version-0", "/version-3"}) {
        const QWidget* box = view->widget(list + row + "/Include Cell/Include Checkbox");
        EXPECT_TRUE(box != nullptr && box->isVisible()) << row;
    }
    const QWidget* status = view->widget(shell->panels + "/Versions Panel/Status Message");
    EXPECT_TRUE(status == nullptr || !status->isVisible());

    select_tab(app, *shell, "Build Tab");
    app.dispatch_event(shell->panels + "/Build Panel/Build Button", "click");
    shoot("rocket-build");
}

// No versions listed: the hint in place of the table.
TEST_P(ProjectScreens, VersionsPanelWithoutVersions) {
    wire_versions_and_build({&app, shell, edits, flush_edits, queue_edit, queue_edit,
                             wire_message_dialog(app), wire_confirm_dialog(app), shown},
                            wiring, builds);
    show({member("comet", "Comet")});
    select_tab(app, *shell, "Versions Tab");
    shoot("comet-versions");
}

INSTANTIATE_TEST_SUITE_P(Themes, ProjectScreens,
                         ::testing::Values(desktop_test::kDarkTheme, desktop_test::kLightTheme),
                         [](const auto& info) {
                             return info.param.substr(0, info.param.find(' '));
                         });

}  // namespace
}  // namespace Scribenta
