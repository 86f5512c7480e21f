#include <functional>

#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "file_json.h"
#include "temp_dir.h"
#include "size_limit.h"

using namespace Scribenta;
using ordered_json = nlohmann::ordered_json;

TEST(ListRemove, RefusedRemovalsLeaveTheFileByteIdentical) {
    const std::string config = R"({"facts": [{"label": "A"}, {"label": "B"}], "socials": {},)"
                               R"( "build": {"readme": "R.md"}, "projects": [])";
    struct Case {
        const char* name;
        std::string text;
        std::function<bool(const std::string&)> remove;
    } cases[] = {
        {"position equal to the length", config + "}",
         [](auto& p) { return remove_array_item(p, "facts", 2); }},
        {"list key missing", config + "}",
         [](auto& p) { return remove_array_item(p, "requires", 0); }},
        {"list key holds an object", config + "}",
         [](auto& p) { return remove_array_item(p, "socials", 0); }},
        {"root is an array", "[1, 2]", [](auto& p) { return remove_array_item(p, "facts", 0); }},
        {"malformed file", R"({"facts": [1,)",
         [](auto& p) { return remove_array_item(p, "facts", 0); }},
        {"manifest without topics", config + "}", [](auto& p) { return remove_build_topic(p, 0); }},
        {"manifest whose build is a list", R"({"build": [{"topics": [1]}]})",
         [](auto& p) { return remove_build_topic(p, 0); }},
        {"policy position out of range", R"({"policies": [{"slug": "a"}]})",
         [](auto& p) { return remove_policy(p, 1); }},
        {"no policies", config + "}", [](auto& p) { return remove_policy(p, 0); }},
        {"no project listed", config + "}",
         [](auto& p) { return remove_site_projects(p, {"/x/.scribenta-project"}); }},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto file = dir.write("config.json", c.text);
        EXPECT_FALSE(c.remove(file.string())) << c.name;
        EXPECT_EQ(TempDir::read(file), c.text) << c.name;
    }
    TempDir dir;
    const std::string missing = (dir / "missing.json").string();
    EXPECT_FALSE(remove_array_item(missing, "facts", 0));
    EXPECT_FALSE(remove_build_topic(missing, 0));
    EXPECT_FALSE(remove_policy(missing, 0));
    EXPECT_FALSE(remove_site_projects(missing, {"a"}));
    EXPECT_EQ(dir.entry_count(), 0u);
}

TEST(ListRemove, ArrayItemIsErasedAndTheKeyKept) {
    TempDir dir;
    auto file = dir.write("p.json", R"({"facts": [{"label": "A"}, 2, {"label": "C"}], "x": 1})");
    ASSERT_TRUE(remove_array_item(file.string(), "facts", 1));
    EXPECT_EQ(compact(file), R"({"facts":[{"label":"A"},{"label":"C"}],"x":1})");
    ASSERT_TRUE(remove_array_item(file.string(), "facts", 0));
    ASSERT_TRUE(remove_array_item(file.string(), "facts", 0));
    EXPECT_EQ(TempDir::read(file), "{\n  \"facts\": [],\n  \"x\": 1\n}\n");
}

TEST(ListRemove, BuildTopicPutsTheFormatFirst) {
    TempDir dir;
    auto file = dir.write(".scribenta", R"({"project": "p", "build": {"topics": ["a", "b"]}})");
    ASSERT_TRUE(remove_build_topic(file.string(), 0));
    EXPECT_EQ(compact(file), R"({"format":1,"project":"p","build":{"topics":["b"]}})");

    auto versioned = dir.write("v/.scribenta", R"({"build": {"topics": ["a"]}, "format": 1})");
    ASSERT_TRUE(remove_build_topic(versioned.string(), 0));
    EXPECT_EQ(compact(versioned), R"({"build":{"topics":[]},"format":1})");
}

