#include <gtest/gtest.h>
#include <QBoxLayout>
#include <QGraphicsOpacityEffect>
#include <QPointer>
#include <QTest>

#include "ext/ostrel/desktop/vbox_widget.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

constexpr const char* kFloatScreen = R"json({"FlApp": {"->": "S:Ostrel/Box",
    "Layout.Align": "Stretch",
    "Page": {"->": "S:Ostrel/Box", "Layout.Grow": 1, "Padding.Bottom": 8,
        "Layout.Align": "Stretch",
        "Content": {"->": "S:Ostrel/Text", "Text": "content"},
        "Pinned": {"->": "S:Ostrel/Box", "Size.Height": 48,
            "Overlay": {"->": "PinnedBottom", ":Plain": ""},
            "Transform.Offset Y": {"->": 0, ":Half": 0.5, ":Away": 1}},
        "Sheet": {"->": "S:Ostrel/Box", "Overlay": "ModalSheet", "Size.Height": 100,
            "Transform.Offset Y": {"->": 1, ":Open": 0}},
        "Bottom": {"->": "S:Ostrel/Box", "Overlay": "BottomSheet", "Size.Height": 60,
            "Transform.Offset Y": {"->": 1, ":Open": 0}},
        "Side": {"->": "S:Ostrel/Box", "Overlay": "SideSheet", "Size.Max Width": 320,
            "Transform.Offset X": {"->": 1, ":Open": 0}}}
}})json";

struct FloatScreen : testing::Test {
    LayerFixture layers{"float"};
    OApp app;
    EventLog log;

    void SetUp() override {
        ASSERT_TRUE(layers.load_screen(app, kFloatScreen, "FlApp"));
        log.watch_click(app, "FlApp/Page/Side");
    }
    void set_state(ViewHarness& view, const std::string& node, const std::string& word) {
        if (word.empty()) {
            app.node_states.erase("FlApp/Page/" + node);
        } else {
            app.node_states["FlApp/Page/" + node] = {word};
        }
        view.render();
        ASSERT_TRUE(wait_until([&] { return !view.entry("FlApp/Page/" + node)->animating; }));
        process_events();
    }
    int bottom_margin(ViewHarness& view) {
        return view.entry("FlApp/Page")->layout->contentsMargins().bottom();
    }
};

TEST(TightBar, APinnedBarIsPlacedAndReservedByTheHeightItGets) {
    LayerFixture layers{"tight-bar"};
    OApp app;
    // The bar's content is taller than the bar's own fixed height.
    ASSERT_TRUE(layers.load_screen(app, R"json({"TightApp": {"->": "S:Ostrel/Box",
        "Layout.Align": "Stretch",
        "Page": {"->": "S:Ostrel/Box", "Layout.Grow": 1, "Padding.Bottom": 8,
            "Layout.Align": "Stretch",
            "Bar": {"->": "S:Ostrel/Box", "Size.Height": 30, "Overlay": "PinnedBottom",
                "Content": {"->": "S:Ostrel/Box", "Size.Height": 48}}}
    }})json",
                                   "TightApp"));
    ViewHarness view(app, QSize(400, 300));
    const auto* bar = view.entry("TightApp/Page/Bar");
    ASSERT_TRUE(bar->floated);
    EXPECT_EQ(bar->outer->height(), 30);
    EXPECT_EQ(bar->outer->geometry().bottom() + 1, view.widget("TightApp/Page")->height());
    EXPECT_EQ(view.entry("TightApp/Page")->layout->contentsMargins().bottom(), 38);
}

