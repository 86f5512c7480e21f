// Whole runs of run_desktop in this process, one Qt application after the
// other, headless, each ended by the screenshot automation or by closing the
// main window.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/runtime/desktop_app.h"
#include "ext/ostrel/runtime/startup_steps.h"

// The application's builder, run when the configuration names none.
int default_builds = 0;
void Ostrel::build_app(OApp& app) {
    app.set_root("Default");
    ++default_builds;
}

namespace {

using Ostrel::DesktopAppConfig;
using Ostrel::OApp;

const char* const kVariables[] = {"OSTREL_THEME",  "OSTREL_THEME_DIR",  "OSTREL_WIDTH",
                                  "OSTREL_HEIGHT", "OSTREL_SHOT",       "OSTREL_SHOT2",
                                  "OSTREL_CLICK",  "OSTREL_SHOT_DELAY", "QT_MEDIA_BACKEND"};

struct Startup : testing::Test {
    QTemporaryDir home;  // the configuration home of these runs
    QTemporaryDir out;
    DesktopAppConfig config;
    std::vector<std::string> seen;  // what the builder found, in order

    void SetUp() override {
        for (const char* name : kVariables) ::unsetenv(name);
        ::setenv("XDG_CONFIG_HOME", home.path().toUtf8().constData(), 1);
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        config.organization = "scribenta-tests";
        config.application_name = "startup-" + std::to_string(::getpid());
        config.version = "2.5.0";
        config.framework_assets_dir = OSTREL_SOURCE_DIR;
        ::setenv("OSTREL_SHOT", shot().c_str(), 1);
        ::setenv("OSTREL_SHOT_DELAY", "1", 1);
    }
    void TearDown() override {
        for (const char* name : kVariables) ::unsetenv(name);
    }

    std::string shot() const { return out.filePath("shot.png").toStdString(); }

    int run() {
        static char name[] = "startup_test";
        static char* argv[] = {name, nullptr};
        return Ostrel::run_desktop(1, argv, config);
    }

    // Settings of this application, read after its run.
    QVariant setting(const QString& key) const {
        QSettings settings(QString::fromStdString(config.organization),
                           QString::fromStdString(config.application_name));
        return settings.value(key);
    }
};

TEST_F(Startup, WithoutAnyThemeItFailsBeforeAnyWindowOrBuilder) {
    QTemporaryDir empty;
    config.framework_assets_dir = empty.path().toStdString();
    bool built = false;
    config.build = [&built](OApp&) { built = true; };
    testing::internal::CaptureStderr();
    const int code = run();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, 1);
    EXPECT_NE(errors.find(Ostrel::kInitFailure), std::string::npos) << errors;
    EXPECT_EQ(errors.substr(errors.size() - std::string(Ostrel::kInitFailure).size()),
              Ostrel::kInitFailure);
    EXPECT_FALSE(built);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(shot())));
}

TEST_F(Startup, TheBuilderRunsOnAReadyStoreAndTheShotHasTheRequestedSize) {
    ::setenv("OSTREL_WIDTH", "640", 1);
    ::setenv("OSTREL_HEIGHT", "480", 1);
    config.update_manifest_url = "https://updates.test/latest.json";
    config.update_platform = "linux-test";
    config.build = [this](OApp& app) {
        app.set_root("Startup");
        seen.push_back(app.condition_tags.count("Desktop") ? "Desktop" : "no word");
        seen.push_back(app.app_version);
        seen.push_back(app.store_get("update.manifest_url"));
        seen.push_back(app.store_get("update.platform_key"));
        seen.push_back(app.store_get("update.check_hours"));
        seen.push_back(app.http_service && app.process_service && app.post_service ? "services"
                                                                                   : "no services");
        seen.push_back(app.store_persist ? "store persists" : "no store hook");
        seen.push_back(app.theme_persist ? "theme persists" : "no theme hook");
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Desktop", "2.5.0", "https://updates.test/latest.json", "linux-test", "24",
                        "services", "store persists", "no theme hook"}));
    EXPECT_EQ(QImage(QString::fromStdString(shot())).size(), QSize(640, 480));
}

