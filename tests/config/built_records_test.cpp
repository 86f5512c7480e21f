#include <sys/stat.h>

#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "temp_dir.h"

using namespace Scribenta;
namespace fs = std::filesystem;

TEST(BuiltRecord, ReadsTheRecordOrSaysWhyNot) {
    TempDir dir;
    const fs::path folder = dir / "1.4";
    const std::string record = (folder / ".scribenta-built").string();
    const std::string no_tag = record + " records no tag";
    struct Case {
        const char* text;  // null: no record file
        bool ok;
        BuiltRecord expected;
        std::string error;
    } cases[] = {
        {R"({"format": 1, "tag": "v1.4.0", "commit": "abc", "built": "today", "x": 1})",
         true,
         {"v1.4.0", "abc", "today"},
         ""},
        {R"({"tag": "v1.4.0"} trailing text)", true, {"v1.4.0", "", ""}, ""},
        {nullptr, false, {}, "No .scribenta-built in " + folder.string()},
        {R"({"tag": ""})", false, {}, no_tag},
        {R"({"commit": "abc"})", false, {"", "abc", ""}, no_tag},
        {R"(["v1.4.0"])", false, {}, no_tag},
        {R"({"tag": 140, "commit": true})", false, {}, no_tag},
        {R"({"format": 2, "tag": "v1.4.0"})",
         false,
         {},
         record + " declares format 2; this Scribenta reads up to format 1" +
             " (update Scribenta to open it)"},
    };
    for (const auto& c : cases) {
        const char* name = c.text ? c.text : "(no record)";
        fs::remove_all(folder);
        fs::create_directories(folder);
        if (c.text) dir.write("1.4/.scribenta-built", c.text);
        BuiltRecord got;
        std::string error = "untouched";
        EXPECT_EQ(read_built_record(folder, got, &error), c.ok) << name;
        EXPECT_EQ(error, c.ok ? "untouched" : c.error) << name;
        EXPECT_EQ(got.tag, c.expected.tag) << name;
        EXPECT_EQ(got.commit, c.expected.commit) << name;
        EXPECT_EQ(got.built, c.expected.built) << name;
    }

    dir.write("1.4/.scribenta-built", "");
    BuiltRecord got;
    std::string error;
    EXPECT_FALSE(read_built_record(folder, got, &error));
    EXPECT_EQ(error.rfind("Invalid JSON in " + record + ": [json.exception.parse_error", 0), 0u)
        << error;
    EXPECT_FALSE(read_built_record(folder, got, nullptr));
}

TEST(BuiltVersions, NoVersionsFolderListsNothing) {
    TempDir dir;
    EXPECT_TRUE(list_built_versions(dir.path()).empty());
    dir.write("versions", "a file");
    EXPECT_TRUE(list_built_versions(dir.path()).empty());
}

TEST(BuiltVersions, ListsEveryFolderInByteOrderWithItsTag) {
    TempDir dir;
    dir.write("project/versions/1.9/.scribenta-built", R"({"tag": "v1.9"})");
    dir.write("project/versions/1.10/.scribenta-built", R"({"tag": "v1.10", "format": 1})");
    dir.write("project/versions/2.0/.scribenta-built", "");
    dir.write("project/versions/1.1/.scribenta-built", R"({"tag": ""})");
    dir.write("project/versions/1.0/.scribenta-built", R"({"tag": "v1", "format": 2})");
    fs::create_directories(dir / "project/versions/1.2");
    dir.write("project/versions/notes.txt", "not a version");
    // The folder a link points at counts as a version; a dangling link does not.
    dir.write("elsewhere/3.0/.scribenta-built", R"({"tag": "v3"})");
    fs::create_directory_symlink(dir / "elsewhere/3.0", dir / "project/versions/3.0");
    fs::create_directory_symlink(dir / "gone", dir / "project/versions/4.0");
    // A FIFO in place of a record must not block the listing.
    fs::create_directories(dir / "project/versions/0.9");
    ASSERT_EQ(mkfifo((dir / "project/versions/0.9/.scribenta-built").c_str(), 0600), 0);

    const auto versions = list_built_versions(dir / "project");
    std::vector<std::pair<std::string, std::string>> got;
    for (const auto& v : versions) got.emplace_back(v.name, v.tag);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"0.9", ""}, {"1.0", ""},     {"1.1", ""}, {"1.10", "v1.10"},
        {"1.2", ""}, {"1.9", "v1.9"}, {"2.0", ""}, {"3.0", "v3"},
    };
    EXPECT_EQ(got, expected);
}
