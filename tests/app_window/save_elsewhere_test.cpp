// Save in a file editor or the JSON view writes the whole file. When
// another program changed that file since it was read or written here,
// Save asks first: Cancel leaves the file and the typed text alone, Replace
// writes. The editor's own earlier Save never counts as another program's,
// and a file that is gone is written without a question.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/fake_services.h"
#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

namespace fs = std::filesystem;

const std::string kPanels = kProject + "/Editor Panel/Panels";
const std::string kSection = "App/Edit Section Dialog/Body/Editor Group";

struct SaveCase {
    const char* name;
    bool site;           // the site is shown, else the project
    std::string opener;  // clicked first to show the editor; "" for none
    std::string editor;  // where the text is typed
    std::string save;    // its Save button
    const char* file;    // the file it writes
    const char* mine;    // typed
    const char* theirs;  // another program's change
};

void PrintTo(const SaveCase& c, std::ostream* out) {
    *out << c.name;
}

const SaveCase kCases[] = {
    {"Readme", false, "", kPanels + "/Readme Panel/Readme Editor",
     kPanels + "/Readme Panel/Readme Status Bar/Save Button", "p/src/README.md", "# Mine\n",
     "# Theirs\n"},
    {"License", false, "", kPanels + "/License Panel/License Editor",
     kPanels + "/License Panel/License Status Bar/Save Button", "p/src/LICENSE", "Mine", "Theirs"},
    {"Topic", false, "", kPanels + "/Topics Panel/File Editor",
     kPanels + "/Topics Panel/File Status Bar/Save Button", "p/src/intro.md", "mine", "theirs"},
    {"ProjectJson", false, kProject + "/View Bar/Text View Tab",
     kProject + "/Text Panel/Text Editor", kProject + "/Text Panel/Status Bar/Save Button",
     "p/.scribenta-project", R"({"slug": "p", "name": "Mine"})",
     R"({"slug": "p", "name": "Theirs"})"},
    {"Policy", true, "", kSitePanels + "/Policies Panel/File Editor",
     kSitePanels + "/Policies Panel/File Status Bar/Save Button", "s/policies/privacy.md", "mine",
     "theirs"},
    {"SectionContent", true, "homeSections/home-0/edit", kSection + "/File Editor",
     kSection + "/File Status Bar/Save Button", "s/content-fragments/news_home.html", "<p>mine</p>",
     "<p>theirs</p>"},
    {"SiteJson", true, kSite + "/View Bar/Text View Tab", kSite + "/Text Panel/Text Editor",
     kSite + "/Text Panel/Status Bar/Save Button", "s/.scribenta-site",
     R"({"title": "Mine", "projects": []})", R"({"title": "Theirs", "projects": []})"},
};

class SaveElsewhere : public Window, public testing::WithParamInterface<SaveCase> {
protected:
    // The case's configuration shown, with its editor on screen.
    void open() {
        const SaveCase& c = GetParam();
        open_with_files(c.site);
        if (c.opener == "homeSections/home-0/edit") {
            tab_action("homeSections", "home-0", "edit");
        } else if (!c.opener.empty()) {
            click(c.opener);
        }
    }
    fs::path file() const { return dir / GetParam().file; }
    void save() { click(GetParam().save); }

    FakeServices services{app};
};

TEST_P(SaveElsewhere, AChangeElsewhereIsAskedAboutAndCancelKeepsBoth) {
    const SaveCase& c = GetParam();
    open();
    type(c.editor, c.mine);
    dir.write(c.file, c.theirs);

    save();
    EXPECT_EQ(confirmation(),
              (std::vector<std::string>{"Replace Changes Made Elsewhere?",
                                        fs::canonical(file()).string() +
                                            " was changed by another program since it was "
                                            "opened here. Saving replaces those changes.",
                                        "Replace"}));
    click(kConfirm + "/Body/Actions/Cancel Button");
    EXPECT_EQ(TempDir::read(file()), c.theirs);
    EXPECT_EQ(app.value(c.editor), c.mine);

    save();
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(TempDir::read(file()), c.mine);
}

TEST_P(SaveElsewhere, OwnWritesAndGoneFilesAreWrittenWithoutAsking) {
    const SaveCase& c = GetParam();
    open();
    type(c.editor, c.mine);
    save();
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(TempDir::read(file()), c.mine);

    // A second Save over the first.
    const std::string again = std::string(c.theirs);
    type(c.editor, again);
    save();
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(TempDir::read(file()), again);

    fs::remove(file());
    type(c.editor, c.mine);
    save();
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(TempDir::read(file()), c.mine);
}

INSTANTIATE_TEST_SUITE_P(Window, SaveElsewhere, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SaveCase>& info) {
                             return std::string(info.param.name);
                         });

// The form's own writes of the configuration never count as another
// program's: queued edits, then the JSON view's Save.
TEST_F(Window, FormEditsBeforeTheJsonViewSaveAskNothing) {
    FakeServices services{app};
    const fs::path config = dir.write("p/.scribenta-project", R"({"slug": "p", "name": "P"})");
    build(config.string());
    type(kProject + "/Editor Panel/Panels/Project Panel/Project Form/Name Field", "Renamed");
    services.advance(500);
    click(kProject + "/View Bar/Text View Tab");
    type(kProject + "/Text Panel/Text Editor", R"({"slug": "p", "name": "Typed"})");
    click(kProject + "/Text Panel/Status Bar/Save Button");
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(TempDir::read(config), R"({"slug": "p", "name": "Typed"})");
}

}  // namespace
}  // namespace window_test
