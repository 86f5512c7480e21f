#include <sys/stat.h>

#include <functional>

#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "file_json.h"
#include "size_limit.h"
#include "temp_dir.h"
#include "tests/support/limited_child.h"
#include "unprivileged.h"

using namespace Scribenta;
using ordered_json = nlohmann::ordered_json;

namespace {

using Append = std::function<bool(const std::string& path, std::string* error)>;

struct AppendCase {
    const char* name;
    Append append;
    std::string expected;  // the whole document afterwards, compact
};

}  // namespace

TEST(ListAppend, ObjectsHaveTheirKeysInOrderAndOptionalKeysOnlyWhenSet) {
    const std::string before = R"({"title":"Docs",)";
    const AppendCase cases[] = {
        {"dependency, all set",
         [](auto& p, auto* e) {
             return add_dependency_to_config(p, {"Qt", "u", "qt.svg", true}, e);
         },
         before + R"("requires":[{"name":"Qt","url":"u","icon":"qt.svg","external":true}]})"},
        {"dependency, only a name",
         [](auto& p, auto* e) {
             return add_dependency_to_config(p, {"Qt", "", "", false}, e);
         },
         before + R"("requires":[{"name":"Qt","url":""}]})"},
        {"download, all set",
         [](auto& p, auto* e) {
             return add_download_to_config(p, {"u", "linux", "Linux", "3 MB"}, e);
         },
         before +
             R"("downloads":[{"url":"u","platform_icon":"linux","platform_label":"Linux","size":"3 MB"}]})"},
        {"download, only a URL",
         [](auto& p, auto* e) {
             return add_download_to_config(p, {"u", "", "", ""}, e);
         },
         before + R"("downloads":[{"url":"u","platform_label":""}]})"},
        {"fact, all set",
         [](auto& p, auto* e) {
             return add_fact_to_config(p, {"License", "MIT", "h", "n"}, e);
         },
         before + R"("facts":[{"label":"License","value":"MIT","href":"h","note":"n"}]})"},
        {"fact, only a label",
         [](auto& p, auto* e) {
             return add_fact_to_config(p, {"License", "", "", ""}, e);
         },
         before + R"("facts":[{"label":"License","value":""}]})"},
        {"social, all set",
         [](auto& p, auto* e) {
             return add_social_to_config(p, {"GitHub", "me", "u", "gh", true}, e);
         },
         before +
             R"("socials":[{"label":"GitHub","username":"me","url":"u","icon":"gh","external":true}]})"},
        {"social, only a label",
         [](auto& p, auto* e) {
             return add_social_to_config(p, {"GitHub", "", "", "", false}, e);
         },
         before + R"("socials":[{"label":"GitHub","url":""}]})"},
        {"policy without a footer link",
         [](auto& p, auto* e) {
             return add_policy_to_config(p, {"privacy", "", "", "", false}, e);
         },
         before + R"("policies":[{"slug":"privacy","name":"","title":"","file":""}]})"},
        {"policy with a footer link",
         [](auto& p, auto* e) {
             return add_policy_to_config(p, {"privacy", "Privacy", "Our Privacy", "p.md", true}, e);
         },
         before + R"("policies":[{"slug":"privacy","name":"Privacy","title":"Our Privacy",)" +
             R"("file":"p.md"}],"footer_links":[{"label":"Privacy","href":"/privacy.html"}]})"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto file = dir.write("config.json", R"({"title": "Docs"})");
        std::string error = "untouched";
        EXPECT_TRUE(c.append(file.string(), &error)) << c.name;
        EXPECT_EQ(error, "untouched") << c.name;
        EXPECT_EQ(compact(file), c.expected) << c.name;
    }
}

TEST(ListAppend, RefusedInputsAndUnusableFilesLeaveTheFileAlone) {
    TempDir dir;
    const std::string config = dir.write("config.json", R"({"title": "Docs"})").string();
    const std::string missing = (dir / "missing.json").string();
    const std::string empty = dir.write("empty.json", "").string();
    const std::string array = dir.write("array.json", "[1]").string();
    struct Case {
        const char* name;
        std::string path;
        Append append;
        std::string error;
    } cases[] = {
        {"dependency name", config,
         [](auto& p, auto* e) {
             return add_dependency_to_config(p, {"", "u", "i", true}, e);
         },
         "Dependency name is empty."},
        {"download URL", config,
         [](auto& p, auto* e) {
             return add_download_to_config(p, {"", "i", "L", "s"}, e);
         },
         "Download URL is empty."},
        {"fact label", config,
         [](auto& p, auto* e) {
             return add_fact_to_config(p, {"", "v", "", ""}, e);
         },
         "Fact label is empty."},
        {"social label", config,
         [](auto& p, auto* e) {
             return add_social_to_config(p, {"", "me", "u", "", false}, e);
         },
         "Social label is empty."},
        {"policy slug", config,
         [](auto& p, auto* e) {
             return add_policy_to_config(p, {"", "n", "t", "f", true}, e);
         },
         "Policy slug is empty."},
        {"topic slug", config,
         [](auto& p, auto* e) {
             return add_topic_to_manifest(p, {"", "l", "t", "", ""}, e);
         },
         "Topic slug is empty."},
        {"topic source", config,
         [](auto& p, auto* e) {
             return add_topic_to_manifest(p, {"s", "l", "t", "", ""}, e);
         },
         "Topic source is empty."},
        {"missing file", missing,
         [](auto& p, auto* e) {
             return add_fact_to_config(p, {"L", "", "", ""}, e);
         },
         "Cannot open config file: " + missing},
        {"array root", array,
         [](auto& p, auto* e) {
             return add_social_to_config(p, {"L", "", "", "", false}, e);
         },
         "Config root is not a JSON object."},
        {"manifest with an array root", array,
         [](auto& p, auto* e) {
             return add_topic_to_manifest(p, {"s", "", "", "", "s.md"}, e);
         },
         "Manifest root is not a JSON object."},
    };
    for (const auto& c : cases) {
        const std::string before = TempDir::read(c.path);
        std::string error;
        EXPECT_FALSE(c.append(c.path, &error)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_EQ(TempDir::read(c.path), before) << c.name;
        EXPECT_FALSE(c.append(c.path, nullptr)) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(missing));

    std::string error;
    EXPECT_FALSE(add_dependency_to_config(empty, {"Qt", "", "", false}, &error));
    EXPECT_EQ(error.rfind("Parse error: [json.exception.parse_error", 0), 0u) << error;
    EXPECT_EQ(TempDir::read(empty), "");
}

TEST(ListAppend, AListOfAnotherTypeIsReplacedWhereItStands) {
    for (const char* old : {"{\"a\": 1}", "null", "\"text\""}) {
        TempDir dir;
        auto file =
            dir.write(".scribenta-project", std::string(R"({"slug": "core", "requires": )") + old +
                                                R"(, "name": "Core"})");
        ASSERT_TRUE(add_dependency_to_config(file.string(), {"Qt", "https://qt.io", "", false}));
        EXPECT_EQ(TempDir::read(file),
                  "{\n"
                  "  \"slug\": \"core\",\n"
                  "  \"requires\": [\n"
                  "    {\n"
                  "      \"name\": \"Qt\",\n"
                  "      \"url\": \"https://qt.io\"\n"
                  "    }\n"
                  "  ],\n"
                  "  \"name\": \"Core\"\n"
                  "}\n")
            << old;
    }
}

TEST(ListAppend, EntriesGoAfterTheExistingOnes) {
    TempDir dir;
    auto file = dir.write("p.json", R"({"facts": [{"label": "A", "value": "1"}, 7]})");
    ASSERT_TRUE(add_fact_to_config(file.string(), {"B", "2", "", ""}));
    EXPECT_EQ(compact(file),
              R"({"facts":[{"label":"A","value":"1"},7,{"label":"B","value":"2"}]})");
}

TEST(ListAppend, TopicsGoIntoTheManifestsBuildBlockWithTheFormatFirst) {
    TempDir dir;
    const auto manifest = dir / "src" / ".scribenta";
    std::filesystem::create_directories(manifest.parent_path());
    const TopicInput intro{"intro", "Intro", "Introduction", "Start here", "docs/intro.md"};

    ASSERT_TRUE(add_topic_to_manifest(manifest.string(), intro));
    EXPECT_EQ(TempDir::read(manifest),
              "{\n"
              "  \"format\": 1,\n"
              "  \"build\": {\n"
              "    \"topics\": [\n"
              "      {\n"
              "        \"slug\": \"intro\",\n"
              "        \"label\": \"Intro\",\n"
              "        \"title\": \"Introduction\",\n"
              "        \"intro\": \"Start here\",\n"
              "        \"source\": \"docs/intro.md\"\n"
              "      }\n"
              "    ]\n"
              "  }\n"
              "}\n");

    std::string error;
    const std::string before = TempDir::read(manifest);
    EXPECT_FALSE(add_topic_to_manifest(manifest.string(), intro, &error));
    EXPECT_EQ(error, "Topic 'intro' already exists.");
    EXPECT_EQ(TempDir::read(manifest), before);

    ASSERT_TRUE(add_topic_to_manifest(manifest.string(), {"Intro", "", "", "", "b.md"}, &error))
        << "slugs differing in case are distinct";
    EXPECT_EQ(compact(manifest),
              R"({"format":1,"build":{"topics":[{"slug":"intro","label":"Intro",)"
              R"("title":"Introduction","intro":"Start here","source":"docs/intro.md"},)"
              R"({"slug":"Intro","label":"","title":"","source":"b.md"}]}})");
}

TEST(ListAppend, TopicReshapesAnExistingManifest) {
    TempDir dir;
    auto manifest = dir.write(".scribenta", R"({"project": "core", "build": [1, 2], "x": 0})");
    ASSERT_TRUE(add_topic_to_manifest(manifest.string(), {"a", "A", "T", "", "a.md"}));
    EXPECT_EQ(compact(manifest),
              R"({"format":1,"project":"core","build":{"topics":[)"
              R"({"slug":"a","label":"A","title":"T","source":"a.md"}]},"x":0})");

    const std::string unwritable = (dir / "no-such-folder" / ".scribenta").string();
    std::string error;
    EXPECT_FALSE(add_topic_to_manifest(unwritable, {"a", "A", "T", "", "a.md"}, &error));
    EXPECT_EQ(error, "Cannot write manifest: " + unwritable);
    EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));
}

