#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ext/ostrel/svg/animated_svg.h"
#include "ext/ostrel/svg/frame_render.h"
#include "ext/ostrel/svg/number_text.h"
#include "tests/svg/svg_describe.h"

namespace {

using namespace Ostrel;

struct FrameCase {
    double t_ms;
    std::string frame;
};

struct DocumentFrames {
    std::string svg;
    std::vector<FrameCase> frames;
};

void expect_frames(const std::vector<DocumentFrames>& docs) {
    for (const auto& d : docs) {
        auto doc = AnimatedSvg::parse(d.svg);
        for (const auto& f : d.frames) {
            EXPECT_EQ(AnimatedSvg::frame_text(doc, f.t_ms), f.frame) << d.svg << " @" << f.t_ms;
        }
    }
}

const std::string kRotor =
    "<svg><g><animateTransform attributeName=\"transform\" type=\"rotate\" "
    "values=\"0 12 12;90 12 12\" dur=\"1s\" repeatCount=\"indefinite\"/></g></svg>";

TEST(Frames, SmilValuesWrittenIntoTheSource) {
    expect_frames({
        {kRotor,
         {{0, "<svg><g transform=\"matrix(1,0,-0,1,0,0)\"></g></svg>"},
          {500,
           "<svg><g transform=\"matrix(0.707107,0.707107,-0.707107,0.707107,12,-4.97056)\">"
           "</g></svg>"},
          {1500,
           "<svg><g transform=\"matrix(0.707107,0.707107,-0.707107,0.707107,12,-4.97056)\">"
           "</g></svg>"},
          {1000, "<svg><g transform=\"matrix(1,0,-0,1,0,0)\"></g></svg>"},
          {1250,
           "<svg><g transform=\"matrix(0.92388,0.382683,-0.382683,0.92388,5.50565,"
           "-3.67876)\"></g></svg>"}}},
        // A numeric attribute is replaced between its quotes.
        {"<circle r=\"4\" cx='1'><animate attributeName=\"r\" values=\"4;8\" dur=\"1s\"/></circle>",
         {{-100, "<circle r=\"4\" cx='1'></circle>"},
          {500, "<circle r=\"6\" cx='1'></circle>"},
          {1000, "<circle r=\"8\" cx='1'></circle>"},
          {60000, "<circle r=\"8\" cx='1'></circle>"}}},
        // New attributes go right after the tag name: transform, opacity,
        // then numeric attributes by name.
        {"<rect x=\"1\">"
         "<animate attributeName=\"y\" from=\"0\" to=\"1e7\" dur=\"1s\"/>"
         "<animate attributeName=\"opacity\" from=\"1\" to=\"0\" dur=\"1s\"/>"
         "<animate attributeName=\"height\" from=\"0\" to=\"0.0001\" dur=\"1s\"/>"
         "<animateTransform type=\"translate\" from=\"0 0\" to=\"10 -10\" dur=\"1s\"/>"
         "</rect>",
         {{250,
           "<rect transform=\"matrix(1,0,0,1,2.5,-2.5)\" opacity=\"0.75\" "
           "height=\"2.5e-05\" y=\"2.5e+06\" x=\"1\"></rect>"}}},
        // Without a duration the last keyframe shows at every time.
        {"<g><animate attributeName=\"opacity\" from=\"1\" to=\"0\"/></g>",
         {{0, "<g opacity=\"0\"></g>"}, {-5, "<g opacity=\"0\"></g>"}}},
        // Scale with one number scales both ways.
        {"<g><animateTransform type=\"scale\" values=\"1;3\" dur=\"2s\"/></g>",
         {{1000, "<g transform=\"matrix(2,0,0,2,0,0)\"></g>"}}},
    });
}

TEST(Frames, AdditiveAndCompetingTransforms) {
    expect_frames({
        {"<rect transform=\"translate(10,0)\"><animateTransform type=\"rotate\" from=\"0\" "
         "to=\"90\" dur=\"1s\" additive=\"sum\"/></rect>",
         {{1000, "<rect transform=\"matrix(6.12323e-17,1,-1,6.12323e-17,10,0)\"></rect>"}}},
        {"<rect transform=\"translate(10,0)\"><animateTransform type=\"rotate\" from=\"0\" "
         "to=\"90\" dur=\"1s\"/></rect>",
         {{1000, "<rect transform=\"matrix(6.12323e-17,1,-1,6.12323e-17,0,0)\"></rect>"}}},
        // Each adds to its own element's transform, whichever element came
        // before it; of two on one element the later one shows.
        {"<g transform=\"translate(10,0)\">"
         "<animateTransform type=\"rotate\" from=\"0\" to=\"90\" dur=\"1s\" additive=\"sum\"/>"
         "<rect transform=\"scale(3)\"><animateTransform type=\"rotate\" from=\"0\" to=\"90\" "
         "dur=\"1s\" additive=\"sum\"/></rect>"
         "<animateTransform type=\"scale\" from=\"1\" to=\"3\" dur=\"1s\" additive=\"sum\"/>"
         "<circle><animateTransform type=\"translate\" from=\"0 0\" to=\"4 8\" dur=\"1s\" "
         "additive=\"sum\"/></circle></g>",
         {{500,
           "<g transform=\"matrix(2,0,0,2,10,0)\">"
           "<rect transform=\"matrix(2.12132,2.12132,-2.12132,2.12132,0,0)\"></rect>"
           "<circle transform=\"matrix(1,0,0,1,2,4)\"></circle></g>"}}},
        // SMIL comes before CSS, so the CSS matrix wins.
        {"<svg><style>@keyframes s { from { transform: scale(1) } to { transform: scale(5) } } "
         "#r { animation: s 1s }</style><rect id=\"r\"><animateTransform type=\"scale\" "
         "from=\"1\" to=\"2\" dur=\"1s\"/></rect></svg>",
         {{500, "<svg><rect transform=\"matrix(3,0,0,3,0,0)\" id=\"r\"></rect></svg>"}}},
    });
}

TEST(Frames, CssAnimations) {
    expect_frames({
        {"<svg><style>@keyframes spin { from { transform: rotate(0deg) } to { transform: "
         "rotate(90deg) } } .spinner { animation: spin 2s linear infinite }</style>"
         "<g class=\"busy spinner\"><path d=\"M0 0\"/></g></svg>",
         {{1000,
           "<svg><g transform=\"matrix(0.5,0.5,-0.5,0.5,0,0)\" class=\"busy spinner\">"
           "<path d=\"M0 0\"/></g></svg>"},
          {2000,
           "<svg><g transform=\"matrix(1,0,0,1,0,0)\" class=\"busy spinner\">"
           "<path d=\"M0 0\"/></g></svg>"}}},
        {"<svg><style>@keyframes move { from { offset-distance: 0% } to { offset-distance: 100% "
         "} } #m { offset-path: path('M0 0 L100 0 L100 50'); animation: move 3s infinite }"
         "</style><circle id=\"m\" r=\"2\"/></svg>",
         {{1000, "<svg><circle transform=\"matrix(1,0,0,1,50,0)\" id=\"m\" r=\"2\"/></svg>"},
          {2500, "<svg><circle transform=\"matrix(1,0,0,1,100,25)\" id=\"m\" r=\"2\"/></svg>"}}},
        {"<svg><style>.b { opacity: 1 } @keyframes blink { 0%, 100% { opacity: 1 } "
         "50% { opacity: 0.2 } } .b { animation: blink 1s infinite }</style>"
         "<circle class=\"b\" opacity=\"1\"/></svg>",
         {{250, "<svg><circle class=\"b\" opacity=\"0.6\"/></svg>"}}},
        // A static rule transform is written even though nothing moves.
        {"<svg><style>#logo { transform: rotate(45deg); transform-origin: 12px 12px }</style>"
         "<g id=\"logo\"/></svg>",
         {{0,
           "<svg><g transform=\"matrix(0.707107,0.707107,-0.707107,0.707107,12,-4.97056)\" "
           "id=\"logo\"/></svg>"}}},
    });
}

TEST(Frames, CutsAndUnchangedSources) {
    const std::string plain =
        "<?xml version=\"1.0\"?>\n<!-- logo --><svg viewBox=\"0 0 24 24\">"
        "<path d=\"M0 0h24v24z\" fill=\"#fff\"/><animate attributeName=\"fill\" to=\"red\"/>"
        "</svg>\n";
    expect_frames({
        {plain, {{0, plain}, {1234.5, plain}}},
        {"", {{0, ""}}},
        {"<svg", {{0, "<svg"}}},
        // An animated element inside a cut element goes with it.
        {"<svg><style><g><animate attributeName=\"x\" from=\"0\" to=\"1\" dur=\"1s\"/></g>"
         "</style><rect/></svg>",
         {{500, "<svg><rect/></svg>"}}},
        // A never-closed animation element is not cut.
        {"<svg><rect><animate attributeName=\"x\" from=\"0\" to=\"1\" dur=\"1s\">",
         {{500,
           "<svg><rect x=\"0.5\"><animate attributeName=\"x\" from=\"0\" to=\"1\" "
           "dur=\"1s\">"}}},
        // An animation element that builds nothing is still cut.
        {"<svg><rect><animate attributeName=\"r\" to=\"5\" dur=\"1s\"/></rect></svg>",
         {{0, "<svg><rect></rect></svg>"}}},
        // An attribute written without quotes has no place for a value: it
        // stays as written, and nothing is written at the start of the text.
        {"<svg><circle r=4 cx=2><animate attributeName=\"r\" from=\"4\" to=\"8\" dur=\"1s\"/>"
         "<animate attributeName=\"cx\" from=\"2\" to=\"4\" dur=\"1s\"/>"
         "<animate attributeName=\"cy\" from=\"0\" to=\"2\" dur=\"1s\"/></circle></svg>",
         {{500, "<svg><circle cy=\"1\" r=4 cx=2></circle></svg>"}}},
    });
    EXPECT_FALSE(AnimatedSvg::is_animated(AnimatedSvg::parse(plain)));
}

TEST(Frames, MatrixWithTooFewNumbersWritesNothing) {
    auto doc = AnimatedSvg::parse("<g transform=\"scale(2)\"/>");
    Animation anim;
    anim.element = 0;
    anim.kind = AnimationKind::Matrix;
    anim.key_times = {0, 1};
    anim.key_values = {{1, 0, 0}, {1, 0, 0, 1, 0, 0}};
    doc->animations.push_back(anim);
    EXPECT_EQ(doc->render_frame(500), "<g transform=\"scale(2)\"/>");
}

TEST(Frames, ProgressWithinTheCycle) {
    struct Case {
        double duration;
        bool repeat;
        double t;
        double progress;
    };
    const std::vector<Case> cases = {
        {1000, true, 250, 0.25},  {1000, true, 1250, 0.25}, {1000, true, -250, -0.25},
        {1000, false, 250, 0.25}, {1000, false, 5000, 1},   {1000, false, -500, -0.5},
        {0, true, 123, 1},        {-5, false, 0, 1},
    };
    for (const auto& c : cases) {
        Animation a;
        a.duration_ms = c.duration;
        a.repeat = c.repeat;
        EXPECT_EQ(a.progress_at(c.t), c.progress) << c.duration << " " << c.t;
    }
}

TEST(Frames, SamplingKeyframes) {
    Animation a;
    a.key_times = {0, 0.5, 1};
    a.key_values = {{0}, {10}, {0}};
    Animation jump;
    jump.key_times = {0, 0.5, 0.5, 1};
    jump.key_values = {{0, 1}, {10, 1}, {20}, {30, 5}};
    Animation eased;
    eased.key_times = {0, 1};
    eased.key_values = {{0}, {1}};
    eased.easings = {{0.25, 0.1, 0.25, 1, true}};
    struct Case {
        const Animation* anim;
        double p;
        std::string values;
    };
    const std::vector<Case> cases = {
        {&a, -1, "0"},
        {&a, 0, "0"},
        {&a, 0.25, "5"},
        {&a, 0.75, "5"},
        {&a, 1, "0"},
        {&a, 2, "0"},
        {&jump, 0.5, "10 1"},
        {&jump, 0.25, "5 1"},
        {&jump, 0.500001, "20"},
        {&jump, 0.75, "25"},
        {&eased, 0.5, "0.802403"},
        {&jump, 1, "30 5"},
        // Not a number (from a "nan" duration or an infinite time): the first keyframe.
        {&a, std::nan(""), "0"},
        {&jump, std::nan(""), "0 1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(svg_test::numbers(c.anim->sample(c.p)), c.values) << c.p;
    }
    EXPECT_TRUE(Animation().sample(0.5).empty());
}

TEST(Frames, DurationsAndTimesThatAreNotNumbersShowTheFirstKeyframe) {
    const std::string svg =
        "<svg><rect x=\"0\"><animate attributeName=\"x\" values=\"3;9\" dur=\"DUR\" "
        "repeatCount=\"indefinite\"/></rect></svg>";
    struct Case {
        std::string dur;
        double t;
        std::string frame;
    };
    const std::vector<Case> cases = {
        {"nan", 500, "<svg><rect x=\"3\"></rect></svg>"},
        {"1s", std::numeric_limits<double>::infinity(), "<svg><rect x=\"3\"></rect></svg>"},
        {"1s", std::nan(""), "<svg><rect x=\"3\"></rect></svg>"},
        {"inf", 500, "<svg><rect x=\"3\"></rect></svg>"},
        {"1s", 500, "<svg><rect x=\"6\"></rect></svg>"},
    };
    for (const auto& c : cases) {
        std::string text = svg;
        text.replace(text.find("DUR"), 3, c.dur);
        EXPECT_EQ(AnimatedSvg::frame_text(AnimatedSvg::parse(text), c.t), c.frame)
            << c.dur << " " << c.t;
    }
}

TEST(Frames, CubicBezierEasing) {
    const CubicBezier linear_curve{0, 0, 1, 1, true};
    const CubicBezier ease_in_out{0.42, 0, 0.58, 1, true};
    for (double x : {0.0, 0.1, 0.25, 0.5, 0.9, 1.0}) {
        EXPECT_NEAR(cubic_bezier_ease(linear_curve, x), x, 1e-9) << x;
        EXPECT_EQ(cubic_bezier_ease(CubicBezier{}, x), x) << x;
    }
    EXPECT_NEAR(cubic_bezier_ease(ease_in_out, 0.5), 0.5, 1e-9);
    EXPECT_EQ(format_number(cubic_bezier_ease({0.25, 0.1, 0.25, 1, true}, 0.5)), "0.802403");
    // No clamping: a disabled easing passes any value through.
    EXPECT_EQ(cubic_bezier_ease(CubicBezier{}, 1.5), 1.5);
}

}  // namespace
