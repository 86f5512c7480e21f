#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "site_fixture.h"

using namespace Scribenta;
namespace fs = std::filesystem;
using ordered_json = nlohmann::ordered_json;

namespace {

const std::string kCoreConfig =
    R"({"format": 1, "slug": "core", "name": "Core", "tagline": "The core",)"
    R"( "logo": "/img/core.svg", "family_label": "Old", "repo": {"url": "u"},)"
    R"( "parent_slug": "", "versions": ["1.0"]})";

// A site whose registered projects cover every refusal of a promotion.
class PromoteSite : public SiteFixture {
public:
    explicit PromoteSite(const std::string& extra_site_members = "")
        : SiteFixture(R"({"title": "S", "projects": [
            {"title": "no config"},
            {"config": "./projects/docs/.scribenta-project"},
            {"config": "./projects/core/.scribenta-project", "featured": true},
            {"config": "projects/other/.scribenta-project"},
            {"config": "./projects/odd/odd.json"},
            {"config": "./projects/bad/.scribenta-project"},
            {"config": "./projects/noslug/.scribenta-project"},
            {"config": "./projects/fam/.scribenta-project"},
            {"config": "./projects/fam-a/.scribenta-project"},
            {"config": "./projects/slash/.scribenta-project"},
            {"config": "./projects/stray/stray.json"},
            {"config": "./.scribenta-project"}
          ])" + extra_site_members +
                      "}") {
        project("docs", R"({"slug": "docs", "name": "Docs"})");
        project("core", kCoreConfig);
        write("projects/core/README.md", "# Core\n");
        project("other", R"({"slug": "other", "name": "", "tagline": 3})");
        project("odd", R"({"slug": "odd", "name": "Odd"})", "odd.json");
        project("bad", "{");
        project("noslug", R"({"slug": "", "name": "N"})");
        project("fam", R"({"slug": "fam"})");
        project("fam-a", R"({"slug": "a", "parent_slug": "fam"})");
        project("slash", R"({"slug": "a/b"})");
        project("stray", R"({"slug": "stray"})", "stray.json");
        project("stray", R"({"slug": "left-over"})");
        project("extra", R"({"slug": "extra"})");
        write(".scribenta-project", R"({"slug": "root"})");
        write("projects/core-taken/keep", "");
    }

    fs::path real() const { return fs::canonical(path()); }
    ordered_json projects() const { return parsed(site_text())["projects"]; }
};

}  // namespace

TEST(PromoteToFamily, MovesTheFolderAndWritesFamilyMemberAndSite) {
    PromoteSite site;
    std::string family, member, error = "untouched";
    ASSERT_TRUE(promote_to_family(site.site_config(), site / "projects/core/.scribenta-project",
                                  "app", "Application", &family, &member, &error))
        << error;
    EXPECT_EQ(error, "untouched");
    EXPECT_EQ(family, (site.real() / "projects/core/.scribenta-project").string());
    EXPECT_EQ(member, (site.real() / "projects/core-app/.scribenta-project").string());

    EXPECT_EQ(TempDir::read(family),
              "{\n"
              "  \"format\": 1,\n"
              "  \"slug\": \"core\",\n"
              "  \"name\": \"Core\",\n"
              "  \"tagline\": \"The core\",\n"
              "  \"logo\": \"/img/core.svg\"\n"
              "}\n");
    EXPECT_EQ(parsed(TempDir::read(member)).dump(),
              R"({"format":1,"slug":"app","parent_slug":"core","name":"Core",)"
              R"("tagline":"The core","logo":"/img/core.svg","repo":{"url":"u"},)"
              R"("versions":["1.0"],"family_label":"Application"})");
    EXPECT_EQ(TempDir::read(site / "projects/core-app/README.md"), "# Core\n");
    EXPECT_EQ(tree_of(site / "projects/core").size(), 1u) << "the family folder holds its config";

    const ordered_json projects = site.projects();
    ASSERT_EQ(projects.size(), 13u);
    EXPECT_EQ(projects[2].dump(), R"({"config":"./projects/core/.scribenta-project"})");
    EXPECT_EQ(projects[3].dump(),
              R"({"config":"./projects/core-app/.scribenta-project","featured":true})");
    EXPECT_EQ(projects[4].dump(), R"({"config":"projects/other/.scribenta-project"})");
    EXPECT_EQ(parsed(site.site_text()).begin().key(), "title");
}