TEST_F(Startup, TheQuitHookRunsOnceAfterTheLoopWhileServicesStand) {
    std::vector<std::string> runs;
    config.build = [&runs](OApp& app) {
        app.set_root("Startup");
        app.before_quit = [&app, &runs] {
            runs.push_back(app.timer_service && app.process_service ? "services" : "no services");
        };
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(runs, (std::vector<std::string>{"services"}));
}

TEST_F(Startup, BadSizesFallBackToTheDefaultSizeAndNoBuilderMeansBuildApp) {
    ::setenv("OSTREL_WIDTH", "wide", 1);
    ::setenv("OSTREL_HEIGHT", "99999999999999", 1);
    const int before = default_builds;
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(default_builds, before + 1);
    EXPECT_EQ(QImage(QString::fromStdString(shot())).size(), QSize(1000, 700));
}

TEST_F(Startup, TheStartupThemeIsNotWrittenBackButStoreValuesPersist) {
    const std::vector<std::string> themes = {"Light (zozeravuderedada)", ""};
    for (const std::string& theme : themes) {
        ::setenv("OSTREL_THEME", theme.c_str(), 1);
        std::string active;
        config.build = [&active](OApp& app) {
            app.set_root("Startup");
            active = app.theme_name;
            app.store["remembered"] = "yes";
            app.store_persist("remembered", "yes");
        };
        EXPECT_EQ(run(), 0);
        EXPECT_EQ(active, theme.empty() ? "Dark (zozeravuderedada)" : theme);
        EXPECT_FALSE(setting("themes/active_theme").isValid());
        EXPECT_EQ(setting("store/remembered").toString(), "yes");
    }
    // The next run starts with the persisted value in its store.
    std::string restored;
    config.build = [&restored](OApp& app) {
        app.set_root("Startup");
        restored = app.store_get("remembered");
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(restored, "yes");
}

TEST_F(Startup, AutomationClicksAndTypingReachTheNamedNodes) {
    QTemporaryDir styles;
    QFile layer(styles.filePath("startup.json"));
    ASSERT_TRUE(layer.open(QIODevice::WriteOnly));
    layer.write(R"({"Clicks": {
        "Layout.Direction": "Column",
        "Go": {"->": "S:Ostrel/Button", "Size.Height": 30, "Size.Width": 80},
        "Name": {"->": "S:Ostrel/Editor", "Size.Height": 30, "Size.Width": 200}
    }})");
    layer.close();
    config.style_dirs = {styles.path().toStdString()};
    ::setenv("OSTREL_SHOT2", out.filePath("second.png").toUtf8().constData(), 1);
    ::setenv("OSTREL_CLICK", "Go, Name = typed ,Go", 1);
    int clicks = 0;
    std::string typed;
    config.build = [&clicks, &typed](OApp& app) {
        app.set_root("Clicks");
        app.on_click("Clicks/Go", [&clicks] { ++clicks; });
        app.on_change("Clicks/Name", [&typed](const std::string& text) { typed = text; });
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(typed, " typed ");
    EXPECT_TRUE(QFileInfo::exists(out.filePath("second.png")));
}

// Qt reads QT_MEDIA_BACKEND once per process; ctest runs each value in a
// process of its own. A named back end that cannot make a player (GStreamer
// without its base plugins, an unknown name) is left alone: the warm-up and
// the autoplaying video make no player. An empty value means the default.
struct MediaBackendStartup : Startup, testing::WithParamInterface<const char*> {};

TEST_P(MediaBackendStartup, TheEditorStartsAndRunsWhateverTheBackEndVariableHolds) {
    ::setenv("QT_MEDIA_BACKEND", GetParam(), 1);
    QTemporaryDir assets;
    QFile layer(assets.filePath("media.json"));
    ASSERT_TRUE(layer.open(QIODevice::WriteOnly));
    layer.write(R"({"Media": {"Layout.Align": "Stretch",
        "Clip": {"->": "S:Ostrel/Video", "Source": "clip.mp4", "Autoplay": 1,
            "Size.Height": 120, "Fill": "#ff0000"}}})");
    layer.close();
    QFile clip(assets.filePath("clip.mp4"));
    ASSERT_TRUE(clip.open(QIODevice::WriteOnly));
    clip.write("not really a video");
    clip.close();
    config.style_dirs = {assets.path().toStdString()};
    config.media_dirs = {assets.path().toStdString()};
    config.build = [](OApp& app) { app.set_root("Media"); };
    ::setenv("OSTREL_SHOT_DELAY", "300", 1);  // past the first video visibility check

    EXPECT_EQ(run(), 0);
    EXPECT_EQ(QImage(QString::fromStdString(shot())).size(), QSize(1000, 700));
    if (std::string(GetParam()).empty()) {
        EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), "ffmpeg");
    }
}