TEST(ListAppend, AManifestThatExistsButCannotBeReadIsNotReplaced) {
    // Only a missing manifest starts empty; an unreadable one would lose
    // everything it holds.
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    const std::string original = R"({"project": "core"})";
    auto manifest = dir.write(".scribenta", original);
    chmod(manifest.c_str(), 0222);
    EXPECT_TRUE(run_unprivileged([&] {
        std::string error;
        return !add_topic_to_manifest(manifest.string(), {"a", "A", "T", "", "a.md"}, &error) &&
               error == "Cannot open config file: " + manifest.string();
    }));
    chmod(manifest.c_str(), 0644);
    EXPECT_EQ(TempDir::read(manifest), original);
    EXPECT_EQ(dir.entry_count(), 1u);
}

TEST(ListAppend, PoliciesAreUniqueBySlugAndLinkOnlyWhenAsked) {
    TempDir dir;
    auto site = dir.write(".scribenta-site",
                          R"({"policies": [{"slug": 5}, "x", {"slug": "terms"}],)"
                          R"( "footer_links": [{"label": "Blog", "href": "/blog.html"}]})");
    std::string error;
    EXPECT_FALSE(add_policy_to_config(site.string(), {"terms", "T", "T", "t.md", true}, &error));
    EXPECT_EQ(error, "Policy 'terms' already exists.");

    ASSERT_TRUE(add_policy_to_config(site.string(), {"Terms", "Terms", "", "", false}, &error));
    ASSERT_TRUE(add_policy_to_config(site.string(), {"privacy", "Privacy", "", "", true}, &error));
    EXPECT_EQ(compact(site), R"({"policies":[{"slug":5},"x",{"slug":"terms"},)"
                             R"({"slug":"Terms","name":"Terms","title":"","file":""},)"
                             R"({"slug":"privacy","name":"Privacy","title":"","file":""}],)"
                             R"("footer_links":[{"label":"Blog","href":"/blog.html"},)"
                             R"({"label":"Privacy","href":"/privacy.html"}]})");
}

