// The Versions panel driven through its registered handlers, with listings
// the test finishes by hand.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/project/versions_table.h"
#include "builds_fixture.h"
#include "config/file_json.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const char* kThreeVersions = R"({"format": 1, "slug": "p", "name": "P", "versions": [
  {"label": "1.5", "release_date": "2024-06-01"},
  {"label": "1.4", "release_date": "2024-05-01"},
  {"label": "1.3", "release_date": "2024-01-01"}]})";

const Lines kListedThree = {"R\t1.5\t1.5.0\t2024-06-01\tpending\t1",
                            "R\t1.4\t1.4.2\t2024-05-01\tcomplete\t1",
                            "R\t1.3\t1.3.1\t2024-01-01\tcomplete\t1"};

class VersionsTableTest : public BuildsFixture {
protected:
    // A project with three declared versions, shown, its listing done.
    fs::path show_three(const Lines& listed = kListedThree) {
        config = site_project(kThreeVersions);
        show_file(config);
        list(listed);
        return config;
    }
    // A press on a check box: the engine flips "Checked", then the handler runs.
    void tick(std::size_t i) {
        app.toggle_state(checkbox(i), "Checked");
        click(checkbox(i));
    }
    std::string labels(const char* key) {
        std::string out;
        for (const auto& v : doc().value(key, nlohmann::ordered_json::array())) {
            out += (out.empty() ? "" : " ") +
                   (v.is_object() ? v["label"].get<std::string>() : v.get<std::string>());
        }
        return out;
    }
    nlohmann::ordered_json doc() const {
        return nlohmann::ordered_json::parse(TempDir::read(config));
    }
    fs::path versions() const { return config.parent_path() / "versions"; }

    fs::path config;
};

TEST_F(VersionsTableTest, TheTableShowsWhatTheListingSays) {
    const std::string hint =
        "No versions yet \u2014 tag the project's repo (X.Y.Z) to list them here.";
    struct Case {
        const char* name;
        Lines lines;
        int exit_code;
        Rows rows;
        std::vector<bool> checked;
        std::vector<bool> excluded;
        std::string message;  // "" when hidden
        std::string caption;
    };
    const auto entry = [](const char* mm, const char* patch, const char* released,
                          const char* status) {
        return std::map<std::string, std::string>{
            {"tag_mm", mm}, {"tag_patch", patch}, {"released", released}, {"status", status}};
    };
    const Case cases[] = {
        {"a complete included version",
         {"R\t1.4\t1.4.2\t2024-05-01\tcomplete\t1"},
         0,
         {{"version-0", entry("1.4", ".2", "2024-05-01", "Complete")}},
         {true},
         {false},
         "",
         "Nothing Pending"},
        {"wrong field counts dropped, other tags and flags",
         {"R\t1.4\t1.4.2\t2024-05-01\tcomplete\t1\tsixth",
          "R\t1.4\t1.4.2\t2024-05-01\tcomplete\t1\t", "R\t1.3\tv1.3.0\t\tno-tag\ttrue",
          "R\t1.2\t1.20\t2023\texcluded\tyes", "R\t1.1\t1.1.9\t2022\tweird\t11", "I\tignored",
          "O\t/x", "no tab"},
         0,
         {{"version-0", entry("1.3", "", "", "No Tag")},
          {"version-1", entry("1.2", "", "2023", "Excluded")},
          {"version-2", entry("1.1", ".9", "2022", "weird")}},
         {false, false, false},
         {false, true, false},
         "",
         "Nothing Pending"},
        {"errors joined, no rows",
         {"E\ta", "E\t", "E\tb"},
         0,
         {},
         {},
         {},
         "a b",
         "Nothing Pending"},
        {"errors shown beside rows",
         {"R\t2.0\t2.0.0\t2025-01-01\tpending\t1", "E\tmanifest missing"},
         1,
         {{"version-0", entry("2.0", ".0", "2025-01-01", "Pending")}},
         {true},
         {false},
         "manifest missing",
         "Build 1 Pending"},
        {"nothing listed", {}, 0, {}, {}, {}, hint, "Nothing Pending"},
        {"the tool did not run", {}, -1, {}, {}, {}, kVersionsToolDidNotRun, "Nothing Pending"},
        {"two of three pending",
         {"R\t1.2\t1.2.0\t-\tpending\t1", "R\t1.1\t1.1.0\t-\tpending\t0",
          "R\t1.0\t1.0.0\t-\tcomplete\t1"},
         0,
         {{"version-0", entry("1.2", ".0", "-", "Pending")},
          {"version-1", entry("1.1", ".0", "-", "Pending")},
          {"version-2", entry("1.0", ".0", "-", "Complete")}},
         {true, false, true},
         {false, false, false},
         "",
         "Build 2 Pending"},
    };
    config = site_project(kThreeVersions);
    show_file(config);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wiring.hooks->refresh_versions();
        EXPECT_EQ(runs.back().argv,
                  (Lines{"scribenta-cli", "versions", config.string(), "--porcelain"}));
        list(c.lines, c.exit_code);
        EXPECT_EQ(rows("versionRows"), c.rows);
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(has_word(checkbox(i), "Checked"), c.checked[i]) << i;
            EXPECT_EQ(has_word(row(i), "Excluded"), c.excluded[i]) << i;
        }
        EXPECT_EQ(visible(paths.versions_table), !c.rows.empty());
        EXPECT_EQ(visible(paths.versions_status), !c.message.empty());
        if (!c.message.empty()) {
            EXPECT_EQ(text(paths.versions_status), c.message);
        }
        EXPECT_EQ(caption(), c.caption);
        EXPECT_EQ(build_disabled(), c.caption == "Nothing Pending");
    }
}