TEST(ListRemove, PolicyTakesItsFooterLinksAlong) {
    struct Case {
        const char* name;
        const char* before;
        std::size_t position;
        const char* after;
    } cases[] = {
        {"every link to the page goes, others keep their order",
         R"({"policies":[{"slug":"terms"},{"slug":"privacy"}],"footer_links":[)"
         R"({"href":"/privacy.html"},{"href":"/terms.html"},"x",{"href":"/privacy.html"},{}]})",
         1, R"({"policies":[{"slug":"terms"}],"footer_links":[{"href":"/terms.html"},"x",{}]})"},
        {"no footer links at all", R"({"policies":[{"slug":"privacy"}]})", 0, R"({"policies":[]})"},
        {"footer links of another type stay", R"({"policies":[{"slug":"a"}],"footer_links":{}})", 0,
         R"({"policies":[],"footer_links":{}})"},
        {"a policy without a slug removes only itself",
         R"({"policies":[{"name":"n"}],"footer_links":[{"href":"/.html"},{"href":""}]})", 0,
         R"({"policies":[],"footer_links":[{"href":"/.html"},{"href":""}]})"},
        {"a slug that is no string removes only itself",
         R"({"policies":[{"slug":7},"x"],"footer_links":[{"href":"/7.html"}]})", 0,
         R"({"policies":["x"],"footer_links":[{"href":"/7.html"}]})"},
        {"an href that is no string stays",
         R"({"policies":[{"slug":"a"}],"footer_links":[{"href":["/a.html"]}]})", 0,
         R"({"policies":[],"footer_links":[{"href":["/a.html"]}]})"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto file = dir.write(".scribenta-site", c.before);
        EXPECT_TRUE(remove_policy(file.string(), c.position)) << c.name;
        EXPECT_EQ(compact(file), c.after) << c.name;
    }
}

TEST(ListRemove, SiteProjectsMatchNormalisedPathsInOneRewrite) {
    TempDir dir;
    const auto site_folder = dir.path() / "site";
    auto site =
        dir.write("site/.scribenta-site", R"({"projects": [)"
                                          R"({"config": "./projects/a/.scribenta-project"},)"
                                          R"({"config": "projects/keep/.scribenta-project"},)"
                                          R"({"config": "projects/a/.scribenta-project"},)"
                                          R"({"config": "projects/A/.scribenta-project"},)"
                                          R"({"config": 5}, "loose", {},)"
                                          R"({"config": "projects/fam/m1/.scribenta-project"},)"
                                          R"({"config": "projects/fam/.scribenta-project"}]})");
    const auto path_of = [&](const char* rel) { return (site_folder / rel).string(); };

    ASSERT_TRUE(remove_site_projects(site.string(), {path_of("projects/a/.scribenta-project")}));
    EXPECT_EQ(compact(site),
              R"({"projects":[{"config":"projects/keep/.scribenta-project"},)"
              R"({"config":"projects/A/.scribenta-project"},{"config":5},"loose",{},)"
              R"({"config":"projects/fam/m1/.scribenta-project"},)"
              R"({"config":"projects/fam/.scribenta-project"}]})");

    ASSERT_TRUE(remove_site_projects(site.string(), {path_of("projects/fam/.scribenta-project"),
                                                     path_of("projects/fam/m1/.scribenta-project"),
                                                     path_of("projects/gone/.scribenta-project")}));
    EXPECT_EQ(compact(site),
              R"({"projects":[{"config":"projects/keep/.scribenta-project"},)"
              R"({"config":"projects/A/.scribenta-project"},{"config":5},"loose",{}]})");

    const std::string before = TempDir::read(site);
    EXPECT_FALSE(remove_site_projects(site.string(), {}));
    EXPECT_EQ(TempDir::read(site), before);
}

TEST(ListRemove, AFailedWriteIsReportedAndLeavesTheFileAsItWas) {
    TempDir dir;
    const std::string original =
        R"({"facts": [1], "build": {"topics": [1]}, "policies": [{"slug": "p"}],)"
        R"( "footer_links": [{"href": "/p.html"}], "projects": [{"config": "a/.p"}]})";
    const std::string file = dir.write("config.json", original).string();
    const std::string project = (dir / "a/.p").string();
    struct Case {
        const char* name;
        std::function<bool()> remove;
    } cases[] = {
        {"array item", [&] { return remove_array_item(file, "facts", 0); }},
        {"build topic", [&] { return remove_build_topic(file, 0); }},
        {"policy", [&] { return remove_policy(file, 0); }},
        {"site projects", [&] { return remove_site_projects(file, {project}); }},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(run_with_file_size_limit(16, [&] { return !c.remove(); })) << c.name;
        EXPECT_EQ(TempDir::read(file), original) << c.name;
        EXPECT_EQ(dir.entry_count(), 1u) << c.name;
    }
}