TEST(PromoteToFamily, FamilyAndMemberConfigsFromASparseProject) {
    PromoteSite site;
    std::string member;
    ASSERT_TRUE(promote_to_family(site.site_config(), site / "projects/other/.scribenta-project",
                                  "x", "", nullptr, &member));
    EXPECT_EQ(parsed(TempDir::read(site / "projects/other/.scribenta-project")).dump(),
              R"({"format":1,"slug":"other","name":"other"})");
    EXPECT_EQ(parsed(TempDir::read(member)).dump(),
              R"({"format":1,"slug":"x","parent_slug":"other","name":"","tagline":3})");
    // Without "./" in the old text the new texts have none either.
    EXPECT_EQ(site.projects()[3].dump(), R"({"config":"projects/other/.scribenta-project"})");
    EXPECT_EQ(site.projects()[4].dump(), R"({"config":"projects/other-x/.scribenta-project"})");
}

TEST(PromoteToFamily, FindsTheFirstEntryWhateverTheFormOfThePath) {
    const fs::path cwd = fs::current_path();
    struct Case {
        std::string name;
        std::function<fs::path(const PromoteSite&)> project;
    } cases[] = {
        {"with ..", [](auto& s) { return s / "projects/docs/../core/.scribenta-project"; }},
        {"relative",
         [&](auto& s) { return (s / "projects/core/.scribenta-project").lexically_relative(cwd); }},
    };
    for (const auto& c : cases) {
        // A second entry for the same project, absolute, is ignored.
        PromoteSite site(R"(, "more": [])");
        auto doc = parsed(site.site_text());
        doc["projects"].push_back(
            {{"config", (site / "projects/core/.scribenta-project").string()}});
        site.write(".scribenta-site", doc.dump());

        std::string error;
        ASSERT_TRUE(promote_to_family(site.site_config(), c.project(site), "app", "", nullptr,
                                      nullptr, &error))
            << c.name << ": " << error;
        const ordered_json projects = site.projects();
        EXPECT_EQ(projects[2]["config"], "./projects/core/.scribenta-project") << c.name;
        EXPECT_EQ(projects[3]["config"], "./projects/core-app/.scribenta-project") << c.name;
        EXPECT_EQ(projects.back()["config"], (site / "projects/core/.scribenta-project").string())
            << c.name;
        // An empty label drops the one the project had.
        EXPECT_FALSE(parsed(TempDir::read(site / "projects/core-app/.scribenta-project"))
                         .contains("family_label"));
    }
}

TEST(PromoteToFamily, ProjectConfigOfAnotherNameKeepsItsEntryStyle) {
    struct Case {
        std::function<std::string(const PromoteSite&)> old_text;
        std::function<std::string(const PromoteSite&)> family_text;
        std::string member_text;
    } cases[] = {
        {[](auto&) { return "./projects/odd/odd.json"; },
         [](auto&) { return "./projects/odd/.scribenta-project"; },
         "./projects/odd-app/.scribenta-project"},
        {[](auto&) { return "projects/odd/odd.json"; },
         [](auto&) { return "projects/odd/.scribenta-project"; },
         "projects/odd-app/.scribenta-project"},
        {[](auto& s) { return (s / "projects/odd/odd.json").string(); },
         [](auto& s) { return (s / "projects/odd/.scribenta-project").string(); },
         "projects/odd-app/.scribenta-project"},
    };
    for (const auto& c : cases) {
        PromoteSite site;
        auto doc = parsed(site.site_text());
        doc["projects"][4]["config"] = c.old_text(site);
        site.write(".scribenta-site", doc.dump());

        std::string family, member;
        ASSERT_TRUE(promote_to_family(site.site_config(), site / "projects/odd/odd.json", "app", "",
                                      &family, &member));
        EXPECT_EQ(site.projects()[4]["config"], c.family_text(site));
        EXPECT_EQ(site.projects()[5]["config"], c.member_text);
        EXPECT_EQ(family, (site.real() / "projects/odd/.scribenta-project").string());
        EXPECT_EQ(
            tree_of(site / "projects/odd-app"),
            (std::map<std::string, std::string>{
                {"odd.json", R"({"slug": "odd", "name": "Odd"})"},
                {".scribenta-project",
                 written_form(R"({"format":1,"slug":"app","parent_slug":"odd","name":"Odd"})")},
            }));
    }
}

