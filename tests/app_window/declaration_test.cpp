// What the window declaration leaves in the state store before the first
// rendering.

#include <string>

#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

TEST_F(Window, StartsOnTheHomePageWithEverythingElseHidden) {
    build();
    const char* const hidden_paths[] = {
        "App/Scribenta Window/Config Pane",
        "App/Message Dialog",
        "App/Confirm Dialog",
        "App/New Website Dialog",
        "App/Add Project Dialog",
        "App/Add Topic Dialog",
        "App/Add Dependency Dialog",
        "App/Promote Dialog",
        "App/Add Policy Dialog",
        "App/Add Fact Dialog",
        "App/Add Download Dialog",
        "App/Edit Section Dialog",
        "App/Add Section Dialog",
        "App/Add Social Dialog",
        "App/Scribenta Window/Config Pane/Site Configurator/Text Panel",
        "App/Scribenta Window/Config Pane/Project Configurator/Text Panel",
        "App/Scribenta Window/Config Pane/Project Configurator/Editor Panel/Panels/Readme Panel/"
        "Create Row",
        "App/Scribenta Window/Config Pane/Project Configurator/Editor Panel/Panels/License Panel/"
        "Create Row",
    };
    for (const char* path : hidden_paths) EXPECT_TRUE(hidden(path)) << path;
    for (const char* panel : {"Projects Panel", "Socials Panel", "Policies Panel", "Build Panel"}) {
        EXPECT_TRUE(hidden(kSitePanels + "/" + panel)) << panel;
    }
    EXPECT_FALSE(hidden(kSitePanels + "/Website Panel"));
    EXPECT_FALSE(hidden(kProjectPanels + "/Project Panel"));
    EXPECT_TRUE(hidden(kProjectPanels + "/Build Panel"));
    EXPECT_FALSE(hidden(W + "/App Pane"));
    EXPECT_TRUE(tab_ids().empty());
}

TEST_F(Window, StateWordsAtStart) {
    build();
    const struct {
        std::string path, word;
    } words[] = {
        {kSite + "/Editor Panel/Sidebar/Website Tab", "Active"},
        {kProject + "/Editor Panel/Sidebar/Project Tab", "Active"},
        {kSite + "/View Bar/Editor View Tab", "Active"},
        {kProject + "/View Bar/Editor View Tab", "Active"},
        {kSite + "/Text Panel/Status Bar/Save Button", "Disabled"},
        {kProject + "/Text Panel/Status Bar/Save Button", "Disabled"},
        {kSitePanels + "/Policies Panel/File Status Bar/Save Button", "Disabled"},
        {kSitePanels + "/Policies Panel/File Status Bar/Wrap Checkbox", "Checked"},
        {"App/Edit Section Dialog/Body/Editor Group/File Status Bar/Save Button", "Disabled"},
        {"App/Edit Section Dialog/Body/Editor Group/File Status Bar/Wrap Checkbox", "Checked"},
        {kProjectPanels + "/Readme Panel/Readme Status Bar/Save Button", "Disabled"},
        {kProjectPanels + "/License Panel/License Status Bar/Wrap Checkbox", "Checked"},
        {kProjectPanels + "/Topics Panel/File Status Bar/Save Button", "Disabled"},
        {kProjectPanels + "/Build Panel/Build Button", "Disabled"},
        {kAppTab, "Selected"},
    };
    for (const auto& w : words) EXPECT_TRUE(has(w.path, w.word)) << w.path << " " << w.word;
    EXPECT_FALSE(has(kSite + "/Editor Panel/Sidebar/Build Tab", "Active"));
}

// Exit and Cancel (or OK) of every dialog only hide it.
TEST_F(Window, EveryDialogClosesByExitAndByCancel) {
    build();
    const struct {
        std::string dialog, cancel;
    } dialogs[] = {
        {"App/Message Dialog", "/Body/OK Button"},
        {"App/Confirm Dialog", "/Body/Actions/Cancel Button"},
        {"App/New Website Dialog", "/Body/Actions/Cancel Button"},
        {"App/Add Project Dialog", "/Body/Actions/Cancel Button"},
        {"App/Add Topic Dialog", "/Body/Actions/Cancel Button"},
        {"App/Add Dependency Dialog", "/Body/Actions/Cancel Button"},
        {"App/Promote Dialog", "/Body/Actions/Cancel Button"},
        {"App/Add Policy Dialog", "/Body/Actions/Cancel Button"},
        {"App/Add Fact Dialog", "/Body/Actions/Cancel Button"},
        {"App/Add Download Dialog", "/Body/Actions/Cancel Button"},
        {"App/Edit Section Dialog", "/Body/Done Row/Done Button"},
        {"App/Add Section Dialog", "/Body/Actions/Cancel Button"},
        {"App/Add Social Dialog", "/Body/Actions/Cancel Button"},
    };
    for (const auto& d : dialogs) {
        for (const std::string& button : {std::string("/Titlebar/Exit Button"), d.cancel}) {
            app.set_visible(d.dialog, true);
            click(d.dialog + button);
            EXPECT_TRUE(hidden(d.dialog)) << d.dialog << button;
        }
    }
}

TEST_F(Window, SidebarTabsSwitchPanels) {
    build();
    click(kSite + "/Editor Panel/Sidebar/Build Tab");
    EXPECT_TRUE(has(kSite + "/Editor Panel/Sidebar/Build Tab", "Active"));
    EXPECT_FALSE(has(kSite + "/Editor Panel/Sidebar/Website Tab", "Active"));
    EXPECT_FALSE(hidden(kSitePanels + "/Build Panel"));
    EXPECT_TRUE(hidden(kSitePanels + "/Website Panel"));
    // The project shell is independent.
    EXPECT_TRUE(hidden(kProjectPanels + "/Build Panel"));
}

}  // namespace
}  // namespace window_test
