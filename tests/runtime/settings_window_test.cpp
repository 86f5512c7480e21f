#include "ext/ostrel/runtime/settings_window.h"

#include <gtest/gtest.h>

namespace {

using Ostrel::OApp;
using Paths = std::set<std::string>;

const std::string kWin = "App/Main";
const std::string kMenu = kWin + "/Settings Menu";
const std::string kRight = kWin + "/Titlebar/Right Tabs/";
const std::string kSidebar = kMenu + "/Sidebar/";
const std::string kDialog = "App/Theme Directories Dialog";

struct SettingsWindow : testing::Test {
    OApp app;
    std::vector<std::string> opened;
    std::shared_ptr<Ostrel::WindowTabs> tabs;

    void install(const Ostrel::TabPages& extra_window = {},
                 const Ostrel::TabPages& extra_settings = {}) {
        app.set_root("App");
        tabs = Ostrel::install_settings_window(app, "App", "Main", extra_window, extra_settings);
    }
    void click(const std::string& path) { app.dispatch_event(path, "click"); }
    bool has(const std::string& path, const std::string& word) const {
        const auto it = app.node_states.find(path);
        return it != app.node_states.end() && it->second.count(word) > 0;
    }
    bool hidden(const std::string& path) const { return app.hidden.count(path) > 0; }
};

TEST_F(SettingsWindow, StartsOnTheApplicationPane) {
    install();
    EXPECT_EQ(tabs->current, kRight + "App Tab");
    EXPECT_TRUE(has(kRight + "App Tab", "Selected"));
    EXPECT_FALSE(hidden(kWin + "/App Pane"));
    EXPECT_TRUE(hidden(kMenu));
    EXPECT_TRUE(has(kSidebar + "App Tab", "Selected"));
    EXPECT_FALSE(hidden(kMenu + "/App Settings"));
    EXPECT_TRUE(hidden(kMenu + "/Appearance Settings"));
    EXPECT_TRUE(has(kMenu + "/Appearance Settings/Appearance Tabs/Theme Tab", "Selected"));
    EXPECT_TRUE(hidden(kDialog));
    EXPECT_TRUE(hidden(kDialog + "/Body/Source List"));
    EXPECT_TRUE(hidden("App/Update Dialog"));
}

TEST_F(SettingsWindow, TabsSwitchOnClick) {
    install();
    click(kRight + "Settings Tab");
    EXPECT_TRUE(hidden(kWin + "/App Pane"));
    EXPECT_FALSE(hidden(kMenu));
    EXPECT_TRUE(has(kRight + "Settings Tab", "Selected"));
    EXPECT_FALSE(has(kRight + "App Tab", "Selected"));
    click(kSidebar + "Appearance Tab");
    EXPECT_TRUE(hidden(kMenu + "/App Settings"));
    EXPECT_FALSE(hidden(kMenu + "/Appearance Settings"));
    EXPECT_TRUE(has(kSidebar + "Appearance Tab", "Selected"));
    click(kRight + "App Tab");
    EXPECT_FALSE(hidden(kWin + "/App Pane"));
    EXPECT_TRUE(hidden(kMenu));
}

TEST_F(SettingsWindow, ExtraTabsFollowTheFrameworkTabs) {
    install({{"Help Tab", "Help Pane"}}, {{"Keys Tab", "Key Settings"}});
    EXPECT_TRUE(hidden(kWin + "/Help Pane"));
    EXPECT_TRUE(hidden(kMenu + "/Key Settings"));
    click(kRight + "Help Tab");
    EXPECT_FALSE(hidden(kWin + "/Help Pane"));
    EXPECT_TRUE(hidden(kWin + "/App Pane"));
    EXPECT_TRUE(hidden(kMenu));
    click(kSidebar + "Keys Tab");
    EXPECT_FALSE(hidden(kMenu + "/Key Settings"));
    EXPECT_TRUE(hidden(kMenu + "/App Settings"));
    EXPECT_EQ(tabs->tabs.size(), 3u);
}

TEST_F(SettingsWindow, ThemeDirectoriesDialog) {
    install();
    click(kMenu + "/Appearance Settings/Theme Bar/Manage Theme Directories Button");
    EXPECT_FALSE(hidden(kDialog));
    click(kDialog + "/Titlebar/Exit Button");
    EXPECT_TRUE(hidden(kDialog));

    app.set_rows("themeSources", {});
    EXPECT_TRUE(hidden(kDialog + "/Body/Source List"));
    EXPECT_FALSE(hidden(kDialog + "/Body/Empty State"));
    app.set_rows("themeSources", {Ostrel::ListEntry{"dir-1", {{"path", "/themes"}}}});
    EXPECT_FALSE(hidden(kDialog + "/Body/Source List"));
    EXPECT_TRUE(hidden(kDialog + "/Body/Empty State"));

    const std::string learn_more = kDialog + "/Body/Empty State/Learn More Button";
    click(learn_more);  // no URL service: nothing happens
    app.open_url_service = [this](const std::string& url) { opened.push_back(url); };
    click(learn_more);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].rfind("https://", 0), 0u);
    EXPECT_NE(opened[0].find("/ostrel/docs/custom-themes"), std::string::npos);
}

}  // namespace
