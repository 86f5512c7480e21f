#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "size_limit.h"
#include "temp_dir.h"
#include "unprivileged.h"

using namespace Scribenta;
using ordered_json = nlohmann::ordered_json;

TEST(JsonFile, WrittenFormKeepsOrderIndentsTwoAndEndsWithOneNewline) {
    TempDir dir;
    auto file = dir.write("site.json", R"({"zeta":1,"alpha":{"b":[1,2],"a":"Grüße"}})");
    ordered_json doc;
    ASSERT_TRUE(load_json_file(file, doc));
    doc["middle"] = true;
    ASSERT_TRUE(save_json_file(file, doc));
    EXPECT_EQ(TempDir::read(file),
              "{\n"
              "  \"zeta\": 1,\n"
              "  \"alpha\": {\n"
              "    \"b\": [\n"
              "      1,\n"
              "      2\n"
              "    ],\n"
              "    \"a\": \"Grüße\"\n"
              "  },\n"
              "  \"middle\": true\n"
              "}\n");
}

TEST(JsonFile, TrailingTextAfterTheFirstValueIsIgnored) {
    TempDir dir;
    auto file = dir.write("c.json", "{\"title\": \"Docs\"} trailing {garbage");
    ordered_json doc;
    ASSERT_TRUE(load_json_file(file, doc));
    EXPECT_EQ(doc, ordered_json({{"title", "Docs"}}));
}

TEST(JsonFile, LoadFailsOnMissingOrMalformedFiles) {
    TempDir dir;
    ordered_json doc;
    EXPECT_FALSE(load_json_file(dir / "missing.json", doc));
    EXPECT_FALSE(load_json_file(dir.write("bad.json", "{"), doc));
    EXPECT_TRUE(load_json_file(dir.write("array.json", "[1]"), doc));
}

TEST(JsonFile, ReadJsonFileNeedsAHomeSectionList) {
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {
        {R"({"title": "x"})", false},
        {R"({"home": []})", false},
        {R"({"home": {"sections": {}}})", false},
        {R"({"home": {"sections": []}})", true},
        {"{", false},
    };
    TempDir dir;
    for (const auto& c : cases) {
        ordered_json doc;
        EXPECT_EQ(read_json_file(dir.write("s.json", c.text).string(), doc), c.expected) << c.text;
    }
}

