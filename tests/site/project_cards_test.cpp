#include "app/site/project_cards.h"

#include "site_lists_fixture.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;
using Fields = std::map<std::string, std::string>;

class ProjectCards : public SiteListsTest {
protected:
    std::string projects() const { return paths.projects; }
    std::vector<Fields> card_fields() {
        std::vector<Fields> out;
        for (const auto& row : rows("projectCards")) out.push_back(row.fields);
        return out;
    }
    std::string project(const std::string& folder) const {
        return path_in_site("projects/" + folder + "/.scribenta-project");
    }
};

TEST_F(ProjectCards, SampleSiteGivesOneCardPerProjectOrFamily) {
    show_sample();
    EXPECT_EQ(row_ids("projectCards"), (std::vector<std::string>{"proj-0", "proj-1", "proj-2"}));
    EXPECT_EQ(card_fields(), (std::vector<Fields>{
                                 {{"title", "Rocket"},
                                  {"tagline", "Launch builds into orbit"},
                                  {"logo", path_in_site("images/rocket.svg")}},
                                 {{"title", "Comet"}, {"tagline", "A fast static file server"}},
                                 {{"title", "Orbit"},
                                  {"tagline", "Tools that circle your code"},
                                  {"logo", path_in_site("images/orbit.svg")}},
                             }));
    const ProjectCardTarget& orbit = site.list_panels.targets->project_cards.at("proj-2");
    EXPECT_EQ(orbit.config_path, project("orbit"));
    EXPECT_EQ(orbit.name, "Orbit");
    ASSERT_EQ(orbit.members.size(), 3u);
    const struct {
        std::string path, label;
        bool flag;
        std::string logo, tagline;
    } members[] = {
        {project("orbit"), "Overview", true, path_in_site("images/orbit.svg"),
         "Tools that circle your code"},
        {project("orbit-core"), "Core", false, "", "Tools that circle your code"},
        {project("orbit-cli"), "CLI", false, "", "The command line of Orbit"},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(orbit.members[i].config_path, members[i].path) << i;
        EXPECT_EQ(orbit.members[i].label, members[i].label) << i;
        EXPECT_EQ(orbit.members[i].flag, members[i].flag) << i;
        EXPECT_EQ(orbit.members[i].logo, members[i].logo) << i;
        EXPECT_EQ(orbit.members[i].tagline, members[i].tagline) << i;
    }
    // A stand-alone project is its only member, labelled with its name.
    const auto& rocket = site.list_panels.targets->project_cards.at("proj-0").members;
    ASSERT_EQ(rocket.size(), 1u);
    EXPECT_EQ(rocket[0].label, "Rocket");
    EXPECT_FALSE(rocket[0].flag);
    // Every folder is registered: no unregistered rows.
    EXPECT_TRUE(rows("orphanRows").empty());
    EXPECT_FALSE(visible(projects() + "/Orphans Label"));
    EXPECT_FALSE(visible(projects() + "/Orphan Rows"));
}

TEST_F(ProjectCards, ActivateOpensTheProjectOrTheFamilyWithItsMembers) {
    show_sample();
    row_action("projectCards", "proj-2", "activate");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].config_path, project("orbit"));
    EXPECT_EQ(opened[0].name, "Orbit");
    EXPECT_EQ(opened[0].members.size(), 3u);
    row_action("projectCards", "proj-9", "activate");
    row_action("projectCards", "proj-0", "open");
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(ProjectCards, GroupingEdgeCases) {
    dir.write("site/projects/fam/.scribenta-project",
              R"({"slug": "fam", "name": "Family", "tagline": "T"})");
    dir.write("site/projects/fam-a/.scribenta-project",
              R"({"slug": "a", "parent_slug": "fam", "name": "A", "family_label": "Alpha"})");
    dir.write("site/projects/lone-b/.scribenta-project",
              R"({"slug": "b", "parent_slug": "ghost", "name": "B"})");
    dir.write("site/projects/lone-c/.scribenta-project",
              R"({"slug": "c", "parent_slug": "ghost", "name": "C", "family_label": "Cee"})");
    show_site(R"({"projects": [
        {"config": "projects/fam-a/.scribenta-project"},
        {"config": "projects/fam/.scribenta-project"},
        {"config": "projects/lone-b/.scribenta-project"},
        {"config": "projects/lone-c/.scribenta-project"},
        {"config": "missing-1/.scribenta-project"},
        {"config": "missing-2/.scribenta-project"}]})");
    const auto& cards = site.list_panels.targets->project_cards;
    // The family listed after its member sits at the member's place with the
    // family's face; members of an unknown family form one card without
    // "Overview"; unreadable entries share the empty key, the last one on top.
    EXPECT_EQ(card_fields(), (std::vector<Fields>{{{"title", "Family"}, {"tagline", "T"}},
                                                  {{"title", "B"}},
                                                  {{"title", "missing-2/.scribenta-project"}}}));
    EXPECT_EQ(cards.at("proj-0").config_path, project("fam"));
    EXPECT_EQ(cards.at("proj-0").members[0].label, "Alpha");
    EXPECT_EQ(cards.at("proj-0").members[1].label, "Overview");
    EXPECT_EQ(cards.at("proj-1").config_path, project("lone-b"));
    EXPECT_EQ(cards.at("proj-1").members[0].label, "B");
    EXPECT_EQ(cards.at("proj-1").members[1].label, "Cee");
    EXPECT_FALSE(cards.at("proj-1").members[0].flag);
    EXPECT_EQ(cards.at("proj-2").members.size(), 2u);

    row_action("projectCards", "proj-2", "remove");
    EXPECT_EQ(confirmation(),
              (std::vector<std::string>{"Remove Project",
                                        "Remove 'missing-2/.scribenta-project' from this site? "
                                        "Its 2 project entries leave the site's registry; the "
                                        "files stay on disk.",
                                        "Remove"}));
    confirm();
    EXPECT_EQ(site_json(), R"({"projects":[{"config":"projects/fam-a/.scribenta-project"},)"
                           R"({"config":"projects/fam/.scribenta-project"},)"
                           R"({"config":"projects/lone-b/.scribenta-project"},)"
                           R"({"config":"projects/lone-c/.scribenta-project"}]})");
}