INSTANTIATE_TEST_SUITE_P(Values, MediaBackendStartup,
                         testing::Values("gstreamer", "", "no-such-backend"));

TEST_F(Startup, WindowGeometry) {
    struct Case {
        const char* width;  // null: unset
        Ostrel::WindowGeometry expected;
    };
    const std::vector<Case> cases = {
        {nullptr, {1000, 700, 360, 240}}, {"200", {200, 700, 200, 240}},
        {"0", {0, 700, 1, 240}},          {"-20", {-20, 700, 1, 240}},
        {"12px", {12, 700, 12, 240}},     {"none", {1000, 700, 360, 240}},
    };
    for (const Case& c : cases) {
        c.width ? ::setenv("OSTREL_WIDTH", c.width, 1) : ::unsetenv("OSTREL_WIDTH");
        const Ostrel::WindowGeometry got = Ostrel::window_geometry_from_env();
        EXPECT_EQ(got.width, c.expected.width) << (c.width ? c.width : "unset");
        EXPECT_EQ(got.height, c.expected.height);
        EXPECT_EQ(got.min_width, c.expected.min_width);
        EXPECT_EQ(got.min_height, c.expected.min_height);
    }
}

// Runs without the automation, driven by posted steps: the main window with
// a hidden modal "Question" that a refused close shows.
struct CloseWindow : Startup {
    QTemporaryDir styles;
    int asks = 0;

    void SetUp() override {
        Startup::SetUp();
        ::unsetenv("OSTREL_SHOT");
        QFile layer(styles.filePath("closing.json"));
        ASSERT_TRUE(layer.open(QIODevice::WriteOnly));
        layer.write(R"({"Closing": {
            "Question": {"Overlay": "Modal", "Size.Width": 200, "Size.Height": 100,
                         "Fill": "#ff0000"}
        }})");
        layer.close();
        config.style_dirs = {styles.path().toStdString()};
    }

    // Builds the root; `answer` is close_request's answer, which first shows
    // the question. The steps run one after the other from the event loop; a
    // run still going after a generous time fails instead of hanging.
    void build(OApp& app, bool answer, std::vector<std::function<void(OApp&)>> steps) {
        app.set_root("Closing");
        app.set_visible("Closing/Question", false);
        app.close_request = [this, &app, answer] {
            ++asks;
            app.set_visible("Closing/Question", true);
            return answer;
        };
        app.set_timeout(60000, [] {
            ADD_FAILURE() << "the run did not end";
            QCoreApplication::exit(2);
        });
        post_steps(app, std::move(steps), 0);
    }
    static void post_steps(OApp& app, std::vector<std::function<void(OApp&)>> steps,
                           std::size_t next) {
        if (next >= steps.size()) return;
        app.post_service([&app, steps = std::move(steps), next]() mutable {
            steps[next](app);
            post_steps(app, std::move(steps), next + 1);
        });
    }
};

QWidget* main_window() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->parentWidget() && Ostrel::DesktopView::of(widget)) return widget;
    }
    return nullptr;
}

// The two ways a user closes the window: its close button calls close(),
// the window manager (and Alt+F4) sends the platform window a close event.
const std::vector<std::pair<const char*, std::function<void(QWidget&)>>> kUserCloses = {
    {"close button", [](QWidget& window) { window.close(); }},
    {"window manager",
     [](QWidget& window) {
         QCloseEvent close;
         QCoreApplication::sendEvent(window.windowHandle(), &close);
     }},
};