TEST(JsonFile, TextAccessors) {
    const ordered_json obj = {{"s", "text"},  {"n", 2},      {"b", true},
                              {"z", nullptr}, {"a", {1, 2}}, {"o", {{"k", "v"}}}};
    struct Case {
        const char* key;
        std::string text, string;
    } cases[] = {
        {"s", "text", "text"}, {"n", "2", ""},     {"b", "true", ""},
        {"z", "", ""},         {"a", "[1,2]", ""}, {"o", R"({"k":"v"})", ""},
        {"missing", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(json_text(obj, c.key), c.text) << c.key;
        EXPECT_EQ(json_text(nlohmann::json(obj), c.key), c.text) << c.key;
        EXPECT_EQ(json_string(obj, c.key), c.string) << c.key;
    }
    EXPECT_EQ(json_text(ordered_json::array({1}), "s"), "");

    // A value built in memory may hold bytes that are not UTF-8; its text
    // must still come back instead of an exception escaping to the caller.
    const ordered_json bad = {{"o", {{"k", std::string("a\xff")}}}};
    EXPECT_EQ(json_text(bad, "o"), "{\"k\":\"a\xEF\xBF\xBD\"}");
    EXPECT_EQ(json_text(nlohmann::json(bad), "o"), "{\"k\":\"a\xEF\xBF\xBD\"}");
    EXPECT_EQ(json_quote("say \"hi\"\\\n é"), "\"say \\\"hi\\\"\\\\\\n é\"");
}

TEST(JsonFile, SetErrorStoresTextOnlyWhenGivenAPlace) {
    std::string error = "old";
    EXPECT_FALSE(set_error(&error, "new"));
    EXPECT_EQ(error, "new");
    EXPECT_FALSE(set_error(nullptr, "ignored"));
}

TEST(FormatKey, EnsureFormatFirst) {
    ordered_json doc = {{"title", "t"}, {"home", ordered_json::object()}};
    ensure_format_first(doc);
    EXPECT_EQ(doc.dump(), R"({"format":1,"title":"t","home":{}})");

    ordered_json string_format = {{"title", "t"}, {"format", "x"}};
    ensure_format_first(string_format);
    EXPECT_EQ(string_format.dump(), R"({"title":"t","format":"x"})");

    ordered_json array = ordered_json::array({1});
    ensure_format_first(array);
    EXPECT_EQ(array.dump(), "[1]");
}

TEST(FormatKey, CheckFormat) {
    const std::string update = " (update Scribenta to open it)";
    const std::string not_integer =
        "'format' must be an integer (this Scribenta reads up to format 1)";
    struct Case {
        const char* json;
        bool ok;
        std::string error;
    } cases[] = {
        {R"({"title": "x"})", true, ""},
        {"[1, 2]", true, ""},
        {R"({"format": 1})", true, ""},
        {R"({"format": 2})", false,
         "declares format 2; this Scribenta reads up to format 1" + update},
        {R"({"format": 0})", false, "declares format 0; this Scribenta reads up to format 1"},
        {R"({"format": -1})", false, "declares format -1; this Scribenta reads up to format 1"},
        {R"({"format": 18446744073709551615})", false,
         "declares format 18446744073709551615; this Scribenta reads up to format 1" + update},
        {R"({"format": 1.0})", false, not_integer},
        {R"({"format": "1"})", false, not_integer},
        {R"({"format": null})", false, not_integer},
        {R"({"format": [1]})", false, not_integer},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_EQ(check_format(nlohmann::json::parse(c.json), &error), c.ok) << c.json;
        EXPECT_EQ(error, c.error) << c.json;
        EXPECT_EQ(check_format(ordered_json::parse(c.json), nullptr), c.ok) << c.json;
    }
}

TEST(FormatKey, CheckFileFormatPassesUnreadableFiles) {
    TempDir dir;
    std::string error;
    EXPECT_TRUE(check_file_format((dir / "missing").string(), &error));
    EXPECT_TRUE(check_file_format(dir.write("brace", "{").string(), &error));
    EXPECT_EQ(error, "");
    EXPECT_FALSE(check_file_format(dir.write("three", R"({"format": 3})").string(), &error));
    EXPECT_EQ(
        error,
        "declares format 3; this Scribenta reads up to format 1 (update Scribenta to open it)");
}

TEST(FormatKey, EnsureObjectKey) {
    TempDir dir;
    auto file = dir.write("p.json", R"({"a": 1, "repo": "x", "b": 2})");
    ASSERT_TRUE(ensure_object_key(file.string(), "repo"));
    EXPECT_EQ(TempDir::read(file), "{\n  \"a\": 1,\n  \"repo\": {},\n  \"b\": 2\n}\n");

    auto kept = dir.write("k.json", R"({"repo":{"url":"u"}})");
    ASSERT_TRUE(ensure_object_key(kept.string(), "repo"));
    EXPECT_EQ(TempDir::read(kept), R"({"repo":{"url":"u"}})") << "nothing is written";

    auto added = dir.write("n.json", R"({"a":1})");
    ASSERT_TRUE(ensure_object_key(added.string(), "repo"));
    EXPECT_EQ(TempDir::read(added), "{\n  \"a\": 1,\n  \"repo\": {}\n}\n");

    EXPECT_FALSE(ensure_object_key(dir.write("arr.json", "[]").string(), "repo"));
    EXPECT_FALSE(ensure_object_key((dir / "missing.json").string(), "repo"));
}

TEST(SafeWrite, FailedWriteLeavesTheOriginalAndNoTemporaryFile) {
    TempDir dir;
    const std::string original = R"({"title": "kept exactly"})";
    auto file = dir.write("site.json", original);
    ordered_json big = {{"text", std::string(64 * 1024, 'x')}};

    EXPECT_FALSE(run_with_file_size_limit(1024, [&] { return save_json_file(file, big); }));
    EXPECT_EQ(TempDir::read(file), original);
    EXPECT_EQ(dir.entry_count(), 1u);

    std::string error;
    EXPECT_FALSE(safe_write_file(dir.path(), "x", &error)) << "a folder cannot be replaced";
    EXPECT_NE(error.find("Could not write"), std::string::npos);
    EXPECT_FALSE(safe_write_file(file / "below-a-file", "x"));
    EXPECT_EQ(dir.entry_count(), 1u);
}

TEST(SafeWrite, InvalidUtf8IsAFailedWriteNotAnException) {
    TempDir dir;
    auto file = dir.write("site.json", "{}");
    ordered_json doc = {{"title", std::string("\xff\xfe")}};
    std::string error;
    EXPECT_FALSE(save_json_file(file, doc, &error));
    EXPECT_FALSE(write_json_file(file.string(), doc));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(TempDir::read(file), "{}");
}

TEST(SafeWrite, KeepsPermissionBitsAndFollowsSymbolicLinks) {
    TempDir dir;
    auto file = dir.write("real.json", "{}");
    chmod(file.c_str(), 0640);
    std::filesystem::create_symlink("real.json", dir / "link.json");

    ASSERT_TRUE(safe_write_file(dir / "link.json", "new\n"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.json"));
    EXPECT_EQ(TempDir::read(file), "new\n");
    struct stat st {};
    stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.entry_count(), 2u);
}

TEST(SafeWrite, AFileTheUserMayNotWriteIsNotReplaced) {
    // Renaming over a read-only file would succeed in a writable folder;
    // the file must stay as a write in place would leave it.
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    auto file = dir.write("site.json", "{}");
    chmod(file.c_str(), 0444);
    EXPECT_TRUE(run_unprivileged([&] {
        std::string error;
        return !safe_write_file(file, "new\n", &error) && error.rfind("Could not write ", 0) == 0 &&
               !write_json_file(file.string(), ordered_json::object());
    }));
    EXPECT_EQ(TempDir::read(file), "{}");
    EXPECT_EQ(dir.entry_count(), 1u);
}

TEST(SafeWrite, AWritableFileInAFolderThatTakesNoNewEntriesIsWrittenInPlace) {
    // Run unprivileged, so that the folder's modes hold. The rename is kept
    // wherever a temporary file can be made (the file gets a new inode);
    // only a refusing folder falls back to writing the file itself.
    struct Case {
        const char* name;
        mode_t folder_mode;
        mode_t file_mode;  // 0: no file
        rlim_t size_limit;
        bool written;
        const char* content;
        bool same_inode;
        std::size_t entries;  // folder and files afterwards
    } cases[] = {
        {"writable folder renames", 0777, 0666, RLIM_INFINITY, true, "new\n", false, 2},
        {"read-only folder, writable file", 0555, 0666, RLIM_INFINITY, true, "new\n", true, 2},
        {"read-only folder, read-only file", 0555, 0444, RLIM_INFINITY, false, "{}", true, 2},
        {"read-only folder, no file", 0555, 0, RLIM_INFINITY, false, nullptr, false, 1},
        {"in-place write fails part-way", 0555, 0666, 2, false, "ne", true, 2},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
        const auto folder = dir / "site";
        const auto file = folder / "site.json";
        std::filesystem::create_directories(folder);
        if (c.file_mode != 0) {
            dir.write("site/site.json", "{}");
            chmod(file.c_str(), c.file_mode);
        }
        chmod(folder.c_str(), c.folder_mode);
        struct stat before {};
        stat(file.c_str(), &before);

        const bool written = run_unprivileged([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit rl{c.size_limit, c.size_limit};
            setrlimit(RLIMIT_FSIZE, &rl);
            std::string error;
            const bool ok = safe_write_file(file, "new\n", &error);
            // A failure always says why; a success leaves the text alone.
            return ok == error.empty() && ok;
        });
        EXPECT_EQ(written, c.written) << c.name;
        struct stat after {};
        EXPECT_EQ(stat(file.c_str(), &after) == 0, c.content != nullptr) << c.name;
        if (c.content != nullptr) {
            EXPECT_EQ(TempDir::read(file), c.content) << c.name;
            EXPECT_EQ(after.st_ino == before.st_ino, c.same_inode) << c.name;
            EXPECT_EQ(after.st_mode & 07777, c.file_mode) << c.name;
        }
        EXPECT_EQ(dir.entry_count(), c.entries) << c.name << ": no temporary file is left";
        chmod(folder.c_str(), 0777);
    }
}

TEST(SafeWrite, ListEditsSaveAConfigInAReadOnlyFolder) {
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    const auto file = dir.write("site/.scribenta-project", R"({"name": "core"})");
    chmod(file.c_str(), 0666);
    chmod((dir / "site").c_str(), 0555);
    EXPECT_TRUE(run_unprivileged([&] {
        std::string error;
        return add_fact_to_config(file.string(), FactInput{"License", "MIT", "", ""}, &error);
    }));
    EXPECT_EQ(TempDir::read(file),
              "{\n  \"name\": \"core\",\n  \"facts\": [\n    {\n      \"label\": "
              "\"License\",\n      \"value\": \"MIT\"\n    }\n  ]\n}\n");
    chmod((dir / "site").c_str(), 0777);
}

TEST(SafeWrite, CreatesAMissingFile) {
    TempDir dir;
    ASSERT_TRUE(safe_write_file(dir / "new.json", "{}\n"));
    EXPECT_EQ(TempDir::read(dir / "new.json"), "{}\n");
}

TEST(SafeWrite, CreateNeverReplacesAnExistingEntry) {
    TempDir dir;
    ASSERT_TRUE(safe_create_file(dir / "new.json", "{}\n"));
    EXPECT_EQ(TempDir::read(dir / "new.json"), "{}\n");

    std::string error;
    EXPECT_FALSE(safe_create_file(dir / "new.json", "other\n", &error));
    EXPECT_EQ(TempDir::read(dir / "new.json"), "{}\n");
    std::filesystem::create_symlink("nowhere", dir / "dangling");
    EXPECT_FALSE(safe_create_file(dir / "dangling", "x", &error));
    EXPECT_EQ(dir.entry_count(), 2u) << "no temporary file is left behind";
}

TEST(JsonFile, OnlyRegularFilesAreRead) {
    TempDir dir;
    auto fifo = dir / "pipe.json";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ordered_json doc;
    nlohmann::json sorted;
    EXPECT_FALSE(load_json_file(fifo, doc)) << "a named pipe would block forever";
    EXPECT_FALSE(parse_json_file(fifo, sorted));
    EXPECT_FALSE(load_json_file(dir.path(), doc));
    EXPECT_TRUE(check_file_format(fifo.string()));
    EXPECT_EQ(classify_config_file(fifo.string()), ConfigKind::Other);
}
