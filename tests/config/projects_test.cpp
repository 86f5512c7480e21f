#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "site_fixture.h"

using namespace Scribenta;
namespace fs = std::filesystem;
using ordered_json = nlohmann::ordered_json;

namespace {

// A family 'core' with member 'api', a stand-alone 'docs', an entry whose
// config is missing, and a member whose family has no config of its own.
class FamilySite : public SiteFixture {
public:
    FamilySite()
        : SiteFixture(R"({"title": "S", "projects": [
            {"config": "./projects/broken/.scribenta-project"},
            {"config": "./projects/core/.scribenta-project"},
            {"config": "./projects/core-api/.scribenta-project"},
            {"config": "./projects/docs/.scribenta-project"},
            {"config": "./projects/orphan/.scribenta-project"},
            {"config": "./projects/evil/.scribenta-project"}
          ], "footer": "f"})") {
        project("core", R"({"slug": "core", "name": "Core"})");
        project("core-api", R"({"slug": "api", "parent_slug": "core", "name": "API"})");
        project("docs", R"({"slug": "docs", "name": "Docs"})");
        project("orphan", R"({"slug": "y", "parent_slug": "ghost"})");
        project("evil", R"({"slug": "../evil", "name": "Evil"})");
        project("extra", R"({"slug": "extra"})");  // on disk, not registered
    }
};

AddProjectRequest member(const std::string& slug, const std::string& parent) {
    return {"Name", slug, "", parent, ""};
}

}  // namespace

TEST(ReadProjectEntry, ReadsFieldsAsTextWithNameFallbacks) {
    TempDir dir;
    dir.write("projects/a/.scribenta-project",
              R"({"slug": "a", "name": "Alpha", "tagline": "t", "parent_slug": "fam",
                  "family_label": "L", "logo": "/img/a.svg"})");
    dir.write("projects/b/.scribenta-project", R"({"slug": "docs", "name": ""})");
    dir.write("projects/c/.scribenta-project", R"({"slug": 5, "name": null})");
    dir.write("projects/d/.scribenta-project", R"({"slug": "part", "name": )");
    const std::string site = dir.path().string();

    struct Case {
        std::string reference;
        ProjectEntry expected;
    } cases[] = {
        {"./projects/a/.scribenta-project",
         {site + "/projects/a/.scribenta-project", "a", "Alpha", "t", "fam", "L", "/img/a.svg"}},
        {"projects/x/../b/.scribenta-project",
         {site + "/projects/b/.scribenta-project", "docs", "docs", "", "", "", ""}},
        {"projects/c/.scribenta-project",
         {site + "/projects/c/.scribenta-project", "5", "5", "", "", "", ""}},
        {"projects/d/.scribenta-project",  // cut short: what was parsed still counts
         {site + "/projects/d/.scribenta-project", "part", "part", "", "", "", ""}},
        {"./projects/none/.scribenta-project",
         {site + "/projects/none/.scribenta-project", "", "./projects/none/.scribenta-project", "",
          "", "", ""}},
        {"", {}},
    };
    for (const auto& c : cases) {
        ProjectEntry e = read_project_entry(dir.path(), c.reference);
        const auto& x = c.expected;
        EXPECT_EQ(e.config_path, x.config_path) << c.reference;
        EXPECT_EQ(e.slug, x.slug) << c.reference;
        EXPECT_EQ(e.name, x.name) << c.reference;
        EXPECT_EQ(e.tagline, x.tagline) << c.reference;
        EXPECT_EQ(e.parent_slug, x.parent_slug) << c.reference;
        EXPECT_EQ(e.family_label, x.family_label) << c.reference;
        EXPECT_EQ(e.logo, x.logo) << c.reference;
    }
    // An absolute reference ignores the site folder.
    EXPECT_EQ(read_project_entry("/elsewhere", site + "/projects/a/.scribenta-project").name,
              "Alpha");
}

