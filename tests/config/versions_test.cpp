#include <gtest/gtest.h>

#include "config/scribenta_config.h"
#include "size_limit.h"
#include "temp_dir.h"

using namespace Scribenta;
using ordered_json = nlohmann::ordered_json;

namespace {

// The whole-file form of a document given as compact JSON.
std::string written(const std::string& json) {
    return ordered_json::parse(json).dump(2) + "\n";
}

}  // namespace

TEST(Versions, ParseVersionLabel) {
    struct Case {
        const char* text;
        bool ok;
        VersionNumber expected;
    } cases[] = {
        {"1.2.3", true, {1, 2, 3}},
        {"001.002.003", true, {1, 2, 3}},
        {"999999999.0.123456789", true, {999999999, 0, 123456789}},
        {"1.2", false, {7, 7, 7}},
        {"1.2.3.4", false, {7, 7, 7}},
        {"1..3", false, {7, 7, 7}},
        {"-1.2.3", false, {7, 7, 7}},
        {"+1.2.3", false, {7, 7, 7}},
        {"1.2.3 ", false, {7, 7, 7}},
        {" 1.2.3", false, {7, 7, 7}},
        {"1.2.3.", false, {7, 7, 7}},
        {"1234567890.0.0", false, {7, 7, 7}},
        {"0.0.0000000001", false, {7, 7, 7}},
        {"a.b.c", false, {7, 7, 7}},
        {"", false, {7, 7, 7}},
    };
    for (const auto& c : cases) {
        VersionNumber got{7, 7, 7};
        EXPECT_EQ(parse_version_label(c.text, got), c.ok) << c.text;
        EXPECT_EQ(got.major, c.expected.major) << c.text;
        EXPECT_EQ(got.minor, c.expected.minor) << c.text;
        EXPECT_EQ(got.patch, c.expected.patch) << c.text;
    }
}

