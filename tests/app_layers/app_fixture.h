#pragma once

// The shipped layer files, loaded once per test process the way the program
// loads them, and renders of the whole window with rows in every list.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ext/ostrel/engine/asset_loading.h"
#include "ext/ostrel/engine/oapp.h"

namespace app_layers_test {

using Ostrel::ListEntry;
using Ostrel::NodeKind;
using Ostrel::OApp;
using Ostrel::RenderNode;

inline const std::string kSource = SCRIBENTA_SOURCE_DIR;
inline const std::string kTheme = "Dark (zozeravuderedada)";

// Node paths of the window.
inline const std::string W = "App/Scribenta Window";
inline const std::string HOME = W + "/App Pane";
inline const std::string LEFT_TABS = W + "/Titlebar/Left Tabs";
inline const std::string SETTINGS = W + "/Settings Menu";
inline const std::string SITE = W + "/Config Pane/Site Configurator";
inline const std::string PROJECT = W + "/Config Pane/Project Configurator";
inline const std::string SITE_PANELS = SITE + "/Editor Panel/Panels";
inline const std::string PROJECT_PANELS = PROJECT + "/Editor Panel/Panels";

struct Loaded {
    bool ok = false;
    std::string errors;  // what loading wrote to standard error
    std::map<std::string, Ostrel::ThemeInfo> themes;
};

// The framework's layer directories are used when they exist; an empty pair
// stands in for them otherwise, so the application's files load either way.
inline const Loaded& loaded() {
    static const Loaded result = [] {
        Loaded out;
        std::string framework = kSource + "/ext/ostrel/styles";
        if (!std::filesystem::is_directory(framework)) {
            framework = (std::filesystem::temp_directory_path() /
                         ("app-layers-framework-" + std::to_string(::getpid())))
                            .string();
            std::filesystem::create_directories(framework + "/widgets");
            std::filesystem::create_directories(framework + "/mounts");
        }
        OApp app;
        testing::internal::CaptureStderr();
        out.ok = Ostrel::load_assets(app, kSource + "/ext/ostrel/themes", framework, kTheme,
                                     {kSource + "/styles"});
        out.errors = testing::internal::GetCapturedStderr();
        out.themes = app.themes;
        return out;
    }();
    return result;
}

inline std::vector<ListEntry> one_row(const std::string& id,
                                      std::map<std::string, std::string> fields) {
    return {ListEntry{id, std::move(fields)}};
}

// A state store with a row in every row list of the window (with every field
// the application fills) and nothing hidden.
inline std::unique_ptr<OApp> window_app() {
    auto app = std::make_unique<OApp>();
    app->themes = loaded().themes;
    app->theme_name = kTheme;
    app->set_root("App");
    app->condition_tags.insert("Desktop");
    app->set_rows("leftTabs", {{"config-1", {{"title", "Acme Docs"}, {"icon", "site"}}},
                               {"config-2", {{"title", "Rocket"}, {"icon", "project-family"}}}});
    app->set_rows("familyTabs", {{"member-0", {{"umbrella", "1"}}},
                                 {"member-1", {{"label", "Engine"}, {"tagline", "Thrust"}}}});
    app->set_rows("projectCards", one_row("proj-0", {{"title", "Rocket"}, {"tagline", "Fly"}}));
    app->set_rows(
        "orphanRows",
        one_row("orphan-0", {{"dir", "stray"}, {"config", "./projects/stray/.scribenta-project"}}));
    app->set_rows("socialCards",
                  one_row("social-0", {{"title", "Mastodon"}, {"username", "acme"}}));
    app->set_rows(
        "homeSections",
        {{"home-0",
          {{"title", "Projects"}, {"subtext", "Display the project cards"}, {"is_projects", "1"}}},
         {"home-1", {{"title", "News"}, {"subtext", ""}, {"custom", "1"}}}});
    app->set_rows("factRows", one_row("fact-0", {{"label", "Licence"}}));
    app->set_rows("depCards", one_row("dep-0", {{"name", "Qt"}, {"url", "https://qt.io"}}));
    app->set_rows("downloadCards", one_row("download-0", {{"label", "Linux"}, {"size", "9 MB"}}));
    app->set_rows("versionRows", {{"version-0",
                                   {{"tag_mm", "1.4"},
                                    {"tag_patch", ".2"},
                                    {"released", "2024-05-01"},
                                    {"status", "Complete"}}},
                                  {"version-1",
                                   {{"tag_mm", "1.3"},
                                    {"tag_patch", ""},
                                    {"released", "2023-11-20"},
                                    {"status", "Excluded"}}}});
    app->set_rows("themeSources", one_row("dir:/themes", {{"label", "themes"}}));
    return app;
}

inline const RenderNode* find_node(const RenderNode& node, const std::string& path) {
    if (node.path == path) return &node;
    for (const RenderNode& child : node.children) {
        if (path.compare(0, child.path.size(), child.path) != 0) continue;
        if (const RenderNode* found = find_node(child, path)) return found;
    }
    return nullptr;
}

inline void walk(const RenderNode& node, const std::function<void(const RenderNode&)>& visit) {
    visit(node);
    for (const RenderNode& child : node.children) walk(child, visit);
}

class AppLayers : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(loaded().ok);
        ASSERT_EQ(loaded().errors, "");
    }

    // Renders the window; adjust may change the store first.
    const RenderNode& render(const std::function<void(OApp&)>& adjust = {}) {
        app_ = window_app();
        if (adjust) adjust(*app_);
        app_->render();
        return *app_->last_tree;
    }

    const RenderNode& node(const std::string& path) {
        const RenderNode* found = find_node(*app_->last_tree, path);
        if (found == nullptr) {
            ADD_FAILURE() << "no node " << path;
            static const RenderNode none;
            return none;
        }
        return *found;
    }

    std::unique_ptr<OApp> app_;
};

}  // namespace app_layers_test
