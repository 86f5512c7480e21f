#include <gtest/gtest.h>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/vbox_widget.h"
#include "ext/ostrel/desktop/wrap_label.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

constexpr const char* kEventScreen = R"json({"EvApp": {"->": "S:Ostrel/Box",
    "Status": {"->": "S:Ostrel/Text", "Text": "idle",
        "Text Color": {"->": "#ffffff", ":Narrow": "#00ff00"}},
    "Go": {"->": "S:Ostrel/Button", "Text": "Go", "Size.(Width,Height)": 40},
    "Check": {"->": "S:Ostrel/Check Box", "Size.(Width,Height)": 20},
    "Close": {"->": "S:Ostrel/Button", "Intent": "window:close", "Size.(Width,Height)": 20},
    "Max": {"->": "S:Ostrel/Button", "Intent": "window:maximize", "Size.(Width,Height)": 20},
    "Odd": {"->": "S:Ostrel/Button", "Intent": "window:fly", "Size.(Width,Height)": 20},
    "Bare": {"->": "S:Ostrel/Button", "Intent": "window:", "Size.(Width,Height)": 20},
    "Drag": {"->": "S:Ostrel/Button", "Intent": "window:drag", "Size.(Width,Height)": 20},
    "Link": {"->": "S:Ostrel/Link", "Size.(Width,Height)": 20},
    "Tall": {"->": "S:Ostrel/Box", "Size.Height Viewport": 1},
    "List": {"->": "S:Ostrel/Box", "Layout.Scroll": "Vertical", "Size.Height": 100,
        "Long": {"->": "S:Ostrel/Box", "Size.Height": 1000}}
}})json";

struct EventScreen : testing::Test {
    LayerFixture layers{"events"};
    OApp app;
    EventLog log;

    void SetUp() override {
        ASSERT_TRUE(layers.load_screen(app, kEventScreen, "EvApp"));
        for (const char* path : {"EvApp/Go", "EvApp/Check", "EvApp/Close", "EvApp/Max", "EvApp/Odd",
                                 "EvApp/Bare", "EvApp/Drag", "EvApp/Link"}) {
            log.watch_click(app, path);
        }
    }
};

TEST_F(EventScreen, PressesSendClickAndRenderAtOnce) {
    ViewHarness view(app);
    app.on_click("EvApp/Go", [&] {
        log.events.push_back("EvApp/Go|click");
        app.texts["EvApp/Status"] = "pressed";
    });
    // Fires on press, renders before the press returns.
    QTest::mousePress(view.widget("EvApp/Go"), Qt::LeftButton);
    EXPECT_EQ(view.widget_as<WrapLabel>("EvApp/Status")->text(), "pressed");
    QTest::mouseRelease(view.widget("EvApp/Go"), Qt::LeftButton);
    EXPECT_TRUE(view.press("EvApp/Check"));
    EXPECT_TRUE(app.is_checked("EvApp/Check"));
    EXPECT_TRUE(view.press("EvApp/Link"));  // links are no buttons
    EXPECT_TRUE(view.press("EvApp/Drag"));  // a window intent on a button does nothing
    EXPECT_EQ(log.events, (std::vector<std::string>{"EvApp/Go|click", "EvApp/Check|click"}));
}

TEST_F(EventScreen, WindowIntentsActOnTheWindowOnly) {
    ViewHarness view(app);
    EXPECT_TRUE(view.press("EvApp/Odd"));
    EXPECT_TRUE(view.press("EvApp/Bare"));  // the bare prefix is a window intent too
    EXPECT_TRUE(view.root()->isVisible());
    EXPECT_TRUE(view.press("EvApp/Max"));
    EXPECT_TRUE(wait_until([&] { return view.root()->isMaximized(); }));
    EXPECT_TRUE(wait_until([&] { return app.condition_tags.count("Maximized") > 0; }));
    EXPECT_TRUE(view.press("EvApp/Max"));
    EXPECT_TRUE(wait_until([&] { return !view.root()->isMaximized(); }));
    EXPECT_TRUE(wait_until([&] { return app.condition_tags.count("Maximized") == 0; }));
    EXPECT_TRUE(view.press("EvApp/Close"));
    EXPECT_FALSE(view.root()->isVisible());
    EXPECT_TRUE(log.events.empty());
}

TEST_F(EventScreen, WidthClassAndViewportHeightAtTheThresholds) {
    ViewHarness view(app, QSize(1000, 500));
    const struct {
        int width;
        bool narrow, medium;
        QString colour;
    } cases[] = {
        {901, false, false, "#ffffffff"}, {900, false, true, "#ffffffff"},
        {601, false, true, "#ffffffff"},  {600, true, false, "#ff00ff00"},
        {601, false, true, "#ffffffff"},
    };
    for (const auto& c : cases) {
        view.resize(c.width, 500);
        EXPECT_EQ(app.condition_tags.count("Narrow") > 0, c.narrow) << c.width;
        EXPECT_EQ(app.condition_tags.count("Medium") > 0, c.medium) << c.width;
        // The class change rendered at once.
        EXPECT_EQ(view.widget_as<WrapLabel>("EvApp/Status")->styleSheet(),
                  "background: transparent; color: " + c.colour + ";")
            << c.width;
    }
    view.resize(601, 432);
    EXPECT_EQ(app.viewport_height, 432);
    EXPECT_TRUE(app.uses_viewport_height);
    EXPECT_EQ(view.widget("EvApp/Tall")->height(), 432);
}

TEST_F(EventScreen, ScrollingInANarrowWindowHidesTheControls) {
    ViewHarness view(app, QSize(500, 400));
    ASSERT_TRUE(app.condition_tags.count("Narrow"));
    QScrollBar* bar = find_scroll_area(view.widget("EvApp/List"))->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);
    bar->setValue(20);
    EXPECT_EQ(app.condition_tags.count("ControlsHidden"), 0u);
    bar->setValue(51);
    EXPECT_EQ(app.condition_tags.count("ControlsHidden"), 1u);
    bar->setValue(10);
    EXPECT_EQ(app.condition_tags.count("ControlsHidden"), 0u);
}

TEST_F(EventScreen, AsyncCompletionsCoalesceIntoOneRender) {
    ViewHarness view(app);
    ASSERT_TRUE(app.after_callback);
    app.texts["EvApp/Status"] = "async";
    app.after_callback();
    app.after_callback();
    EXPECT_TRUE(view.view().render_pending());
    EXPECT_TRUE(wait_until([&] { return !view.view().render_pending(); }));
    EXPECT_EQ(view.widget_as<WrapLabel>("EvApp/Status")->text(), "async");
}

}  // namespace
}  // namespace Ostrel
