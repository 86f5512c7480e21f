#include <gtest/gtest.h>
#include <QComboBox>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "ext/ostrel/desktop/combo_widget.h"
#include "ext/ostrel/desktop/editor_widget.h"
#include "ext/ostrel/desktop/vbox_widget.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

// Every control's rest, hover and pressed fills differ; a child box shows
// that the words reach the subtree.
constexpr const char* kStateScreen = R"json({"CsApp": {"->": "S:Ostrel/Box",
    "Go": {"->": "S:Ostrel/Button", "Size.(Width,Height)": 40,
        "Fill": {"->": "#101010", ":Hover": "#202020", ":Pressed": "#303030"},
        "Dot": {"->": "S:Ostrel/Box", "Size.(Width,Height)": 8,
            "Fill": {"->": "#000000", ":Hover": "#ffffff", ":Pressed": "#808080"}}},
    "Off": {"->": "S:Ostrel/Button", "Size.(Width,Height)": 40,
        "Fill": {"->": "#101010", ":Hover": "#202020", ":Pressed": "#303030"}},
    "Check": {"->": "S:Ostrel/Check Box", "Size.(Width,Height)": 20,
        "Fill": {"->": "#101010", ":Hover": "#202020"}},
    "Plain": {"->": "S:Ostrel/Box", "Size.(Width,Height)": 20,
        "Fill": {"->": "#101010", ":Hover": "#202020"}},
    "Field": {"->": "S:Ostrel/Editor", "Size.(Width,Height)": 200,
        "Border.Thickness": 2, "Border.Fill": {"->": "#404040", ":Focus": "#3d7eff"}},
    "Notes": {"->": "S:Ostrel/Editor", "Multiline": 1, "Size.(Width,Height)": 200,
        "Border.Thickness": 2, "Border.Fill": {"->": "#404040", ":Focus": "#3d7eff"}},
    "Pick": {"->": "S:Ostrel/Combo Box", "Size.(Width,Height)": 200,
        "Border.Thickness": 2, "Border.Fill": {"->": "#404040", ":Focus": "#3d7eff"}},
    "Rows": {"->": "S:Ostrel/Box", "Bind": "List:items",
        "Row": {"->": "S:Ostrel/Box",
            "Remove": {"->": "S:Ostrel/Button", "Size.(Width,Height)": 20,
                "Fill": {"->": "#101010", ":Hover": "#202020"}}}}
}})json";

using Words = std::set<std::string>;

struct StateScreen : testing::Test {
    LayerFixture layers{"control_states"};
    OApp app;

    void SetUp() override {
        ASSERT_TRUE(layers.load_screen(app, kStateScreen, "CsApp"));
        app.set_options("CsApp/Pick", {{"a", "Alpha"}});
        app.set_rows("items", {{"one", {}}, {"two", {}}});
        app.node_states["CsApp/Off"] = {"Disabled"};
        app.node_states["CsApp/Rows/one"] = {"Disabled"};  // reaches its buttons
    }

    Words words(const std::string& path) const {
        const auto it = app.node_states.find(path);
        return it == app.node_states.end() ? Words() : it->second;
    }
};

void send(QWidget* widget, QEvent&& event) {
    ASSERT_NE(widget, nullptr);
    QCoreApplication::sendEvent(widget, &event);
}

void enter(QWidget* widget) {
    send(widget, QEnterEvent(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5)));
}

void leave(QWidget* widget) {
    send(widget, QEvent(QEvent::Leave));
}

void focus(QWidget* widget, bool in, Qt::FocusReason reason = Qt::TabFocusReason) {
    send(widget, QFocusEvent(in ? QEvent::FocusIn : QEvent::FocusOut, reason));
}

// The scheduled render has run.
bool rendered(ViewHarness& view) {
    return wait_until([&] { return !view.view().render_pending(); });
}