TEST_F(VersionsTableTest, PendingVersionsLeaveBuildDisabledWhileABuildRuns) {
    config = site_project(kThreeVersions);
    show_file(config);
    builds->running = true;  // a site build, say
    list(kListedThree);
    EXPECT_EQ(caption(), "Build 1 Pending");
    EXPECT_TRUE(build_disabled());
}

TEST_F(VersionsTableTest, OnlyTheLastListingOfTheShownConfigurationApplies) {
    config = site_project(kThreeVersions);
    const fs::path other = dir.write("projects/q/.scribenta-project", R"({"slug": "q"})");
    show_file(config);
    const std::size_t first = runs.size() - 1;
    show_file(other);  // a switch while the first listing runs
    finish(first, kListedThree, 0);
    EXPECT_TRUE(rows("versionRows").empty());
    EXPECT_EQ(wiring.state->version_rows.size(), 0u);

    const std::size_t second = runs.size() - 1;
    wiring.hooks->refresh_versions();  // a newer listing of the same configuration
    finish(second, {"R\t9.9\t9.9.9\t-\tpending\t1"}, 0);
    EXPECT_TRUE(rows("versionRows").empty());
    list({"R\t0.1\t0.1.0\t-\tcomplete\t1"});
    EXPECT_EQ(rows("versionRows").size(), 1u);
    EXPECT_EQ(caption(), "Nothing Pending");
}

TEST_F(VersionsTableTest, ExcludingAskedThenConfirmedDeletesOnlyThatVersionsFolder) {
    show_three();
    dir.write("projects/p/versions/1.4/index.html", "<html>");
    dir.write("projects/p/versions/1.3/index.html", "<html>");
    const std::string before = TempDir::read(config);
    const std::size_t listed = listings();

    tick(1);
    EXPECT_EQ(question(),
              "Exclude Version | Exclude 1.4 and delete its generated output? Re-check Include to "
              "declare it again. | Exclude");
    EXPECT_TRUE(has_word(checkbox(1), "Checked")) << "the box shows the state on disk";
    cancel();
    EXPECT_EQ(TempDir::read(config), before);
    EXPECT_TRUE(fs::exists(versions() / "1.4"));
    EXPECT_EQ(listings(), listed);

    edits->pending["/name"] = "Renamed";  // written before the exclusion
    tick(1);
    confirm();
    EXPECT_EQ(labels("versions"), "1.5 1.3");
    EXPECT_EQ(labels("versions_excluded"), "1.4");
    EXPECT_EQ(doc()["name"], "Renamed");
    EXPECT_FALSE(fs::exists(versions() / "1.4"));
    EXPECT_TRUE(fs::exists(versions() / "1.3" / "index.html"));
    EXPECT_EQ(listings(), listed + 1);

    // Listed as excluded; ticking it declares it again, in version order.
    list({"R\t1.5\t1.5.0\t2024-06-01\tpending\t1", "R\t1.4\t1.4.2\t2024-05-01\texcluded\t0",
          "R\t1.3\t1.3.1\t2024-01-01\tcomplete\t1"});
    EXPECT_TRUE(has_word(row(1), "Excluded"));
    tick(1);
    EXPECT_FALSE(has_word(checkbox(1), "Checked"));
    EXPECT_EQ(question(), "");
    EXPECT_EQ(labels("versions"), "1.5 1.4 1.3");
    EXPECT_EQ(labels("versions_excluded"), "");
    EXPECT_EQ(doc()["versions"][1]["release_date"], "2024-05-01");
    EXPECT_EQ(listings(), listed + 2);
    list(kListedThree);
    EXPECT_FALSE(has_word(row(1), "Excluded"));
}

