#include <gtest/gtest.h>
#include <QAbstractAnimation>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QVariantAnimation>

#include "ext/ostrel/desktop/editor_widget.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

constexpr const char* kEditorScreen = R"json({"EdApp": {"->": "S:Ostrel/Box",
    "Layout.Align": "Stretch",
    "Name": {"->": "S:Ostrel/Editor", "Placeholder": "Name", "Size.Height": 48,
        "Text Color": "#ffffff"},
    "Title": {"->": "S:Ostrel/Editor", "Placeholder": "Title", "Text": "Keep",
        "Size.Height": 48},
    "Password": {"->": "S:Ostrel/Editor", "Secret": 1, "Font.Size": 10},
    "Fixed": {"->": "S:Ostrel/Editor", "Read Only": 1, "Text": "fixed"},
    "Notes": {"->": "S:Ostrel/Editor", "Multiline": 1, "Size.Height": 80},
    "Log": {"->": "S:Ostrel/Editor", "Multiline": 1, "Read Only": 1, "Size.Height": 60},
    "Switch": {"->": "S:Ostrel/Editor", "Multiline": {"->": 1, ":Single": 0}, "Text": "one",
        "Size.Height": 60}
}})json";

struct EditorScreen : testing::Test {
    LayerFixture layers{"editor"};
    OApp app;
    EventLog log;

    void SetUp() override {
        ASSERT_TRUE(layers.load_screen(app, kEditorScreen, "EdApp"));
        for (const char* path : {"EdApp/Name", "EdApp/Title", "EdApp/Notes"}) {
            log.watch_change(app, path);
        }
    }
};

TEST_F(EditorScreen, PlaceholderRestsWhenEmptyAndFloatsOverText) {
    ViewHarness view(app);
    auto* name = view.widget_as<EditorWidget>("EdApp/Name");
    auto* title = view.widget_as<EditorWidget>("EdApp/Title");
    ASSERT_TRUE(name && title);
    EXPECT_EQ(name->placeholder_label->text(), "Name");
    EXPECT_EQ(name->label_progress, 0.0);
    EXPECT_EQ(name->placeholder_label->pos(), name->label_rest);
    EXPECT_EQ(name->placeholder_label->font().pixelSize(), 14);
    EXPECT_TRUE(name->placeholder_label->font().italic());
    EXPECT_EQ(name->placeholder_label->styleSheet(),
              "background: transparent; color: rgba(255, 255, 255, 0.5);");
    EXPECT_EQ(title->line_edit->text(), "Keep");
    EXPECT_EQ(title->label_progress, 1.0);  // filled at creation: floated at once
    EXPECT_EQ(title->placeholder_label->pos(), title->label_float);
    EXPECT_EQ(title->placeholder_label->font().pixelSize(), 10);  // 14 x 0.72 = 10.08
    EXPECT_EQ(title->label_float.y(), 0);
}

TEST_F(EditorScreen, OnlyUserEditsAnimateTheLabel) {
    ViewHarness view(app);
    auto* name = view.widget_as<EditorWidget>("EdApp/Name");
    name->line_edit->clearFocus();
    ASSERT_TRUE(wait_until([&] { return name->label_progress == 0.0; }));
    // A programmatic fill floats at once.
    app.texts["EdApp/Name"] = "filled";
    view.render();
    EXPECT_EQ(name->line_edit->text(), "filled");
    EXPECT_EQ(name->label_progress, 1.0);
    EXPECT_NE(name->label_anim->state(), QAbstractAnimation::Running);
    EXPECT_TRUE(log.events.empty());
    app.texts["EdApp/Name"] = "";
    view.render();
    EXPECT_EQ(name->label_progress, 0.0);

    // Typing the first character floats it over 150 ms.
    ASSERT_TRUE(view.type_into("EdApp/Name", "a"));
    EXPECT_TRUE(view.view().render_pending());  // edits render on a 0 ms timer
    EXPECT_EQ(name->label_anim->state(), QAbstractAnimation::Running);
    EXPECT_EQ(name->label_anim->duration(), 150);
    EXPECT_TRUE(wait_until([&] { return name->label_progress == 1.0; }));
    EXPECT_EQ(log.events, std::vector<std::string>{"EdApp/Name|input:a"});
    EXPECT_EQ(app.value("EdApp/Name"), "a");
    EXPECT_FALSE(view.view().render_pending());
}