TEST_F(FloatScreen, PinnedBarReservesItsVisibleHeight) {
    ViewHarness view(app, QSize(1000, 600));
    const auto* pinned = view.entry("FlApp/Page/Pinned");
    ASSERT_TRUE(pinned->floated);
    EXPECT_EQ(view.entry("FlApp/Page")->floated_count, 4);
    EXPECT_EQ(pinned->outer->parentWidget(), view.widget("FlApp/Page"));
    EXPECT_EQ(pinned->outer->height(), 48);
    EXPECT_EQ(pinned->outer->geometry().bottom() + 1, view.widget("FlApp/Page")->height());
    EXPECT_EQ(bottom_margin(view), 56);

    const struct {
        std::string word;
        int margin;
        bool visible;
    } cases[] = {{"Half", 32, true}, {"Away", 8, false}, {"", 56, true}};
    for (const auto& c : cases) {
        set_state(view, "Pinned", c.word);
        EXPECT_EQ(bottom_margin(view), c.margin) << c.word;
        EXPECT_EQ(pinned->outer->isVisible(), c.visible) << c.word;
        EXPECT_DOUBLE_EQ(pinned->bar_effect->opacity(), 1 - pinned->bar_offset) << c.word;
    }

    // Resizing the parent keeps the bar on its bottom edge.
    view.resize(800, 500);
    EXPECT_EQ(pinned->outer->geometry().bottom() + 1, view.widget("FlApp/Page")->height());
    EXPECT_EQ(pinned->outer->width(), 800);

    // Without a placement the bar goes back as the first child.
    set_state(view, "Pinned", "Plain");
    EXPECT_FALSE(view.entry("FlApp/Page/Pinned")->floated);
    EXPECT_EQ(view.entry("FlApp/Page")->layout->indexOf(pinned->outer), 1);
    EXPECT_EQ(bottom_margin(view), 8);
    EXPECT_EQ(view.entry("FlApp/Page")->floated_count, 3);
}

TEST_F(FloatScreen, SheetsSlideInOverTwoHundredMilliseconds) {
    ViewHarness view(app, QSize(1000, 600));
    const auto* sheet = view.entry("FlApp/Page/Sheet");
    EXPECT_FALSE(sheet->outer->isVisible());
    for (const char* name : {"Sheet", "Bottom"}) {
        app.node_states[std::string("FlApp/Page/") + name] = {"Open"};
        view.render();
        const auto* entry = view.entry(std::string("FlApp/Page/") + name);
        EXPECT_TRUE(entry->animating) << name;
        EXPECT_TRUE(entry->outer->isVisible()) << name;
        EXPECT_TRUE(wait_until([&] { return !entry->animating; })) << name;
        EXPECT_EQ(entry->bar_offset, 0.0) << name;
        EXPECT_EQ(entry->outer->geometry().bottom() + 1, view.widget("FlApp/Page")->height());
    }
    EXPECT_EQ(bottom_margin(view), 56);  // sheets cover the content, only the pinned bar reserves
}

TEST_F(FloatScreen, SideSheetScrimClicksAndRemoval) {
    ViewHarness view(app, QSize(1000, 600));
    const auto* side = view.entry("FlApp/Page/Side");
    ASSERT_TRUE(side->side_floated);
    EXPECT_FALSE(side->outer->isVisible());
    EXPECT_FALSE(side->scrim->isVisible());
    set_state(view, "Side", "Open");
    side = view.entry("FlApp/Page/Side");
    EXPECT_EQ(side->outer->geometry(), QRect(680, 0, 320, view.widget("FlApp/Page")->height()));
    ASSERT_TRUE(side->scrim->isVisible());
    EXPECT_DOUBLE_EQ(side->scrim_effect->opacity(), 1.0);
    EXPECT_EQ(side->scrim->geometry(), QRect(QPoint(0, 0), view.widget("FlApp/Page")->size()));
    EXPECT_EQ(side->scrim->style.fill, "#80000000");

    QTest::mouseClick(side->scrim, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(log.events, std::vector<std::string>{"FlApp/Page/Side|click"});

    // Removing the sheet takes its scrim along.
    QPointer<VBoxWidget> scrim = side->scrim;
    app.hidden.insert("FlApp/Page/Side");
    view.render();
    EXPECT_FALSE(scrim && scrim->isVisible());
    process_events();
    EXPECT_FALSE(scrim);
    EXPECT_EQ(view.entry("FlApp/Page")->floated_count, 3);
    EXPECT_TRUE(view.press("FlApp/Page/Content"));  // nothing blocks the page
}

TEST_F(FloatScreen, RemovingAPinnedBarFreesItsSpace) {
    ViewHarness view(app, QSize(1000, 600));
    EXPECT_EQ(bottom_margin(view), 56);
    app.hidden.insert("FlApp/Page/Pinned");
    view.render();
    EXPECT_EQ(bottom_margin(view), 8);
    EXPECT_EQ(view.entry("FlApp/Page")->floated_count, 3);
}

}  // namespace
}  // namespace Ostrel
