// The site build in the window declaration with the real process service.
// Built twice: with the build-tool stand-in beside the test executable
// (SCRIBENTA_TOOL_BESIDE) and without any tool.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <string>

#include "app/window_declaration.h"
#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/runtime/process_service.h"
#include "tests/config/temp_dir.h"

namespace {

const std::string kPanel =
    "App/Scribenta Window/Config Pane/Site Configurator/Editor Panel/Panels/Build Panel";
const std::string kBuildButton = kPanel + "/Actions Row/Build Button";
const std::string kLog = kPanel + "/Output Editor";

class SiteBuildTool : public ::testing::Test {
protected:
    void SetUp() override {
        ::unsetenv("SCRIBENTA_DEV_OPEN");
        ctx = Scribenta::declare_window(app);
        Ostrel::install_qt_process(app);
        config =
            dir.write("site/.scribenta-site", "{\"format\": 1, \"title\": \"Docs\"}\n").string();
        ctx.configs->open_config_file(config);
        ASSERT_EQ(ctx.configs->shown->kind, Scribenta::kSiteConfig);
    }

    // Clicks Build and runs the event loop until the build has finished.
    void build() {
        app.dispatch_event(kBuildButton, "click");
        ASSERT_TRUE(ctx.builds->running);
        EXPECT_TRUE(disabled());
        app.dispatch_event(kBuildButton, "click");  // ignored while running
        QElapsedTimer waited;
        waited.start();
        while (ctx.builds->running && waited.elapsed() < 30000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        ASSERT_FALSE(ctx.builds->running);
    }
    bool disabled() const {
        const auto it = app.node_states.find(kBuildButton);
        return it != app.node_states.end() && it->second.contains("Disabled");
    }

    int argc = 1;
    char name[16] = "site_build_tool";
    char* argv[2] = {name, nullptr};
    QCoreApplication qt{argc, argv};
    Ostrel::OApp app;
    Scribenta::AppContext ctx;
    TempDir dir;
    std::string config;
};

#ifdef SCRIBENTA_TOOL_BESIDE

TEST_F(SiteBuildTool, LogShowsTheToolsLinesInOrder) {
    const std::string calls = (dir / "calls").string();
    ::setenv("SCRIBENTA_FAKE_CLI_LOG", calls.c_str(), 1);
    ::setenv("SCRIBENTA_FAKE_CLI_SITE_BUILD_OUTPUT",
             "I\tBuilding site\nA\tdetail\nO\t/tmp/out\nX\tother\nno tab\nE\twarning\nI\tDone\n",
             1);
    ::setenv("SCRIBENTA_FAKE_CLI_SITE_BUILD_EXIT", "0", 1);
    build();
    EXPECT_EQ(app.texts[kLog],
              "Building site\nX\tother\nno tab\nwarning\nDone\n\n=== Build Complete ===");
    EXPECT_EQ(ctx.builds->output_path, "/tmp/out");
    EXPECT_EQ(TempDir::read(calls), "site\tbuild\t" + config + "\t--porcelain\n")
        << "one run, the second click ignored";
    EXPECT_FALSE(disabled());

    ::setenv("SCRIBENTA_FAKE_CLI_SITE_BUILD_OUTPUT", "E\tno such theme\n", 1);
    ::setenv("SCRIBENTA_FAKE_CLI_SITE_BUILD_EXIT", "2", 1);
    build();
    EXPECT_EQ(app.texts[kLog], "no such theme\n\n=== Build Failed ===");
    EXPECT_EQ(ctx.builds->output_path, "");
    ::unsetenv("SCRIBENTA_FAKE_CLI_LOG");
    ::unsetenv("SCRIBENTA_FAKE_CLI_SITE_BUILD_OUTPUT");
    ::unsetenv("SCRIBENTA_FAKE_CLI_SITE_BUILD_EXIT");
}

#else

TEST_F(SiteBuildTool, WithoutTheToolTheLogSaysItDidNotRun) {
    ::setenv("PATH", dir.path().c_str(), 1);  // no tool anywhere to be found
    build();
    EXPECT_EQ(app.texts[kLog],
              "[Site] Error: scribenta-cli did not run (expected beside this executable).\n\n"
              "=== Build Failed ===");
    EXPECT_FALSE(disabled());
}

#endif

}  // namespace
