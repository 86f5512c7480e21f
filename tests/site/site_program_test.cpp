// The site configurator in a whole run of the desktop runtime, driven by its
// automation mode: the sample site is shown, a title is typed into the title
// field, the JSON view is opened 700 ms later, and the window is captured.

#include <gtest/gtest.h>

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/dialogs.h"
#include "app/site/site_wiring.h"
#include "app/text_view.h"
#include "config/temp_dir.h"
#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/desktop/editor_widget.h"
#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/layers/layers.h"
#include "ext/ostrel/runtime/desktop_app.h"
#include "ext/ostrel/runtime/settings_window.h"
#include "ext/ostrel/runtime/window_tabs.h"

namespace {

namespace fs = std::filesystem;
using namespace Scribenta;

const std::string kWindow = "App/Scribenta Window";
const std::string kSite = kWindow + "/Config Pane/Site Configurator";

// What the run leaves for the test to check.
struct Run {
    std::string config;  // the site shown at start
    std::shared_ptr<EditState> edits;
    std::shared_ptr<Shell> shell;
    std::string file_at_switch;  // the file when the JSON view was asked for
    std::size_t pending_at_switch = 99;
    std::string json_view;  // the JSON view's text once it is shown
};
Run run;

}  // namespace

// The window's site side as the window declaration sets it up, with the
// sample site shown: root and settings window, dialogs and home page hidden,
// the site shell on its website tab in editor view, the site wiring, the
// text view and view bar, and the site's window tab selected.
void Ostrel::build_app(OApp& app) {
    app.set_root("App");
    auto tabs = install_settings_window(app, "App", "Scribenta Window", {}, {});
    if (Layers::LObject* top = Layers::find(Layers::registry(), "App")) {
        for (const auto& child : top->children()) {
            if (child->as_style() && child->name() != "Scribenta Window") {
                app.hidden.insert("App/" + child->name());
            }
        }
    }
    app.set_visible(kWindow + "/Config Pane/Project Configurator", false);
    const ShowConfirm show_confirm = wire_confirm_dialog(app);

    run.shell = make_shell(kSite);
    run.shell->tabs = site_shell_tabs();
    select_tab(app, *run.shell, "Website Tab");
    set_view_mode(app, *run.shell, "editor");
    app.toggle_state(run.shell->save_button, "Disabled");
    run.edits = std::make_shared<EditState>();
    const FlushEdits flush{&app, run.edits,
                           std::make_shared<CurrentShell>(CurrentShell{run.shell})};
    const SiteWiring site = wire_site_configurator({&app,
                                                    run.shell,
                                                    run.edits,
                                                    flush,
                                                    QueueEdit{&app, run.edits, flush, false},
                                                    [] { return run.config; },
                                                    {}});
    wire_text_view(app, run.shell, run.edits, show_confirm);
    wire_view_bar(app, SwitchView{&app, run.edits, flush, show_confirm, run.shell});

    // Records the file as the user asks for the JSON view.
    const std::string text_tab = kSite + "/View Bar/Text View Tab";
    app.on_click(text_tab, [&app, inner = app.click_handlers[text_tab]] {
        run.pending_at_switch = run.edits->pending.size();
        run.file_at_switch = TempDir::read(run.config);
        inner();
        run.json_view = app.value(run.shell->text_editor);
    });

    const std::string tab = kWindow + "/Titlebar/Left Tabs/config-1";
    tabs->add(tab, kWindow + "/Config Pane", "Active");
    tabs->select(tab);
    site.populate_site_form(run.config);
}

namespace {

TEST(SiteProgram, TypedTitleReachesTheFileAndTheJsonView) {
    TempDir dir;
    fs::copy(SCRIBENTA_SOURCE_DIR "/examples/acme-docs", dir / "acme-docs",
             fs::copy_options::recursive);
    run.config = (dir / "acme-docs/.scribenta-site").string();
    const std::string before = TempDir::read(run.config);

    QTemporaryDir home;
    ::setenv("XDG_CONFIG_HOME", home.path().toUtf8().constData(), 1);
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    const std::string shots = (dir / "shots").string();
    fs::create_directories(shots);
    ::setenv("OSTREL_SHOT", (shots + "/site.png").c_str(), 1);
    ::setenv("OSTREL_SHOT2", (shots + "/json.png").c_str(), 1);
    ::setenv("OSTREL_SHOT_DELAY", "300", 1);
    ::setenv("OSTREL_CLICK_DELAY", "700", 1);
    ::setenv("OSTREL_CLICK",
             "Website Panel/Site Form/Title Field= 2,Site Configurator/View Bar/Text View Tab", 1);

    Ostrel::DesktopAppConfig config;
    config.organization = "scribenta-tests";
    config.application_name = "site-program-" + std::to_string(::getpid());
    config.framework_assets_dir = SCRIBENTA_SOURCE_DIR "/ext/ostrel";
    config.style_dirs = {SCRIBENTA_SOURCE_DIR "/styles"};
    config.icon_dirs = {SCRIBENTA_SOURCE_DIR "/icons"};
    static char name[] = "site_program_test";
    static char* argv[] = {name, nullptr};
    ASSERT_EQ(Ostrel::run_desktop(1, argv, config), 0);

    // Only the title changed; key order and layout are the sample's own.
    std::string expected = before;
    const std::string old_title = R"("title": "Acme Docs",)";
    ASSERT_NE(expected.find(old_title), std::string::npos);
    expected.replace(expected.find(old_title), old_title.size(), R"("title": "Acme Docs 2",)");
    EXPECT_EQ(run.pending_at_switch, 0u) << "written by the quiet-period timer, not the switch";
    EXPECT_EQ(run.file_at_switch, expected);
    EXPECT_EQ(TempDir::read(run.config), expected);
    EXPECT_EQ(run.edits->text, expected);
    EXPECT_EQ(run.shell->view_mode, "text");
    EXPECT_EQ(run.json_view, expected);
    EXPECT_TRUE(fs::exists(shots + "/site.png"));
    EXPECT_TRUE(fs::exists(shots + "/json.png"));
    if (const char* keep = std::getenv("SITE_PROGRAM_SHOTS")) {
        for (const auto& shot : fs::directory_iterator(shots)) {
            fs::copy_file(shot.path(), fs::path(keep) / shot.path().filename(),
                          fs::copy_options::overwrite_existing);
        }
    }
}

}  // namespace
