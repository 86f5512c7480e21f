#pragma once

// The editor's window with the sample site shown on its website tab, set up
// the way the program shows it: the shipped layer files and themes, the site
// shell on its first tab in editor view, dialogs, home page and project
// configurator hidden, the site handlers wired, the desktop's timer service,
// and a DesktopView sized 1000 x 700 on the offscreen platform.

#include <unistd.h>
#include <QApplication>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "app/site/site_wiring.h"
#include "app/text_view.h"
#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/engine/asset_loading.h"
#include "ext/ostrel/runtime/desktop_services.h"

namespace site_bench {

namespace fs = std::filesystem;

inline const std::string kSource = SCRIBENTA_SOURCE_DIR;
inline const std::string kWindow = "App/Scribenta Window";
inline const std::string kSite = kWindow + "/Config Pane/Site Configurator";

inline QApplication& qt_app() {
    static int argc = 1;
    static char name[] = "site-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt must not be torn down by static destructors, after
    // the platform plugin is gone.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A copy of the sample site in a fresh folder, removed with the object.
class SampleSite {
public:
    SampleSite() {
        std::string pattern = (fs::temp_directory_path() / "site-bench-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        fs::copy(kSource + "/examples/acme-docs", root_ / "acme-docs", fs::copy_options::recursive);
    }
    ~SampleSite() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    SampleSite(const SampleSite&) = delete;
    SampleSite& operator=(const SampleSite&) = delete;
    std::string config() const { return (root_ / "acme-docs/.scribenta-site").string(); }
    fs::path root() const { return root_; }

private:
    fs::path root_;
};

class SiteScreen {
public:
    explicit SiteScreen(const std::string& theme = "Dark (zozeravuderedada)") {
        qt_app();
        load(theme);
        app_.set_root("App");
        app_.condition_tags.insert("Desktop");
        Ostrel::install_qt_timer(app_);

        shell_ = Scribenta::make_shell(kSite);
        shell_->tabs = Scribenta::site_shell_tabs();
        Scribenta::select_tab(app_, *shell_, "Website Tab");
        Scribenta::set_view_mode(app_, *shell_, "editor");
        edits_ = std::make_shared<Scribenta::EditState>();
        Scribenta::FlushEdits flush{
            &app_, edits_,
            std::make_shared<Scribenta::CurrentShell>(Scribenta::CurrentShell{shell_})};
        site_ =
            Scribenta::wire_site_configurator({&app_,
                                               shell_,
                                               edits_,
                                               flush,
                                               Scribenta::QueueEdit{&app_, edits_, flush, false},
                                               [this] { return sample_.config(); },
                                               {}});
        site_.populate_site_form(sample_.config());
        hide_all_but_the_site();

        view_ = new Ostrel::DesktopView(app_);
        root_.reset(view_->build());
        root_->resize(1000, 700);
        root_->show();
        idle();
    }

    // Runs the event loop until no rendering is pending and nothing posted
    // is left.
    void idle() {
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        } while (view_->render_pending());
        QCoreApplication::sendPostedEvents();
    }

    Ostrel::OApp& app() { return app_; }
    Ostrel::DesktopView& view() { return *view_; }
    QWidget* root() const { return root_.get(); }
    const Scribenta::SiteWiring& site() const { return site_; }
    const SampleSite& sample() const { return sample_; }

private:
    void load(const std::string& theme) {
        // The framework's own layer folders, or an empty stand-in until they
        // are shipped.
        std::string framework = kSource + "/ext/ostrel/styles";
        if (!fs::is_directory(framework)) {
            framework = (sample_.root() / "framework").string();
            fs::create_directories(framework + "/widgets");
            fs::create_directories(framework + "/mounts");
        }
        Ostrel::load_assets(app_, kSource + "/ext/ostrel/themes", framework, theme,
                            {kSource + "/styles"});
        Ostrel::set_icon_dirs({kSource + "/icons"});
    }

    // What the window declaration and the window tabs leave hidden while a
    // site is shown: every dialog, the home page, the settings pages, the
    // project configurator.
    void hide_all_but_the_site() {
        app_.render();
        for (const Ostrel::RenderNode& child : app_.last_tree->children) {
            if (child.path != kWindow) app_.set_visible(child.path, false);
        }
        app_.set_visible(kWindow + "/App Pane", false);
        app_.set_visible(kWindow + "/Settings Menu", false);
        app_.set_visible(kWindow + "/Config Pane/Project Configurator", false);
        app_.last_tree.reset();
    }

    SampleSite sample_;
    Ostrel::OApp app_;
    std::shared_ptr<Scribenta::Shell> shell_;
    std::shared_ptr<Scribenta::EditState> edits_;
    Scribenta::SiteWiring site_;
    Ostrel::DesktopView* view_ = nullptr;
    std::unique_ptr<QWidget> root_;
};

}  // namespace site_bench