TEST_F(EditorScreen, SecretReadOnlyAndFontSizes) {
    ViewHarness view(app);
    auto* password = view.widget_as<EditorWidget>("EdApp/Password");
    EXPECT_EQ(password->line_edit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(password->small_size, 9.0);  // 10 x 0.72 is below the floor
    EXPECT_EQ(password->line_edit->font().pixelSize(), 10);
    auto* fixed = view.widget_as<EditorWidget>("EdApp/Fixed");
    EXPECT_TRUE(fixed->line_edit->isReadOnly());
    EXPECT_EQ(fixed->line_edit->echoMode(), QLineEdit::Normal);
    EXPECT_DOUBLE_EQ(view.widget_as<EditorWidget>("EdApp/Name")->small_size, 14 * 0.72);
}

TEST_F(EditorScreen, LeavingAFieldEmptyRestoresItsNodeText) {
    ViewHarness view(app);
    auto* title = view.widget_as<EditorWidget>("EdApp/Title");
    ASSERT_TRUE(view.type_into("EdApp/Title", ""));
    title->line_edit->selectAll();
    QTest::keyClick(title->line_edit, Qt::Key_Backspace);
    EXPECT_EQ(title->line_edit->text(), "");
    view.widget_as<EditorWidget>("EdApp/Name")->line_edit->setFocus();
    EXPECT_TRUE(wait_until([&] { return !title->line_edit->hasFocus(); }));
    EXPECT_EQ(title->line_edit->text(), "Keep");
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"EdApp/Title|input:", "EdApp/Title|input:Keep"}));

    // Without a node text the field may stay empty.
    log.events.clear();
    auto* name = view.widget_as<EditorWidget>("EdApp/Name");
    ASSERT_TRUE(view.type_into("EdApp/Name", "x"));
    QTest::keyClick(name->line_edit, Qt::Key_Backspace);
    title->line_edit->setFocus();
    EXPECT_TRUE(wait_until([&] { return !name->line_edit->hasFocus(); }));
    EXPECT_EQ(name->line_edit->text(), "");
    EXPECT_EQ(log.events, (std::vector<std::string>{"EdApp/Name|input:x", "EdApp/Name|input:"}));
}

TEST_F(EditorScreen, LeavingAFieldEmptyBringsBackTheTextItHeldWhenEntered) {
    ViewHarness view(app);
    auto* title = view.widget_as<EditorWidget>("EdApp/Title");
    auto* name = view.widget_as<EditorWidget>("EdApp/Name");
    const auto enter = [&] {
        ASSERT_TRUE(view.type_into("EdApp/Title", ""));
        title->line_edit->end(false);
    };
    const auto leave = [&] {
        name->line_edit->setFocus();
        ASSERT_TRUE(wait_until([&] { return !title->line_edit->hasFocus(); }));
        process_events();  // the render of the last input
    };
    const auto empty_by_backspaces = [&] {
        while (!title->line_edit->text().isEmpty()) {
            QTest::keyClick(title->line_edit, Qt::Key_Backspace);
            process_events();  // each edit renders, the node text still "Keep"
        }
    };

    // The user's edit stands in the field; the node text stays "Keep".
    enter();
    title->line_edit->selectAll();
    QTest::keyClicks(title->line_edit, "Saved");
    leave();
    EXPECT_EQ(title->line_edit->text(), "Saved");

    // A later visit that empties the field brings back "Saved", not "Keep".
    log.events.clear();
    enter();
    empty_by_backspaces();
    leave();
    EXPECT_EQ(title->line_edit->text(), "Saved");
    EXPECT_EQ(log.events.back(), "EdApp/Title|input:Saved");
    EXPECT_EQ(app.value("EdApp/Title"), "Saved");

    // A node text written into the field during the visit is the newer one.
    enter();
    app.texts["EdApp/Title"] = "Fresh";
    view.render();
    EXPECT_EQ(title->line_edit->text(), "Fresh");
    empty_by_backspaces();
    leave();
    EXPECT_EQ(title->line_edit->text(), "Fresh");
    EXPECT_EQ(log.events.back(), "EdApp/Title|input:Fresh");
}

