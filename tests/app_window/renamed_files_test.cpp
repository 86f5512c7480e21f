// Another program (a git mv and a checkout, a second window) points the
// configuration at another file for a file editor that holds unsaved text.
// The form's next redraw shows the configuration as it is, but the editor
// keeps its file and its text, still unsaved: closing asks, Save writes the
// file the text was typed into, and the redraw writes nothing.

#include <filesystem>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "app/fake_services.h"
#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

namespace fs = std::filesystem;

const std::string kTopics = kProjectPanels + "/Topics Panel";

// The manifest of open_project_with_files, with other names in it.
std::string manifest(const char* readme, const char* license, const char* label,
                     const char* source) {
    return std::string(R"({"build": {"readme": ")") + readme + R"(", "license": ")" + license +
           R"(", "topics": [{"label": ")" + label + R"(", "source": ")" + source + R"("}]}})";
}

// The site of open_site_with_files, its policy's file elsewhere.
std::string site_naming(const char* policy_file) {
    return std::string(R"({"format": 1, "title": "S", "projects": [],
        "home": {"sections": [{"type": "custom", "id": "news", "label": "News",
                 "body": "/content-fragments/news_home.html"}]},
        "policies": [{"slug": "privacy", "name": "Privacy", "file": ")") +
           policy_file + R"("}]})";
}

struct RenameCase {
    const char* name;
    bool site;
    std::string panel;       // holds the editor, its status bar and the path field
    std::string editor;      // below the panel
    std::string status_bar;  // below the panel
    std::string path_field;  // below the panel
    const char* guard;       // the editor as questions name it
    const char* saved;       // the editor's file text
    const char* from;        // the file, below the configuration's folder
    const char* to;          // where the other program moved it
    const char* named;       // the path field after the redraw
    const char* config;      // the file the other program rewrote
    std::string outside;     // its text
    std::string refused;     // a field whose edit the changed list refuses
};

void PrintTo(const RenameCase& c, std::ostream* out) {
    *out << c.name;
}

const RenameCase kCases[] = {
    {"Policy", true, kPolicies, "/File Editor", "/File Status Bar", "/Meta Form/File Field",
     "Policies editor", "privacy", "s/policies/privacy.md", "s/policies/privacy-policy.md",
     "policies/privacy-policy.md", "s/.scribenta-site", site_naming("policies/privacy-policy.md"),
     kPolicies + "/Meta Form/Title Field"},
    {"Topic", false, kTopics, "/File Editor", "/File Status Bar", "/Meta Form/Source Field",
     "Topics editor", "intro", "p/src/intro.md", "p/src/getting-started.md", "getting-started.md",
     "p/src/.scribenta", manifest("README.md", "LICENSE", "Intro", "getting-started.md"),
     kTopics + "/Meta Form/Label Field"},
    {"Readme", false, kProjectPanels + "/Readme Panel", "/Readme Editor", "/Readme Status Bar",
     "/Path Form/Readme Path Field", "README editor", "readme", "p/src/README.md", "p/src/GUIDE.md",
     "GUIDE.md", "p/src/.scribenta", manifest("GUIDE.md", "LICENSE", "Introduction", "intro.md"),
     kTopics + "/Meta Form/Label Field"},
    {"License", false, kProjectPanels + "/License Panel", "/License Editor", "/License Status Bar",
     "/Path Form/License Path Field", "License editor", "license", "p/src/LICENSE", "p/src/COPYING",
     "COPYING", "p/src/.scribenta", manifest("README.md", "COPYING", "Introduction", "intro.md"),
     kTopics + "/Meta Form/Label Field"},
};

class RenamedFiles : public Window, public testing::WithParamInterface<RenameCase> {
protected:
    // What the other program does: moves the file and names it.
    void move_elsewhere() {
        const RenameCase& c = GetParam();
        fs::rename(dir / c.from, dir / c.to);
        dir.write(c.config, c.outside);
    }
    std::string editor() const { return GetParam().panel + GetParam().editor; }
    std::string typed() const { return std::string(GetParam().saved) + " typed"; }

    FakeServices services{app};
};

TEST_P(RenamedFiles, ARedrawKeepsTheUnsavedTextAndItsFile) {
    const RenameCase& c = GetParam();
    open_with_files(c.site);
    ASSERT_EQ(app.value(editor()), c.saved);
    type(editor(), typed());
    move_elsewhere();

    type(c.refused, "x");
    services.advance(500);
    ASSERT_FALSE(hidden(kMessage));
    EXPECT_EQ(text(kMessage + "/Titlebar/Title"), "Couldn't Save Changes");
    click(kMessage + "/Body/OK Button");

    // The form shows the file as it is; the editor keeps what was typed.
    EXPECT_EQ(app.value(c.panel + c.path_field), c.named);
    EXPECT_EQ(app.value(editor()), typed());
    EXPECT_EQ(text(c.panel + c.status_bar + "/Status Message"), "Unsaved changes");
    EXPECT_FALSE(has(c.panel + c.status_bar + "/Save Button", "Disabled"));
    EXPECT_FALSE(fs::exists(dir / c.from));  // the redraw wrote nothing
    EXPECT_EQ(TempDir::read(dir / c.to), c.saved);

    EXPECT_FALSE(app.close_request());
    EXPECT_EQ(confirmation().at(1), std::string("The ") + c.guard +
                                        " has unsaved changes. Closing the window will discard "
                                        "them.");
    click(kConfirm + "/Body/Actions/Cancel Button");

    // Save writes the file the text was typed into, and leaves the moved one.
    click(c.panel + c.status_bar + "/Save Button");
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(TempDir::read(dir / c.from), typed());
    EXPECT_EQ(TempDir::read(dir / c.to), c.saved);
    EXPECT_EQ(text(c.panel + c.status_bar + "/Status Message"), "");
}

