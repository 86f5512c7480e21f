#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {
namespace {

TEST(ParentPath, CutsAtTheLastSlash) {
    struct Case {
        std::string path;
        std::string parent;
    };
    const Case cases[] = {
        {"App/Window/Panel", "App/Window"},
        {"App/Window/", "App/Window"},
        {"App", ""},
        {"", ""},
        {"/App", ""},
        {"App/Row:sep", "App"},
    };
    for (const auto& c : cases) EXPECT_EQ(parent_path(c.path), c.parent) << c.path;
}

TEST(RenderNode, DefaultIsAnEmptyBox) {
    const RenderNode node;
    EXPECT_EQ(node.kind, NodeKind::Box);
    EXPECT_TRUE(node.name.empty() && node.path.empty() && node.text.empty());
    EXPECT_TRUE(node.options.empty() && node.selected.empty() && node.children.empty());
    EXPECT_EQ(node.style, NodeStyle{});
}

TEST(RenderNode, KindNumbersAreFixed) {
    EXPECT_EQ(static_cast<int>(NodeKind::Box), 0);
    EXPECT_EQ(static_cast<int>(NodeKind::Icon), 3);
    EXPECT_EQ(static_cast<int>(NodeKind::CheckBox), 9);
    EXPECT_EQ(static_cast<int>(NodeKind::ComboBox), 13);
    EXPECT_EQ(static_cast<int>(PatchKind::Mount), 0);
    EXPECT_EQ(static_cast<int>(PatchKind::Remove), 1);
    EXPECT_EQ(static_cast<int>(PatchKind::Update), 2);
    EXPECT_EQ(static_cast<int>(PatchKind::Replace), 3);
}

TEST(RenderNode, CopyIsDeep) {
    RenderNode grandchild;
    grandchild.name = "Label";
    grandchild.text = "before";
    RenderNode child;
    child.name = "Panel";
    child.children.push_back(grandchild);
    RenderNode root;
    root.name = "App";
    root.children.push_back(child);

    RenderNode copy = root;
    copy.children[0].children[0].text = "after";
    EXPECT_EQ(root.children[0].children[0].text, "before");
    EXPECT_EQ(copy.children[0].children[0].text, "after");
}

TEST(NodeStyle, Defaults) {
    const NodeStyle s;
    EXPECT_TRUE(s.visible);
    EXPECT_TRUE(s.wrap);
    EXPECT_EQ(s.shrink, -1);
    EXPECT_EQ(s.opacity, 1);
    EXPECT_EQ(s.font_size, 0);
    EXPECT_EQ(s.radii, (Quad{0, 0, 0, 0}));
    EXPECT_FALSE(s.fill_gradient || s.collapsed || s.secret || s.controls);
    EXPECT_TRUE(s.fill.empty() && s.media_source.empty() && s.bind.empty());
}

TEST(NodeStyle, EqualityIgnoresFieldsTheRendererDoesNotRead) {
    const std::function<void(NodeStyle&)> ignored[] = {
        [](NodeStyle& s) { s.font_family = "Mono"; }, [](NodeStyle& s) { s.visible = false; },
        [](NodeStyle& s) { s.shrink = 2; },           [](NodeStyle& s) { s.height_viewport = 0.5; },
        [](NodeStyle& s) { s.text = "hello"; },       [](NodeStyle& s) { s.bind = "List:rows"; },
    };
    for (const auto& change : ignored) {
        NodeStyle changed;
        change(changed);
        EXPECT_EQ(changed, NodeStyle{});
    }
}

TEST(NodeStyle, EqualityComparesEveryOtherField) {
    const std::function<void(NodeStyle&)> compared[] = {
        [](NodeStyle& s) { s.fill = "#000"; },
        [](NodeStyle& s) { s.fill_gradient = true; },
        [](NodeStyle& s) { s.border_fill = "#000"; },
        [](NodeStyle& s) { s.border_gradient = true; },
        [](NodeStyle& s) { s.border_thickness = 1; },
        [](NodeStyle& s) { s.radii[3] = 1; },
        [](NodeStyle& s) { s.margins[1] = 1; },
        [](NodeStyle& s) { s.padding[2] = 1; },
        [](NodeStyle& s) { s.text_color = "#fff"; },
        [](NodeStyle& s) { s.code_background = "#111"; },
        [](NodeStyle& s) { s.font_size = 12; },
        [](NodeStyle& s) { s.font_weight = 700; },
        [](NodeStyle& s) { s.collapsed = true; },
        [](NodeStyle& s) { s.direction = "row"; },
        [](NodeStyle& s) { s.spacing = 4; },
        [](NodeStyle& s) { s.align = "center"; },
        [](NodeStyle& s) { s.justify = "end"; },
        [](NodeStyle& s) { s.scroll = "vertical"; },
        [](NodeStyle& s) { s.grow = 1; },
        [](NodeStyle& s) { s.width = 10; },
        [](NodeStyle& s) { s.height = 10; },
        [](NodeStyle& s) { s.max_width = 10; },
        [](NodeStyle& s) { s.aspect = 1.5; },
        [](NodeStyle& s) { s.offset_y = 1; },
        [](NodeStyle& s) { s.offset_x = 1; },
        [](NodeStyle& s) { s.rotation = 90; },
        [](NodeStyle& s) { s.opacity = 0.5; },
        [](NodeStyle& s) { s.placeholder = "Type"; },
        [](NodeStyle& s) { s.secret = true; },
        [](NodeStyle& s) { s.multiline = true; },
        [](NodeStyle& s) { s.read_only = true; },
        [](NodeStyle& s) { s.wrap = false; },
        [](NodeStyle& s) { s.source = "a.svg"; },
        [](NodeStyle& s) { s.media_source = "b.png"; },
        [](NodeStyle& s) { s.fit = "cover"; },
        [](NodeStyle& s) { s.autoplay = true; },
        [](NodeStyle& s) { s.loop = true; },
        [](NodeStyle& s) { s.muted = true; },
        [](NodeStyle& s) { s.controls = true; },
        [](NodeStyle& s) { s.data = "qr"; },
        [](NodeStyle& s) { s.intent = "list:add"; },
        [](NodeStyle& s) { s.overlay = "sheet"; },
        [](NodeStyle& s) { s.href = "https://x"; },
        [](NodeStyle& s) { s.tag = "h1"; },
        [](NodeStyle& s) { s.anchor = "top"; },
    };
    int index = 0;
    for (const auto& change : compared) {
        NodeStyle changed;
        change(changed);
        EXPECT_NE(changed, NodeStyle{}) << "change #" << index;
        ++index;
    }
}

TEST(NodeStyle, NumbersCompareNumerically) {
    NodeStyle negative_zero;
    negative_zero.width = -0.0;
    EXPECT_EQ(negative_zero, NodeStyle{});

    NodeStyle a;
    a.font_size = std::numeric_limits<double>::quiet_NaN();
    const NodeStyle same = a;
    EXPECT_NE(a, same);  // a NaN equals nothing, not even itself
}

}  // namespace
}  // namespace Ostrel
