#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {
namespace {

using WordSet = std::set<std::string>;

TEST(WindowState, WidthClassesAtTheirBounds) {
    struct Case {
        double width;
        WordSet words;
    };
    const Case cases[] = {
        {0, {"Narrow"}},   {600, {"Narrow"}}, {600.5, {"Medium"}},
        {900, {"Medium"}}, {900.5, {}},       {901, {}},
    };
    for (const auto& c : cases) {
        OApp app;
        app.condition_tags.insert("Desktop");
        WordSet expected = c.words;
        expected.insert("Desktop");
        EXPECT_EQ(app.set_width_class(c.width), !c.words.empty()) << c.width;
        EXPECT_EQ(app.condition_tags, expected) << c.width;
        EXPECT_EQ(app.is_narrow(), c.words.count("Narrow") > 0);
    }
}

TEST(WindowState, WidthChangesReportOnlyAChangedClass) {
    OApp app;
    EXPECT_TRUE(app.set_width_class(500));
    EXPECT_FALSE(app.set_width_class(320));
    app.condition_tags.insert("ControlsHidden");
    app.scroll_total = 12;

    EXPECT_TRUE(app.set_width_class(700));  // leaves narrow: controls come back
    EXPECT_EQ(app.condition_tags, (WordSet{"Medium"}));
    EXPECT_EQ(app.scroll_total, 0);
    EXPECT_FALSE(app.set_width_class(800));
    EXPECT_TRUE(app.set_width_class(950));
    EXPECT_TRUE(app.condition_tags.empty());
    EXPECT_FALSE(app.set_width_class(1200));
    EXPECT_TRUE(app.set_width_class(550));
    EXPECT_EQ(app.condition_tags, (WordSet{"Narrow"}));
}

TEST(WindowState, ViewportHeightIsRoundedAndRendersOnlyWhenUsed) {
    OApp app;
    EXPECT_FALSE(app.set_viewport_height(700));  // stored, but no node used it
    EXPECT_EQ(app.viewport_height, 700);
    EXPECT_FALSE(app.set_viewport_height(700.4));
    app.uses_viewport_height = true;
    EXPECT_FALSE(app.set_viewport_height(700.4));
    EXPECT_TRUE(app.set_viewport_height(700.5));
    EXPECT_EQ(app.viewport_height, 701);
    EXPECT_FALSE(app.set_viewport_height(701));
    app.uses_viewport_height = false;
    EXPECT_FALSE(app.set_viewport_height(300));
    EXPECT_EQ(app.viewport_height, 300);
}

TEST(WindowState, MaximizedAndControlsHiddenReportChanges) {
    OApp app;
    EXPECT_FALSE(app.set_maximized(false));
    EXPECT_TRUE(app.set_maximized(true));
    EXPECT_FALSE(app.set_maximized(true));
    EXPECT_TRUE(app.condition_tags.count("Maximized"));
    EXPECT_TRUE(app.set_maximized(false));
    EXPECT_TRUE(app.set_controls_hidden(true));
    EXPECT_FALSE(app.set_controls_hidden(true));
    EXPECT_TRUE(app.set_controls_hidden(false));
    EXPECT_TRUE(app.condition_tags.empty());
}

TEST(WindowState, ScrollingHidesAndShowsControlsOnlyWhenNarrow) {
    OApp app;
    EXPECT_FALSE(app.on_scroll(100));  // not narrow: not even accumulated
    EXPECT_EQ(app.scroll_total, 0);

    app.set_width_class(400);
    struct Step {
        double delta;
        bool changed;
        double total_after;
        bool hidden_after;
    };
    const Step steps[] = {
        {30, false, 30, false},  // exactly 30 is not more than 30
        {-60, false, -30, false},
        {-0.5, false, 0, false},  // below -30, but the controls were shown
        {20, false, 20, false},
        {15, true, 0, true},
        {31, false, 0, true},  // crosses 30 while hidden: reset, no change
        {-31, true, 0, false},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(app.on_scroll(s.delta), s.changed) << s.delta;
        EXPECT_EQ(app.scroll_total, s.total_after) << s.delta;
        EXPECT_EQ(app.condition_tags.count("ControlsHidden") > 0, s.hidden_after) << s.delta;
    }
}

}  // namespace
}  // namespace Ostrel
