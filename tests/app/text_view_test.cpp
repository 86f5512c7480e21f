#include <gtest/gtest.h>

#include "app/fake_services.h"
#include "app/fields.h"
#include "app/shell_status.h"
#include "app/text_file.h"
#include "app/text_view.h"
#include "config/temp_dir.h"
#include "config/unprivileged.h"

namespace Scribenta {
namespace {

const std::string kConfirm = kConfirmDialog;

class TextViewTest : public ::testing::Test {
protected:
    TextViewTest() {
        app.set_visible(kConfirm, false);
        app.toggle_state(shell->save_button, "Disabled");
        // What a form population does: the queue, the text view and the status
        // follow the file.
        shell->reload = [this] {
            ++reloads;
            std::string text;
            read_text_file(edits->config_path, text);
            reset_edit_state(*edits, edits->config_path, text);
            set_field_text(app, shell->text_editor, text);
            set_shell_status(app, *shell, "Clean", "");
        };
        wire_text_view(app, shell, edits, show_confirm);
        wire_view_bar(app, switch_view);
        set_view_mode(app, *shell, "editor");
    }
    ~TextViewTest() override { shell->reload = nullptr; }

    void open(const std::string& text) {
        config = dir.write(".scribenta-site", text);
        edits->config_path = config.string();
        shell->reload();
        reloads = 0;
    }
    void type(const std::string& text) { app.dispatch_event(shell->text_editor, "input:" + text); }
    void click(const std::string& path) { app.dispatch_event(path, "click"); }
    bool has_word(const std::string& path, const std::string& word) const {
        const auto it = app.node_states.find(path);
        return it != app.node_states.end() && it->second.count(word);
    }
    std::string status() { return app.texts[shell->status_message]; }
    bool shown(const std::string& path) const { return app.hidden.count(path) == 0; }