TEST(ListProjectRefs, OneRefPerEntryWithStringSlugsOnly) {
    TempDir dir;
    dir.write("p/a/.scribenta-project", R"({"slug": "a", "parent_slug": "fam"})");
    dir.write("p/b/.scribenta-project", R"({"slug": 7, "parent_slug": null})");
    dir.write("p/c/.scribenta-project", R"({"slug": "c", )");
    const auto abs = (dir / "p/a/.scribenta-project").string();
    const ordered_json site = {{"projects",
                                {{{"config", "p/a/.scribenta-project"}},
                                 "not an object",
                                 {{"config", "p/b/.scribenta-project"}},
                                 {{"config", "p/c/.scribenta-project"}},
                                 {{"config", "p/missing/.scribenta-project"}},
                                 {{"config", abs}}}}};
    struct Expected {
        std::string config_path, slug, parent_slug;
    } expected[] = {
        {abs, "a", "fam"},
        {"", "", ""},
        {(dir / "p/b/.scribenta-project").string(), "", ""},
        {(dir / "p/c/.scribenta-project").string(), "", ""},
        {(dir / "p/missing/.scribenta-project").string(), "", ""},
        {abs, "a", "fam"},
    };
    auto refs = list_project_refs(site, dir.path());
    ASSERT_EQ(refs.size(), std::size(expected));
    for (std::size_t i = 0; i < refs.size(); ++i) {
        EXPECT_EQ(refs[i].index, i);
        EXPECT_EQ(refs[i].config_path.string(), expected[i].config_path) << i;
        EXPECT_EQ(refs[i].slug, expected[i].slug) << i;
        EXPECT_EQ(refs[i].parent_slug, expected[i].parent_slug) << i;
    }
    for (const char* text : {"[]", "{}", R"({"projects": {}})", R"({"projects": null})"}) {
        EXPECT_TRUE(list_project_refs(parsed(text), dir.path()).empty()) << text;
    }
}

TEST(AddProject, StandAloneProjectGetsFolderConfigAndLastEntry) {
    struct Case {
        const char* site_text;
        const char* site_after;
    } cases[] = {
        {R"({"title": "S"})",
         R"({"title":"S","projects":[{"config":"./projects/new-docs/.scribenta-project"}]})"},
        {R"({"projects": null, "title": "S"})",
         R"({"projects":[{"config":"./projects/new-docs/.scribenta-project"}],"title":"S"})"},
    };
    for (const auto& c : cases) {
        SiteFixture site(c.site_text);
        std::string out = "untouched", error = "untouched";
        ASSERT_TRUE(add_project(site.site_config(), {"New Docs", "new-docs", "", "", "ignored"},
                                &out, &error));
        const fs::path config = site / "projects/new-docs/.scribenta-project";
        EXPECT_EQ(out, config.string());
        EXPECT_EQ(error, "untouched");
        EXPECT_EQ(TempDir::read(config),
                  "{\n  \"format\": 1,\n  \"slug\": \"new-docs\",\n  \"name\": \"New Docs\"\n}\n");
        EXPECT_EQ(parsed(site.site_text()).dump(), c.site_after);
    }
}

TEST(AddProject, MemberFollowsItsFamilysLastEntry) {
    struct Case {
        AddProjectRequest request;
        std::size_t position;
        std::string folder;
    } cases[] = {
        {{"CLI", "cli", "Command tools", "core", "Command line"}, 3, "core-cli"},
        {{"CLI", "core-cli", "", "core", ""}, 3, "core-cli"},
        {{"API", "api", "", "", ""}, 6, "api"},                // member slugs do not count
        {{"Docs Two", "two", "", "docs", ""}, 4, "docs-two"},  // stand-alone becomes a family
    };
    for (const auto& c : cases) {
        FamilySite site;
        std::string out;
        ASSERT_TRUE(add_project(site.site_config(), c.request, &out)) << c.request.slug;
        const std::string entry = "./projects/" + c.folder + "/.scribenta-project";
        ordered_json projects = parsed(site.site_text())["projects"];
        ASSERT_EQ(projects.size(), 7u);
        EXPECT_EQ(projects[c.position], ordered_json({{"config", entry}})) << c.request.slug;
        EXPECT_EQ(out, (site / ("projects/" + c.folder + "/.scribenta-project")).string());
    }
    FamilySite site;
    ASSERT_TRUE(add_project(site.site_config(), cases[0].request));
    EXPECT_EQ(TempDir::read(site / "projects/core-cli/.scribenta-project"),
              "{\n"
              "  \"format\": 1,\n"
              "  \"slug\": \"cli\",\n"
              "  \"parent_slug\": \"core\",\n"
              "  \"name\": \"CLI\",\n"
              "  \"tagline\": \"Command tools\",\n"
              "  \"family_label\": \"Command line\"\n"
              "}\n");
    EXPECT_EQ(parsed(site.site_text()).front(), "S") << "other keys keep order and values";
    EXPECT_EQ(parsed(site.site_text()).back(), "f");
}

