#include <gtest/gtest.h>

#include <clocale>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ext/ostrel/engine/style_resolution.h"
#include "ext/ostrel/layers/layers.h"

namespace Ostrel {
namespace {

// A standalone style (not in the process-wide registry) with its bare-name
// links bound.
std::unique_ptr<Layers::LStyle> make_style(const std::string& json) {
    auto style = std::make_unique<Layers::LStyle>("Fixture", nlohmann::ordered_json::parse(json),
                                                  std::filesystem::path());
    Layers::resolve_links(style.get());
    return style;
}

NodeStyle resolve(const std::string& json, const Words& words = {}) {
    return resolve_node_props(make_style(json).get(), words);
}

TEST(ResolveNodeProps, MissingOrEmptyStyleGivesTheDefaultRecord) {
    EXPECT_EQ(resolve_node_props(nullptr, {"Hover"}), NodeStyle{});
    const NodeStyle empty = resolve("{}");
    EXPECT_EQ(empty, NodeStyle{});
    EXPECT_TRUE(empty.visible);
    EXPECT_EQ(empty.shrink, -1);
}

TEST(ResolveNodeProps, ReadsEveryAttributeIntoItsField) {
    const NodeStyle s = resolve(R"({
        "Fill": "#101010", "Border.Fill": ["0:#000", "1:#fff"], "Border.Thickness": 2,
        "Corner Radii.Top Left": 1, "Corner Radii.Top Right": 2,
        "Corner Radii.Bottom Left": 3, "Corner Radii.Bottom Right": 4,
        "Margins.Left": 5, "Margins.Top": 6, "Margins.Right": 7, "Margins.Bottom": 8,
        "Padding.Left": 9, "Padding.Top": 10, "Padding.Right": 11, "Padding.Bottom": 12,
        "Text Color": "#eee", "Font.Size": 13, "Font.Weight": 600, "Font.Family": "Sans",
        "Visible": 0, "Collapsed": 1,
        "Layout.Direction": "row", "Layout.Spacing": 14, "Layout.Align": "center",
        "Layout.Justify": "end", "Layout.Scroll": "vertical", "Layout.Grow": 1,
        "Layout.Shrink": 0.5, "Size.Width": 15, "Size.Height": 16,
        "Size.Height Viewport": 0.25, "Size.Max Width": 17, "Aspect Ratio": 1.5,
        "Transform.Offset Y": 18, "Transform.Offset X": 19, "Transform.Rotation": 20,
        "Opacity": 0.75, "Text": "Hello", "Placeholder": "Type here",
        "Secret": 1, "Multiline": 1, "Read Only": 1, "Wrap": 0,
        "Source": "logo.svg", "Fit": "cover", "Autoplay": 1, "Loop": 1, "Muted": 1,
        "Controls": 1, "Data": "qr text", "Intent": "list:add", "Overlay": "sheet",
        "Href": "https://example.org", "Tag": "h1", "Anchor": "top", "Bind": "Field:name"
    })");

