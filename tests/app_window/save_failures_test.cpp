// Form edits that cannot be saved are reported once per failed write, in
// the window as declared, with the edit queue's timer driven by the test.

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "app/fake_services.h"
#include "config/unprivileged.h"
#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

namespace fs = std::filesystem;

const std::string kForm = kSite + "/Editor Panel/Panels/Website Panel";
const std::string kTitle = kForm + "/Site Form/Title Field";
const std::string kDescription = kForm + "/Site Form/Description Field";
const std::string kLogoHeight =
    kForm + "/Main Tab Group/Main Tab Form/Heights Row/Logo Height Field";

class SaveFailures : public Window {
protected:
    // The message on screen as title | text, or "".
    std::string message() const {
        if (hidden(kMessage)) return "";
        return text(kMessage + "/Titlebar/Title") + " | " + text(kMessage + "/Body/Message");
    }

    FakeServices services{app};
};

struct FailureCase {
    const char* name;
    std::string config;
    std::string field;
    std::string typed;
    std::string expected;  // the message, "" for none
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class SaveFailureCases : public SaveFailures, public testing::WithParamInterface<FailureCase> {};

TEST_P(SaveFailureCases, AFailedWriteIsReportedAndTheFieldKeepsItsText) {
    const FailureCase& c = GetParam();
    const fs::path config = dir.write("s/.scribenta-site", c.config);
    build(config.string());
    ASSERT_TRUE(hidden(kMessage));
    type(c.field, c.typed);
    services.advance(499);
    EXPECT_EQ(message(), "");
    services.advance(1);
    EXPECT_EQ(message(), c.expected);
    EXPECT_EQ(app.value(c.field), c.typed);
    // A failed write leaves the file exactly as it was.
    EXPECT_EQ(TempDir::read(config) == c.config, !c.expected.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Window, SaveFailureCases,
    testing::Values(
        FailureCase{"NotJson", "{\"title\": \"Docs\",\n\"projects\": [\n", kTitle, "New",
                    "Couldn't Save Changes | Couldn't save .scribenta-site: it is not valid JSON "
                    "(line 3)."},
        FailureCase{"MemberOfAString", R"({"title": "Docs", "branding": "nope", "projects": []})",
                    kLogoHeight, "30",
                    "Couldn't Save Changes | Couldn't save .scribenta-site: \"branding\" holds a "
                    "string, so \"logo_height\" can't be set in it."},
        FailureCase{"WrittenFine", R"({"title": "Docs", "projects": []})", kTitle, "New", ""}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

// A refused edit costs only itself: the Title typed in the same quiet period
// is written by that flush, and the message names the refused one.
TEST_F(SaveFailures, ARefusedEditIsReportedAndTheOthersOfItsWriteAreSaved) {
    const fs::path config =
        dir.write("s/.scribenta-site", R"({"title": "Docs", "branding": "nope", "projects": []})");
    build(config.string());
    type(kTitle, "New Docs");
    services.advance(200);
    type(kLogoHeight, "30");
    services.advance(500);
    EXPECT_EQ(message(),
              "Couldn't Save Changes | Couldn't save .scribenta-site: \"branding\" holds a "
              "string, so \"logo_height\" can't be set in it.");
    EXPECT_EQ(TempDir::read(config),
              "{\n  \"format\": 1,\n  \"title\": \"New Docs\",\n  \"branding\": \"nope\",\n"
              "  \"projects\": []\n}\n");
    EXPECT_EQ(app.value(kTitle), "New Docs");
    EXPECT_EQ(app.value(kLogoHeight), "30");
}

// One message per failed write, none per keystroke; the edits stay queued
// and are saved by the first write that works.
TEST_F(SaveFailures, OneMessagePerFailedWriteAndALaterWriteSavesTheEdits) {
    const fs::path config = dir.write("s/.scribenta-site", "{\"title\": ");
    build(config.string());
    int shown = 0;
    services.after_each = [&] {
        if (hidden(kMessage)) return;
        ++shown;
        click(kMessage + "/Body/OK Button");
    };
    for (const char* typed : {"N", "Ne", "New"}) {
        type(kTitle, typed);
        services.advance(100);
    }
    services.advance(5000);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(TempDir::read(config), "{\"title\": ");

    dir.write("s/.scribenta-site", R"({"title": "Docs", "projects": []})");
    type(kDescription, "About");
    services.advance(500);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(TempDir::read(config),
              "{\n  \"format\": 1,\n  \"title\": \"New\",\n  \"projects\": [],\n"
              "  \"description\": \"About\"\n}\n");
}

TEST_F(SaveFailures, EditsStillWaitingForTheirWriteAreWrittenAtQuit) {
    const fs::path config = dir.write("s/.scribenta-site", R"({"title": "Docs"})");
    build(config.string());
    type(kTitle, "New");
    services.advance(100);
    ASSERT_TRUE(app.before_quit);
    app.before_quit();
    EXPECT_EQ(TempDir::read(config), "{\n  \"format\": 1,\n  \"title\": \"New\"\n}\n");
    // Nothing is left for the timer that was armed.
    services.advance(1000);
    EXPECT_EQ(TempDir::read(config), "{\n  \"format\": 1,\n  \"title\": \"New\"\n}\n");
}

// A site folder the user may not write, as for a user other than its owner.
TEST_F(SaveFailures, AFileTheUserMayNotWriteIsReported) {
    const std::string original = R"({"title": "Docs", "projects": []})";
    const fs::path config = dir.write("s/.scribenta-site", original);
    build(config.string());
    const auto read_only = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const auto exec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(config, read_only);
    fs::permissions(config.parent_path(), read_only | exec);
    const fs::path seen = dir / "seen";
    const bool ok = run_unprivileged([&] {
        type(kTitle, "New");
        services.advance(500);
        std::ofstream(seen) << message();
        return message() ==
                   "Couldn't Save Changes | Couldn't save .scribenta-site: the file is not "
                   "writable (Permission denied)." &&
               app.value(kTitle) == "New" && TempDir::read(config) == original;
    });
    fs::permissions(config.parent_path(), fs::perms::owner_all);
    EXPECT_TRUE(ok) << TempDir::read(seen);
}

}  // namespace
}  // namespace window_test
