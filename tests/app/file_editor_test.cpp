#include <sys/stat.h>

#include <gtest/gtest.h>

#include "app/file_editor.h"
#include "config/temp_dir.h"
#include "config/unprivileged.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {
namespace {

const std::string kPanel = "App/W/Readme Panel";

// One row of the file editor's state table.
struct State {
    std::string status;
    bool save_disabled;
    bool locked;
    bool dirty;
};
const State kNoFile{"", true, true, false};
const State kMissing{"README not found", true, true, false};
const State kClean{"", true, false, false};
const State kUnsaved{"Unsaved changes", false, false, true};

class FileEditorTest : public ::testing::Test {
protected:
    FileEditorTest() { wire_file_editor(app, editor, wire_confirm_dialog(app)); }

    bool has_word(const std::string& path, const std::string& word) const {
        const auto it = app.node_states.find(path);
        return it != app.node_states.end() && it->second.count(word);
    }
    void type(const std::string& text) { app.dispatch_event(editor->text_key, "input:" + text); }
    void click(const std::string& path) { app.dispatch_event(path, "click"); }

    void expect_state(const State& want) {
        EXPECT_EQ(app.texts[editor->status_key], want.status);
        EXPECT_EQ(has_word(editor->save_key, "Disabled"), want.save_disabled);
        EXPECT_EQ(editor->save_disabled, want.save_disabled);
        EXPECT_EQ(has_word(editor->text_key, "Locked"), want.locked);
        EXPECT_EQ(editor->locked, want.locked);
        EXPECT_EQ(editor_is_dirty(app, *editor), want.dirty);
    }

    Ostrel::OApp app;
    TempDir dir;
    std::shared_ptr<FileEditor> editor =
        make_file_editor(kPanel + "/Readme Status Bar", kPanel + "/Readme Editor",
                         "README not found", "README editor");
};

TEST_F(FileEditorTest, WiringStartsDisabledAndWrapped) {
    EXPECT_EQ(editor->status_key, kPanel + "/Readme Status Bar/Status Message");
    EXPECT_EQ(editor->wrap_key, kPanel + "/Readme Status Bar/Wrap Checkbox");
    EXPECT_EQ(editor->save_key, kPanel + "/Readme Status Bar/Save Button");
    EXPECT_TRUE(has_word(editor->save_key, "Disabled"));
    EXPECT_TRUE(app.is_checked(editor->wrap_key));
    EXPECT_EQ(app.click_handlers.count(editor->save_key), 1u);
    EXPECT_EQ(app.click_handlers.count(editor->wrap_key), 1u);
    EXPECT_EQ(app.change_handlers.count(editor->text_key), 1u);
}

TEST_F(FileEditorTest, LoadingEntersTheStateOfWhatThePathNames) {
    dir.write("empty.md", "");
    dir.write("readme.md", "# Hi\n");
    std::filesystem::create_directories(dir / "folder");
    std::filesystem::create_symlink(dir / "readme.md", dir / "link.md");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    struct Case {
        std::string path;
        State state;
        std::string text;
    };
    const Case cases[] = {
        {"", kNoFile, ""},
        {(dir / "missing.md").string(), kMissing, ""},
        {(dir / "empty.md").string(), kClean, ""},
        {(dir / "readme.md").string(), kClean, "# Hi\n"},
        {(dir / "folder").string(), kMissing, ""},
        {(dir / "pipe").string(), kMissing, ""},
        {"/dev/null", kMissing, ""},
        {(dir / "link.md").string(), kClean, "# Hi\n"},
        {"", kNoFile, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        type("left over");
        load_file_editor(app, *editor, c.path);
        expect_state(c.state);
        EXPECT_EQ(app.value(editor->text_key), c.text);
        EXPECT_EQ(app.texts[editor->text_key], c.text);
    }
}

TEST_F(FileEditorTest, TypingMovesBetweenCleanAndUnsaved) {
    load_file_editor(app, *editor, dir.write("r.md", "abc").string());
    type("abcd");
    expect_state(kUnsaved);
    type("abc");
    expect_state(kClean);
}

TEST_F(FileEditorTest, TypingIntoALockedEditorNeverEnablesSave) {
    load_file_editor(app, *editor, (dir / "missing.md").string());
    type("text");
    expect_state(kMissing);
    click(editor->save_key);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.md"));
}

TEST_F(FileEditorTest, SaveWritesTheTextByteForByte) {
    const auto file = dir.write("r.md", "old\n");
    load_file_editor(app, *editor, file.string());
    type("new text without a line end");
    click(editor->save_key);
    EXPECT_EQ(TempDir::read(file), "new text without a line end");
    expect_state(kClean);
}

TEST_F(FileEditorTest, SaveRecreatesAFileDeletedMeanwhile) {
    const auto file = dir.write("r.md", "old");
    load_file_editor(app, *editor, file.string());
    std::filesystem::remove(file);
    type("back");
    click(editor->save_key);
    EXPECT_EQ(TempDir::read(file), "back");
    expect_state(kClean);
}

TEST_F(FileEditorTest, FailedSaveKeepsTheTextUnsaved) {
    namespace fs = std::filesystem;
    fs::permissions(dir.path(), fs::perms::all);
    const auto file = dir.write("r.md", "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    load_file_editor(app, *editor, file.string());
    EXPECT_TRUE(run_unprivileged([&] {
        type("mine");
        click(editor->save_key);
        return TempDir::read(file) == "old" && app.value(editor->text_key) == "mine" &&
               app.texts[editor->status_key] == "Unsaved changes" && !editor->save_disabled &&
               editor->saved_text == "old";
    }));
}

TEST_F(FileEditorTest, WrapTogglesNoWrapOppositeToChecked) {
    for (int i = 0; i < 2; ++i) {
        // The engine flips "Checked" of a rendered check box before the handler.
        app.toggle_state(editor->wrap_key, "Checked");
        click(editor->wrap_key);
        EXPECT_EQ(has_word(editor->text_key, "NoWrap"), !app.is_checked(editor->wrap_key));
    }
    EXPECT_TRUE(app.is_checked(editor->wrap_key));
    EXPECT_FALSE(has_word(editor->text_key, "NoWrap"));
}

TEST_F(FileEditorTest, GuardReportsUnsavedText) {
    const auto guard = file_editor_guard(app, editor);
    load_file_editor(app, *editor, dir.write("r.md", "a").string());
    EXPECT_EQ(guard.name, "README editor");
    EXPECT_FALSE(guard.dirty());
    type("b");
    EXPECT_TRUE(guard.dirty());
}

}  // namespace
}  // namespace Scribenta