TEST_F(VersionsTableTest, WithoutAFolderOfItsOwnAVersionIsExcludedAtOnceAndNothingDeleted) {
    struct Case {
        const char* label;
        bool excluded;  // the model excludes it (it refuses an empty label)
    };
    const Case cases[] = {{"1.4", true},  {".", true},     {"..", true}, {"", false},
                          {"a/..", true}, {"..\\x", true}, {"x..", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("label '") + c.label + "'");
        show_three({std::string("R\t") + c.label + "\t1.4.2\t2024-05-01\tcomplete\t1"});
        dir.write("projects/p/versions/1.3/index.html", "<html>");
        dir.write("projects/x/keep.txt", "keep");
        const std::string before = TempDir::read(config);
        const std::size_t listed = listings();
        tick(0);
        EXPECT_EQ(question(), "");
        EXPECT_TRUE(fs::exists(versions() / "1.3" / "index.html"));
        EXPECT_TRUE(fs::exists(dir / "projects/x/keep.txt"));
        if (c.excluded) {
            EXPECT_NE(labels("versions_excluded").find(c.label), std::string::npos);
            EXPECT_EQ(listings(), listed + 1);
        } else {
            EXPECT_EQ(TempDir::read(config), before);
            EXPECT_EQ(listings(), listed);
        }
    }
}

TEST_F(VersionsTableTest, ALinkedVersionFolderLosesTheLinkNotItsTarget) {
    show_three();
    const fs::path outside = dir.write("elsewhere/1.4/index.html", "<html>").parent_path();
    fs::create_directories(versions());
    fs::create_directory_symlink(outside, versions() / "1.4");
    tick(1);
    EXPECT_NE(question(), "");
    confirm();
    EXPECT_FALSE(fs::exists(fs::symlink_status(versions() / "1.4")));
    EXPECT_TRUE(fs::exists(outside / "index.html"));
    EXPECT_EQ(labels("versions"), "1.5 1.3");
}

TEST_F(VersionsTableTest, IncludeClicksAreRefusedWhileTheyCannotApply) {
    show_three();
    dir.write("projects/p/versions/1.4/index.html", "<html>");
    const std::string before = TempDir::read(config);
    const std::size_t listed = listings();

    builds->running = true;
    tick(1);
    EXPECT_TRUE(has_word(checkbox(1), "Checked"));
    builds->running = false;

    // Another project shown, its listing still running: the rows on screen
    // are the first project's.
    const fs::path other = dir.write("projects/q/.scribenta-project", kThreeVersions);
    show_file(other);
    tick(1);
    EXPECT_TRUE(has_word(checkbox(1), "Checked"));
    EXPECT_EQ(TempDir::read(other), R"({"format": 1, "slug": "p", "name": "P", "versions": [
  {"label": "1.5", "release_date": "2024-06-01"},
  {"label": "1.4", "release_date": "2024-05-01"},
  {"label": "1.3", "release_date": "2024-01-01"}]})");
    show_file(config);
    list(kListedThree);

    click(version_checkbox_path(paths, 7));  // a row no listing made: no handler
    wiring.hooks->include_version(7);        // an index past the rows
    EXPECT_EQ(question(), "");
    EXPECT_EQ(TempDir::read(config), before);
    EXPECT_TRUE(fs::exists(versions() / "1.4"));
    EXPECT_EQ(listings(), listed + 2) << "only the two showings listed";
}

}  // namespace
}  // namespace Scribenta