    NodeStyle expected;
    expected.fill = "#101010";
    expected.border_fill = "0:#000,1:#fff";
    expected.border_gradient = true;
    expected.border_thickness = 2;
    expected.radii = {1, 2, 3, 4};
    expected.margins = {5, 6, 7, 8};
    expected.padding = {9, 10, 11, 12};
    expected.text_color = "#eee";
    expected.font_size = 13;
    expected.font_weight = 600;
    expected.collapsed = true;
    expected.direction = "row";
    expected.spacing = 14;
    expected.align = "center";
    expected.justify = "end";
    expected.scroll = "vertical";
    expected.grow = 1;
    expected.width = 15;
    expected.height = 16;
    expected.max_width = 17;
    expected.aspect = 1.5;
    expected.offset_y = 18;
    expected.offset_x = 19;
    expected.rotation = 20;
    expected.opacity = 0.75;
    expected.placeholder = "Type here";
    expected.secret = true;
    expected.multiline = true;
    expected.read_only = true;
    expected.wrap = false;
    expected.source = "logo.svg";
    expected.media_source = "logo.svg";
    expected.fit = "cover";
    expected.autoplay = true;
    expected.loop = true;
    expected.muted = true;
    expected.controls = true;
    expected.data = "qr text";
    expected.intent = "list:add";
    expected.overlay = "sheet";
    expected.href = "https://example.org";
    expected.tag = "h1";
    expected.anchor = "top";
    EXPECT_EQ(s, expected);
    // Fields that equality leaves out.
    EXPECT_EQ(s.font_family, "Sans");
    EXPECT_FALSE(s.visible);
    EXPECT_EQ(s.shrink, 0.5);
    EXPECT_EQ(s.height_viewport, 0.25);
    EXPECT_EQ(s.text, "Hello");
    EXPECT_EQ(s.bind, "Field:name");
    EXPECT_TRUE(s.code_background.empty());
}

TEST(ResolveNodeProps, FlagsAreReadOnlyFromNumbers) {
    struct Case {
        std::string json;
        bool visible;
        bool secret;
    };
    const Case cases[] = {
        {R"({"Visible": 0, "Secret": 2})", false, true},
        {R"({"Visible": false, "Secret": true})", true, false},
        {R"({"Visible": "0", "Secret": "1"})", true, false},
        {R"({"Visible": ["0"], "Secret": ["1"]})", true, false},
        {R"({"Visible": 1, "Secret": 0})", true, false},
        {R"({"Visible": -0.5, "Secret": 0.1})", true, true},
    };
    for (const auto& c : cases) {
        const NodeStyle s = resolve(c.json);
        EXPECT_EQ(s.visible, c.visible) << c.json;
        EXPECT_EQ(s.secret, c.secret) << c.json;
    }
}

TEST(ResolveNodeProps, NumbersAndNumbersIfPresent) {
    struct Case {
        std::string json;
        double opacity;
        double shrink;
        double font_size;
    };
    const Case cases[] = {
        {R"({})", 1, -1, 0},
        {R"({"Opacity": "half", "Layout.Shrink": ["a"], "Font.Size": "12"})", 0, 0, 0},
        {R"({"Opacity": true, "Layout.Shrink": 2, "Font.Size": false})", 0, 2, 0},
        {R"({"Opacity": 0.5, "Layout.Shrink": 0, "Font.Size": 12.5})", 0.5, 0, 12.5},
    };
    for (const auto& c : cases) {
        const NodeStyle s = resolve(c.json);
        EXPECT_EQ(s.opacity, c.opacity) << c.json;
        EXPECT_EQ(s.shrink, c.shrink) << c.json;
        EXPECT_EQ(s.font_size, c.font_size) << c.json;
    }
}

TEST(ResolveNodeProps, StringsAreEmptyForOtherValues) {
    const NodeStyle s = resolve(R"({"Text": 5, "Placeholder": ["a", "b"], "Source": true})");
    EXPECT_EQ(s.text, "");
    EXPECT_EQ(s.placeholder, "");
    EXPECT_EQ(s.source, "");
    EXPECT_EQ(s.media_source, "");
}

TEST(ResolveFill, GradientsPlainColoursAndOtherValues) {
    struct Case {
        std::string json;
        Words words;
        std::string fill;
        bool gradient;
    };
    const Case cases[] = {
        {R"({"Fill": ["0:#3a3c42", "1:#42454d"]})", {}, "0:#3a3c42,1:#42454d", true},
        {R"({"Fill": ["#123"]})", {}, "#123", true},
        {R"({"Fill": {"->": ["0:#000", "1:#111"], ":Hover": "#222"}})", {"Hover"}, "#222", false},
        {R"({"Fill": {"->": ["0:#000", "1:#111"], ":Hover": "#222"}})", {}, "0:#000,1:#111", true},
        {R"({"Fill": 3})", {}, "", false},
        {R"({"Fill": true})", {}, "", false},
    };
    for (const auto& c : cases) {
        const NodeStyle s = resolve(c.json, c.words);
        EXPECT_EQ(s.fill, c.fill) << c.json;
        EXPECT_EQ(s.fill_gradient, c.gradient) << c.json;
    }
}

TEST(ResolveFill, LeavesTheOutputsAloneWithoutAStringOrList) {
    auto style = make_style(R"({"Fill": 3})");
    std::string colour = "kept";
    bool gradient = true;
    resolve_fill(style.get(), "Fill", {}, colour, gradient);
    resolve_fill(style.get(), "Border.Fill", {}, colour, gradient);
    EXPECT_EQ(colour, "kept");
    EXPECT_TRUE(gradient);
}

TEST(JoinList, JoinsWithACommaOnly) {
    EXPECT_EQ(join_list({}), "");
    EXPECT_EQ(join_list({"a"}), "a");
    EXPECT_EQ(join_list({"0:#3a3c42", "1:#42454d"}), "0:#3a3c42,1:#42454d");
    EXPECT_EQ(join_list({"", ""}), ",");
}

TEST(ResolveValue, VariantsWithTheMostActiveWordsWinAndAreReadWithoutWords) {
    const std::string json = R"({"Font.Size": {
        "->": 10,
        ":Hover": 11,
        ":Hover:Selected": {"->": 12, ":Selected": 13}
    }})";
    struct Case {
        Words words;
        double size;
    };
    const Case cases[] = {
        {{}, 10},
        {{"Selected"}, 10},
        {{"Hover"}, 11},
        {{"Selected", "Hover"}, 12},  // the variant's own ":Selected" is never read
        {{"Desktop", "Hover", "Selected", "Narrow"}, 12},
    };
    for (const auto& c : cases) EXPECT_EQ(resolve(json, c.words).font_size, c.size);
}

TEST(ResolveValue, LinksFollowTheTargetsVariants) {
    const std::string json = R"({
        "Accent": {"->": "#111", ":Hover": "#222"},
        "Text Color": "L:Accent",
        "Fill": {"->": "L:Accent", ":Pressed": "#333"}
    })";
    struct Case {
        Words words;
        std::string text_color;
        std::string fill;
    };
    const Case cases[] = {
        {{}, "#111", "#111"},
        {{"Hover"}, "#222", "#222"},
        {{"Pressed", "Hover"}, "#222", "#333"},
    };
    for (const auto& c : cases) {
        const NodeStyle s = resolve(json, c.words);
        EXPECT_EQ(s.text_color, c.text_color);
        EXPECT_EQ(s.fill, c.fill);
    }
}