TEST(PromoteToFamily, RefusalsMoveNothing) {
    PromoteSite site;
    const auto real = site.real();
    const std::string slug_rule =
        "Slug must be lowercase letters and digits in dash-separated runs (like \"core\").";
    struct Case {
        std::string project, member_slug, error;
    } cases[] = {
        {"projects/core/.scribenta-project", "Core", slug_rule},
        {"projects/core/.scribenta-project", "a--b", slug_rule},
        {"projects/extra/.scribenta-project", "x",
         "This project isn't registered in the site's config."},
        {"projects/missing/.scribenta-project", "x",
         "This project isn't registered in the site's config."},
        {"projects/bad/.scribenta-project", "x",
         "Cannot read project config: " + (real / "projects/bad/.scribenta-project").string()},
        {"projects/noslug/.scribenta-project", "x", "The project's config has no slug."},
        {"projects/fam-a/.scribenta-project", "x", "This project is already a family member."},
        {"projects/core/.scribenta-project", "core",
         "Choose a different slug \xE2\x80\x94 'core' stays with the family."},
        {"projects/fam/.scribenta-project", "x", "'fam' is already a project family."},
        {"projects/core/.scribenta-project", "taken",
         (real / "projects/core-taken").string() + " already exists."},
        {"projects/slash/.scribenta-project", "x", "Cannot use 'a/b-x' as a project folder name."},
        {".scribenta-project", "x",
         "The project's folder holds the site config; give the project a folder of its own "
         "first."},
        {"projects/stray/stray.json", "x",
         (real / "projects/stray/.scribenta-project").string() + " already exists."},
    };
    const auto before = site.tree();
    for (const auto& c : cases) {
        std::string family = "untouched", member = "untouched", error;
        EXPECT_FALSE(promote_to_family(site.site_config(), site / c.project, c.member_slug, "L",
                                       &family, &member, &error));
        EXPECT_EQ(error, c.error) << c.project;
        EXPECT_EQ(family + member, "untoucheduntouched");
        EXPECT_EQ(site.tree(), before) << c.project;
    }
    EXPECT_FALSE(fs::exists(site / "projects/a"));
}

// The folder that holds the site config never moves, however the site
// config is named: by a bare file name, or through a link into the project.
TEST(PromoteToFamily, NeverMovesTheFolderHoldingTheSiteConfig) {
    const std::string refusal =
        "The project's folder holds the site config; give the project a folder of its own first.";
    const fs::path cwd = fs::current_path();
    {
        TempDir dir;
        dir.write("site/.scribenta-site", R"({"projects": [{"config": "./.scribenta-project"}]})");
        dir.write("site/.scribenta-project", R"({"slug": "root"})");
        const auto before = tree_of(dir.path());
        fs::current_path(dir / "site");
        std::string error;
        const bool ok = promote_to_family(".scribenta-site", ".scribenta-project", "x", "", nullptr,
                                          nullptr, &error);
        fs::current_path(cwd);
        EXPECT_FALSE(ok);
        EXPECT_EQ(error, refusal);
        EXPECT_EQ(tree_of(dir.path()), before);
    }
    {
        PromoteSite site;
        fs::rename(site.site_config(), site / "projects/core/site.json");
        fs::create_symlink("projects/core/site.json", site.site_config());
        const auto before = site.tree();
        std::string error;
        EXPECT_FALSE(promote_to_family(site.site_config(),
                                       site / "projects/core/.scribenta-project", "app", "",
                                       nullptr, nullptr, &error));
        EXPECT_EQ(error, refusal);
        EXPECT_EQ(site.tree(), before);
    }
}

TEST(PromoteToFamily, RefusesUnusableSiteConfigs) {
    struct Case {
        const char* site_text;  // null: no site config at all
        std::string member_slug;
        bool path_in_message;
        std::string error;
    } cases[] = {
        {nullptr, "Core", false,  // the slug is checked before any file is read
         "Slug must be lowercase letters and digits in dash-separated runs (like \"core\")."},
        {nullptr, "x", true, "Cannot read site config: "},
        {"{", "x", true, "Cannot read site config: "},
        {"[1]", "x", true, "Cannot read site config: "},
        {R"({"title": "S"})", "x", false, "'projects' is not an array in the site config."},
        {R"({"projects": null})", "x", false, "'projects' is not an array in the site config."},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("projects/core/.scribenta-project", R"({"slug": "core"})");
        if (c.site_text) dir.write(".scribenta-site", c.site_text);
        const fs::path site_config = dir / "projects/../.scribenta-site";  // named as passed
        const auto before = tree_of(dir.path());
        std::string error;
        EXPECT_FALSE(promote_to_family(site_config, dir / "projects/core/.scribenta-project",
                                       c.member_slug, "", nullptr, nullptr, &error));
        EXPECT_EQ(error, c.error + (c.path_in_message ? site_config.string() : ""));
        EXPECT_EQ(tree_of(dir.path()), before);
    }
}

