#pragma once

// The window declaration on a bare state store: no widgets, a file picker
// that answers with whatever the test put in `picked`.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/runtime/desktop_app.h"
#include "tests/config/temp_dir.h"

namespace window_test {

inline const std::string W = "App/Scribenta Window";
inline const std::string kLeftTabs = W + "/Titlebar/Left Tabs";
inline const std::string kAppTab = W + "/Titlebar/Right Tabs/App Tab";
inline const std::string kConfigPane = W + "/Config Pane";
inline const std::string kSite = kConfigPane + "/Site Configurator";
inline const std::string kProject = kConfigPane + "/Project Configurator";
inline const std::string kMessage = "App/Message Dialog";
inline const std::string kConfirm = "App/Confirm Dialog";
inline const std::string kNewWebsite = "App/New Website Dialog";
inline const std::string kConfirmButton = kConfirm + "/Body/Actions/Confirm Button";
inline const std::string kProjectPanels = kProject + "/Editor Panel/Panels";
inline const std::string kSitePanels = kSite + "/Editor Panel/Panels";
inline const std::string kPolicies = kSitePanels + "/Policies Panel";

class Window : public testing::Test {
protected:
    void SetUp() override {
        unsetenv("SCRIBENTA_DEV_OPEN");
        app.pick_service = [this](const Ostrel::PickRequest& request, Ostrel::PathCallback done) {
            requests.push_back(request);
            done(picked);
        };
    }
    void TearDown() override { unsetenv("SCRIBENTA_DEV_OPEN"); }

    void build(const std::string& open_list) {
        setenv("SCRIBENTA_DEV_OPEN", open_list.c_str(), 1);
        Ostrel::build_app(app);
    }
    void build() { Ostrel::build_app(app); }

    std::string site(const std::string& folder, const std::string& title = "Docs") {
        return dir
            .write(folder + "/.scribenta-site",
                   "{\"format\": 1, \"title\": \"" + title + "\", \"projects\": []}\n")
            .string();
    }
    std::string project(const std::string& folder, const std::string& name) {
        return dir
            .write(folder + "/.scribenta-project",
                   "{\"slug\": \"p\", \"name\": \"" + name + "\"}\n")
            .string();
    }

    // A project "p" whose source root "src" holds a README, a LICENSE and
    // one topic ("intro.md"), holding "readme", "license" and "intro", shown.
    void open_project_with_files() {
        dir.write("p/src/README.md", "readme");
        dir.write("p/src/LICENSE", "license");
        dir.write("p/src/intro.md", "intro");
        dir.write("p/src/.scribenta",
                  R"({"build": {"readme": "README.md", "license": "LICENSE",
                      "topics": [{"label": "Intro", "source": "intro.md"}]}})");
        build(dir.write("p/.scribenta-project", R"({"slug": "p", "name": "P",
                            "build": {"source_path": "src"}})")
                  .string());
    }
    // A site "s" with the policy "privacy" and the custom home section
    // "news", their files holding "privacy" and "<p>news</p>", shown.
    void open_site_with_files() {
        dir.write("s/policies/privacy.md", "privacy");
        dir.write("s/content-fragments/news_home.html", "<p>news</p>");
        build(dir.write("s/.scribenta-site", R"({"format": 1, "title": "S", "projects": [],
                  "home": {"sections": [{"type": "custom", "id": "news", "label": "News",
                           "body": "/content-fragments/news_home.html"}]},
                  "policies": [{"slug": "privacy", "name": "Privacy",
                                "file": "policies/privacy.md"}]})")
                  .string());
    }
    // Either of the two above.
    void open_with_files(bool site) {
        if (site) {
            open_site_with_files();
        } else {
            open_project_with_files();
        }
    }
    // The confirmation on screen: title, message and confirm label.
    std::vector<std::string> confirmation() const {
        if (hidden(kConfirm)) return {};
        return {text(kConfirm + "/Titlebar/Title"), text(kConfirm + "/Body/Message"),
                text(kConfirm + "/Body/Actions/Confirm Button/Label")};
    }

    bool hidden(const std::string& path) const { return app.hidden.count(path) > 0; }
    bool has(const std::string& path, const std::string& word) const {
        const auto it = app.node_states.find(path);
        return it != app.node_states.end() && it->second.count(word) > 0;
    }
    std::string text(const std::string& path) const {
        const auto it = app.texts.find(path);
        return it == app.texts.end() ? std::string() : it->second;
    }
    std::vector<std::string> tab_ids() const {
        std::vector<std::string> ids;
        const auto it = app.rows.find("leftTabs");
        if (it != app.rows.end()) {
            for (const auto& row : it->second) ids.push_back(row.id);
        }
        return ids;
    }
    std::string tab_field(const std::string& id, const std::string& field) const {
        for (const auto& row : app.rows.at("leftTabs")) {
            if (row.id != id) continue;
            const auto it = row.fields.find(field);
            return it == row.fields.end() ? std::string() : it->second;
        }
        return "<no tab>";
    }
    void click(const std::string& path) { app.dispatch_event(path, "click"); }
    void type(const std::string& path, const std::string& value) {
        app.dispatch_event(path, "input:" + value);
    }
    void tab_action(const std::string& list, const std::string& row, const std::string& action) {
        app.row_action_handlers.at(list)(list, row, action);
    }
    // Types into the shown configurator's JSON text view, as a user would.
    void edit_text_view(const std::string& shell, const std::string& value) {
        type(shell + "/Text Panel/Text Editor", value);
    }

    TempDir dir;
    Ostrel::OApp app;
    std::string picked;
    std::vector<Ostrel::PickRequest> requests;
};

}  // namespace window_test