TEST_F(StateScreen, PointerWordsFollowEnterLeavePressAndRelease) {
    ViewHarness view(app);
    QWidget* go = view.widget("CsApp/Go");
    const auto fill = [&](const std::string& path) {
        return view.widget_as<VBoxWidget>(path)->style.fill;
    };
    const struct {
        const char* step;
        std::function<void()> act;
        Words go_words;
        std::string go_fill, dot_fill;
    } cases[] = {
        {"enter", [&] { enter(go); }, {"Hover"}, "#202020", "#ffffff"},
        {"press",
         [&] { QTest::mousePress(go, Qt::LeftButton); },
         {"Pressed"},
         "#303030",
         "#808080"},
        {"release",
         [&] { QTest::mouseRelease(go, Qt::LeftButton); },
         {"Hover"},
         "#202020",
         "#ffffff"},
        {"right press",
         [&] { QTest::mousePress(go, Qt::RightButton); },
         {"Hover"},
         "#202020",
         "#ffffff"},
        {"press again",
         [&] { QTest::mousePress(go, Qt::LeftButton); },
         {"Pressed"},
         "#303030",
         "#808080"},
        {"leave while held", [&] { leave(go); }, {}, "#101010", "#000000"},
        {"enter again", [&] { enter(go); }, {"Hover"}, "#202020", "#ffffff"},
        {"window loses the pointer", [&] { leave(view.root()); }, {}, "#101010", "#000000"},
    };
    for (const auto& c : cases) {
        c.act();
        EXPECT_TRUE(rendered(view)) << c.step;
        EXPECT_EQ(words("CsApp/Go"), c.go_words) << c.step;
        EXPECT_EQ(fill("CsApp/Go"), c.go_fill) << c.step;
        EXPECT_EQ(fill("CsApp/Go/Dot"), c.dot_fill) << c.step;
    }
    // No word left behind, not even an empty entry.
    EXPECT_EQ(app.node_states.count("CsApp/Go"), 0u);
    // The fill reaches the screen.
    enter(go);
    EXPECT_TRUE(rendered(view));
    EXPECT_EQ(QColor(go->grab().toImage().pixel(30, 30)), QColor("#202020"));
}

TEST_F(StateScreen, OnlyClickableEnabledNodesHover) {
    ViewHarness view(app);
    const struct {
        std::string path;
        Words expected;
    } cases[] = {
        {"CsApp/Check", {"Hover", "Checked"}},  // the click checks it
        {"CsApp/Rows/two/Remove", {"Hover"}},  {"CsApp/Off", {"Disabled"}},
        {"CsApp/Rows/one/Remove", {}},         {"CsApp/Plain", {}},
    };
    for (const auto& c : cases) {
        enter(view.widget(c.path));
        QTest::mousePress(view.widget(c.path), Qt::LeftButton);
        EXPECT_TRUE(rendered(view)) << c.path;
        Words expected = c.expected;
        if (expected.erase("Hover") > 0) expected.insert("Pressed");
        EXPECT_EQ(words(c.path), expected) << c.path;
        QTest::mouseRelease(view.widget(c.path), Qt::LeftButton);
        leave(view.widget(c.path));
        EXPECT_TRUE(rendered(view)) << c.path;
    }
    EXPECT_EQ(view.widget_as<VBoxWidget>("CsApp/Off")->style.fill, "#101010");
}

TEST_F(StateScreen, DisablingUnderThePointerDropsTheHoverAndEnablingBringsItBack) {
    ViewHarness view(app);
    enter(view.widget("CsApp/Go"));
    EXPECT_TRUE(rendered(view));
    app.on_click("CsApp/Go", [&] { app.toggle_state("CsApp/Go", "Disabled"); });
    QTest::mousePress(view.widget("CsApp/Go"), Qt::LeftButton);
    // The click's own render already shows the disabled look.
    EXPECT_EQ(words("CsApp/Go"), Words{"Disabled"});
    EXPECT_EQ(view.widget_as<VBoxWidget>("CsApp/Go")->style.fill, "#101010");
    QTest::mouseRelease(view.widget("CsApp/Go"), Qt::LeftButton);
    app.toggle_state("CsApp/Go", "Disabled");
    view.view().schedule_render();
    EXPECT_TRUE(rendered(view));
    EXPECT_EQ(words("CsApp/Go"), Words{"Hover"});
    EXPECT_EQ(view.widget_as<VBoxWidget>("CsApp/Go")->style.fill, "#202020");
}

TEST_F(StateScreen, FieldsShowFocusOnTheirOwnBorder) {
    ViewHarness view(app);
    const auto border = [&](const std::string& path) {
        return view.widget_as<VBoxWidget>(path)->style.border_fill;
    };
    QWidget* line = view.widget_as<EditorWidget>("CsApp/Field")->line_edit;
    QWidget* text = view.widget_as<EditorWidget>("CsApp/Notes")->text_edit;
    QWidget* combo = view.widget_as<ComboWidget>("CsApp/Pick")->combo_box;

    // Real keyboard focus, moved from field to field.
    ASSERT_TRUE(view.type_into("CsApp/Notes", "y"));
    EXPECT_TRUE(wait_until([&] { return words("CsApp/Notes") == Words{"Focus"}; }));
    EXPECT_TRUE(rendered(view));
    EXPECT_EQ(words("CsApp/Field"), Words{});
    ASSERT_TRUE(view.type_into("CsApp/Field", "x"));
    EXPECT_TRUE(wait_until([&] { return words("CsApp/Field") == Words{"Focus"}; }));
    EXPECT_TRUE(rendered(view));
    EXPECT_EQ(words("CsApp/Notes"), Words{});
    EXPECT_EQ(border("CsApp/Field"), "#3d7eff");
    EXPECT_EQ(QColor(view.widget("CsApp/Field")->grab().toImage().pixel(1, 100)),
              QColor("#3d7eff"));

    // Focus events as such, the field above keeping its focus meanwhile.
    const struct {
        const char* step;
        std::function<void()> act;
        std::string path;
        Words expected;
        std::string border;
    } cases[] = {
        {"line out", [&] { focus(line, false); }, "CsApp/Field", {}, "#404040"},
        {"text in", [&] { focus(text, true); }, "CsApp/Notes", {"Focus"}, "#3d7eff"},
        {"text out", [&] { focus(text, false); }, "CsApp/Notes", {}, "#404040"},
        {"combo in", [&] { focus(combo, true); }, "CsApp/Pick", {"Focus"}, "#3d7eff"},
        {"popup opens",
         [&] { focus(combo, false, Qt::PopupFocusReason); },
         "CsApp/Pick",
         {"Focus"},
         "#3d7eff"},
        {"combo out", [&] { focus(combo, false); }, "CsApp/Pick", {}, "#404040"},
    };
    for (const auto& c : cases) {
        c.act();
        EXPECT_TRUE(rendered(view)) << c.step;
        EXPECT_EQ(words(c.path), c.expected) << c.step;
        EXPECT_EQ(border(c.path), c.border) << c.step;
    }
}

