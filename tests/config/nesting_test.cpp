// Configuration files nested past the depth bound are refused when they are
// read, with a message that says so, and are never written. Each case runs in
// a child process under CPU and memory limits: a reader without the bound
// copies or writes such a file back until a limit stops it, where a refusal
// costs milliseconds even in the sanitizer build.

#include <cstdio>
#include <functional>

#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "temp_dir.h"
#include "tests/support/limited_child.h"

using namespace Scribenta;
namespace fs = std::filesystem;

namespace {

// A config whose "x" holds `arrays` nested arrays: `arrays` + 1 levels with
// the root object, two bytes a level.
std::string deep_config(int arrays) {
    return R"({"format": 1, "title": "T", "x": )" + std::string(arrays, '[') +
           std::string(arrays, ']') + "}";
}

const std::string kTooDeep = "is nested too deeply (more than 256 levels)";

std::string outcome(bool ok, const std::string& error) {
    return std::string(ok ? "true" : "false") + (error.empty() ? "" : ": " + error);
}

// Runs `run` in a limited child; true when it gave `expected`. A refusal
// takes about 10 ms in the sanitizer build; one second is a hundred times
// that, and far less than a reader without the bound needs.
bool gives(const char* name, const std::function<std::string()>& run, const std::string& expected) {
    return test_support::run_limited(
        [&] {
            const std::string got = run();
            if (got != expected) fprintf(stderr, "%s gave: %.300s\n", name, got.c_str());
            return got == expected;
        },
        {1});
}

}  // namespace

TEST(ConfigNesting, AnEditOfADeepConfigIsRefusedAndNothingIsWritten) {
    const struct {
        const char* name;
        int arrays;
    } cases[] = {
        {"100,000 levels, 200 KB", 100000},
        {"10,000 levels, 20 KB", 10000},
        {"one level past the bound", 256},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string text = deep_config(c.arrays);
        const std::string file = dir.write(".scribenta-site", text).string();
        EXPECT_TRUE(gives(
            c.name,
            [&] {
                std::string error;
                return outcome(add_social_to_config(file, {"Mastodon", "", "", "", false}, &error),
                               error);
            },
            "false: " + file + " " + kTooDeep));
        EXPECT_EQ(TempDir::read(file), text) << c.name;
        EXPECT_EQ(dir.entry_count(), 1u) << c.name << ": nothing else is written";
    }
}

TEST(ConfigNesting, AConfigAtTheBoundIsReadAndRewrittenWhole) {
    TempDir dir;
    const std::string file = dir.write(".scribenta-site", deep_config(255)).string();
    std::string error;
    EXPECT_TRUE(check_file_format(file, &error)) << error;
    ASSERT_TRUE(add_social_to_config(file, {"Mastodon", "", "", "", false}, &error)) << error;
    nlohmann::ordered_json doc;
    ASSERT_TRUE(load_json_file(file, doc));
    EXPECT_EQ(doc["x"],
              nlohmann::ordered_json::parse(std::string(255, '[') + std::string(255, ']')));
    EXPECT_EQ(doc["socials"].size(), 1u);
}

TEST(ConfigNesting, EveryReaderRefusesADeepFile) {
    // A site registering project "p", its manifest and one built version;
    // each case makes one of these files deep and reads it.
    TempDir dir;
    const std::string site = (dir / ".scribenta-site").string();
    const std::string project = (dir / "p/.scribenta-project").string();
    const std::string manifest = (dir / "p/.scribenta").string();
    const fs::path version = dir / "p/versions/1.0";
    const std::string record = (version / ".scribenta-built").string();
    const std::string deep = deep_config(10000);
    const auto error_of = [](const std::function<bool(std::string*)>& op) {
        std::string error;
        const bool ok = op(&error);
        return outcome(ok, error);
    };
    const struct {
        const char* name;
        std::string deep_file;
        std::function<std::string()> run;
        std::string expected;
    } cases[] = {
        {"opening check", site,
         [&] { return error_of([&](auto* e) { return check_file_format(site, e); }); },
         "false: " + kTooDeep},
        {"new project", site,
         [&] {
             return error_of([&](auto* e) {
                 return add_project(site, {"New", "new-docs", "", "", ""}, nullptr, e);
             });
         },
         "false: " + site + " " + kTooDeep},
        {"removal", site, [&] { return outcome(remove_array_item(site, "projects", 0), ""); },
         "false"},
        {"home sections", site,
         [&] { return std::to_string(home_section_types(site).size()) + " types"; }, "0 types"},
        {"display name", site, [&] { return config_display_name(site, false); },
         dir.path().filename().string()},
        {"promotion", project,
         [&] {
             return error_of([&](auto* e) {
                 return promote_to_family(site, project, "core", "", nullptr, nullptr, e);
             });
         },
         "false: " + project + " " + kTooDeep},
        {"manifest", manifest,
         [&] {
             nlohmann::json doc;
             return error_of([&](auto* e) { return read_manifest_file(manifest, doc, e); });
         },
         "false: " + manifest + " " + kTooDeep},
        {"manifest topic", manifest,
         [&] {
             return error_of([&](auto* e) {
                 return add_topic_to_manifest(manifest, {"intro", "", "", "", "i.md"}, e);
             });
         },
         "false: " + manifest + " " + kTooDeep},
        {"built record", record,
         [&] {
             BuiltRecord got;
             return error_of([&](auto* e) { return read_built_record(version, got, e); });
         },
         "false: " + record + " " + kTooDeep},
    };
    for (const auto& c : cases) {
        dir.write(".scribenta-site",
                  R"({"title": "Docs", "projects": [{"config": "p/.scribenta-project"}]})");
        dir.write("p/.scribenta-project", R"({"slug": "p", "name": "P"})");
        dir.write("p/.scribenta", R"({"build": {"topics": []}})");
        dir.write("p/versions/1.0/.scribenta-built", R"({"tag": "v1.0.0"})");
        dir.write(fs::relative(c.deep_file, dir.path()).string(), deep);
        EXPECT_TRUE(gives(c.name, c.run, c.expected)) << c.name;
        EXPECT_EQ(TempDir::read(c.deep_file), deep) << c.name;
        EXPECT_TRUE(fs::exists(project)) << c.name << ": nothing moved";
    }
}
