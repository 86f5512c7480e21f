// The Versions and Build panels in the window declaration with the real
// process service. Built twice: with the build-tool stand-in beside the test
// executable (SCRIBENTA_TOOL_BESIDE) and without any tool.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <functional>
#include <string>

#include "app/project/project_paths.h"
#include "app/window_declaration.h"
#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/runtime/process_service.h"
#include "tests/config/temp_dir.h"

namespace {

namespace fs = std::filesystem;

const std::string kPanels =
    "App/Scribenta Window/Config Pane/Project Configurator/Editor Panel/Panels";
const std::string kBuildButton = kPanels + "/Build Panel/Build Button";
const std::string kCaption = kBuildButton + "/Label";
const std::string kLog = kPanels + "/Build Panel/Output Editor";
const std::string kStatus = kPanels + "/Versions Panel/Status Message";
const std::string kSiteBuild =
    "App/Scribenta Window/Config Pane/Site Configurator/Editor Panel/Panels/Build Panel/"
    "Actions Row/Build Button";

class ProjectBuildTool : public ::testing::Test {
protected:
    void SetUp() override {
        ::unsetenv("SCRIBENTA_DEV_OPEN");
        ctx = Scribenta::declare_window(app);
        Ostrel::install_qt_process(app);
        site = dir.write("site/.scribenta-site", R"({"format": 1, "title": "Docs"})").string();
        config = dir.write("site/projects/p/.scribenta-project", R"({"format": 1, "slug": "p",
            "versions": [{"label": "1.1", "release_date": "2024-02-01"},
                         {"label": "1.0", "release_date": "2024-01-01"}]})")
                     .string();
    }
    void TearDown() override {
        for (const char* name : {"SCRIBENTA_FAKE_CLI_LOG", "SCRIBENTA_FAKE_CLI_VERSIONS_OUTPUT",
                                 "SCRIBENTA_FAKE_CLI_BUILD_OUTPUT", "SCRIBENTA_FAKE_CLI_BUILD_EXIT",
                                 "SCRIBENTA_FAKE_CLI_BUILD_GATE"}) {
            ::unsetenv(name);
        }
    }

    // Runs the event loop until `done` holds (at most 30 s).
    bool wait_for(const std::function<bool()>& done) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 30000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        return done();
    }
    bool disabled(const std::string& path) const {
        const auto it = app.node_states.find(path);
        return it != app.node_states.end() && it->second.contains("Disabled");
    }
    std::string text(const std::string& path) const {
        const auto it = app.texts.find(path);
        return it == app.texts.end() ? std::string() : it->second;
    }

    int argc = 1;
    char name[24] = "project_build_tool";
    char* argv[2] = {name, nullptr};
    QCoreApplication qt{argc, argv};
    Ostrel::OApp app;
    Scribenta::AppContext ctx;
    TempDir dir;
    std::string site;
    std::string config;
};

#ifdef SCRIBENTA_TOOL_BESIDE