TEST(AddProject, RefusalsChangeNothing) {
    const std::string slug_rule =
        "Slug must be lowercase letters and digits in dash-separated runs (like \"profile-api\").";
    FamilySite site;
    struct Case {
        AddProjectRequest request;
        std::string error;
    } cases[] = {
        {{"", "x", "", "", ""}, "The project needs a name."},
        {{"N", "Bad", "", "", ""}, slug_rule},
        {{"N", "a--b", "", "core", ""}, slug_rule},
        {{"N", "core", "", "", ""}, "A project with slug 'core' already exists in this site."},
        {member("api", "core"), "The family already has a project with slug 'api'."},
        {member("core", "core"), "The family already has a project with slug 'core'."},
        {member("x", "nope"), "No project with slug 'nope' to add a member to."},
        {member("x", "ghost"), "No project with slug 'ghost' to add a member to."},
        {member("x", "../evil"), "Cannot use '../evil-x' as a project folder name."},
        {{"N", "extra", "", "", ""},
         (site / "projects/extra/.scribenta-project").string() + " already exists."},
    };
    const auto before = site.tree();
    for (const auto& c : cases) {
        std::string out = "untouched", error;
        EXPECT_FALSE(add_project(site.site_config(), c.request, &out, &error));
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(out, "untouched");
        EXPECT_FALSE(add_project(site.site_config(), c.request)) << "null pointers are allowed";
    }
    EXPECT_EQ(site.tree(), before);
    EXPECT_FALSE(fs::exists(site.path().parent_path() / "evil-x"));
}

TEST(AddProject, RefusesUnusableSiteConfigs) {
    struct Case {
        const char* site_text;  // null: no site config at all
        bool path_in_message;
        const char* error;
    } cases[] = {
        {nullptr, true, "Cannot read site config: "},
        {"{", true, "Cannot read site config: "},
        {"[1]", true, "Cannot read site config: "},
        {R"({"projects": {}})", false, "'projects' is not an array in the site config."},
        {R"({"projects": "x"})", false, "'projects' is not an array in the site config."},
    };
    for (const auto& c : cases) {
        TempDir dir;
        if (c.site_text) dir.write(".scribenta-site", c.site_text);
        const fs::path site_config = dir / ".scribenta-site";
        const auto before = tree_of(dir.path());
        std::string error;
        EXPECT_FALSE(add_project(site_config, {"N", "n", "", "", ""}, nullptr, &error));
        EXPECT_EQ(error, c.error + (c.path_in_message ? site_config.string() : ""));
        EXPECT_EQ(tree_of(dir.path()), before);
    }
}

TEST(AddProject, FailedStepsLeaveWhatTheyMust) {
    const std::string padding(8000, 'x');
    SiteFixture site(R"({"title": "S"})");
    std::string error;

    // A file where the "projects" folder belongs stops the folder creation.
    site.write("projects", "a file");
    EXPECT_FALSE(add_project(site.site_config(), {"N", "n", "", "", ""}, nullptr, &error));
    EXPECT_EQ(error, "Could not create " + (site / "projects/n").string() + ": Not a directory");
    fs::remove(site / "projects");

    // The project config cannot be written: its folder stays, empty.
    auto result = run_with_size_limit(16, [&](std::string* e) {
        return add_project(site.site_config(), {"N", "n", "", "", ""}, nullptr, e);
    });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Could not write " + (site / "projects/n/.scribenta-project").string());
    EXPECT_TRUE(fs::is_directory(site / "projects/n"));
    EXPECT_TRUE(fs::is_empty(site / "projects/n"));
    EXPECT_EQ(site.site_text(), R"({"title": "S"})");

    // The site config cannot be written: the new config goes again, the
    // folders stay and the site config is as it was.
    const std::string big_site = R"({"title": "S", "about": ")" + padding + "\"}";
    site.write(".scribenta-site", big_site);
    result = run_with_size_limit(4096, [&](std::string* e) {
        return add_project(site.site_config(), {"N", "m", "", "", ""}, nullptr, e);
    });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Could not write " + site.site_config().string());
    EXPECT_TRUE(fs::is_directory(site / "projects/m"));
    EXPECT_FALSE(fs::exists(site / "projects/m/.scribenta-project"));
    EXPECT_EQ(site.site_text(), big_site);
}
