// A path field names the file a file editor shows. Typing another path
// while the editor holds unsaved text asks first: Cancel leaves the field,
// the configuration and the text as they were; Discard makes the change.
// Without unsaved text, or for a path naming the same file, nothing is
// asked and nothing typed is lost.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/fake_services.h"
#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

namespace fs = std::filesystem;

const std::string kPanels = kProject + "/Editor Panel/Panels";
const std::string kReadmeEditor = kPanels + "/Readme Panel/Readme Editor";
const std::string kTopicEditor = kPanels + "/Topics Panel/File Editor";

struct PathCase {
    const char* name;
    bool site;            // the field is the site's, else the project's
    std::string field;    // the path field
    std::string editor;   // the file editor holding unsaved text
    const char* guard;    // the editor as the question names it
    const char* saved;    // the editor's file text
    const char* kept;     // the path as the configuration holds it
    const char* typed;    // one more letter
    const char* file;     // the file holding the path
    const char* pointer;  // where in it
};

void PrintTo(const PathCase& c, std::ostream* out) {
    *out << c.name;
}

const PathCase kCases[] = {
    {"Readme", false, kPanels + "/Readme Panel/Path Form/Readme Path Field", kReadmeEditor,
     "README editor", "readme", "README.md", "README.mdx", "p/src/.scribenta", "/build/readme"},
    {"License", false, kPanels + "/License Panel/Path Form/License Path Field",
     kPanels + "/License Panel/License Editor", "License editor", "license", "LICENSE", "LICENSEx",
     "p/src/.scribenta", "/build/license"},
    {"SourceRoot", false, kPanels + "/Source Panel/Local Form/Source Path Field", kTopicEditor,
     "Topics editor", "intro", "src", "srcx", "p/.scribenta-project", "/build/source_path"},
    {"TopicSource", false, kPanels + "/Topics Panel/Meta Form/Source Field", kTopicEditor,
     "Topics editor", "intro", "intro.md", "intro.mdx", "p/src/.scribenta",
     "/build/topics/0/source"},
    {"PolicyFile", true, kPolicies + "/Meta Form/File Field", kPolicies + "/File Editor",
     "Policies editor", "privacy", "policies/privacy.md", "policies/privacy.mdx",
     "s/.scribenta-site", "/policies/0/file"},
};

class PathFields : public Window, public testing::WithParamInterface<PathCase> {
protected:
    // The path as the file holds it once every queued edit is written.
    std::string stored() {
        services.advance(500);
        const auto doc = nlohmann::json::parse(TempDir::read(dir / GetParam().file));
        return doc.at(nlohmann::json::json_pointer(GetParam().pointer)).get<std::string>();
    }
    FakeServices services{app};
};

TEST_P(PathFields, UnsavedTextIsAskedAboutAndCancelKeepsEverything) {
    const PathCase& c = GetParam();
    open_with_files(c.site);
    ASSERT_EQ(app.value(c.editor), c.saved);
    type(c.editor, std::string(c.saved) + " typed");

    type(c.field, c.typed);
    EXPECT_EQ(confirmation(),
              (std::vector<std::string>{"Discard changes?",
                                        std::string("The ") + c.guard +
                                            " has unsaved changes. Changing the path will "
                                            "discard them.",
                                        "Discard"}));
    EXPECT_EQ(app.value(c.field), c.kept);  // the old path is back while it asks
    click(kConfirm + "/Body/Actions/Cancel Button");
    EXPECT_EQ(app.value(c.field), c.kept);
    EXPECT_EQ(app.value(c.editor), std::string(c.saved) + " typed");
    EXPECT_EQ(stored(), c.kept);
}

TEST_P(PathFields, DiscardMakesTheChangeAndTheEditorFollowsIt) {
    const PathCase& c = GetParam();
    open_with_files(c.site);
    type(c.editor, std::string(c.saved) + " typed");
    type(c.field, c.typed);
    click(kConfirmButton);
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(app.value(c.field), c.typed);
    EXPECT_EQ(app.value(c.editor), "");  // the file typed does not exist
    EXPECT_EQ(stored(), c.typed);
}

TEST_P(PathFields, WithoutUnsavedTextNothingIsAsked) {
    const PathCase& c = GetParam();
    open_with_files(c.site);
    type(c.field, c.typed);
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(app.value(c.editor), "");
    EXPECT_EQ(stored(), c.typed);
}

INSTANTIATE_TEST_SUITE_P(Window, PathFields, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<PathCase>& info) {
                             return std::string(info.param.name);
                         });

// A path written otherwise that names the file shown keeps its unsaved text
// and asks nothing.
TEST_F(Window, APathNamingTheSameFileKeepsTheUnsavedText) {
    open_project_with_files();
    const std::pair<std::string, const char*> same[] = {
        {kPanels + "/Readme Panel/Path Form/Readme Path Field", "./README.md"},
        {kPanels + "/Topics Panel/Meta Form/Source Field", "./intro.md"},
        {kPanels + "/Source Panel/Local Form/Source Path Field", "./src"},
    };
    type(kReadmeEditor, "readme typed");
    type(kTopicEditor, "intro typed");
    for (const auto& [field, typed] : same) {
        SCOPED_TRACE(typed);
        type(field, typed);
        EXPECT_TRUE(hidden(kConfirm));
        EXPECT_EQ(app.value(field), typed);
        EXPECT_EQ(app.value(kReadmeEditor), "readme typed");
        EXPECT_EQ(app.value(kTopicEditor), "intro typed");
    }
}

