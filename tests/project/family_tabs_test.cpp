#include "project_fixture.h"

#include "app/project/family_tabs.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;

class FamilyTabsTest : public ProjectFixture {
protected:
    // The sample family as its project card opens it: its own configuration
    // ("Overview") first, then its two members.
    std::vector<MemberEntry> sample_family() {
        const fs::path site = copy_sample();
        return {member(site / "projects/orbit/.scribenta-project", "Orbit", true,
                       "Tools that circle your code", (site / "images/orbit.svg").string()),
                member(site / "projects/orbit-core/.scribenta-project", "Core", false,
                       "Tools that circle your code"),
                member(site / "projects/orbit-cli/.scribenta-project", "CLI", false, "",
                       (site / "images/rocket.svg").string())};
    }
    bool sidebar_tabs_visible(bool want) {
        for (const char* tab : member_only_tabs()) {
            if (visible(shell->sidebar + "/" + tab) != want) return false;
        }
        return true;
    }
};

TEST_F(FamilyTabsTest, RowsPerMember) {
    OpenConfig config;
    render_family_tabs(app, paths, config);
    EXPECT_TRUE(rows("familyTabs").empty());
    EXPECT_FALSE(visible(paths.family_bar));
    EXPECT_FALSE(visible(paths.family_divider));

    config.members = {member("/p/.scribenta-project", "Solo", false, "Tag")};
    render_family_tabs(app, paths, config);
    EXPECT_EQ(rows("familyTabs"), (Rows{{"member-0", {{"label", "Solo"}, {"tagline", "Tag"}}}}));
    EXPECT_FALSE(visible(paths.family_bar));
    EXPECT_FALSE(visible(paths.family_divider));

    config.members = sample_family();
    render_family_tabs(app, paths, config);
    EXPECT_EQ(rows("familyTabs"),
              (Rows{{"member-0", {{"umbrella", "1"}}},
                    {"member-1", {{"label", "Core"}, {"tagline", "Tools that circle your code"}}},
                    {"member-2", {{"label", "CLI"}, {"logo", config.members[2].logo}}}}));
    EXPECT_TRUE(visible(paths.family_bar));
    EXPECT_TRUE(visible(paths.family_divider));
}

TEST_F(FamilyTabsTest, FamilyOverviewThenMembersSwitchTheLayout) {
    show(sample_family());

    // The family's own configuration: only the project tab, as a family.
    EXPECT_EQ(app.value(paths.name_field), "Orbit");
    EXPECT_EQ(app.value(paths.slug_field), "orbit");
    EXPECT_TRUE(visible(paths.logo_avatar));
    EXPECT_TRUE(sidebar_tabs_visible(false));
    EXPECT_EQ(app.texts[paths.project_tab_label], "Project Family");
    EXPECT_TRUE(has_word(paths.project_tab, "Family"));
    EXPECT_EQ(shell->current_tab, "Project Tab");
    EXPECT_FALSE(visible(paths.facts_label));
    EXPECT_FALSE(visible(paths.facts_form));
    EXPECT_FALSE(visible(paths.add_fact_button));
    EXPECT_FALSE(visible(paths.promote_button));
    EXPECT_FALSE(visible(paths.family_label));
    EXPECT_TRUE(has_word(member_tab_path(paths, 0), "Active"));

    select_tab(app, *shell, "Source Tab");
    set_view_mode(app, *shell, "text");
    wiring.show_project_tab(*shown, 2);
    EXPECT_EQ(app.value(paths.name_field), "Orbit CLI");
    EXPECT_EQ(app.value(paths.slug_field), "cli");
    EXPECT_EQ(edits->config_path, shown->members[2].config_path);
    EXPECT_EQ(shell->current_tab, "Project Tab");
    EXPECT_EQ(shell->view_mode, "editor");
    EXPECT_TRUE(sidebar_tabs_visible(true));
    EXPECT_EQ(app.texts[paths.project_tab_label], "Project");
    EXPECT_FALSE(has_word(paths.project_tab, "Family"));
    EXPECT_TRUE(visible(paths.facts_label));
    EXPECT_TRUE(visible(paths.add_fact_button));
    EXPECT_FALSE(visible(paths.promote_button));  // a member never promotes
    EXPECT_FALSE(has_word(member_tab_path(paths, 0), "Active"));
    EXPECT_TRUE(has_word(member_tab_path(paths, 2), "Active"));

    // Rendering the same member again changes no state word.
    const auto words = app.node_states;
    shell->reload();
    EXPECT_EQ(app.node_states, words);
    EXPECT_EQ(wiring.state->member_index, 2u);

    wiring.show_project_tab(*shown, 0);
    EXPECT_TRUE(has_word(paths.project_tab, "Family"));
    EXPECT_TRUE(has_word(member_tab_path(paths, 0), "Active"));
    EXPECT_FALSE(has_word(member_tab_path(paths, 2), "Active"));
}

}  // namespace
}  // namespace Scribenta
