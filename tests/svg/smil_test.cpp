#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext/ostrel/svg/animated_svg.h"
#include "ext/ostrel/svg/smil_animations.h"
#include "tests/svg/svg_describe.h"

namespace {

using namespace Ostrel;
using Records = std::vector<std::string>;

struct SmilCase {
    std::string svg;
    Records animations;  // svg_test::animation of each animation
    std::vector<int> stripped;
};

void expect_collected(const std::vector<SmilCase>& cases) {
    for (const auto& c : cases) {
        auto doc = AnimatedSvg::parse(c.svg);
        EXPECT_EQ(svg_test::animations(*doc), c.animations) << c.svg;
        EXPECT_EQ(doc->stripped, c.stripped) << c.svg;
        EXPECT_EQ(doc->is_animated(), !c.animations.empty()) << c.svg;
    }
}

TEST(Smil, AnimationKinds) {
    expect_collected({
        {"<svg><g><animateTransform attributeName='transform' type='rotate' "
         "values='0 12 12;360 12 12' dur='2s' repeatCount='indefinite'/></g></svg>",
         {"1 Rotate t=[0,1] v=[0 12 12;360 12 12] 2000 repeat"},
         {2}},
        {"<g><animateTransform type='skewX' from='0' to='30' dur='1s'/></g>",
         {"0 Rotate t=[0,1] v=[0;30] 1000 once"},
         {1}},
        {"<g><animateTransform from='0' to='30' dur='1s' repeatCount='3'/></g>",
         {"0 Rotate t=[0,1] v=[0;30] 1000 once"},
         {1}},
        {"<g><animateTransform attributeName='x' type='scale' from='1' to='2' dur='1s'/></g>",
         {"0 Scale t=[0,1] v=[1;2] 1000 once"},
         {1}},
        {"<g><animate attributeName='transform' type='translate' from='0 0' to='5 5' "
         "dur='1s'/></g>",
         {"0 Translate t=[0,1] v=[0 0;5 5] 1000 once"},
         {1}},
        {"<g><animate attributeName='opacity' from='1' to='0'/></g>",
         {"0 Opacity t=[0,1] v=[1;0] 0 once"},
         {1}},
        {"<g><animate attributeName='stroke-dashoffset' values='0;10' dur='500'/></g>",
         {"0 NumericAttribute:stroke-dashoffset t=[0,1] v=[0;10] 500 once"},
         {1}},
        // Not a property this engine animates: left in the frames.
        {"<g><animate attributeName='fill' from='red' to='blue' dur='1s'/></g>", {}, {}},
        {"<g><animate from='0' to='1' dur='1s'/></g>", {}, {}},
        {"<g><animate attributeName='R' from='0' to='1' dur='1s'/></g>", {}, {}},
        // Outermost animation elements have nothing to animate.
        {"<animate attributeName='x' from='0' to='1' dur='1s'/>", {}, {}},
    });
}

TEST(Smil, KeyframeValues) {
    expect_collected({
        {"<g><animate attributeName='x' from='10 20' by='5' dur='1s'/></g>",
         {"0 NumericAttribute:x t=[0,1] v=[10 20;15 20] 1000 once"},
         {1}},
        {"<g><animate attributeName='x' from='1' by='5 6' dur='1s'/></g>",
         {"0 NumericAttribute:x t=[0,1] v=[1;6] 1000 once"},
         {1}},
        // values win over from/to; empty pieces are dropped; a piece without
        // numbers is a keyframe without numbers.
        {"<g><animate attributeName='x' values=' 1 ;; none; 3' from='7' to='8' dur='1s'/></g>",
         {"0 NumericAttribute:x t=[0,0.5,1] v=[1;;3] 1000 once"},
         {1}},
        {"<g><animate attributeName='x' values='' from='' to='8' dur='1s'/></g>",
         {"0 NumericAttribute:x t=[0,1] v=[;8] 1000 once"},
         {1}},
        // Too few keyframes: no animation, but still cut from the frames.
        {"<g><animate attributeName='r' to='5' dur='1s'/></g>", {}, {1}},
        {"<g><animate attributeName='r' by='5' dur='1s'/></g>", {}, {1}},
        {"<g><animate attributeName='r' values='5' dur='1s'/></g>", {}, {1}},
    });
}

TEST(Smil, KeyTimesAndEasing) {
    expect_collected({
        {"<g><animate attributeName='x' values='0;10;0' keyTimes='0;1' dur='1s'/></g>",
         {"0 NumericAttribute:x t=[0,0.5,1] v=[0;10;0] 1000 once"},
         {1}},
        {"<g><animate attributeName='x' values='0;10;0' keyTimes='0; 0.8;0.3' dur='1s'/></g>",
         {"0 NumericAttribute:x t=[0,0.8,0.3] v=[0;10;0] 1000 once"},
         {1}},
        {"<g><animate attributeName='x' values='0;10' keyTimes='a;1' dur='1s'/></g>",
         {"0 NumericAttribute:x t=[0,1] v=[0;10] 1000 once"},
         {1}},
        {"<g><animate attributeName='x' values='0;10' calcMode='spline' "
         "keySplines='0.42 0 0.58 1' dur='1s'/></g>",
         {"0 NumericAttribute:x t=[0,1] v=[0;10] 1000 once ease=[0.42 0 0.58 1]"},
         {1}},
        {"<g><animate attributeName='x' values='0;10;5' calcMode='spline' "
         "keySplines='0.42 0 0.58;.1,.2,.3,.4;1 1 1 1' dur='1s'/></g>",
         {"0 NumericAttribute:x t=[0,0.5,1] v=[0;10;5] 1000 once "
          "ease=[linear;0.1 0.2 0.3 0.4;1 1 1 1]"},
         {1}},
        {"<g><animate attributeName='x' values='0;10' keySplines='0.42 0 0.58 1' dur='1s'/></g>",
         {"0 NumericAttribute:x t=[0,1] v=[0;10] 1000 once"},
         {1}},
    });
}

TEST(Smil, AdditiveBaseAndOrder) {
    expect_collected({
        {"<rect transform='translate(5,5)'><animateTransform type='rotate' from='0' to='90' "
         "dur='1s' additive='sum'/></rect>",
         {"0 Rotate t=[0,1] v=[0;90] 1000 once additive matrix(1,0,0,1,5,5)"},
         {1}},
        {"<rect><animateTransform type='rotate' from='0' to='90' dur='1s' additive='sum'/></rect>",
         {"0 Rotate t=[0,1] v=[0;90] 1000 once additive matrix(1,0,0,1,0,0)"},
         {1}},
        // Each base is its own parent's, however the parents interleave.
        {"<g transform='translate(5,5)'>"
         "<animateTransform type='rotate' from='0' to='90' dur='1s' additive='sum'/>"
         "<rect transform='scale(2)'>"
         "<animateTransform type='scale' from='1' to='2' dur='1s' additive='sum'/></rect>"
         "<animateTransform type='translate' from='0 0' to='1 1' dur='1s' additive='sum'/>"
         "<circle><animateTransform type='rotate' from='0' to='9' additive='sum'/></circle></g>",
         {"0 Rotate t=[0,1] v=[0;90] 1000 once additive matrix(1,0,0,1,5,5)",
          "2 Scale t=[0,1] v=[1;2] 1000 once additive matrix(2,0,0,2,0,0)",
          "0 Translate t=[0,1] v=[0 0;1 1] 1000 once additive matrix(1,0,0,1,5,5)",
          "5 Rotate t=[0,1] v=[0;9] 0 once additive matrix(1,0,0,1,0,0)"},
         {1, 3, 4, 6}},
        {"<svg><rect><animate attributeName='x' from='0' to='1' dur='1s'/>"
         "<animate attributeName='fill' to='red'/>"
         "<animate attributeName='y' from='2' to='3' dur='2s'/></rect></svg>",
         {"1 NumericAttribute:x t=[0,1] v=[0;1] 1000 once",
          "1 NumericAttribute:y t=[0,1] v=[2;3] 2000 once"},
         {2, 4}},
    });
}

TEST(Smil, NumericAttributeNames) {
    for (const char* name :
         {"x", "y", "width", "height", "cx", "cy", "r", "rx", "ry", "x1", "y1", "x2", "y2",
          "stroke-width", "stroke-dashoffset", "offset", "fill-opacity", "stroke-opacity"}) {
        EXPECT_TRUE(is_numeric_svg_attribute(name)) << name;
    }
    for (const char* name : {"opacity", "transform", "fill", "X", "d", ""}) {
        EXPECT_FALSE(is_numeric_svg_attribute(name)) << name;
    }
}

}  // namespace