// A refused close keeps the window and the loop; the question renders as its
// own window. The service then closes the main window without asking again,
// with the question still up, and the run ends with both windows gone.
TEST_F(CloseWindow, ARefusedCloseKeepsTheWindowUntilTheServiceClosesIt) {
    for (const auto& [name, user_close] : kUserCloses) {
        SCOPED_TRACE(name);
        asks = 0;
        QPointer<QWidget> question;
        config.build = [&](OApp& app) {
            build(app, false,
                  {[&](OApp&) {
                       QWidget* window = main_window();
                       ASSERT_NE(window, nullptr);
                       user_close(*window);
                       EXPECT_EQ(asks, 1);
                       EXPECT_TRUE(window->isVisible());
                       EXPECT_TRUE(Ostrel::DesktopView::of(window)->render_pending());
                   },
                   [&](OApp&) {
                       const auto& modals = Ostrel::DesktopView::of(main_window())->modals();
                       ASSERT_EQ(modals.count("Closing/Question"), 1U);
                       question = modals.at("Closing/Question").dialog;
                       EXPECT_TRUE(question && question->isVisible());
                   },
                   [&](OApp& app) {
                       ASSERT_TRUE(app.close_window_service);
                       app.close_window_service();
                       EXPECT_TRUE(main_window()->isVisible());  // not inside the caller
                   }});
        };
        EXPECT_EQ(run(), 0);
        EXPECT_EQ(asks, 1);
        EXPECT_TRUE(question.isNull());
    }
}

TEST_F(CloseWindow, AnAcceptedCloseEndsTheRunAtOnce) {
    for (const auto& [name, user_close] : kUserCloses) {
        SCOPED_TRACE(name);
        asks = 0;
        bool quit_hook = false;
        config.build = [&](OApp& app) {
            build(app, true, {[&](OApp&) { user_close(*main_window()); }});
            app.before_quit = [&quit_hook] { quit_hook = true; };
        };
        EXPECT_EQ(run(), 0);
        EXPECT_EQ(asks, 1);
        EXPECT_TRUE(quit_hook);
    }
}

// A quit signal, even while the question is up, leaves the loop the
// ordinary way without asking again (a second question would end the child
// with 3), and the process ends by the signal.
TEST_F(CloseWindow, AQuitSignalQuitsWithoutAsking) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    config.build = [this](OApp& app) {
        build(app, false,
              {[](OApp&) { main_window()->close(); },
               [](OApp& app) {
                   app.close_request = [] {
                       ::_exit(3);
                       return true;
                   };
                   ::raise(SIGTERM);
               }});
        app.before_quit = [] { std::fputs("left the loop\n", stderr); };
    };
    EXPECT_EXIT(
        {
            ::signal(SIGTERM, SIG_DFL);  // whatever this test inherited
            run();
        },
        testing::KilledBySignal(SIGTERM), "left the loop");
}

TEST(AssetDirs, TheDeployedLayoutReplacesTheConfiguredFolders) {
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString();
    DesktopAppConfig config;
    config.framework_assets_dir = "/dev/ostrel";
    config.style_dirs = {"/dev/styles", "/dev/more"};
    config.icon_dirs = {"/dev/icons"};
    config.media_dirs = {"/dev/media"};
    Ostrel::resolve_asset_dirs(config, root);  // nothing deployed: unchanged
    EXPECT_EQ(config.framework_assets_dir, "/dev/ostrel");
    EXPECT_EQ(config.style_dirs, (std::vector<std::string>{"/dev/styles", "/dev/more"}));

    QDir(dir.path()).mkpath("assets/ostrel/styles");
    Ostrel::resolve_asset_dirs(config, root);
    EXPECT_EQ(config.framework_assets_dir, root + "/assets/ostrel");
    EXPECT_EQ(config.style_dirs, std::vector<std::string>{root + "/assets/app/styles"});
    EXPECT_EQ(config.icon_dirs, std::vector<std::string>{root + "/assets/app/icons"});
    EXPECT_EQ(config.media_dirs, std::vector<std::string>{});

    QDir(dir.path()).mkpath("assets/app/media");
    Ostrel::resolve_asset_dirs(config, root);
    EXPECT_EQ(config.media_dirs, std::vector<std::string>{root + "/assets/app"});
}

}  // namespace
