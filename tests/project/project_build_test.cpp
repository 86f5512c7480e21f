// The project Build panel driven through its registered handlers, with runs
// the test finishes by hand.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/project/project_build.h"
#include "app/site/site_build.h"
#include "builds_fixture.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class ProjectBuildTest : public BuildsFixture {
protected:
    // A shown project whose listing reports `pending` pending versions.
    void show_pending(int pending) {
        config = site_project(R"({"format": 1, "slug": "p", "name": "P"})");
        show_file(config);
        Lines listed;
        for (int i = 0; i < pending; ++i) {
            listed.push_back("R\t1." + std::to_string(i) + "\t1." + std::to_string(i) +
                             ".0\t-\tpending\t1");
        }
        list(listed);
    }
    void click_build() { click(paths.build_button); }
    std::string log() const { return text(paths.build_log); }
    // Click, then the build's lines and exit code.
    void run_build(const Lines& lines, int exit_code) {
        const std::size_t before = runs.size();
        click_build();
        ASSERT_EQ(runs.size(), before + 1);
        finish(before, lines, exit_code);
    }

    fs::path config;
};

TEST_F(ProjectBuildTest, LogFollowsTheLineProtocol) {
    struct Case {
        const char* name;
        bool advanced;
        Lines lines;
        int exit_code;
        std::string log;  // "{config}" stands for the configuration's path
    };
    const Case cases[] = {
        {"no output", false, {}, 0, "=== Build Complete ==="},
        {"messages without their letter, output whole, details dropped",
         false,
         {"A\tscanning", "I\tBuilt 1.4", "O\t/p/versions"},
         0,
         "Built 1.4\nO\t/p/versions\n\n=== Build Complete ==="},
        {"Advanced: config first, details shown",
         true,
         {"A\tscanning", "E\tbad tag"},
         2,
         "[Build] Config: {config}\nscanning\nbad tag\n\n=== Build Failed ==="},
        {"other letters, short lines and lines without a TAB whole",
         false,
         {"X\tstrange", "I", "Ino tab", "", "I\tend"},
         0,
         "X\tstrange\nI\nIno tab\n\nend\n\n=== Build Complete ==="},
        {"the tool did not run",
         false,
         {},
         -1,
         std::string(kProjectToolDidNotRun) + "\n\n=== Build Failed ==="},
    };
    show_pending(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.set_checked(paths.build_advanced, c.advanced);
        run_build(c.lines, c.exit_code);
        std::string expected = c.log;
        if (const auto at = expected.find("{config}"); at != std::string::npos) {
            expected.replace(at, 8, config.string());
        }
        EXPECT_EQ(log(), expected);
        EXPECT_EQ(wiring.state->build_log, expected);
        EXPECT_FALSE(builds->running);
        EXPECT_TRUE(build_disabled()) << "only the listing after the build enables it";
        list({"R\t1.0\t1.0.0\t-\tpending\t1"});
        EXPECT_FALSE(build_disabled());
    }
    EXPECT_EQ(runs[runs.size() - 2].argv,
              (Lines{"scribenta-cli", "build", config.string(), "--porcelain"}));
}

TEST_F(ProjectBuildTest, OneBuildAtATimeAndOnlyWithPendingVersions) {
    show_pending(0);
    click_build();  // nothing pending
    EXPECT_EQ(runs.size(), 1u);
    EXPECT_TRUE(build_disabled());
    EXPECT_EQ(caption(), "Nothing Pending");

    wiring.hooks->refresh_versions();
    list({"R\t1.1\t1.1.0\t-\tpending\t1", "R\t1.0\t1.0.0\t-\tpending\t1"});
    EXPECT_EQ(caption(), "Build 2 Pending");
    EXPECT_FALSE(build_disabled());

    builds->running = true;  // a site build
    edits->pending["/name"] = "Renamed";
    click_build();
    EXPECT_EQ(runs.size(), 2u);
    EXPECT_EQ(edits->pending.size(), 1u) << "nothing flushed";
    EXPECT_EQ(log(), "");
    builds->running = false;

    click_build();
    click_build();  // "Disabled" is only a look: the second click must do nothing
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_NE(runs[2].file_at_start.find("\"name\": \"Renamed\""), std::string::npos)
        << "pending edits are written before the tool runs";
    EXPECT_TRUE(builds->running);
    EXPECT_TRUE(build_disabled());

    // Include changes wait too.
    app.toggle_state(checkbox(0), "Checked");
    click(checkbox(0));
    EXPECT_TRUE(has_word(checkbox(0), "Checked"));
    EXPECT_EQ(TempDir::read(config).find("versions_excluded"), std::string::npos);
    EXPECT_EQ(runs.size(), 3u);

    finish(2, {"I\tdone"}, 0);
    EXPECT_FALSE(builds->running);
    ASSERT_EQ(runs.size(), 4u);
    list({"R\t1.1\t1.1.0\t-\tcomplete\t1"});
    EXPECT_EQ(caption(), "Nothing Pending");
    EXPECT_TRUE(build_disabled());
}

// A project listed while a site build ran shows its Build button disabled;
// the end of that site build enables it, with no new listing.
TEST_F(ProjectBuildTest, TheEndOfASiteBuildEnablesAProjectListedMeanwhile) {
    builds->running = true;
    show_pending(2);
    EXPECT_EQ(caption(), "Build 2 Pending");
    EXPECT_TRUE(build_disabled());
    const std::size_t listings = runs.size();

    const SiteBuild site{&app, make_site_build_paths("Site/Build Panel"), builds,
                         std::make_shared<OpenConfig>(), flush_edits};
    site.on_site_build_finished(0);
    EXPECT_FALSE(builds->running);
    EXPECT_FALSE(build_disabled());
    EXPECT_EQ(runs.size(), listings);
}

TEST_F(ProjectBuildTest, DetailsShowOnlyWhileAdvancedIsOn) {
    show_pending(1);
    click_build();
    runs.back().line("A\tbefore");
    app.set_checked(paths.build_advanced, true);
    runs.back().line("A\tafter");
    runs.back().exit(0);
    EXPECT_EQ(log(), "after\n\n=== Build Complete ===");
}

TEST_F(ProjectBuildTest, OutputOpensTheVersionsFolderWhenItExists) {
    click(paths.build_output_button);  // nothing open
    show_pending(1);
    click(paths.build_output_button);  // no versions folder yet
    EXPECT_TRUE(opened.empty());

    config = dir.write("my docs/p#1/.scribenta-project", R"({"slug": "p"})");
    show_file(config);
    fs::create_directories(config.parent_path() / "versions");
    click(paths.build_output_button);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "file://" + (dir.path() / "my%20docs/p%231/versions").string());

    app.open_url_service = nullptr;
    click(paths.build_output_button);  // no service: nothing happens
    EXPECT_EQ(opened.size(), 1u);
}

}  // namespace
}  // namespace Scribenta