TEST_F(ProjectBuildTool, ListsBuildsOnceAndListsAgain) {
    const std::string calls = (dir / "calls").string();
    const std::string gate = (dir / "gate").string();
    ::setenv("SCRIBENTA_FAKE_CLI_LOG", calls.c_str(), 1);
    ::setenv("SCRIBENTA_FAKE_CLI_VERSIONS_OUTPUT",
             "R\t1.1\t1.1.3\t2024-02-01\tpending\t1\nR\t1.0\t1.0.0\t2024-01-01\tcomplete\t1\n", 1);
    ::setenv("SCRIBENTA_FAKE_CLI_BUILD_OUTPUT", "I\tBuilding 1.1\nA\tdetail\n", 1);
    ::setenv("SCRIBENTA_FAKE_CLI_BUILD_GATE", gate.c_str(), 1);
    ::setenv("SCRIBENTA_FAKE_CLI_BUILD_EXIT", "0", 1);

    ctx.configs->open_config_file(config);
    ASSERT_TRUE(wait_for([&] { return app.rows["versionRows"].size() == 2; }));
    EXPECT_EQ(app.rows["versionRows"][0].fields["tag_patch"], ".3");
    EXPECT_EQ(text(kCaption), "Build 1 Pending");
    EXPECT_FALSE(disabled(kBuildButton));

    app.dispatch_event(kBuildButton, "click");
    ASSERT_TRUE(ctx.builds->running);
    EXPECT_TRUE(disabled(kBuildButton));
    app.dispatch_event(kBuildButton, "click");  // ignored while running
    ASSERT_TRUE(wait_for([&] { return text(kLog) == "Building 1.1"; }));

    // The site shown meanwhile: its build waits for the project build too.
    ctx.configs->open_config_file(site);
    app.dispatch_event(kSiteBuild, "click");
    EXPECT_EQ(ctx.builds->log, "");

    ::setenv("SCRIBENTA_FAKE_CLI_VERSIONS_OUTPUT", "E\tlisted again\n", 1);
    dir.write("gate", "");
    ASSERT_TRUE(wait_for([&] { return !ctx.builds->running; }));
    EXPECT_EQ(text(kLog), "Building 1.1\n\n=== Build Complete ===");
    // The build's own listing runs for whatever the queue holds when it ends.
    ASSERT_TRUE(wait_for([&] { return text(kStatus) == "listed again"; }));
    EXPECT_EQ(TempDir::read(calls), "versions\t" + config + "\t--porcelain\n" +   //
                                        "build\t" + config + "\t--porcelain\n" +  //
                                        "versions\t" + site + "\t--porcelain\n");
}

// The rows' check boxes reach the include action held by the window.
TEST_F(ProjectBuildTool, ClearingIncludeExcludesTheVersion) {
    const std::string calls = (dir / "calls").string();
    ::setenv("SCRIBENTA_FAKE_CLI_LOG", calls.c_str(), 1);
    ::setenv("SCRIBENTA_FAKE_CLI_VERSIONS_OUTPUT",
             "R\t1.1\t1.1.3\t2024-02-01\tcomplete\t1\nR\t1.0\t1.0.0\t2024-01-01\tcomplete\t1\n", 1);
    ctx.configs->open_config_file(config);
    ASSERT_TRUE(wait_for([&] { return app.rows["versionRows"].size() == 2; }));
    const std::string row = kPanels + "/Versions Panel/Versions Table/Versions List/version-1";
    ::setenv("SCRIBENTA_FAKE_CLI_VERSIONS_OUTPUT",
             "R\t1.1\t1.1.3\t2024-02-01\tcomplete\t1\nR\t1.0\t1.0.0\t2024-01-01\texcluded\t0\n", 1);
    app.dispatch_event(row + "/Include Cell/Include Checkbox", "click");
    EXPECT_NE(TempDir::read(config).find("\"versions_excluded\": [\n    \"1.0\"\n  ]"),
              std::string::npos)
        << TempDir::read(config);
    ASSERT_TRUE(wait_for([&] { return app.node_states[row].contains("Excluded"); }));
    const std::string listed = "versions\t" + config + "\t--porcelain\n";
    EXPECT_EQ(TempDir::read(calls), listed + listed);
}

#else

TEST_F(ProjectBuildTool, WithoutTheToolTheTableSaysItDidNotRun) {
    ::setenv("PATH", dir.path().c_str(), 1);  // no tool anywhere to be found
    ctx.configs->open_config_file(config);
    ASSERT_TRUE(wait_for([&] { return !text(kStatus).empty(); }));
    EXPECT_EQ(text(kStatus), "scribenta-cli did not run (expected beside this executable).");
    EXPECT_TRUE(app.rows["versionRows"].empty());
    EXPECT_EQ(text(kCaption), "Nothing Pending");
    EXPECT_TRUE(disabled(kBuildButton));
    app.dispatch_event(kBuildButton, "click");  // nothing pending: ignored
    EXPECT_FALSE(ctx.builds->running);
}

#endif

}  // namespace