// The source root names the folder of the README, the License and the
// topics: the question names every editor its change would empty, and
// Cancel keeps each one's text. Each step types into one more editor.
TEST_F(Window, TheSourceRootNamesEveryEditorItWouldEmpty) {
    const std::string license = kPanels + "/License Panel/License Editor";
    const std::string source = kPanels + "/Source Panel/Local Form/Source Path Field";
    const std::pair<std::string, const char*> steps[] = {
        {license, "The License editor has"},
        {kTopicEditor, "The License editor and the Topics editor have"},
        {kReadmeEditor, "The README editor, the License editor and the Topics editor have"},
    };
    open_project_with_files();
    std::vector<std::string> typed_in;
    for (const auto& [editor, names] : steps) {
        SCOPED_TRACE(names);
        type(editor, editor + " typed");
        typed_in.push_back(editor);
        type(source, "srcx");
        ASSERT_FALSE(hidden(kConfirm));
        EXPECT_EQ(confirmation().at(1),
                  std::string(names) + " unsaved changes. Changing the path will discard them.");
        click(kConfirm + "/Body/Actions/Cancel Button");
        EXPECT_EQ(app.value(source), "src");
        for (const std::string& each : typed_in) EXPECT_EQ(app.value(each), each + " typed");
    }
}

// The path put back is the one the file will keep: a path typed before and
// still waiting in the queue, not the one the form was drawn with.
TEST_F(Window, CancelPutsBackAPathStillWaitingToBeWritten) {
    FakeServices services{app};
    open_project_with_files();
    dir.write("p/src/OTHER.md", "other");
    const std::string field = kPanels + "/Readme Panel/Path Form/Readme Path Field";
    type(field, "OTHER.md");
    ASSERT_TRUE(hidden(kConfirm));
    type(kReadmeEditor, "other typed");
    type(field, "OTHER.mdx");
    ASSERT_FALSE(hidden(kConfirm));
    EXPECT_EQ(app.value(field), "OTHER.md");
    click(kConfirm + "/Body/Actions/Cancel Button");
    services.advance(500);
    EXPECT_EQ(app.value(kReadmeEditor), "other typed");
    EXPECT_EQ(nlohmann::json::parse(TempDir::read(dir / "p/src/.scribenta"))["build"]["readme"],
              "OTHER.md");
}

// After Discard, the create row of a missing file names the path now in
// the field and the manifest, and creates that file.
struct CreateCase {
    const char* name;
    std::string panel;   // the panel below the project's panels
    std::string field;   // its path field, below the panel
    std::string editor;  // its file editor, below the panel
    const char* saved;   // the editor's file text
    const char* typed;   // the path field's text after the user's edit
    const char* key;     // the manifest's member under "build"
};

void PrintTo(const CreateCase& c, std::ostream* out) {
    *out << c.name;
}

class CreateAfterDiscard : public Window, public testing::WithParamInterface<CreateCase> {};

TEST_P(CreateAfterDiscard, TheCreateRowNamesThePathTyped) {
    const CreateCase& c = GetParam();
    FakeServices services{app};
    open_project_with_files();
    const std::string panel = kPanels + c.panel;
    const std::string button = panel + "/Create Row/Create Button";
    type(panel + c.editor, std::string(c.saved) + " typed");
    type(panel + c.field, c.typed);
    click(kConfirmButton);

    EXPECT_EQ(app.value(panel + c.field), c.typed);
    EXPECT_FALSE(hidden(panel + "/Create Row"));
    EXPECT_EQ(text(button + "/Label"), std::string("Create ") + c.typed);
    click(button);
    EXPECT_TRUE(fs::is_regular_file(dir / "p/src" / c.typed));
    EXPECT_TRUE(hidden(panel + "/Create Row"));
    services.advance(500);
    const auto manifest = nlohmann::json::parse(TempDir::read(dir / "p/src/.scribenta"));
    EXPECT_EQ(manifest["build"][c.key], c.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Window, CreateAfterDiscard,
    testing::Values(CreateCase{"ReadmeOneMoreLetter", "/Readme Panel",
                               "/Path Form/Readme Path Field", "/Readme Editor", "readme",
                               "README.mdx", "readme"},
                    CreateCase{"ReadmeTypedOver", "/Readme Panel", "/Path Form/Readme Path Field",
                               "/Readme Editor", "readme", "d", "readme"},
                    CreateCase{"LicenseOneMoreLetter", "/License Panel",
                               "/Path Form/License Path Field", "/License Editor", "license",
                               "LICENSEz", "license"}),
    [](const testing::TestParamInfo<CreateCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace window_test
