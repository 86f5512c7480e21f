#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/fake_services.h"
#include "app/site/site_wiring.h"
#include "config/file_json.h"
#include "config/temp_dir.h"

namespace Scribenta {

// The site configurator wired on a bare store with fake services, a copy of
// the sample site (or a small site of the test's own) to show, and helpers
// that drive the list panels through their registered handlers.
class SiteListsTest : public ::testing::Test {
protected:
    struct Opened {
        std::string config_path;
        std::string name;
        std::vector<MemberEntry> members;
    };

    Ostrel::OApp app;
    FakeServices services{app};
    TempDir dir;
    std::shared_ptr<Shell> shell = make_shell("App/Scribenta Window/Config Pane/Site Configurator");
    std::shared_ptr<EditState> edits = std::make_shared<EditState>();
    std::shared_ptr<CurrentShell> current = std::make_shared<CurrentShell>(CurrentShell{shell});
    FlushEdits flush_edits{&app, edits, current};
    QueueEdit queue_edit{&app, edits, flush_edits, false};
    std::string shown;  // the configuration the shell's reload shows
    std::vector<Opened> opened;
    std::vector<std::string> urls;
    int reloads = 0;
    SiteWiring site =
        wire_site_configurator({&app,
                                shell,
                                edits,
                                flush_edits,
                                queue_edit,
                                [this] {
                                    ++reloads;
                                    return shown;
                                },
                                {},
                                {},
                                {},
                                [this](const std::string& path, const std::string& name,
                                       std::vector<MemberEntry> members) {
                                    opened.push_back({path, name, std::move(members)});
                                }});
    const SitePaths& paths = site.paths;
    std::filesystem::path site_dir;
    std::filesystem::path config;

    SiteListsTest() {
        app.open_url_service = [this](const std::string& url) { urls.push_back(url); };
        // The window declaration hides every dialog at start.
        app.set_visible(kConfirmDialog, false);
        app.set_visible(kMessageDialog, false);
    }

    // Copies the sample site into the temporary folder and shows it.
    void show_sample() {
        site_dir = dir / "acme";
        std::filesystem::copy(SCRIBENTA_SOURCE_DIR "/examples/acme-docs", site_dir,
                              std::filesystem::copy_options::recursive);
        show(site_dir / ".scribenta-site");
    }
    // Writes a site configuration of the test's own and shows it.
    void show_site(const std::string& text) {
        site_dir = dir / "site";
        show(dir.write("site/.scribenta-site", text));
    }
    void show(const std::filesystem::path& file) {
        config = file;
        shown = config.string();
        site.populate_site_form(shown);
        reloads = 0;
    }

    std::string path_in_site(const std::string& rel) const {
        return (site_dir / rel).lexically_normal().string();
    }
    std::string file(const std::string& rel) const { return TempDir::read(site_dir / rel); }
    std::string site_json() const { return compact(config); }

    const std::vector<Ostrel::ListEntry>& rows(const std::string& list) { return app.rows[list]; }
    std::vector<std::string> row_ids(const std::string& list) {
        std::vector<std::string> ids;
        for (const auto& row : rows(list)) ids.push_back(row.id);
        return ids;
    }
    void row_action(const std::string& list, const std::string& row, const std::string& action) {
        app.row_action_handlers.at(list)(list, row, action);
    }
    void click(const std::string& path) { app.dispatch_event(path, "click"); }
    void type(const std::string& path, const std::string& text) {
        app.dispatch_event(path, "input:" + text);
    }

    std::string text(const std::string& path) const {
        const auto it = app.texts.find(path);
        return it == app.texts.end() ? "<none>" : it->second;
    }
    bool visible(const std::string& path) const { return !app.hidden.contains(path); }

    // The confirmation dialog as shown: title, message and confirm label.
    std::vector<std::string> confirmation() const {
        const std::string d = kConfirmDialog;
        if (!visible(d)) return {};
        return {text(d + "/Titlebar/Title"), text(d + "/Body/Message"),
                text(d + "/Body/Actions/Confirm Button/Label")};
    }
    void confirm() { click(std::string(kConfirmDialog) + "/Body/Actions/Confirm Button"); }
    void cancel() { click(std::string(kConfirmDialog) + "/Body/Actions/Cancel Button"); }
    std::vector<std::string> message() const {
        const std::string d = kMessageDialog;
        if (!visible(d)) return {};
        return {text(d + "/Titlebar/Title"), text(d + "/Body/Message")};
    }
};

}  // namespace Scribenta
