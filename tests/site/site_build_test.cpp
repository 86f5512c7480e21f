// The site Build panel on a bare store, with a process service the test
// drives by hand: it records each command line and hands the test the line
// and exit callbacks.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/site/site_build.h"
#include "ext/ostrel/engine/oapp.h"
#include "tests/config/temp_dir.h"

namespace {

using namespace Scribenta;
using Lines = std::vector<std::string>;
const std::string kPanel =
    "App/Scribenta Window/Config Pane/Site Configurator/Editor Panel/Panels/Build Panel";

class SiteBuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.process_service = [this](const std::vector<std::string>& argv,
                                     Ostrel::LineCallback on_line, Ostrel::ExitCallback on_exit) {
            runs.push_back(argv);
            file_at_start = TempDir::read(config);
            line = std::move(on_line);
            finish = std::move(on_exit);
        };
        app.open_url_service = [this](const std::string& url) { opened.push_back(url); };
        wire_site_build(build);
        config =
            dir.write("site/.scribenta-site", "{\"format\": 1, \"title\": \"Docs\"}\n").string();
        shown->kind = kSiteConfig;
        shown->path = config;
        reset_edit_state(*edits, config, TempDir::read(config));
    }

    void click(const std::string& path) { app.dispatch_event(path, "click"); }
    void click_build() { click(paths.build_button); }
    std::string log() const {
        const auto it = app.texts.find(paths.output_editor);
        return it == app.texts.end() ? "<none>" : it->second;
    }
    bool button_disabled() const {
        const auto it = app.node_states.find(paths.build_button);
        return it != app.node_states.end() && it->second.contains("Disabled");
    }
    // A whole build: click, the lines, the exit code.
    void run_build(const Lines& lines, int exit_code) {
        click_build();
        ASSERT_TRUE(line && finish);
        for (const std::string& each : lines) line(each);
        finish(exit_code);
    }

    Ostrel::OApp app;
    TempDir dir;
    std::string config;
    std::shared_ptr<EditState> edits = std::make_shared<EditState>();
    std::shared_ptr<Shell> shell = make_shell("App/Scribenta Window/Config Pane/Site Configurator");
    std::shared_ptr<BuildState> state = std::make_shared<BuildState>();
    std::shared_ptr<OpenConfig> shown = std::make_shared<OpenConfig>();
    SiteBuildPaths paths = make_site_build_paths(kPanel);
    SiteBuild build{&app, paths, state, shown,
                    FlushEdits{&app, edits, std::make_shared<CurrentShell>(CurrentShell{shell})}};

    std::vector<std::vector<std::string>> runs;
    std::string file_at_start;
    Ostrel::LineCallback line;
    Ostrel::ExitCallback finish;
    std::vector<std::string> opened;
};

TEST_F(SiteBuildTest, LogFollowsTheLineProtocol) {
    struct Case {
        const char* name;
        bool advanced;
        Lines lines;
        int exit_code;
        std::string log;  // "{config}" stands for the configuration's path
    };
    const Case cases[] = {
        {"no output", false, {}, 0, "=== Build Complete ==="},
        {"messages and errors without their letter",
         false,
         {"I\tBuilding 2 pages", "E\tbad logo"},
         2,
         "Building 2 pages\nbad logo\n\n=== Build Failed ==="},
        {"output location kept, not shown",
         false,
         {"O\t/srv/out", "I\tdone"},
         0,
         "done\n\n=== Build Complete ==="},
        {"details dropped without Advanced",
         false,
         {"A\tscanning", "I\tdone"},
         0,
         "done\n\n=== Build Complete ==="},
        {"Advanced: config first, details shown",
         true,
         {"A\tscanning", "I\tdone"},
         0,
         "[Site] Config: {config}\nscanning\ndone\n\n=== Build Complete ==="},
        {"other letters and plain lines whole",
         false,
         {"X\tstrange", "E", "plain text", ""},
         0,
         "X\tstrange\nE\nplain text\n\n\n=== Build Complete ==="},
        {"E and TAB alone: a break in a log that has text",
         false,
         {"I\tone", "E\t", "I\ttwo"},
         1,
         "one\n\ntwo\n\n=== Build Failed ==="},
        {"E and TAB alone on an empty log adds nothing",
         false,
         {"E\t"},
         0,
         "=== Build Complete ==="},
        {"the tool did not run",
         false,
         {},
         -1,
         std::string(kSiteToolDidNotRun) + "\n\n=== Build Failed ==="},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.set_checked(paths.advanced, c.advanced);
        run_build(c.lines, c.exit_code);
        std::string expected = c.log;
        if (const auto at = expected.find("{config}"); at != std::string::npos) {
            expected.replace(at, 8, config);
        }
        EXPECT_EQ(log(), expected);
        EXPECT_EQ(state->log, expected);
        EXPECT_FALSE(state->running);
        EXPECT_FALSE(button_disabled());
    }
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs.back(),
              (std::vector<std::string>{"scribenta-cli", "site", "build", config, "--porcelain"}));
}

TEST_F(SiteBuildTest, OneBuildAtATimeAndOnlyForASite) {
    edits->pending["/title"] = "New title";
    click_build();
    click_build();  // "Disabled" is only a look: the second click must do nothing
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NE(file_at_start.find("\"title\": \"New title\""), std::string::npos)
        << "pending edits are written before the tool runs";
    EXPECT_TRUE(state->running);
    EXPECT_TRUE(button_disabled());
    EXPECT_EQ(log(), "");

    line("O\t/first");
    line("O\t/second");
    finish(0);
    EXPECT_EQ(state->output_path, "/second");
    EXPECT_FALSE(button_disabled());

    // A project build from another configuration: ignored, and the site
    // button keeps its enabled look.
    state->running = true;
    click_build();
    EXPECT_EQ(runs.size(), 1u);
    EXPECT_FALSE(button_disabled());
    state->running = false;

    shown->kind = kProjectConfig;
    click_build();
    shown->kind = kSiteConfig;
    shown->path.clear();
    click_build();
    EXPECT_EQ(runs.size(), 1u);
    EXPECT_EQ(state->output_path, "/second") << "only a started build clears it";
}

TEST_F(SiteBuildTest, DetailsShowOnlyWhileAdvancedIsOn) {
    click_build();
    line("A\tbefore");
    app.set_checked(paths.advanced, true);  // switched on during the build
    line("A\tafter");
    finish(0);
    EXPECT_EQ(log(), "after\n\n=== Build Complete ===");
}

TEST_F(SiteBuildTest, OutputOpensTheBuiltSite) {
    click(paths.output_button);  // before any build
    EXPECT_TRUE(opened.empty());

    const auto out = dir.write("out dir/a#b?c%d/index.html", "<html>").parent_path();
    run_build({"O\t" + out.string()}, 0);
    click(paths.output_button);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "file://" + (dir.path() / "out%20dir/a%23b%3Fc%25d").string());

    std::filesystem::remove_all(out);  // gone: nothing opens
    click(paths.output_button);
    EXPECT_EQ(opened.size(), 1u);

    app.open_url_service = nullptr;
    run_build({"O\t" + dir.path().string()}, 0);
    click(paths.output_button);  // no service: nothing happens
    EXPECT_EQ(opened.size(), 1u);
}

}  // namespace