TEST_F(ProjectCards, RemovingAFamilyDropsAllItsEntriesAndKeepsTheFiles) {
    show_sample();
    row_action("projectCards", "proj-0", "remove");
    EXPECT_EQ(confirmation()[1],
              "Remove 'Rocket' from this site? Its project entry leaves the site's registry; the "
              "files stay on disk.");
    cancel();
    row_action("projectCards", "proj-2", "remove");
    EXPECT_EQ(confirmation(),
              (std::vector<std::string>{"Remove Project",
                                        "Remove 'Orbit' from this site? Its 3 project entries "
                                        "leave the site's registry; the files stay on disk.",
                                        "Remove"}));
    const std::string before = site_json();
    confirm();
    const std::string expected = nlohmann::ordered_json::parse(R"({"projects": [
        {"config": "./projects/rocket/.scribenta-project"},
        {"config": "./projects/comet/.scribenta-project"}]})")["projects"]
                                     .dump();
    const auto after = nlohmann::ordered_json::parse(site_json());
    EXPECT_EQ(after["projects"].dump(), expected);
    // Everything else stays in place, in its order.
    auto without = nlohmann::ordered_json::parse(before);
    without["projects"] = after["projects"];
    EXPECT_EQ(after.dump(), without.dump());
    EXPECT_TRUE(fs::exists(project("orbit-core")));
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(row_ids("projectCards"), (std::vector<std::string>{"proj-0", "proj-1"}));
    // The family's folders are now offered for registration, in path order.
    EXPECT_EQ(row_ids("orphanRows"),
              (std::vector<std::string>{"orphan-0", "orphan-1", "orphan-2"}));
    EXPECT_EQ(rows("orphanRows")[0].fields,
              (Fields{{"dir", "orbit"}, {"config", "./projects/orbit/.scribenta-project"}}));
    EXPECT_TRUE(visible(projects() + "/Orphans Label"));
    EXPECT_TRUE(visible(projects() + "/Orphan Rows"));
}

TEST_F(ProjectCards, MalformedElementsGiveACardThatDoesNothing) {
    show_site(R"({"projects": [7, {"name": "no config"}]})");
    EXPECT_EQ(card_fields(), (std::vector<Fields>{{{"title", ""}}}));
    row_action("projectCards", "proj-0", "activate");
    EXPECT_TRUE(opened.empty());
    row_action("projectCards", "proj-0", "remove");
    EXPECT_TRUE(confirmation().empty());
}

TEST_F(ProjectCards, UnregisteredFoldersAreListedAndRegistered) {
    dir.write("site/projects/zeta/.scribenta-project", R"({"slug": "zeta", "name": "Zeta"})");
    dir.write("site/projects/Beta/.scribenta-project", R"({"slug": "beta", "name": "Beta"})");
    dir.write("site/projects/alpha/readme.txt", "no config here");
    dir.write("site/projects/notes.txt", "a file");
    fs::create_directories(dir / "site/projects/gamma/.scribenta-project");  // a folder counts
    // Registered with a reference that differs only in letter case: still listed.
    show_site(R"({"title": "T", "projects": [{"config": "./projects/beta/.scribenta-project"},
        {"config": "projects/zeta/../zeta/.scribenta-project"}]})");
    EXPECT_EQ(row_ids("orphanRows"), (std::vector<std::string>{"orphan-0", "orphan-1"}));
    EXPECT_EQ(rows("orphanRows")[0].fields,
              (Fields{{"dir", "Beta"}, {"config", "./projects/Beta/.scribenta-project"}}));
    EXPECT_EQ(rows("orphanRows")[1].fields.at("dir"), "gamma");

    row_action("orphanRows", "orphan-0", "remove");
    row_action("orphanRows", "orphan-7", "activate");
    EXPECT_EQ(reloads, 0);
    row_action("orphanRows", "orphan-0", "activate");
    EXPECT_EQ(site_json(),
              R"({"title":"T","projects":[{"config":"./projects/beta/.scribenta-project"},)"
              R"({"config":"projects/zeta/../zeta/.scribenta-project"},)"
              R"({"config":"./projects/Beta/.scribenta-project"}]})");
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(row_ids("orphanRows"), (std::vector<std::string>{"orphan-0"}));
    EXPECT_EQ(rows("projectCards").size(), 3u);
}

TEST_F(ProjectCards, RegisteringWritesPendingEditsFirst) {
    dir.write("site/projects/zeta/.scribenta-project", R"({"slug": "zeta"})");
    show_site(R"({"title": "T"})");
    type(paths.site_form + "/Title Field", "Typed");
    row_action("orphanRows", "orphan-0", "activate");
    EXPECT_EQ(
        site_json(),
        R"({"format":1,"title":"Typed","projects":[{"config":"./projects/zeta/.scribenta-project"}]})");
}

}  // namespace
}  // namespace Scribenta