TEST(ResolveValue, UnboundLinksFallBackToTheOwnValue) {
    testing::internal::CaptureStderr();  // the unresolved-link warnings
    const NodeStyle s = resolve(R"({
        "Font.Size": "L:Nowhere",
        "Font.Weight": {"link": "L:Nowhere", "->": 500},
        "Text Color": {"link_relative": "../Accent", "->": "#abc"}
    })");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(s.font_size, 0);
    EXPECT_EQ(s.font_weight, 500);
    EXPECT_EQ(s.text_color, "#abc");  // no context style: the relative path finds nothing
}

TEST(ResolveValue, RelativeLinksNeedAContextStyle) {
    auto style = make_style(R"({
        "Base": 7,
        "Font.Size": {"link_relative": "./Base", "->": 1},
        "Ping": {"link_relative": "./Pong", "->": 2},
        "Pong": {"link_relative": "./Ping", "->": 3}
    })");
    auto* size = style->attribute("Font.Size");
    EXPECT_EQ(*resolve_number_value(size, {}, nullptr), 1);
    EXPECT_EQ(*resolve_number_value(size, {}, style.get()), 7);
    // A cycle of relative paths ends instead of hanging.
    EXPECT_NE(resolve_number_value(style->attribute("Ping"), {}, style.get()), nullptr);
}

