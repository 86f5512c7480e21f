#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialog_paths.h"
#include "ext/ostrel/engine/render_node.h"
#include "ext/ostrel/layers/layers.h"
#include "ext/ostrel/runtime/update_checker.h"
#include "fake_services.h"

namespace Ostrel {
namespace {

using namespace update_test;

// The dialog's layer file from the framework's mounts, then an application
// with a root and a theme, as the asset loading stacks them.
void load_dialog_layers() {
    static const bool loaded = [] {
        testing::internal::CaptureStderr();
        auto& registry = Layers::registry();
        const std::filesystem::path file =
            std::filesystem::path(OSTREL_MOUNTS_DIR) / "update_dialog.json";
        Layers::mount_files(registry, {}, {{file, Layers::load_json_file(file)}}, "");
        Layers::mount_files(registry, {}, {{"app.json", Layers::strip_json_blanks(R"({
                "Theme": {"Foreground": "#e3e3e3", "Primary": "#36393f",
                          "Secondary": "#2f3136", "Tertiary": "#25272b"},
                "App": {"Main Window": {}}})")}},
                            "");
        Layers::resolve_links(Layers::Registry::root(registry));
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(errors, "");
        return true;
    }();
    (void)loaded;
}

const RenderNode* node_at(const RenderNode& node, const std::string& path) {
    if (node.path == path) return &node;
    for (const RenderNode& child : node.children) {
        if (path.rfind(child.path + "/", 0) != 0 && path != child.path) continue;
        if (const RenderNode* found = node_at(child, path)) return found;
    }
    return nullptr;
}

std::vector<std::string> child_names(const RenderNode* node) {
    std::vector<std::string> names;
    if (node != nullptr) {
        for (const RenderNode& child : node->children) names.push_back(child.name);
    }
    return names;
}

struct UpdateDialogLayers : testing::Test {
    OApp app;
    testing_support::FakeServices fake;

    void SetUp() override {
        load_dialog_layers();
        fake.install(app);
        app.set_root("App");
        app.app_version = "1.2.0";
        app.store["update.manifest_url"] = "https://example.org/m.json";
        install_update_ui(app, "App", "Main Window");
    }
    RenderNode tree() {
        std::vector<Patch> patches = app.render();
        return patches.empty() ? RenderNode() : patches.front().node;
    }
};

TEST_F(UpdateDialogLayers, DialogStartsHidden) {
    const RenderNode root = tree();
    EXPECT_EQ(root.path, "App");
    EXPECT_EQ(node_at(root, kDialog), nullptr);
}

TEST_F(UpdateDialogLayers, OfferShowsEveryButtonInOrder) {
    fake.fire(0);
    fake.answer(200, R"({"version": "1.3.0", "notes_url": "https://e.org/n",
        "download_page": "https://e.org/d"})");
    const RenderNode root = tree();
    const RenderNode* dialog = node_at(root, kDialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->style.overlay, "Modal");
    EXPECT_EQ(dialog->style.fill, "#36393f");

    const RenderNode* status = node_at(root, kDialog + "/Body/Status");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->kind, NodeKind::Text);
    EXPECT_EQ(status->text, "Version 1.3.0 is available. You have 1.2.0.");
    EXPECT_EQ(node_at(root, kDialog + "/Titlebar/Title")->text, "Software Update");

    const RenderNode* actions = node_at(root, kActions);
    EXPECT_EQ(child_names(actions), (std::vector<std::string>{"Skip Button", "Gap", "Notes Button",
                                                              "Later Button", "Download Button"}));
    struct Expected {
        std::string name;
        std::string text;
        std::string fill;
    };
    const std::vector<Expected> buttons = {
        {"Skip Button", "Skip This Version", "#36393f"},
        {"Notes Button", "Release Notes", "#36393f"},
        {"Later Button", "Later", "#36393f"},
        {"Download Button", "Download", "#3d7eff"},
    };
    for (const auto& b : buttons) {
        const RenderNode* button = node_at(root, kActions + "/" + b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->kind, NodeKind::Button) << b.name;
        EXPECT_EQ(button->text, b.text) << b.name;
        EXPECT_EQ(button->style.fill, b.fill) << b.name;
        EXPECT_EQ(button->style.height, 32) << b.name;
        EXPECT_EQ(button->style.font_size, 13) << b.name;
    }
    EXPECT_EQ(node_at(root, kDialog + "/Titlebar/Exit Button")->kind, NodeKind::Button);
}

TEST_F(UpdateDialogLayers, StatusLeavesOnlyTheCloseButton) {
    app.dispatch_event(
        "App/Main Window/Settings Menu/App Settings/Version Section/Actions/"
        "Check Updates Button",
        "click");
    fake.answer(200, R"({"version": "1.2.0"})");
    const RenderNode root = tree();
    EXPECT_EQ(node_at(root, kDialog + "/Body/Status")->text, "You're up to date (1.2.0).");
    EXPECT_EQ(child_names(node_at(root, kActions)),
              (std::vector<std::string>{"Gap", "Later Button"}));
    EXPECT_EQ(node_at(root, kActions + "/Later Button")->text, "Close");

    app.dispatch_event(kActions + "/Later Button", "click");
    EXPECT_EQ(node_at(tree(), kDialog), nullptr);
}

}  // namespace
}  // namespace Ostrel
