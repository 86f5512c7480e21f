#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/fake_services.h"
#include "app/site/site_wiring.h"
#include "config/file_json.h"
#include "config/temp_dir.h"

namespace Scribenta {

// The site configurator wired on a bare store with fake services, as the
// window declaration wires it, and a site folder to show.
class SiteWiringTest : public ::testing::Test {
protected:
    Ostrel::OApp app;
    FakeServices services{app};
    TempDir dir;
    std::shared_ptr<Shell> shell = make_shell("App/Scribenta Window/Config Pane/Site Configurator");
    std::shared_ptr<EditState> edits = std::make_shared<EditState>();
    std::shared_ptr<CurrentShell> current = std::make_shared<CurrentShell>(CurrentShell{shell});
    FlushEdits flush_edits{&app, edits, current};
    QueueEdit queue_edit{&app, edits, flush_edits, false};
    std::string shown;           // the configuration the shell's reload shows
    std::string tab_logo = "-";  // what the logo picker gave the left tab
    SiteWiring site = wire_site_configurator(
        {&app, shell, edits, flush_edits, queue_edit, [this] { return shown; },
         [this](const std::string& logo) { tab_logo = logo; }});
    const SitePaths& paths = site.paths;
    std::filesystem::path config;

    // Writes the site's configuration and shows it.
    void show_site(const std::string& text) {
        config = dir.write("site/.scribenta-site", text);
        shown = config.string();
        site.populate_site_form(shown);
    }

    void type(const std::string& path, const std::string& text) {
        app.dispatch_event(path, "input:" + text);
    }

    std::string text(const std::string& path) const {
        const auto it = app.texts.find(path);
        return it == app.texts.end() ? "<none>" : it->second;
    }
    std::string image(const std::string& path) const {
        const auto it = app.images.find(path);
        return it == app.images.end() ? "<none>" : it->second;
    }
    double fixed_height(const std::string& path) const {
        const auto it = app.fixed_heights.find(path);
        return it == app.fixed_heights.end() ? -1 : it->second;
    }
    bool shown_node(const std::string& path) const { return !app.hidden.contains(path); }
};

}  // namespace Scribenta