TEST(ResolveValue, ResolversAnswerOnlyTheirKind) {
    auto style = make_style(R"({"N": 4, "S": "x", "L": ["a", "b"], "B": true})");
    auto* n = style->attribute("N");
    auto* s = style->attribute("S");
    auto* l = style->attribute("L");
    auto* b = style->attribute("B");
    ASSERT_NE(resolve_number_value(n, {}, nullptr), nullptr);
    EXPECT_EQ(*resolve_number_value(n, {}, nullptr), 4);
    EXPECT_EQ(resolve_number_value(s, {}, nullptr), nullptr);
    ASSERT_NE(resolve_string_value(s, {}, nullptr), nullptr);
    EXPECT_EQ(*resolve_string_value(s, {}, nullptr), "x");
    EXPECT_EQ(resolve_string_value(l, {}, nullptr), nullptr);
    ASSERT_NE(resolve_list_value(l, {}, nullptr), nullptr);
    EXPECT_EQ(*resolve_list_value(l, {}, nullptr), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(resolve_number_value(b, {}, nullptr), nullptr);
    EXPECT_EQ(resolve_string_value(b, {}, nullptr), nullptr);
    EXPECT_EQ(resolve_list_value(b, {}, nullptr), nullptr);
}

// Mobile factors as the store holds them: icons 1.5, fonts and spacing 1.25.
NodeStyle mobile(const std::string& json, const Words& words, bool is_icon = false,
                 double icon = 1.5, double font = 1.25, double spacing = 1.25) {
    auto style = make_style(json);
    NodeStyle record = resolve_node_props(style.get(), words);
    apply_mobile_scaling(record, style.get(), words, is_icon, icon, font, spacing);
    return record;
}

TEST(MobileScaling, ScalesSizesUnlessAMobileVariantSetsThem) {
    EXPECT_EQ(mobile(R"({"Font.Size": 12})", {"Mobile"}).font_size, 15);
    EXPECT_EQ(mobile(R"({"Font.Size": {"->": 12, ":Mobile": 14}})", {"Mobile"}).font_size, 14);
    // A variant that repeats the base value is indistinguishable from none.
    EXPECT_EQ(mobile(R"({"Font.Size": {"->": 12, ":Mobile": 12}})", {"Mobile"}).font_size, 15);
    EXPECT_EQ(mobile(R"({"Font.Size": 12})", {"Desktop"}).font_size, 12);
    EXPECT_EQ(mobile(R"({"Size.Width": 24})", {"Mobile"}, true).width, 36);
    EXPECT_EQ(mobile(R"({"Size.Width": 24})", {"Mobile"}, false).width, 30);
    EXPECT_EQ(mobile(R"({"Size.Height": 8})", {"Mobile", "Mobile"}, true).height, 12);
}

TEST(MobileScaling, ScalesSpacingMarginsPaddingRadiiAndBorders) {
    const NodeStyle s = mobile(R"({
        "Layout.Spacing": 4, "Margins.Left": 8, "Margins.Bottom": 4,
        "Padding.Top": 4, "Padding.Right": {"->": 4, ":Mobile": 6},
        "Corner Radii.Bottom Right": 4, "Border.Thickness": 4,
        "Font.Weight": 400, "Layout.Grow": 2, "Opacity": 0.5
    })",
                               {"Mobile"});
    EXPECT_EQ(s.spacing, 5);
    EXPECT_EQ(s.margins, (Quad{10, 0, 0, 5}));
    EXPECT_EQ(s.padding, (Quad{0, 5, 6, 0}));
    EXPECT_EQ(s.radii, (Quad{0, 0, 0, 5}));
    EXPECT_EQ(s.border_thickness, 5);
    EXPECT_EQ(s.font_weight, 400);  // not a size
    EXPECT_EQ(s.grow, 2);
    EXPECT_EQ(s.opacity, 0.5);
}

TEST(MobileScaling, LeavesZeroNegativeAndUnitFactorFieldsAlone) {
    const NodeStyle s = mobile(R"({"Font.Size": 12, "Size.Width": -4, "Size.Height": 0})",
                               {"Mobile"}, false, 1.5, 1, 1.25);
    EXPECT_EQ(s.font_size, 12);
    EXPECT_EQ(s.width, -4);
    EXPECT_EQ(s.height, 0);

    // A field set by the expansion without an attribute is scaled too.
    NodeStyle record;
    record.max_width = 100;
    record.width = 10;
    auto style = make_style("{}");
    apply_mobile_scaling(record, style.get(), {"Mobile"}, false, 1.5, 1.25, 1.25);
    EXPECT_EQ(record.width, 12.5);
    EXPECT_EQ(record.max_width, 100);

    NodeStyle untouched;
    untouched.width = 10;
    apply_mobile_scaling(untouched, nullptr, {"Mobile"}, false, 1.5, 1.25, 1.25);
    EXPECT_EQ(untouched.width, 10);
}

TEST(ResolveNodeProps, NumbersDoNotDependOnTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "de_DE.utf8") == nullptr) {
        GTEST_SKIP() << "no German locale installed";
    }
    const NodeStyle s = resolve(R"({"Font.Size": 12.5, "Opacity": 0.25})");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(s.font_size, 12.5);
    EXPECT_EQ(s.opacity, 0.25);
}

}  // namespace
}  // namespace Ostrel
