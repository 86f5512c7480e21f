#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext/ostrel/svg/animated_svg.h"
#include "tests/svg/svg_describe.h"

namespace {

using namespace Ostrel;
using Records = std::vector<std::string>;

struct ScanCase {
    std::string svg;
    Records expected;  // svg_test::element of each element, in order
};

void expect_scan(const std::vector<ScanCase>& cases) {
    for (const auto& c : cases) {
        auto doc = AnimatedSvg::parse(c.svg);
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(svg_test::elements(*doc), c.expected) << c.svg;
        EXPECT_EQ(doc->source, c.svg);
    }
}

TEST(Scanner, ElementsAttributesAndPositions) {
    expect_scan({
        {"", {}},
        {"no tags at all", {}},
        {"<svg><g><rect/></g></svg>",
         {"svg -1 [1] 0..25 @4 {}", "g 0 [2] 5..19 @7 {}", "rect 1 [] 8..15 @13 {}"}},
        {"<rect x=\"1\" y='2'/>", {"rect -1 [] 0..19 @5 {x='1'@9:10 y='2'@15:16}"}},
        {"<rect width=10>", {"rect -1 [] 0..0 @5 {width=''@0:0 10=''@0:0}"}},
        {"<rect hidden x=\"1\"/>", {"rect -1 [] 0..20 @5 {hidden=''@0:0 x='1'@16:17}"}},
        {"<r a = 'x>y'>", {"r -1 [] 0..0 @2 {a='x'@8:9}"}},
        {"<r a=\"\" b>", {"r -1 [] 0..0 @2 {a=''@6:6 b=''@0:0}"}},
        {"<r a=\"1\" a=\"2\"/>", {"r -1 [] 0..16 @2 {a='1'@6:7 a='2'@12:13}"}},
        {"< x>", {" -1 [] 0..0 @1 {x=''@0:0}"}},
        {"<svg:rect\nx='1'/>", {"svg:rect -1 [] 0..17 @9 {x='1'@13:14}"}},
        {"<p =\"v\" q>", {"p -1 [] 0..0 @2 {q=''@0:0}"}},
    });
}

TEST(Scanner, TextCommentsCdataAndNesting) {
    expect_scan({
        {"hello<svg>in<!-- c -->side</svg>tail", {"svg -1 [] 5..32 @9 {} 'inside'"}},
        {"<style><![CDATA[a{}]]><!-- b{} --></style>", {"style -1 [] 0..42 @6 {} 'a{}'"}},
        {"<?xml version=\"1.0\"?><!DOCTYPE svg><svg/>", {"svg -1 [] 35..41 @39 {}"}},
        // An end tag closes the innermost element whatever its name.
        {"<a><b></a>", {"a -1 [1] 0..0 @2 {}", "b 0 [] 3..10 @5 {}"}},
        {"</x><svg/>", {"svg -1 [] 4..10 @8 {}"}},
        {"<a>x<b/>y</a>", {"a -1 [1] 0..13 @2 {} 'xy'", "b 0 [] 4..8 @6 {}"}},
    });
}

TEST(Scanner, TruncatedMarkupKeepsWhatWasRead) {
    expect_scan({
        {"<svg><g/><!-- <rect/>", {"svg -1 [1] 0..0 @4 {}", "g 0 [] 5..9 @7 {}"}},
        {"<svg><style><![CDATA[a{} <rect/>",
         {"svg -1 [1] 0..0 @4 {}", "style 0 [] 5..0 @11 {} 'a{} <rect/>'"}},
        {"<svg><rect x=\"1\"", {"svg -1 [] 0..0 @4 {}"}},
        {"<svg><rect x=\"1>", {"svg -1 [1] 0..0 @4 {}", "rect 0 [] 5..0 @10 {x='1'@14:15}"}},
        {"<svg><rect x='1/>", {"svg -1 [1] 0..0 @4 {}", "rect 0 [] 5..17 @10 {x='1/'@14:16}"}},
        {"<svg></svg", {"svg -1 [] 0..10 @4 {}"}},
        {"<svg><!DOCTYPE", {"svg -1 [] 0..0 @4 {}"}},
        {"<svg><", {"svg -1 [] 0..0 @4 {}"}},
        {"<svg><!-", {"svg -1 [] 0..0 @4 {}"}},
    });
}

TEST(Scanner, AttributeLookup) {
    auto doc = AnimatedSvg::parse("<rect hidden x='1' x='2'/>");
    const SvgElement& rect = doc->elements.at(0);
    ASSERT_NE(rect.find_attribute("x"), nullptr);
    EXPECT_EQ(rect.find_attribute("x")->value, "1");
    EXPECT_EQ(rect.attribute("x"), "1");
    EXPECT_EQ(rect.attribute("X"), "");
    EXPECT_EQ(rect.find_attribute("X"), nullptr);
    EXPECT_NE(rect.find_attribute("hidden"), nullptr);
}

TEST(Scanner, DocumentWithoutAnimationIsNotAnimated) {
    for (const std::string svg : {"", "text", "<svg><rect x='1'/></svg>"}) {
        auto doc = AnimatedSvg::parse(svg);
        EXPECT_FALSE(AnimatedSvg::is_animated(doc)) << svg;
        EXPECT_FALSE(doc->is_animated()) << svg;
        EXPECT_TRUE(doc->animations.empty()) << svg;
        EXPECT_TRUE(doc->stripped.empty()) << svg;
    }
}

TEST(Scanner, NullDocumentIsNotAnimatedAndHasNoFrame) {
    const std::unique_ptr<AnimatedSvg> none;
    EXPECT_FALSE(AnimatedSvg::is_animated(none));
    EXPECT_EQ(AnimatedSvg::frame_text(none, 100), "");
}

TEST(Scanner, LargeDocumentsParse) {
    // Deep nesting and many elements: the scanner keeps an explicit stack.
    std::string svg;
    for (int i = 0; i < 200000; ++i) svg += "<g>";
    auto deep = AnimatedSvg::parse(svg);
    ASSERT_EQ(deep->elements.size(), 200000u);
    EXPECT_EQ(deep->elements.back().parent, 199998);
}

}  // namespace