TEST(ListAppend, OrphanProjectIsRegisteredOnceByNormalisedPath) {
    TempDir dir;
    auto site =
        dir.write(".scribenta-site", R"({"projects": [{"config": "projects/a/.scribenta-project"},)"
                                     R"( {"config": 3}, "loose"]})");
    const std::string before = TempDir::read(site);
    for (const std::string& ref : std::vector<std::string>{
             "./projects/a/.scribenta-project", "projects/b/../a/.scribenta-project",
             (dir / "projects/a/.scribenta-project").string(), ""}) {
        EXPECT_FALSE(add_project_to_site_config(site.string(), ref)) << ref;
    }
    EXPECT_EQ(TempDir::read(site), before);

    ASSERT_TRUE(add_project_to_site_config(site.string(), "./projects/B/.scribenta-project"));
    EXPECT_EQ(compact(site),
              R"({"projects":[{"config":"projects/a/.scribenta-project"},{"config":3},"loose",)"
              R"({"config":"./projects/B/.scribenta-project"}]})");

    auto bare = dir.write("bare/.scribenta-site", R"({"title": "T"})");
    ASSERT_TRUE(add_project_to_site_config(bare.string(), "p/.scribenta-project"));
    EXPECT_EQ(compact(bare), R"({"title":"T","projects":[{"config":"p/.scribenta-project"}]})");
    EXPECT_FALSE(add_project_to_site_config((dir / "none").string(), "p/.scribenta-project"));
    EXPECT_FALSE(add_project_to_site_config(dir.write("bad", "[").string(), "p"));
}