// Each failed write is undone as far as the promotion had come. A file-size
// limit lets the small writes through and stops the first large one.
TEST(PromoteToFamily, FailedWritesAreUndone) {
    const std::string padding(8000, 'x');
    const std::string big_core = R"({"slug": "core", "name": "Core", "about": ")" + padding + "\"}";
    const std::string compact_core = R"({"slug":"core","name":"Core"})";
    struct Case {
        std::string name;
        rlim_t limit;
        std::string core_text;
        std::string site_members;  // padding that makes the site write the large one
        std::string failed_file;
        bool project_rewritten;
    } cases[] = {
        {"family config", 16, compact_core, "", "projects/core/.scribenta-project", false},
        {"member config", 4096, big_core, "", "projects/core-app/.scribenta-project", false},
        {"site config", 4096, compact_core, R"(, "about": ")" + padding + "\"", ".scribenta-site",
         true},
    };
    for (const auto& c : cases) {
        PromoteSite site(c.site_members);
        site.project("core", c.core_text);
        auto expected = site.tree();
        if (c.project_rewritten) {
            expected["projects/core/.scribenta-project"] = written_form(c.core_text);
        }
        auto result = run_with_size_limit(c.limit, [&](std::string* error) {
            return promote_to_family(site.site_config(), site / "projects/core/.scribenta-project",
                                     "app", "", nullptr, nullptr, error);
        });
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_EQ(result.error, "Could not write " + (site.real() / c.failed_file).string())
            << c.name;
        EXPECT_EQ(site.tree(), expected) << c.name;
    }
}

TEST(PromoteToFamily, FailedSiteWriteRestoresAConfigOfAnotherNameUnderItsName) {
    PromoteSite site(R"(, "about": ")" + std::string(8000, 'x') + "\"");
    site.project("odd", R"({"slug":"odd","name":"Odd"})", "odd.json");
    auto expected = site.tree();
    expected["projects/odd/odd.json"] = written_form(R"({"slug":"odd","name":"Odd"})");
    auto result = run_with_size_limit(4096, [&](std::string* error) {
        return promote_to_family(site.site_config(), site / "projects/odd/odd.json", "app", "",
                                 nullptr, nullptr, error);
    });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(site.tree(), expected);
}

TEST(PromoteRollback, RemovesAPartlyWrittenFamilyConfigAndMovesTheMemberBack) {
    TempDir dir;
    dir.write("member/.scribenta-project", R"({"slug": "core"})");
    dir.write("member/README.md", "r");
    dir.write("old/.scribenta-project", R"({"format": 1, "sl)");
    const fs::path old_dir = dir / "old", member_dir = dir / "member";
    const fs::path member_config = member_dir / ".scribenta-project", name = ".scribenta-project";
    const ordered_json project = {{"slug", "core"}};
    promote_rollback({old_dir, member_dir, member_config, project, name}, true, false);
    EXPECT_EQ(tree_of(dir.path()), (std::map<std::string, std::string>{
                                       {"old", "<dir>"},
                                       {"old/.scribenta-project", R"({"slug": "core"})"},
                                       {"old/README.md", "r"},
                                   }));
}

TEST(RestoreUnlessIntact, RewritesOnlyADamagedFile) {
    TempDir dir;
    const ordered_json doc = {{"b", 1}, {"a", 2}};
    struct Case {
        std::string text, after;
    } cases[] = {
        {R"({"b":1,  "a":2})", R"({"b":1,  "a":2})"},  // intact: left byte for byte
        {R"({"b":1,"a)", written_form(doc.dump())},
        {R"({"a":2,"b":1})", written_form(doc.dump())},  // order counts
    };
    for (const auto& c : cases) {
        auto file = dir.write("f.json", c.text);
        restore_unless_intact(file, doc);
        EXPECT_EQ(TempDir::read(file), c.after) << c.text;
    }
    restore_unless_intact(dir / "gone.json", doc);
    EXPECT_EQ(TempDir::read(dir / "gone.json"), written_form(doc.dump()));
}

TEST(PromoteToFamily, FailedMoveChangesNothing) {
    // A dangling link is no entry to the existence test, but the move cannot
    // replace it with a folder.
    PromoteSite site;
    fs::create_symlink("nowhere", site / "projects/core-app");
    const auto before = site.tree();
    std::string error;
    EXPECT_FALSE(promote_to_family(site.site_config(), site / "projects/core/.scribenta-project",
                                   "app", "", nullptr, nullptr, &error));
    EXPECT_EQ(error,
              "Could not move " + (site.real() / "projects/core").string() + ": Not a directory");
    EXPECT_EQ(site.tree(), before);
}
