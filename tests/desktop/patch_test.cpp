#include <gtest/gtest.h>
#include <QBoxLayout>
#include <QPointer>
#include <QScrollArea>
#include <QVariantAnimation>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/vbox_widget.h"
#include "ext/ostrel/desktop/wrap_label.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

constexpr const char* kPatchScreen = R"json({"PatApp": {"->": "S:Ostrel/Box",
    "Panel": {"->": "S:Ostrel/Box",
        "Layout.Direction": {"->": "Column", ":Selected": "Row"},
        "Layout.Scroll": {"->": "", ":Scrolled": "Vertical"},
        "Opacity": {"->": 1, ":Faded": 0.5},
        "Collapsed": {"->": 0, ":Folded": 1},
        "Title": {"->": "S:Ostrel/Text", "Text": "A",
            "Text Color": {"->": "#ffffff", ":Selected": "#ff0000"}},
        "Second": {"->": "S:Ostrel/Text", "Text": "B"}},
    "P": {"->": "S:Ostrel/Box", "X": {"->": "S:Ostrel/Text", "Text": "x"}},
    "P 2": {"->": "S:Ostrel/Box", "Y": {"->": "S:Ostrel/Text", "Text": "y"}},
    "Action": {"->": "S:Ostrel/Button",
        "Icon Box": {"->": "S:Ostrel/Box", "Size.(Width,Height)": 10}}
}})json";

struct PatchScreen : testing::Test {
    LayerFixture layers{"patch"};
    OApp app;

    void SetUp() override { ASSERT_TRUE(layers.load_screen(app, kPatchScreen, "PatApp")); }
};

TEST_F(PatchScreen, TextColourAndLayoutChangesKeepTheWidgets) {
    ViewHarness view(app);
    QPointer<QWidget> panel = view.widget("PatApp/Panel");
    QPointer<QWidget> title = view.widget("PatApp/Panel/Title");
    ASSERT_TRUE(panel && title);

    app.texts["PatApp/Panel/Title"] = "Changed";
    app.node_states["PatApp/Panel"] = {"Selected"};
    view.render();
    EXPECT_EQ(view.widget("PatApp/Panel"), panel.data());
    EXPECT_EQ(view.widget("PatApp/Panel/Title"), title.data());
    auto* label = view.widget_as<WrapLabel>("PatApp/Panel/Title");
    EXPECT_EQ(label->text(), "Changed");
    EXPECT_EQ(label->styleSheet(), "background: transparent; color: #ffff0000;");
    const auto* entry = view.entry("PatApp/Panel");
    EXPECT_TRUE(entry->is_row);
    EXPECT_EQ(entry->layout->direction(), QBoxLayout::LeftToRight);
    EXPECT_EQ(entry->layout->itemAt(1)->alignment(), Qt::AlignVCenter);

    // Turning scrolling on moves the children into a scroll area, same widgets.
    app.node_states["PatApp/Panel"] = {"Scrolled"};
    view.render();
    entry = view.entry("PatApp/Panel");
    ASSERT_NE(find_scroll_area(entry->widget), nullptr);
    EXPECT_EQ(entry->layout->parentWidget(), find_scroll_area(entry->widget)->widget());
    EXPECT_EQ(entry->layout->count(), 4);
    EXPECT_EQ(entry->layout->itemAt(1)->widget(), title.data());
    EXPECT_TRUE(title->isVisible());
    app.node_states.erase("PatApp/Panel");
    view.render();
    EXPECT_EQ(find_scroll_area(view.widget("PatApp/Panel")), nullptr);
    EXPECT_EQ(view.entry("PatApp/Panel")->layout->parentWidget(), panel.data());
    EXPECT_TRUE(title);
}

TEST_F(PatchScreen, RemovingPLeavesP2AndMountingRestoresTheOrder) {
    ViewHarness view(app);
    QPointer<QWidget> p = view.widget("PatApp/P");
    QPointer<QWidget> p2 = view.widget("PatApp/P 2");
    QPointer<QWidget> y = view.widget("PatApp/P 2/Y");
    app.hidden.insert("PatApp/P");
    view.render();
    EXPECT_EQ(view.entry("PatApp/P"), nullptr);
    EXPECT_EQ(view.entry("PatApp/P/X"), nullptr);
    EXPECT_NE(view.entry("PatApp/P 2"), nullptr);
    EXPECT_NE(view.entry("PatApp/P 2/Y"), nullptr);
    EXPECT_FALSE(p);  // deleted later
    EXPECT_TRUE(p2 && y);

    app.hidden.erase("PatApp/P");
    view.render();
    QBoxLayout* layout = view.entry("PatApp")->layout;
    EXPECT_EQ(layout->indexOf(view.entry("PatApp/P")->outer), 2);
    EXPECT_EQ(layout->indexOf(p2), 3);
    EXPECT_TRUE(view.widget("PatApp/P/X")->isVisible());
}