    Ostrel::OApp app;
    FakeServices services{app};
    TempDir dir;
    std::filesystem::path config;
    int reloads = 0;
    std::shared_ptr<Shell> shell = make_shell("App/W/Config Pane/Site Configurator");
    std::shared_ptr<EditState> edits = std::make_shared<EditState>();
    FlushEdits flush_edits{&app, edits, std::make_shared<CurrentShell>(CurrentShell{shell})};
    QueueEdit queue_edit{&app, edits, flush_edits};
    ShowConfirm show_confirm = wire_confirm_dialog(app);
    SwitchView switch_view{&app, edits, flush_edits, show_confirm, shell};
    std::string editor_tab = shell->base + "/View Bar/Editor View Tab";
    std::string text_tab = shell->base + "/View Bar/Text View Tab";
};

TEST_F(TextViewTest, InvalidJsonShowsTheLineAndTheParsersMessageAndDisablesSave) {
    open("{}\n");
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"x",
         "Invalid JSON — line 1: syntax error while parsing value - invalid literal; last "
         "read: 'x'"},
        {"{\n  \"a\": 1,\n}",
         "Invalid JSON — line 3: syntax error while parsing object key - unexpected '}'; "
         "expected string literal"},
        {"[1,\n2,\n@]",
         "Invalid JSON — line 3: syntax error while parsing value - invalid literal; last "
         "read: '2,<U+000A>@'"},
        {"{\"a\": 1} // note",
         "Invalid JSON — line 1: syntax error while parsing value - invalid literal; last "
         "read: '1} /'; expected end of input"},
        {"",
         "Invalid JSON — line 1: syntax error while parsing value - unexpected end of input; "
         "expected '[', '{', or a literal"},
        {"{\"a\":\n\n1e999}", "Invalid JSON — line 3: number overflow parsing '1e999'"},
        {"{\"a\": \"\xff\"}",
         "Invalid JSON — line 1: syntax error while parsing value - invalid string: ill-formed "
         "UTF-8 byte; last read: '\"\xef\xbf\xbd'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        type("{\"valid\": true}");
        EXPECT_FALSE(shell->save_disabled);
        type(c.text);
        EXPECT_EQ(status(), c.message);
        EXPECT_TRUE(has_word(shell->status_bar, "Invalid"));
        EXPECT_TRUE(has_word(shell->save_button, "Disabled"));
        // A Save that still arrives writes nothing.
        shell->save_disabled = false;
        click(shell->save_button);
        shell->save_disabled = true;
        EXPECT_EQ(TempDir::read(config), "{}\n");
    }
}

TEST_F(TextViewTest, StatusFollowsTheTextAgainstTheFile) {
    open("{\"a\": 1}\n");
    type("{\"a\": 2}\n");
    EXPECT_EQ(status(), "Unsaved changes");
    EXPECT_FALSE(has_word(shell->save_button, "Disabled"));
    EXPECT_FALSE(has_word(shell->status_bar, "Invalid"));
    type("{\"a\": 1}\n");
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(has_word(shell->save_button, "Disabled"));
}

TEST_F(TextViewTest, NothingHappensWhileNoConfigurationIsShown) {
    type("{]");
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(shell->save_disabled);
    click(shell->save_button);
    EXPECT_EQ(reloads, 0);
}

TEST_F(TextViewTest, SaveWritesTheTextUnchangedAndReloads) {
    open("{\"a\": 1}\n");
    const std::string layout = "{ \"title\" : \"T\",\n\t\"a\":1 }";
    type(layout);
    click(shell->save_button);
    EXPECT_EQ(TempDir::read(config), layout);
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(shell->save_disabled);
    // The next form edit rewrites the file in the written form.
    queue_edit("/title", "U");
    flush_edits();
    EXPECT_EQ(TempDir::read(config), "{\n  \"format\": 1,\n  \"title\": \"U\",\n  \"a\": 1\n}\n");
    EXPECT_EQ(app.value(shell->text_editor), TempDir::read(config));
}

TEST_F(TextViewTest, FailedSaveKeepsTheUsersTextUnsaved) {
    namespace fs = std::filesystem;
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    open("{}\n");
    EXPECT_TRUE(run_unprivileged([&] {
        type("{\"mine\": 1}");
        click(shell->save_button);
        return TempDir::read(config) == "{}\n" && reloads == 0 &&
               app.value(shell->text_editor) == "{\"mine\": 1}" && status() == "Unsaved changes" &&
               !shell->save_disabled;
    }));
}

TEST_F(TextViewTest, SetViewModeShowsOnePanelAndMovesActive) {
    EXPECT_TRUE(has_word(editor_tab, "Active"));
    EXPECT_FALSE(has_word(text_tab, "Active"));
    EXPECT_TRUE(shown(shell->editor_panel));
    EXPECT_FALSE(shown(shell->text_panel));
    set_view_mode(app, *shell, "text");
    set_view_mode(app, *shell, "text");
    EXPECT_FALSE(has_word(editor_tab, "Active"));
    EXPECT_TRUE(has_word(text_tab, "Active"));
    EXPECT_FALSE(shown(shell->editor_panel));
    EXPECT_TRUE(shown(shell->text_panel));
    EXPECT_EQ(view_bar_tab_path(*shell, "anything"), editor_tab);
}

TEST_F(TextViewTest, SwitchingToTextWritesPendingEditsFirst) {
    open("{\"title\": \"A\"}");
    queue_edit("/title", "B");
    click(text_tab);
    EXPECT_EQ(shell->view_mode, "text");
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(app.value(shell->text_editor), "{\n  \"format\": 1,\n  \"title\": \"B\"\n}\n");
    EXPECT_TRUE(edits->pending.empty());
}

TEST_F(TextViewTest, SwitchingToTextAsksWhileAFileEditorHoldsUnsavedText) {
    open("{}");
    bool readme_dirty = true;
    shell->guards = {{"README editor", [&] { return readme_dirty; }}};
    queue_edit("/title", "B");
    click(text_tab);
    EXPECT_TRUE(shown(kConfirm));
    EXPECT_EQ(app.texts[kConfirm + "/Titlebar/Title"], "Discard changes?");
    EXPECT_EQ(app.texts[kConfirm + "/Body/Message"],
              "The README editor has unsaved changes. Switching views will discard them.");
    EXPECT_EQ(app.texts[kConfirm + "/Body/Actions/Confirm Button/Label"], "Discard");
    click(kConfirm + "/Body/Actions/Cancel Button");
    EXPECT_EQ(shell->view_mode, "editor");
    EXPECT_EQ(edits->pending.size(), 1u);
    EXPECT_EQ(reloads, 0);

    click(text_tab);
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_EQ(shell->view_mode, "text");
    EXPECT_TRUE(edits->pending.empty());
    EXPECT_EQ(reloads, 1);
    shell->guards.clear();
}

TEST_F(TextViewTest, SwitchingToTheEditorAsksWhileTheTextViewIsModified) {
    open("{\"a\": 1}");
    click(text_tab);
    type("{\"a\": 2}");
    click(text_tab);  // the view already shown: nothing, even with unsaved text
    EXPECT_FALSE(shown(kConfirm));
    click(editor_tab);
    EXPECT_TRUE(shown(kConfirm));
    EXPECT_EQ(app.texts[kConfirm + "/Body/Message"],
              "The Text view has unsaved changes. Switching to the Editor will discard them.");
    click(kConfirm + "/Titlebar/Exit Button");
    EXPECT_EQ(shell->view_mode, "text");
    EXPECT_EQ(app.value(shell->text_editor), "{\"a\": 2}");

    click(editor_tab);
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_EQ(shell->view_mode, "editor");
    EXPECT_EQ(app.value(shell->text_editor), "{\"a\": 1}");
    EXPECT_EQ(status(), "");
}

TEST_F(TextViewTest, WithNoConfigurationShownSwitchingOnlyChangesThePanel) {
    shell->guards = {{"README editor", [] { return false; }}};
    click(text_tab);
    EXPECT_EQ(shell->view_mode, "text");
    click(editor_tab);
    EXPECT_EQ(shell->view_mode, "editor");
    EXPECT_EQ(reloads, 0);
    EXPECT_FALSE(shown(kConfirm));
}

}  // namespace
}  // namespace Scribenta
