#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "temp_dir.h"

using namespace Scribenta;
namespace fs = std::filesystem;

TEST(BuildManifest, PathIsTheSourceRootsManifestNormalised) {
    struct Case {
        const char* config;
        const char* source_root;
        const char* expected;
    } cases[] = {
        {"/sites/docs/core/.scribenta-project", "", "/sites/docs/core/.scribenta"},
        {"/sites/docs/core/.scribenta-project", "../core-src", "/sites/docs/core-src/.scribenta"},
        {"/sites/docs/core/.scribenta-project", "./src/", "/sites/docs/core/src/.scribenta"},
        {"/sites/docs/core/.scribenta-project", "/repos/core", "/repos/core/.scribenta"},
        {"core/.scribenta-project", "", "core/.scribenta"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(manifest_path(c.config, c.source_root), fs::path(c.expected)) << c.source_root;
    }
}

TEST(BuildManifest, ReadingReportsWhyAManifestCannotBeUsed) {
    TempDir dir;
    const auto missing = dir / "missing" / ".scribenta";
    const auto truncated = dir.write("bad/.scribenta", R"({"build": {"topics": [)");
    const auto newer = dir.write("newer/.scribenta", R"({"format": 2, "project": "x"})");
    std::string parse_message;
    try {
        auto ignored = nlohmann::json::parse(R"({"build": {"topics": [)");
        (void)ignored;
    } catch (const std::exception& e) {
        parse_message = e.what();
    }
    struct Case {
        fs::path path;
        std::string error;
    } cases[] = {
        {missing, "No .scribenta manifest at " + missing.string() +
                      " \xE2\x80\x94 the project's source root declares its own build block "
                      "(readme/topics/includes) there"},
        {truncated, "Invalid JSON in " + truncated.string() + ": " + parse_message},
        {newer, newer.string() +
                    " declares format 2; this Scribenta reads up to format 1 (update Scribenta "
                    "to open it)"},
    };
    for (const auto& c : cases) {
        nlohmann::json doc;
        std::string error;
        EXPECT_FALSE(read_manifest_file(c.path, doc, &error));
        EXPECT_EQ(error, c.error);
        EXPECT_FALSE(read_manifest_file(c.path, doc, nullptr));
        EXPECT_EQ(read_manifest((c.path.parent_path() / ".scribenta-project").string(), ""),
                  nlohmann::json::object());
    }
}

TEST(BuildManifest, ReadManifestGivesOnlyObjects) {
    TempDir dir;
    dir.write("src/.scribenta", R"({"format": 1, "build": {"readme": "README.md"}})");
    dir.write("array/.scribenta", "[1, 2]");
    const std::string config = (dir / "project" / ".scribenta-project").string();

    EXPECT_EQ(read_manifest(config, "../src"),
              nlohmann::json::parse(R"({"format": 1, "build": {"readme": "README.md"}})"));

    nlohmann::json doc;
    std::string error = "untouched";
    EXPECT_TRUE(read_manifest_file(dir / "array" / ".scribenta", doc, &error));
    EXPECT_EQ(error, "untouched");
    EXPECT_EQ(read_manifest(config, "../array"), nlohmann::json::object());
}