Patch make_patch(PatchKind kind, const std::string& path, const std::string& parent, int index,
                 NodeKind node_kind) {
    Patch patch;
    patch.kind = kind;
    patch.path = path;
    patch.parent_path = parent;
    patch.index = index;
    patch.node.kind = node_kind;
    patch.node.path = path;
    patch.node.name = path.substr(path.rfind('/') + 1);
    patch.node.text = "new";
    return patch;
}

TEST_F(PatchScreen, ReplaceKeepsThePlaceAndIndicesAreClamped) {
    ViewHarness view(app);
    QBoxLayout* layout = view.entry("PatApp")->layout;
    ASSERT_EQ(layout->indexOf(view.widget("PatApp/P 2")), 3);

    // The engine sends index 0 with a replace.
    view.view().apply_patches(
        {make_patch(PatchKind::Replace, "PatApp/P 2", "PatApp", 0, NodeKind::Text)});
    process_events();
    ASSERT_NE(view.widget_as<WrapLabel>("PatApp/P 2"), nullptr);
    EXPECT_EQ(view.entry("PatApp/P 2/Y"), nullptr);
    EXPECT_EQ(layout->indexOf(view.widget("PatApp/P 2")), 3);

    // An index past the children lands before the trailing stretch.
    view.view().apply_patches(
        {make_patch(PatchKind::Mount, "PatApp/Late", "PatApp", 99, NodeKind::Text)});
    EXPECT_EQ(layout->indexOf(view.widget("PatApp/Late")), layout->count() - 2);
    EXPECT_NE(layout->itemAt(layout->count() - 1)->spacerItem(), nullptr);

    // A parent that cannot be found: kept hidden under the root, no window.
    view.view().apply_patches(
        {make_patch(PatchKind::Mount, "Nowhere/Lost", "Nowhere", 0, NodeKind::Box)});
    QWidget* lost = view.widget("Nowhere/Lost");
    ASSERT_NE(lost, nullptr);
    EXPECT_EQ(lost->parentWidget(), view.root());
    EXPECT_FALSE(lost->isVisible());
    EXPECT_FALSE(lost->isWindow());

    // Unknown paths and kinds are ignored.
    Patch odd = make_patch(PatchKind::Update, "PatApp/Missing", "", 0, NodeKind::Text);
    Patch bad = odd;
    bad.kind = static_cast<PatchKind>(7);
    view.view().apply_patches(
        {odd, bad, make_patch(PatchKind::Remove, "PatApp/Gone", "", 0, NodeKind::Box)});
    EXPECT_EQ(view.entry("PatApp/Missing"), nullptr);
}

TEST_F(PatchScreen, ButtonCaptionArrivingLaterIsShownBeforeTheChildren) {
    ViewHarness view(app);
    const auto* action = view.entry("PatApp/Action");
    EXPECT_EQ(action->label, nullptr);
    EXPECT_EQ(action->item_count, 1);
    app.texts["PatApp/Action"] = "Go";
    view.render();
    action = view.entry("PatApp/Action");
    ASSERT_NE(action->label, nullptr);
    EXPECT_EQ(action->label->text(), "Go");
    EXPECT_TRUE(action->label->isVisible());
    EXPECT_EQ(action->item_count, 2);
    EXPECT_EQ(action->layout->itemAt(1)->widget(), action->label);
    EXPECT_EQ(action->layout->itemAt(2)->widget(), view.entry("PatApp/Action/Icon Box")->outer);
}

TEST_F(PatchScreen, OpacityReachesTheSubtree) {
    ViewHarness view(app);
    app.node_states["PatApp/Panel"] = {"Faded"};
    view.render();
    EXPECT_DOUBLE_EQ(view.entry("PatApp/Panel")->opacity, 0.5);
    EXPECT_DOUBLE_EQ(view.entry("PatApp/Panel/Title")->opacity, 0.5);
    EXPECT_DOUBLE_EQ(view.entry("PatApp/Panel")->box->opacity, 0.5);
    EXPECT_EQ(view.widget_as<WrapLabel>("PatApp/Panel/Title")->styleSheet(),
              "background: transparent; color: #80ffffff;");
    app.node_states.erase("PatApp/Panel");
    view.render();
    EXPECT_DOUBLE_EQ(view.entry("PatApp/Panel/Second")->opacity, 1.0);
}