// A form redrawn from its file writes the file's value into the store, often
// the very value of the drawing before, so no patch comes; the editor still
// shows it in place of what was typed. Renders while the user types leave
// the text and the cursor alone.
TEST_F(EditorScreen, AValueTheApplicationWritesReplacesTypedTextEvenWithTheSameNodeText) {
    struct Case {
        const char* path;
        bool multiline;
    };
    const Case cases[] = {{"EdApp/Name", false}, {"EdApp/Notes", true}};
    for (const Case& c : cases) app.texts[c.path] = app.values[c.path] = "MIT";
    ViewHarness view(app);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        log.events.clear();
        auto* editor = view.widget_as<EditorWidget>(c.path);
        ASSERT_TRUE(editor != nullptr && editor->multiline == c.multiline);
        const auto shown = [&] {
            return (c.multiline ? editor->multiline_text() : editor->line_edit->text())
                .toStdString();
        };
        const auto cursor = [&] {
            return c.multiline ? editor->text_edit->textCursor().position()
                               : editor->line_edit->cursorPosition();
        };
        const auto place_cursor = [&](int at) {
            if (!c.multiline) return editor->line_edit->setCursorPosition(at);
            QTextCursor moved = editor->text_edit->textCursor();
            moved.setPosition(at);
            editor->text_edit->setTextCursor(moved);
        };

        ASSERT_TRUE(view.type_into(c.path, ""));
        place_cursor(3);
        QTest::keyClicks(c.multiline ? static_cast<QWidget*>(editor->text_edit)
                                     : static_cast<QWidget*>(editor->line_edit),
                         "X");
        place_cursor(1);
        process_events();  // the render of the input
        view.render();
        EXPECT_EQ(shown(), "MITX");
        EXPECT_EQ(cursor(), 1);

        // The redraw: the store gets the file's value, the node text stays.
        app.values[c.path] = "MIT";
        view.render();
        EXPECT_EQ(shown(), "MIT");
        EXPECT_EQ(log.events, (std::vector<std::string>{std::string(c.path) + "|input:MITX"}));

        place_cursor(3);
        QTest::keyClicks(c.multiline ? static_cast<QWidget*>(editor->text_edit)
                                     : static_cast<QWidget*>(editor->line_edit),
                         "Y");
        EXPECT_EQ(log.events.back(), std::string(c.path) + "|input:MITY");
    }
}

TEST_F(EditorScreen, MultilineTextComesBackByteForByte) {
    const std::string file = "line one\r\nline\u00a0two\r\n\r\n";
    app.values["EdApp/Notes"] = file;
    ViewHarness view(app);
    auto* notes = view.widget_as<EditorWidget>("EdApp/Notes");
    ASSERT_TRUE(notes->multiline);
    EXPECT_FALSE(notes->line_edit->isVisible());
    EXPECT_EQ(notes->multiline_text().toStdString(), file);
    EXPECT_TRUE(log.events.empty());  // filling is no edit

    ASSERT_TRUE(view.type_into("EdApp/Notes", ""));
    notes->text_edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(notes->text_edit, "x");
    ASSERT_EQ(log.events.size(), 1u);
    EXPECT_EQ(log.events[0], "EdApp/Notes|input:" + file + "x");
    QTest::keyClick(notes->text_edit, Qt::Key_Backspace);
    ASSERT_EQ(log.events.size(), 2u);
    EXPECT_EQ(log.events[1], "EdApp/Notes|input:" + file);
}

TEST_F(EditorScreen, ReadOnlyLogStaysScrolledToTheEnd) {
    ViewHarness view(app);
    auto* log_view = view.widget_as<EditorWidget>("EdApp/Log");
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += "line " + std::to_string(i) + "\n";
        app.texts["EdApp/Log"] = text;
        view.render();
    }
    QScrollBar* bar = log_view->text_edit->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(log_view->text_edit->isReadOnly());
}

TEST_F(EditorScreen, MultilineSwitchedOffBecomesASingleLineAgain) {
    ViewHarness view(app);
    auto* editor = view.widget_as<EditorWidget>("EdApp/Switch");
    ASSERT_TRUE(editor->multiline);
    EXPECT_EQ(editor->multiline_text(), "one");
    app.node_states["EdApp/Switch"] = {"Single"};
    view.render();
    EXPECT_EQ(view.widget("EdApp/Switch"), editor);
    EXPECT_FALSE(editor->multiline);
    EXPECT_TRUE(editor->line_edit->isVisible());
    EXPECT_FALSE(editor->text_edit->isVisible());
    EXPECT_EQ(editor->line_edit->text(), "one");
}

}  // namespace
}  // namespace Ostrel