TEST_F(StateScreen, RemovedHiddenAndDestroyedControlsLeaveNoWords) {
    auto view = std::make_unique<ViewHarness>(app);
    enter(view->widget("CsApp/Rows/two/Remove"));
    enter(view->widget("CsApp/Go"));
    enter(view->widget("CsApp/Check"));
    focus(view->widget_as<EditorWidget>("CsApp/Field")->line_edit, true);
    EXPECT_TRUE(rendered(*view));
    ASSERT_EQ(words("CsApp/Rows/two/Remove"), Words{"Hover"});

    // The row under the pointer is removed by a patch.
    app.set_rows("items", {{"one", {}}});
    view->view().schedule_render();
    EXPECT_TRUE(rendered(*view));
    EXPECT_EQ(app.node_states.count("CsApp/Rows/two/Remove"), 0u);
    EXPECT_EQ(words("CsApp/Go"), Words{"Hover"});

    // A hidden control.
    view->widget("CsApp/Go")->hide();
    EXPECT_TRUE(rendered(*view));
    EXPECT_EQ(app.node_states.count("CsApp/Go"), 0u);

    // The whole view goes: the store keeps only the application's words.
    view.reset();
    EXPECT_EQ(app.node_states, (std::map<std::string, Words>{{"CsApp/Off", {"Disabled"}},
                                                             {"CsApp/Rows/one", {"Disabled"}}}));
}

TEST(ControlStates, ADialogEndsThePressThatOpenedItAndTakesItsHoverAlong) {
    LayerFixture layers{"control_states_dialog"};
    OApp app;
    ASSERT_TRUE(layers.load_screen(app, R"json({"CdApp": {"->": "S:Ostrel/Box",
        "Open": {"->": "S:Ostrel/Button", "Size.(Width,Height)": 40,
            "Fill": {"->": "#101010", ":Hover": "#202020", ":Pressed": "#303030"}},
        "Ask": {"->": "S:Ostrel/Box", "Overlay": "Modal", "Size.(Width,Height)": 100,
            "Ok": {"->": "S:Ostrel/Button", "Size.(Width,Height)": 40,
                "Fill": {"->": "#101010", ":Hover": "#202020"}}}
    }})json",
                                   "CdApp"));
    app.set_visible("CdApp/Ask", false);
    app.on_click("CdApp/Open", [&] { app.set_visible("CdApp/Ask", true); });
    ViewHarness view(app);
    const auto words = [&](const std::string& path) {
        const auto it = app.node_states.find(path);
        return it == app.node_states.end() ? Words() : it->second;
    };

    // The modal window blocks the main one: no release or leave reaches the
    // button that opened it.
    enter(view.widget("CdApp/Open"));
    QTest::mousePress(view.widget("CdApp/Open"), Qt::LeftButton);
    EXPECT_TRUE(rendered(view));
    ASSERT_NE(view.widget("CdApp/Ask/Ok"), nullptr);
    EXPECT_EQ(words("CdApp/Open"), Words{});
    EXPECT_EQ(view.widget_as<VBoxWidget>("CdApp/Open")->style.fill, "#101010");

    enter(view.widget("CdApp/Ask/Ok"));
    EXPECT_TRUE(rendered(view));
    EXPECT_EQ(words("CdApp/Ask/Ok"), Words{"Hover"});
    app.set_visible("CdApp/Ask", false);
    view.view().schedule_render();
    EXPECT_TRUE(rendered(view));
    EXPECT_EQ(app.node_states.count("CdApp/Ask/Ok"), 0u);
}

}  // namespace
}  // namespace Ostrel