TEST_F(PatchScreen, CollapseAnimatesOnceToZeroHeightAndBack) {
    ViewHarness view(app);
    QWidget* panel = view.widget("PatApp/Panel");
    const int full = panel->sizeHint().height();
    ASSERT_GT(full, 0);
    app.node_states["PatApp/Panel"] = {"Folded"};
    view.render();
    QPointer<QVariantAnimation> first = view.entry("PatApp/Panel")->collapse_anim.data();
    ASSERT_TRUE(first);
    app.texts["PatApp/Panel/Second"] = "still folded";  // an update with the same value
    view.render();
    EXPECT_EQ(view.entry("PatApp/Panel")->collapse_anim.data(), first.data());
    EXPECT_TRUE(wait_until([&] { return !view.entry("PatApp/Panel")->collapse_anim; }));
    EXPECT_EQ(panel->maximumHeight(), 0);
    EXPECT_EQ(panel->height(), 0);

    app.node_states.erase("PatApp/Panel");
    view.render();
    EXPECT_TRUE(wait_until([&] { return !view.entry("PatApp/Panel")->collapse_anim; }));
    EXPECT_EQ(panel->maximumHeight(), QWIDGETSIZE_MAX);
    EXPECT_TRUE(wait_until([&] { return panel->height() > 0; }));
}

// A "Stretch" row 600 pixels high: its children's own heights hold through
// updates (a state word changing their fill) and through a fold and unfold.
constexpr const char* kHeightScreen = R"json({"HeightApp": {"->": "S:Ostrel/Box",
    "Layout.Align": "Stretch",
    "Row": {"->": "S:Ostrel/Box", "Layout.Direction": "Row", "Layout.Align": "Stretch",
        "Layout.Grow": 1,
        "Fixed": {"->": "S:Ostrel/Box", "Size.Width": 50, "Size.Height": 30,
            "Fill": {"->": "#ff0000", ":Hot": "#00ff00"}},
        "Half": {"->": "S:Ostrel/Box", "Size.Width": 50, "Size.Height Viewport": 0.5,
            "Fill": {"->": "#ff0000", ":Hot": "#00ff00"}},
        "Free": {"->": "S:Ostrel/Box", "Size.Width": 50,
            "Fill": {"->": "#ff0000", ":Hot": "#00ff00"}},
        "Fold": {"->": "S:Ostrel/Box", "Size.Width": 50, "Size.Height": 30,
            "Fill": {"->": "#ff0000", ":Hot": "#00ff00"},
            "Collapsed": {"->": 0, ":Folded": 1}}}
}})json";

TEST(PatchHeights, FixedAndViewportHeightsHoldThroughUpdatesAndFolding) {
    LayerFixture layers{"patch-heights"};
    OApp app;
    ASSERT_TRUE(layers.load_screen(app, kHeightScreen, "HeightApp"));
    ViewHarness view(app, QSize(800, 600));
    const std::vector<std::string> names = {"Fixed", "Half", "Free", "Fold"};
    const auto heights = [&] {
        std::vector<int> got;
        for (const std::string& name : names) {
            got.push_back(view.widget("HeightApp/Row/" + name)->height());
        }
        return got;
    };
    const std::vector<int> settled = {30, 300, 600, 30};
    ASSERT_TRUE(wait_until([&] { return heights() == settled; }));

    for (const std::string& name : names) app.node_states["HeightApp/Row/" + name] = {"Hot"};
    view.render();
    EXPECT_TRUE(wait_until([&] { return heights() == settled; })) << "after a fill update";

    app.node_states["HeightApp/Row/Fold"] = {"Folded", "Hot"};
    view.render();
    EXPECT_TRUE(wait_until([&] { return !view.entry("HeightApp/Row/Fold")->collapse_anim; }));
    app.node_states["HeightApp/Row/Fold"] = {"Folded"};  // an update that keeps it folded
    view.render();
    const std::vector<int> folded = {30, 300, 600, 0};
    EXPECT_TRUE(wait_until([&] { return heights() == folded; })) << "while folded";

    app.node_states.erase("HeightApp/Row/Fold");
    view.render();
    EXPECT_TRUE(wait_until([&] { return !view.entry("HeightApp/Row/Fold")->collapse_anim; }));
    EXPECT_TRUE(wait_until([&] { return heights() == settled; })) << "after unfolding";
}

}  // namespace
}  // namespace Ostrel