TEST(Versions, VersionNewer) {
    struct Case {
        const char *a, *b;
        bool newer;
    } cases[] = {
        {"1.10", "1.9", true},   {"1.9", "1.10", false}, {"2.0", "1.99", true},
        {"1.2", "1.2", false},   {"1.2", "01.2", false}, {"01.2", "1.2", false},
        {"1.2", "beta", true},   {"beta", "1.2", false}, {"beta", "alpha", false},
        {"1.2.3", "1.0", false}, {"1.0", "", true},      {"", "1.0", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(version_newer(c.a, c.b), c.newer) << c.a << " vs " << c.b;
    }
    auto newer_than = newer_label_predicate("1.10");
    EXPECT_TRUE(newer_than("1.9"));
    EXPECT_FALSE(newer_than("2.0"));
}

TEST(Versions, LatestVersion) {
    const std::vector<VersionEntry> three = {{"1.2", "d2"}, {"1.3", "d3"}, {"1.1", "d1"}};
    struct Case {
        const char* name;
        std::vector<VersionEntry> versions;
        std::vector<BuiltVersion> built;
        LatestVersion expected;
    } cases[] = {
        {"newest built wins", three, {{"1.1", "v1.1"}, {"1.2", "v1.2"}}, {"1.2", "v1.2", "d2"}},
        {"nothing built", three, {}, {"1.3", "1.3", "d3"}},
        {"empty tag", three, {{"1.2", ""}}, {"1.2", "1.2", "d2"}},
        {"names match byte for byte", three, {{"01.3", "v1.3"}}, {"1.3", "1.3", "d3"}},
        {"first of equals", {{"1.2", "first"}, {"01.2", "second"}}, {}, {"1.2", "1.2", "first"}},
        {"unparsable is oldest", {{"beta", "b"}, {"1.0", "a"}}, {}, {"1.0", "1.0", "a"}},
        {"empty labels skipped", {{"", "x"}, {"", "y"}}, {{"", "t"}}, {"", "", ""}},
        {"no versions", {}, {{"1.0", "v1"}}, {"", "", ""}},
    };
    for (const auto& c : cases) {
        const auto got = latest_version(c.versions, c.built);
        EXPECT_EQ(got.label, c.expected.label) << c.name;
        EXPECT_EQ(got.tag, c.expected.tag) << c.name;
        EXPECT_EQ(got.release_date, c.expected.release_date) << c.name;
    }
}

TEST(Versions, StatusWords) {
    const std::pair<const char*, const char*> cases[] = {
        {"new", "New"},         {"excluded", "Excluded"},
        {"pending", "Pending"}, {"complete", "Complete"},
        {"no-tag", "No Tag"},   {"New", "New"},
        {"failed", "failed"},   {"", ""},
    };
    for (const auto& [status, display] : cases) EXPECT_EQ(version_status_label(status), display);
}

TEST(Versions, ExcludeVersion) {
    struct Case {
        const char *before, *label, *after;
    } cases[] = {
        {R"({"name":"P"})", "1.4", R"({"format":1,"name":"P","versions_excluded":["1.4"]})"},
        {R"({"format":1,"versions":[{"label":"1.4","release_date":"a"},{"label":"1.3"},)"
         R"({"label":"1.4","x":1},"1.4",{"label":4}],"versions_excluded":["1.4"],"tail":true})",
         "1.4",
         R"({"format":1,"versions":[{"label":"1.3"},"1.4",{"label":4}],)"
         R"("versions_excluded":["1.4"],"tail":true})"},
        {R"({"versions_excluded":"1.2","after":1})", "1.4",
         R"({"format":1,"versions_excluded":["1.4"],"after":1})"},
        {R"({"format":"x","versions_excluded":["1.2",14]})", "1.4",
         R"({"format":"x","versions_excluded":["1.2",14,"1.4"]})"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const auto file = dir.write("p/.scribenta-project", c.before);
        EXPECT_TRUE(exclude_version(file.string(), c.label)) << c.before;
        EXPECT_EQ(TempDir::read(file), written(c.after)) << c.before;
    }
}

TEST(Versions, RestoreVersion) {
    const std::string declared = R"("versions":[{"label":"2.1"},{"label":"1.4"},{"label":"1.2"}])";
    struct Case {
        std::string before;
        const char *label, *date;
        std::string after;
    } cases[] = {
        {"{" + declared + R"(,"versions_excluded":["1.10","2.0","1.10"]})", "1.10", "d",
         R"({"format":1,"versions":[{"label":"2.1"},{"label":"1.10","release_date":"d"},)"
         R"({"label":"1.4"},{"label":"1.2"}],"versions_excluded":["2.0"]})"},
        {"{" + declared + "}", "3.0", "d",
         R"({"format":1,"versions":[{"label":"3.0","release_date":"d"},{"label":"2.1"},)"
         R"({"label":"1.4"},{"label":"1.2"}]})"},
        {"{" + declared + R"(,"versions_excluded":["1.4"]})", "1.4", "d",
         "{\"format\":1," + declared + R"(,"versions_excluded":[]})"},
        {R"({"facts":[{"label":"License","value":"GPL"},{"label":"License","value":"MIT"}]})",
         "1.0", "d",
         R"({"format":1,"facts":[{"label":"License","value":"GPL"},)"
         R"({"label":"License","value":"MIT"}],)"
         R"("versions":[{"label":"1.0","release_date":"d","license_display":"MIT"}]})"},
        {R"({"facts":[{"label":"License","value":"MIT"},{"label":"License","value":""}]})", "1.0",
         "",
         R"({"format":1,"facts":[{"label":"License","value":"MIT"},)"
         R"({"label":"License","value":""}],"versions":[{"label":"1.0","release_date":""}]})"},
        {R"({"versions":null,"z":1})", "1.0", "d",
         R"({"format":1,"versions":[{"label":"1.0","release_date":"d"}],"z":1})"},
        {R"({"versions":[{"label":"1.0"}]})", "beta", "d",
         R"({"format":1,"versions":[{"label":"1.0"},{"label":"beta","release_date":"d"}]})"},
        {R"({"versions":["x",{"label":"2.0"},{"label":"nightly"},{"label":3}]})", "1.5", "d",
         R"({"format":1,"versions":["x",{"label":"2.0"},{"label":"1.5","release_date":"d"},)"
         R"({"label":"nightly"},{"label":3}]})"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const auto file = dir.write("p/.scribenta-project", c.before);
        EXPECT_TRUE(restore_version(file.string(), c.label, c.date)) << c.before;
        EXPECT_EQ(TempDir::read(file), written(c.after)) << c.before;
    }
}

TEST(Versions, FailuresLeaveTheFileAsItWas) {
    struct Case {
        const char* text;  // null: no file
        const char* label;
        bool exclude_fails;
    } cases[] = {
        {R"({"versions":[]})", "", true},
        {nullptr, "1.0", true},
        {"{", "1.0", true},
        {R"([{"label":"1.0"}])", "1.0", true},
        {"{\"versions\":[]}", "\xff", true},
        {R"({"versions":"1.4","versions_excluded":["1.4"]})", "1.4", false},
    };
    TempDir dir;
    const auto file = dir / "p/.scribenta-project";
    for (const auto& c : cases) {
        std::filesystem::remove_all(dir / "p");
        if (c.text) dir.write("p/.scribenta-project", c.text);
        const std::string name = c.text ? c.text : "(no file)";
        EXPECT_FALSE(restore_version(file.string(), c.label, "d")) << name;
        if (c.exclude_fails) {
            EXPECT_FALSE(exclude_version(file.string(), c.label)) << name;
        }
        if (c.text) {
            EXPECT_EQ(TempDir::read(file), c.text) << name;
        }
        EXPECT_EQ(dir.entry_count(), c.text ? 2u : 0u) << name;
    }
}

// A rewrite that cannot be completed must report false and keep the old file.
TEST(Versions, AFailedRewriteKeepsTheOldFile) {
    TempDir dir;
    const std::string before = R"({"versions":[{"label":"1.0"}]})";
    const auto file = dir.write("p/.scribenta-project", before);
    EXPECT_TRUE(run_with_file_size_limit(8, [&] {
        return !exclude_version(file.string(), "1.0") &&
               !restore_version(file.string(), "2.0", "d");
    }));
    EXPECT_EQ(TempDir::read(file), before);
    EXPECT_EQ(dir.entry_count(), 2u) << "no temporary file is left";
}
