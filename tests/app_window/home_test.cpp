// The home page: the Open Configuration file dialog and the New Website
// dialog.

#include <filesystem>
#include <string>
#include <vector>

#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

namespace fs = std::filesystem;
using Ids = std::vector<std::string>;

const std::string kOpen = W + "/App Pane/Home/Open Button";
const std::string kNew = W + "/App Pane/Home/New Website Button";
const std::string kTitle = kNewWebsite + "/Body/Title Editor";
const std::string kLocation = kNewWebsite + "/Body/Location Row/Location Editor";
const std::string kBrowse = kNewWebsite + "/Body/Location Row/Browse Button";
const std::string kCreate = kNewWebsite + "/Body/Actions/Create Button";

TEST_F(Window, OpenAsksForAConfigurationFile) {
    build();
    picked = "";
    click(kOpen);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].mode, "file");
    EXPECT_EQ(requests[0].title, "Open Configuration");
    EXPECT_EQ(requests[0].filter,
              "Scribenta Configs (*.scribenta-site *.scribenta-project);;All Files (*)");
    EXPECT_EQ(requests[0].directory, "");
    EXPECT_TRUE(requests[0].show_hidden);
    EXPECT_TRUE(tab_ids().empty());  // cancelled

    picked = dir.write("notes.md", "# notes").string();
    click(kOpen);
    EXPECT_EQ(text(kMessage + "/Titlebar/Title"), "Unsupported Config");
    EXPECT_TRUE(tab_ids().empty());
}

TEST_F(Window, NewWebsiteCreatesTheSiteAndOpensIt) {
    build();
    type(kTitle, "stale");
    click(kNew);
    EXPECT_FALSE(hidden(kNewWebsite));
    EXPECT_EQ(app.value(kTitle), "My Site");
    EXPECT_EQ(app.value(kLocation), "");

    picked = (dir / "chosen").string();
    click(kBrowse);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].mode, "dir");
    EXPECT_EQ(requests[0].title, "Choose Location");
    EXPECT_FALSE(requests[0].show_hidden);
    EXPECT_EQ(app.value(kLocation), picked);

    type(kTitle, "  Handbook\t");
    click(kCreate);
    EXPECT_TRUE(hidden(kNewWebsite));
    EXPECT_TRUE(fs::is_directory(dir / "chosen/content-fragments"));
    EXPECT_EQ(tab_ids(), Ids{"config-1"});
    EXPECT_EQ(tab_field("config-1", "title"), "Handbook");
    EXPECT_FALSE(hidden(kSite));
}

TEST_F(Window, NewWebsiteErrorsKeepTheDialogOpen) {
    site("taken");
    build();
    const struct {
        std::string location, message;
    } cases[] = {
        {"", "Choose a location for the new site."},
        {(dir / "taken").string(), ".scribenta-site already exists in " + (dir / "taken").string()},
    };
    for (const auto& c : cases) {
        click(kNew);
        type(kLocation, c.location);
        click(kCreate);
        EXPECT_FALSE(hidden(kNewWebsite)) << c.location;
        EXPECT_FALSE(hidden(kMessage)) << c.location;
        EXPECT_EQ(text(kMessage + "/Titlebar/Title"), "Couldn't Create Site");
        EXPECT_EQ(text(kMessage + "/Body/Message"), c.message);
        click(kMessage + "/Body/OK Button");
    }
    EXPECT_TRUE(tab_ids().empty());
}

// A title of blanks only makes the default title.
TEST_F(Window, ABlankTitleMakesMySite) {
    build();
    click(kNew);
    type(kTitle, " \t ");
    type(kLocation, (dir / "blank").string());
    click(kCreate);
    EXPECT_EQ(tab_field("config-1", "title"), "My Site");
}

}  // namespace
}  // namespace window_test
