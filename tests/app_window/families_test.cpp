// Project tabs that hold a family: opened from a site's project card, with
// one member tab per configuration.

#include <string>
#include <vector>

#include "app/window_declaration.h"
#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

using Scribenta::MemberEntry;
using Ids = std::vector<std::string>;

const std::string kMembers = kProject + "/Family Bar/Member Tabs";

class Families : public Window {
protected:
    void SetUp() override {
        Window::SetUp();
        ctx = Scribenta::declare_window(app);
        family = project("orbit", "Orbit");
        core = project("orbit-core", "Orbit Core");
        cli = project("orbit-cli", "Orbit CLI");
        members = {{family, "Overview", true, "", "Tools"},
                   {core, "Core", false, (dir / "core.png").string(), ""},
                   {cli, "CLI", false, "", "Command line"}};
    }

    Scribenta::AppContext ctx;
    std::string family, core, cli;
    std::vector<MemberEntry> members;
};

TEST_F(Families, AFamilyTabShowsItsMembers) {
    ctx.configs->open_site_project(family, "Orbit", members);
    EXPECT_EQ(tab_ids(), Ids{"config-1"});
    EXPECT_EQ(tab_field("config-1", "icon"), "project-family");
    EXPECT_EQ(tab_field("config-1", "logo"), "");  // the overview's own logo: none
    EXPECT_FALSE(hidden(kProject + "/Family Bar"));
    EXPECT_FALSE(hidden(kProject + "/Family Divider"));
    const auto& rows = app.rows.at("familyTabs");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].fields, (std::map<std::string, std::string>{{"umbrella", "1"}}));
    EXPECT_EQ(rows[1].fields, (std::map<std::string, std::string>{
                                  {"label", "Core"}, {"logo", (dir / "core.png").string()}}));
    EXPECT_EQ(rows[2].fields,
              (std::map<std::string, std::string>{{"label", "CLI"}, {"tagline", "Command line"}}));
    EXPECT_TRUE(has(kMembers + "/member-0", "Active"));
    EXPECT_EQ(text(kProject + "/Editor Panel/Sidebar/Project Tab/Label"), "Project Family");
    EXPECT_TRUE(has(kProject + "/Editor Panel/Sidebar/Project Tab", "Family"));
}

TEST_F(Families, MemberTabsSwitchTheProjectForm) {
    ctx.configs->open_site_project(family, "Orbit", members);
    tab_action("familyTabs", "member-2", "activate");
    EXPECT_EQ(app.value(kProject + "/Text Panel/Text Editor"), TempDir::read(cli));
    EXPECT_EQ(ctx.edits->config_path, cli);
    EXPECT_TRUE(has(kMembers + "/member-2", "Active"));
    EXPECT_FALSE(has(kMembers + "/member-0", "Active"));
    EXPECT_FALSE(has(kProject + "/Editor Panel/Sidebar/Project Tab", "Family"));
    EXPECT_EQ(text(kProject + "/Editor Panel/Sidebar/Project Tab/Label"), "Project");

    // Unsaved text in the text view: the member switch asks first.
    edit_text_view(kProject, "{}");
    tab_action("familyTabs", "member-1", "activate");
    EXPECT_FALSE(hidden(kConfirm));
    click(kConfirm + "/Body/Actions/Cancel Button");
    EXPECT_EQ(ctx.edits->config_path, cli);
    tab_action("familyTabs", "member-1", "activate");
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_EQ(ctx.edits->config_path, core);
    EXPECT_TRUE(has(kMembers + "/member-1", "Active"));
}

TEST_F(Families, ProjectCardsOpenNothingWithoutMembers) {
    ctx.configs->open_site_project(family, "Orbit", {});
    EXPECT_TRUE(tab_ids().empty());
    ctx.configs->open_site_project(core, "", {members[1]});
    EXPECT_EQ(tab_field("config-1", "title"), "Project");
    EXPECT_EQ(tab_field("config-1", "icon"), "project");
    EXPECT_EQ(tab_field("config-1", "logo"), (dir / "core.png").string());
}

// A logo change of the shown project reaches its tab.
TEST_F(Families, SyncConfigTabCopiesTheLogo) {
    ctx.configs->open_site_project(family, "Orbit", members);
    ctx.configs->shown->members[0].logo = "/new/logo.png";
    ctx.configs->sync_config_tab();
    EXPECT_EQ(tab_field("config-1", "logo"), "/new/logo.png");
    EXPECT_EQ(ctx.configs->open.front().members[0].logo, "/new/logo.png");
}

}  // namespace
}  // namespace window_test