TEST(ListAppend, AFailedWriteIsReportedAndLeavesTheFileAsItWas) {
    TempDir dir;
    const std::string original = R"({"title": "kept exactly"})";
    const std::string file = dir.write("config.json", original).string();
    const std::string message = "Cannot write config file: " + file;
    struct Case {
        const char* name;
        Append append;
        std::string error;
    } cases[] = {
        {"dependency",
         [](auto& p, auto* e) {
             return add_dependency_to_config(p, {"n", "", "", false}, e);
         },
         message},
        {"download",
         [](auto& p, auto* e) {
             return add_download_to_config(p, {"u", "", "", ""}, e);
         },
         message},
        {"fact",
         [](auto& p, auto* e) {
             return add_fact_to_config(p, {"l", "", "", ""}, e);
         },
         message},
        {"social",
         [](auto& p, auto* e) {
             return add_social_to_config(p, {"l", "", "", "", false}, e);
         },
         message},
        {"policy",
         [](auto& p, auto* e) {
             return add_policy_to_config(p, {"s", "", "", "", true}, e);
         },
         message},
        {"topic",
         [](auto& p, auto* e) {
             return add_topic_to_manifest(p, {"s", "", "", "", "s.md"}, e);
         },
         "Cannot write manifest: " + file},
        {"project", [](auto& p, auto*) { return add_project_to_site_config(p, "p/.x"); }, ""},
    };
    for (const auto& c : cases) {
        // The child reports whether the append failed with the expected text.
        EXPECT_TRUE(run_with_file_size_limit(16, [&] {
            std::string error;
            return !c.append(file, &error) && error == c.error;
        })) << c.name;
        EXPECT_EQ(TempDir::read(file), original) << c.name;
        EXPECT_EQ(dir.entry_count(), 1u) << c.name << ": no temporary file is left";
    }
}

TEST(ListEdit, ANamedPipeIsNeverOpened) {
    // Opening a pipe for reading blocks until a writer comes: every reader
    // behind the appenders and removers must treat it as a file it cannot
    // open. Each case runs in a child that is killed if it blocks.
    TempDir dir;
    const std::string pipe = (dir / "pipe").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string cannot_open = "false: Cannot open config file: " + pipe;
    const auto outcome = [](bool ok, const std::string& error) {
        return std::string(ok ? "true" : "false") + (error.empty() ? "" : ": " + error);
    };
    struct Case {
        const char* name;
        std::function<std::string()> run;
        std::string expected;
    } cases[] = {
        {"dependency",
         [&] {
             std::string e;
             return outcome(add_dependency_to_config(pipe, {"Qt", "", "", false}, &e), e);
         },
         cannot_open},
        {"fact",
         [&] {
             std::string e;
             return outcome(add_fact_to_config(pipe, {"License", "MIT", "", ""}, &e), e);
         },
         cannot_open},
        {"topic",
         [&] {
             std::string e;
             return outcome(add_topic_to_manifest(pipe, {"intro", "", "", "", "i.md"}, &e), e);
         },
         cannot_open},
        {"orphan project", [&] { return outcome(add_project_to_site_config(pipe, "p"), ""); },
         "false"},
        {"remove item", [&] { return outcome(remove_array_item(pipe, "facts", 0), ""); }, "false"},
        {"remove topic", [&] { return outcome(remove_build_topic(pipe, 0), ""); }, "false"},
        {"home section",
         [&] { return outcome(add_home_section_to_config(pipe, ordered_json::object()), ""); },
         "false"},
        {"section types",
         [&] { return std::to_string(home_section_types(pipe).size()) + " types"; }, "0 types"},
        {"unique id", [&] { return unique_home_section_id(pipe, "faq"); }, "faq"},
        {"manifest",
         [&] {
             nlohmann::json doc;
             std::string e;
             return outcome(read_manifest_file(pipe, doc, &e), e);
         },
         "false: No .scribenta manifest at " + pipe +
             " \xE2\x80\x94 the project's source root declares its own build block "
             "(readme/topics/includes) there"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(test_support::run_limited(
            [&] {
                const std::string got = c.run();
                if (got != c.expected) fprintf(stderr, "%s gave: %s\n", c.name, got.c_str());
                return got == c.expected;
            },
            {2}))
            << c.name;
    }
}
