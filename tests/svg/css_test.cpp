#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext/ostrel/svg/animated_svg.h"
#include "ext/ostrel/svg/css_animations.h"
#include "tests/svg/svg_describe.h"

namespace {

using namespace Ostrel;
using Records = std::vector<std::string>;

struct CssCase {
    std::string style;  // the style sheet
    std::string body;   // the elements after the style element
    Records animations;
};

// Each case is "<svg><style>" + style + "</style>" + body + "</svg>": the
// svg is element 0 and the style element 1.
void expect_collected(const std::vector<CssCase>& cases) {
    for (const auto& c : cases) {
        auto doc = AnimatedSvg::parse("<svg><style>" + c.style + "</style>" + c.body + "</svg>");
        EXPECT_EQ(svg_test::animations(*doc), c.animations) << c.style;
        EXPECT_EQ(doc->stripped, std::vector<int>{1}) << c.style;
    }
}

const std::string kSpin =
    "@keyframes spin { from { transform: rotate(0deg) } to { transform: rotate(90deg) } } ";

TEST(Css, KeyframeTransformAnimations) {
    expect_collected({
        {kSpin + ".spinner { animation: spin 2s linear infinite }",
         "<g class='busy spinner'/>",
         {"2 Matrix t=[0,1] v=[1 0 0 1 0 0;6.12323e-17 1 -1 6.12323e-17 0 0] 2000 repeat "
          "ease=[linear]"}},
        {kSpin + ".spinner { animation: spin 2s linear infinite; animation-duration: 500ms }",
         "<g class='spinner'/>",
         {"2 Matrix t=[0,1] v=[1 0 0 1 0 0;6.12323e-17 1 -1 6.12323e-17 0 0] 500 repeat "
          "ease=[linear]"}},
        {kSpin + "g { animation: spin 1s 2s }",
         "<g/><g/>",
         {"2 Matrix t=[0,1] v=[1 0 0 1 0 0;6.12323e-17 1 -1 6.12323e-17 0 0] 1000 once "
          "ease=[linear]",
          "3 Matrix t=[0,1] v=[1 0 0 1 0 0;6.12323e-17 1 -1 6.12323e-17 0 0] 1000 once "
          "ease=[linear]"}},
        {kSpin + "#a { animation-name: spin; animation-iteration-count: infinite }",
         "<g id='a'/>",
         {"2 Matrix t=[0,1] v=[1 0 0 1 0 0;6.12323e-17 1 -1 6.12323e-17 0 0] 1000 repeat "
          "ease=[linear]"}},
        // A name from the shorthand overrides animation-name; a name that is
        // no keyframe set is not taken.
        {kSpin + "#a { animation-name: spin; animation: other 3s }",
         "<g id='a'/>",
         {"2 Matrix t=[0,1] v=[1 0 0 1 0 0;6.12323e-17 1 -1 6.12323e-17 0 0] 3000 once "
          "ease=[linear]"}},
        {"@-webkit-keyframes w { 100% { transform: scale(2) } 0% { transform: scale(1) "
         "; animation-timing-function: cubic-bezier(0.4, 0, 0.2, 1) } } "
         "rect { -webkit-animation: infinite w .5s }",
         "<rect/>",
         {"2 Matrix t=[0,1] v=[1 0 0 1 0 0;2 0 0 2 0 0] 500 repeat ease=[linear]"}},
        // Keyframes written after the rule that names them still count.
        {"rect { animation: late 1s } " + std::string("@keyframes late { 0% { transform: "
                                                      "translate(1px) } 50%, 100% { transform: "
                                                      "translate(3px) } }"),
         "<rect/>",
         {"2 Matrix t=[0,0.5,1] v=[1 0 0 1 1 0;1 0 0 1 3 0;1 0 0 1 3 0] 1000 once "
          "ease=[linear;linear]"}},
        // The later set of one name wins, unless it has no keyframes.
        {"@keyframes k { from { transform: scale(1) } to { transform: scale(2) } } "
         "@keyframes k { from { transform: scale(3) } to { transform: scale(4) } } "
         "@keyframes k { } rect { animation: k 1s }",
         "<rect/>",
         {"2 Matrix t=[0,1] v=[3 0 0 3 0 0;4 0 0 4 0 0] 1000 once ease=[linear]"}},
    });
}

TEST(Css, OpacityMotionAndStaticTransforms) {
    expect_collected({
        {"@keyframes blink { 0%, 100% { opacity: 1 } 50% { opacity: 0.2 } } "
         ".b { animation: blink 1s infinite }",
         "<circle class='b'/>",
         {"2 Opacity t=[0,0.5,1] v=[1;0.2;1] 1000 repeat ease=[linear;linear]"}},
        {"@keyframes fade { 100% { opacity: 0 } 0% { opacity: 1; "
         "animation-timing-function: cubic-bezier(.5,0,.5,1) } } .b { animation: fade 1s }",
         "<circle class='b'/>",
         {"2 Opacity t=[0,1] v=[1;0] 1000 once ease=[linear]"}},
        {"@keyframes move { from { offset-distance: 0% } to { offset-distance: 100% } } "
         "#m { offset-path: path('M0 0 L100 0'); animation: move 2s infinite }",
         "<circle id='m'/>",
         {"2 Motion t=[0,1] v=[0;1] 2000 repeat ease=[linear]"}},
        // Only the motion group needs a path; the keyframes then drive nothing.
        {"@keyframes move { from { offset-distance: 0% } to { offset-distance: 100% } } "
         "#m { animation: move 2s infinite }",
         "<circle id='m'/>",
         {}},
        // A static transform composed about its origin: not animated alone.
        {"#logo { transform: rotate(45deg); transform-origin: 12px 12px }",
         "<g id='logo'/>",
         {"2 Matrix t=[0,1] v=[0.707107 0.707107 -0.707107 0.707107 12 -4.97056;"
          "0.707107 0.707107 -0.707107 0.707107 12 -4.97056] 1000 repeat static"}},
        {"rect { transform: scale(2); transform-origin: 50% }",
         "<rect/>",
         {"2 Matrix t=[0,1] v=[2 0 0 2 0 0;2 0 0 2 0 0] 1000 repeat static"}},
        // Groups in order: static transform, motion, keyframe transform, opacity.
        {"@keyframes all { from { transform: scale(1); opacity: 0; offset-distance: 0 } "
         "to { transform: scale(2); opacity: 1; offset-distance: 50% } } "
         "rect { transform: scale(3); offset-path: path(\"M0 0 H10\"); animation: all 1s }",
         "<rect/>",
         {"2 Matrix t=[0,1] v=[3 0 0 3 0 0;3 0 0 3 0 0] 1000 repeat static",
          "2 Motion t=[0,1] v=[0;0.5] 1000 once ease=[linear]",
          "2 Matrix t=[0,1] v=[1 0 0 1 0 0;2 0 0 2 0 0] 1000 once ease=[linear]",
          "2 Opacity t=[0,1] v=[0;1] 1000 once ease=[linear]"}},
    });
    auto doc = AnimatedSvg::parse(
        "<svg><style>#logo { transform: rotate(45deg) }</style>"
        "<g id='logo'/></svg>");
    EXPECT_FALSE(doc->is_animated());
}

TEST(Css, MalformedSheets) {
    expect_collected({
        // An unclosed keyframes block gives no set; the rules after it are read.
        {"@keyframes a { from { opacity: 0 } .r { transform: scale(2) }",
         "<g class='r'/>",
         {"2 Matrix t=[0,1] v=[2 0 0 2 0 0;2 0 0 2 0 0] 1000 repeat static"}},
        // A comment before a selector becomes part of it.
        {"/* note */ .r { transform: scale(2) }", "<g class='r'/>", {}},
        {"/*x*/.r { transform: scale(2) }", "<g class='r'/>", {}},
        // Braces in strings and comments are counted like any other.
        {"@keyframes q { from { opacity: 0 } /* } */ to { opacity: 1 } } "
         ".r { animation: q 1s }",
         "<g class='r'/>",
         {}},
        {"@media (x) { .r { transform: scale(2) } }",
         "<g class='r'/>",
         {"2 Matrix t=[0,1] v=[2 0 0 2 0 0;2 0 0 2 0 0] 1000 repeat static"}},
        {"   \n\t ", "<g class='r'/>", {}},
        {".r { transform: scale(2) ", "<g class='r'/>", {}},
        // Removing a block can join the text around it into a new header,
        // which is removed in turn.
        {"@@keyframes a {}keyframes b { .r { transform: scale(2) } }", "<g class='r'/>", {}},
        // Joins chain: each removal forms the next header from the "@" before it.
        {"@@@keyframes a{}keyframes b{}keyframes c{} .r { transform: scale(2) }",
         "<g class='r'/>",
         {"2 Matrix t=[0,1] v=[2 0 0 2 0 0;2 0 0 2 0 0] 1000 repeat static"}},
        // Here the "@" kept starts no header, so the rest stays as rules.
        {"@x@keyframes a{}keyframes b{} .r { transform: scale(2) }",
         "<g class='r'/>",
         {"2 Matrix t=[0,1] v=[2 0 0 2 0 0;2 0 0 2 0 0] 1000 repeat static"}},
        // A keyframes block nested in another gives both sets its keyframes.
        {"@keyframes outer { @keyframes inner { to { opacity: 0 } from { opacity: 1 } } } "
         ".r { animation: outer 1s } .s { animation: inner 2s }",
         "<g class='r'/><g class='s'/>",
         {"2 Opacity t=[0,1] v=[1;0] 1000 once ease=[linear]",
          "3 Opacity t=[0,1] v=[1;0] 2000 once ease=[linear]"}},
        // Only the inner block is closed: the outer header has no set.
        {"@keyframes outer { @keyframes inner { to { opacity: 0 } from { opacity: 1 } } "
         ".r { animation: outer 1s } .s { animation: inner 2s }",
         "<g class='r'/><g class='s'/>",
         {"3 Opacity t=[0,1] v=[1;0] 2000 once ease=[linear]"}},
        // Offsets and values that read as NaN sort last and break nothing.
        {"@keyframes n { nan% { opacity: nan } 0% { opacity: 1 } 0% { opacity: nan } "
         "100% { opacity: 0 } } .r { animation: n 1s }",
         "<g class='r'/>",
         {"2 Opacity t=[0,0,1,nan] v=[1;nan;0;nan] 1000 once ease=[linear;linear;linear]"}},
    });
}

TEST(Css, SelectorMatching) {
    auto doc = AnimatedSvg::parse(
        "<svg><g id='a' class='x  y x'/><rect class='y'/><g id='' class='rect'/></svg>");
    const std::vector<std::pair<std::string, std::vector<int>>> cases = {
        {"g", {1, 3}},   {" rect ", {2}}, {".y", {1, 2}}, {".x", {1}},     {"#a", {1}},
        {"#", {3}},      {".", {}},       {"svg .y", {}}, {"g, rect", {}}, {"g:hover", {}},
        {"svg > g", {}}, {"rect.y", {}},  {"*", {}},      {"", {}},        {"G", {}},
    };
    std::vector<int> out = {99};
    for (const auto& [selector, expected] : cases) {
        css_selector_matches(*doc, out, selector);
        EXPECT_EQ(out, expected) << selector;
    }
}

TEST(Css, DeclarationsSelectorsAndEasings) {
    const CssDeclarations d = parse_css_declarations(
        " a : b ; c:d:e;nocolon; :x; animation-timing-function: ease; a: f ");
    EXPECT_EQ(d.properties, (std::map<std::string, std::string>{
                                {"a", "f"}, {"c", "d:e"}, {"animation-timing-function", "ease"}}));
    EXPECT_EQ(d.timing_function, "ease");

    EXPECT_EQ(parse_keyframe_selectors("from, 50%, to, 25 ,x, FROM"),
              (std::vector<double>{0, 0.5, 1, 0.25, 0, 0}));

    const std::vector<std::pair<std::string, std::string>> easings = {
        {"cubic-bezier(0.4, 0, 0.2, 1)", "0.4 0 0.2 1"},
        {"cubic-bezier (1,2,3,4)", "1 2 3 4"},
        {"ease-in-out", "linear"},
        {"steps(4)", "linear"},
        {"cubic-bezier(0.4, 0, 0.2)", "linear"},
        {"cubic-bezier", "linear"},
        {" cubic-bezier(0.4, 0, 0.2, 1)", "linear"},
    };
    for (const auto& [text, expected] : easings) {
        const CubicBezier b = parse_cubic_bezier(text);
        EXPECT_EQ(b.enabled ? svg_test::numbers({b.x1, b.y1, b.x2, b.y2}) : "linear", expected)
            << text;
    }
}

TEST(Css, LargeSheetsOfKeyframesBlocksParse) {
    // Each of these used to cost a scan of the rest of the sheet per block.
    const std::string rule = ".r { animation: k 1s infinite }";
    const std::string expected = "2 Opacity t=[0,1] v=[0;1] 1000 repeat ease=[linear]";
    std::string unclosed;
    std::string nested;
    std::string many;
    for (int i = 0; i < 150000; ++i) {
        unclosed += "@keyframes u{";
        nested += "@keyframes n{";
        many += "@keyframes m{to{opacity:1}}";
    }
    nested += std::string(150000, '}');
    const std::string k = "@keyframes k { from { opacity: 0 } to { opacity: 1 } } ";
    const std::vector<CssCase> cases = {
        {k + rule + unclosed, "<g class='r'/>", {expected}},
        {k + nested + rule, "<g class='r'/>", {expected}},
        {many + k + rule, "<g class='r'/>", {expected}},
    };
    expect_collected(cases);
}

TEST(Css, StyleSheetsOfSeveralMegabytesParse) {
    // A large embedded font and many rules, with the animation at the end.
    std::string sheet = "@font-face { src: url(data:font/woff2;base64,";
    sheet.append(3 << 20, 'A');
    sheet += ") } ";
    for (int i = 0; i < 40000; ++i) sheet += ".c" + std::to_string(i) + " { fill: red } ";
    sheet += "@keyframes spin { to { transform: rotate(90deg) } from { transform: none } } ";
    sheet += ".spinner { animation: spin 1s infinite }";
    auto doc = AnimatedSvg::parse("<svg><style>" + sheet + "</style><g class='spinner'/></svg>");
    EXPECT_EQ(svg_test::animations(*doc),
              Records{"2 Matrix t=[0,1] v=[1 0 0 1 0 0;6.12323e-17 1 -1 6.12323e-17 0 0] 1000 "
                      "repeat ease=[linear]"});
    EXPECT_EQ(AnimatedSvg::frame_text(doc, 250),
              "<svg><g transform=\"matrix(0.75,0.25,-0.25,0.75,0,0)\" class='spinner'/></svg>");
}

}  // namespace
