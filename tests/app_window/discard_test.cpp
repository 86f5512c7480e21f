// "Discard" in the project configurator's view switch drops the unsaved
// text of its file editors: they show the files again, clean, and the next
// switch asks nothing. Closing the window with unsaved text asks first too.

#include <ostream>
#include <string>
#include <vector>

#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

const std::string kPanels = kProject + "/Editor Panel/Panels";
const std::string kTextTab = kProject + "/View Bar/Text View Tab";
const std::string kEditorTab = kProject + "/View Bar/Editor View Tab";

struct EditorCase {
    const char* name;
    std::string editor;  // the Editor node
    std::string status;  // its status text node
    const char* file;    // under the source root
    const char* saved;   // the file's text
    const char* guard;   // the name the question gives
};

const EditorCase kEditors[] = {
    {"README", kPanels + "/Readme Panel/Readme Editor",
     kPanels + "/Readme Panel/Readme Status Bar/Status Message", "README.md", "readme",
     "README editor"},
    {"LICENSE", kPanels + "/License Panel/License Editor",
     kPanels + "/License Panel/License Status Bar/Status Message", "LICENSE", "license",
     "License editor"},
    {"topic", kPanels + "/Topics Panel/File Editor",
     kPanels + "/Topics Panel/File Status Bar/Status Message", "intro.md", "intro",
     "Topics editor"},
};

class Discard : public Window {
protected:
    // A project whose source root "src" holds a README, a LICENSE and one
    // topic, shown in the project configurator.
    void open_project() { open_project_with_files(); }
    std::string question() const {
        return hidden(kConfirm) ? "" : text(kConfirm + "/Body/Message");
    }
};

TEST_F(Discard, DiscardReloadsTheFileEditorsFromDisk) {
    open_project();
    for (const EditorCase& c : kEditors) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(app.value(c.editor), c.saved);
        type(c.editor, std::string(c.saved) + " typed");
        ASSERT_EQ(text(c.status), "Unsaved changes");

        click(kTextTab);
        EXPECT_EQ(question(), std::string("The ") + c.guard +
                                  " has unsaved changes. Switching views will discard them.");
        click(kConfirm + "/Body/Actions/Confirm Button");
        EXPECT_FALSE(hidden(kProject + "/Text Panel"));
        EXPECT_EQ(app.value(c.editor), c.saved);
        EXPECT_EQ(text(c.status), "");
        EXPECT_EQ(TempDir::read(dir / "p/src" / c.file), c.saved);

        // Nothing is unsaved any more: switching back and forth asks nothing.
        click(kEditorTab);
        click(kTextTab);
        EXPECT_EQ(question(), "");
        EXPECT_FALSE(hidden(kProject + "/Text Panel"));
        click(kEditorTab);
    }
}

// Cancel keeps the editor view and what was typed.
TEST_F(Discard, CancelKeepsTheUnsavedText) {
    open_project();
    const EditorCase& readme = kEditors[0];
    type(readme.editor, "readme typed");
    click(kTextTab);
    click(kConfirm + "/Body/Actions/Cancel Button");
    EXPECT_TRUE(hidden(kProject + "/Text Panel"));
    EXPECT_EQ(app.value(readme.editor), "readme typed");
    EXPECT_EQ(text(readme.status), "Unsaved changes");
}

// Text discarded with its tab is gone: opening another configuration asks
// nothing about it.
TEST_F(Discard, TextDiscardedWithItsTabIsNotAskedAboutAgain) {
    open_project();
    type(kEditors[0].editor, "readme typed");
    tab_action("leftTabs", "config-1", "close");
    click(kConfirm + "/Body/Actions/Confirm Button");
    ASSERT_TRUE(tab_ids().empty());

    picked = site("b");
    click(W + "/App Pane/Home/Open Button");
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(tab_ids(), std::vector<std::string>{"config-2"});
}

// Closing the window: how the unsaved text was made, and the editor the
// question names.
struct CloseCase {
    const char* name;
    std::string node;  // where the text is typed
    std::string typed;
    std::string editor;  // the editor the question names
};

const CloseCase kCloseCases[] = {
    {"README", kEditors[0].editor, "readme typed", "README editor"},
    {"LICENSE", kEditors[1].editor, "license typed", "License editor"},
    {"TextView", kProject + "/Text Panel/Text Editor", "{}", "Text view"},
};

void PrintTo(const CloseCase& c, std::ostream* out) {
    *out << c.name;
}

class CloseWindow : public Discard, public testing::WithParamInterface<CloseCase> {};

// With unsaved text the window stays open and the question shows; Cancel
// keeps the text, Discard closes the window through the runtime's service,
// once.
TEST_P(CloseWindow, UnsavedTextIsAskedAboutFirst) {
    const CloseCase& c = GetParam();
    open_project();
    int closes = 0;
    app.close_window_service = [&closes] { ++closes; };
    type(c.node, c.typed);

    ASSERT_TRUE(app.close_request);
    EXPECT_FALSE(app.close_request());
    EXPECT_EQ(text(kConfirm + "/Titlebar/Title"), "Discard changes?");
    EXPECT_EQ(question(),
              "The " + c.editor + " has unsaved changes. Closing the window will discard them.");
    EXPECT_EQ(text(kConfirm + "/Body/Actions/Confirm Button/Label"), "Discard");

    click(kConfirm + "/Body/Actions/Cancel Button");
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(app.value(c.node), c.typed);
    EXPECT_EQ(closes, 0);

    EXPECT_FALSE(app.close_request());
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(closes, 1);
}

INSTANTIATE_TEST_SUITE_P(Editors, CloseWindow, testing::ValuesIn(kCloseCases),
                         [](const testing::TestParamInfo<CloseCase>& info) {
                             return std::string(info.param.name);
                         });

// Nothing unsaved, or text already discarded with its tab: the window closes
// at once, unasked, and Discard without the runtime's service does nothing.
TEST_F(Discard, ClosingTheWindowWithoutUnsavedTextAsksNothing) {
    open_project();
    EXPECT_TRUE(app.close_request());
    EXPECT_TRUE(hidden(kConfirm));

    type(kEditors[0].editor, "readme typed");
    ASSERT_FALSE(app.close_request());
    click(kConfirm + "/Body/Actions/Confirm Button");  // no service: the store stays
    tab_action("leftTabs", "config-1", "close");
    click(kConfirm + "/Body/Actions/Confirm Button");
    ASSERT_TRUE(tab_ids().empty());
    EXPECT_TRUE(app.close_request());
    EXPECT_TRUE(hidden(kConfirm));
}

}  // namespace
}  // namespace window_test