// Save still asks before replacing what another program wrote into the
// editor's file since.
TEST_P(RenamedFiles, SaveAsksBeforeReplacingAChangeMadeElsewhere) {
    const RenameCase& c = GetParam();
    open_with_files(c.site);
    type(editor(), typed());
    move_elsewhere();
    type(c.refused, "x");
    services.advance(500);
    click(kMessage + "/Body/OK Button");
    dir.write(c.from, "written elsewhere");

    click(c.panel + c.status_bar + "/Save Button");
    EXPECT_EQ(confirmation().at(0), "Replace Changes Made Elsewhere?");
    click(kConfirm + "/Body/Actions/Cancel Button");
    EXPECT_EQ(TempDir::read(dir / c.from), "written elsewhere");
    EXPECT_EQ(app.value(editor()), typed());
}

INSTANTIATE_TEST_SUITE_P(Window, RenamedFiles, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<RenameCase>& info) {
                             return std::string(info.param.name);
                         });

// The redraw after a change of the editor's own, here an added fact, keeps
// the text the same way.
TEST_F(Window, ARedrawForTheEditorsOwnChangeKeepsTheText) {
    open_project_with_files();
    const std::string readme = kProjectPanels + "/Readme Panel/Readme Editor";
    type(readme, "readme typed");
    fs::rename(dir / "p/src/README.md", dir / "p/src/GUIDE.md");
    dir.write("p/src/.scribenta", manifest("GUIDE.md", "LICENSE", "Intro", "intro.md"));

    const std::string dialog = "App/Add Fact Dialog/Body";
    click(kProjectPanels + "/Project Panel/Add Fact Button");
    type(dialog + "/Label Editor", "Gamma");
    type(dialog + "/Value Editor", "g");
    click(dialog + "/Actions/Create Button");
    EXPECT_EQ(app.value(kProjectPanels + "/Readme Panel/Path Form/Readme Path Field"), "GUIDE.md");
    EXPECT_EQ(app.value(readme), "readme typed");
    EXPECT_FALSE(fs::exists(dir / "p/src/README.md"));
}

// An added topic waits while the shown topic holds unsaved text, as an
// added policy does; without it the new topic is shown.
TEST_F(Window, AnAddedTopicWaitsForTheShownTopicsUnsavedText) {
    open_project_with_files();
    const std::string editor = kTopics + "/File Editor";
    const std::string combo = kTopics + "/Selector Row/Item Combo";
    const std::string dialog = "App/Add Topic Dialog/Body";
    const auto add = [&](const char* label) {
        click(kTopics + "/Selector Row/Add Button");
        type(dialog + "/Label Editor", label);
        click(dialog + "/Actions/Create Button");
        ASSERT_TRUE(hidden("App/Add Topic Dialog"));
    };
    type(editor, "intro typed");
    add("Setup");
    EXPECT_EQ(app.selection.at(combo), "0");
    EXPECT_EQ(app.value(editor), "intro typed");
    EXPECT_EQ(TempDir::read(dir / "p/src/guides/setup.md"), "# Setup\n");

    click(kTopics + "/File Status Bar/Save Button");
    add("Usage");
    EXPECT_EQ(app.selection.at(combo), "2");
    EXPECT_EQ(app.value(editor), "# Usage\n");
    EXPECT_EQ(TempDir::read(dir / "p/src/intro.md"), "intro typed");
}

// Removing the shown first entry shows the next one with its own file, not
// the removed entry's text.
struct RemoveCase {
    const char* name;
    const char* config;  // the configuration file, below "c"
    std::string text;    // its text; the entries name "a.md" and "b.md"
    std::string panel;
    const char* next;  // the text of "b.md"
};

void PrintTo(const RemoveCase& c, std::ostream* out) {
    *out << c.name;
}

class RemoveFirst : public Window, public testing::WithParamInterface<RemoveCase> {};

TEST_P(RemoveFirst, ShowsTheNextEntrysFile) {
    const RemoveCase& c = GetParam();
    dir.write("c/a.md", "first");
    dir.write("c/b.md", c.next);
    if (c.panel == kTopics) {
        dir.write("c/.scribenta", R"({"build": {"topics": [{"label": "A", "source": "a.md"},
                                                           {"label": "B", "source": "b.md"}]}})");
    }
    build(dir.write(std::string("c/") + c.config, c.text).string());
    type(c.panel + "/File Editor", "first typed");
    click(c.panel + "/Selector Row/Remove Button");
    click(kConfirmButton);
    EXPECT_EQ(app.selection.at(c.panel + "/Selector Row/Item Combo"), "0");
    EXPECT_EQ(app.value(c.panel + "/File Editor"), c.next);
    EXPECT_EQ(TempDir::read(dir / "c/a.md"), "first");
}

INSTANTIATE_TEST_SUITE_P(
    Window, RemoveFirst,
    testing::Values(RemoveCase{"Topic", ".scribenta-project", R"({"slug": "p", "name": "P"})",
                               kTopics, "topic b"},
                    RemoveCase{"Policy", ".scribenta-site",
                               R"({"format": 1, "title": "S", "projects": [], "policies":
                                   [{"name": "A", "file": "a.md"}, {"name": "B", "file": "b.md"}]})",
                               kPolicies, "policy b"}),
    [](const testing::TestParamInfo<RemoveCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace window_test
