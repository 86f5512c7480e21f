// SVGs built to multiply animations or the work of parsing them. Each is
// parsed in a child process under CPU and memory limits set about ten times
// above what the case costs in the sanitizer build, so only a real blow-up
// fails one; the tests assert what the document holds, not how fast. Where
// the blow-up is a cost that grows faster than the input, a test compares
// the CPU time of one input at two sizes instead.

#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <string>

#include "ext/ostrel/svg/animated_svg.h"
#include "tests/support/cpu_time.h"
#include "tests/support/heap_cap.h"
#include "tests/support/limited_child.h"

namespace {

using namespace Ostrel;

// The motion cases hold a few megabytes; a copy of the path per element took
// gigabytes.
constexpr std::size_t kMotionMemory = std::size_t{1} << 30;

std::string repeat(const std::string& text, int times) {
    std::string out;
    out.reserve(text.size() * static_cast<size_t>(times));
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

std::string svg(const std::string& style, const std::string& body) {
    return "<svg><style>" + style + "</style>" + body + "</svg>";
}

size_t occurrences(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

size_t count_kind(const AnimatedSvg& doc, AnimationKind kind) {
    return static_cast<size_t>(std::count_if(doc.animations.begin(), doc.animations.end(),
                                             [&](const Animation& a) { return a.kind == kind; }));
}

std::string nested_sets(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += "@keyframes n" + std::to_string(i) + "{";
    return out;
}

const char kOverBudgetLine[] = "AnimatedSvg: animations over budget, showing the static picture\n";

// A document over a budget keeps no animation and shows its source as it is,
// with one line on standard error.
bool shown_static(const std::string& text) {
    testing::internal::CaptureStderr();
    const auto doc = AnimatedSvg::parse(text);
    const std::string err = testing::internal::GetCapturedStderr();
    const bool ok = !AnimatedSvg::is_animated(doc) && doc->animations.empty() &&
                    AnimatedSvg::frame_text(doc, 500) == text && err == kOverBudgetLine;
    if (!ok) {
        fprintf(stderr, "%zu animations, %zu stripped, stderr \"%s\"\n", doc->animations.size(),
                doc->stripped.size(), err.c_str());
    }
    return ok;
}

TEST(HostileSvg, DocumentsOverABudgetAreShownStatic) {
    const std::string rects = repeat("<rect class='a'/>", 3000);
    const std::string spin =
        "@keyframes k { from { transform: rotate(0deg) } to { transform: "
        "rotate(90deg) } } ";
    // CPU seconds: about ten times what each case costs in the sanitizer build.
    const struct {
        const char* name;
        unsigned seconds;
        std::string text;
    } cases[] = {
        // 18 KB of rules over 3,000 elements: 2.1 million static transforms.
        {"static transforms", 1, svg(repeat(".a{transform:rotate(1deg)}", 700), rects)},
        // One block of 20,001 selectors whose declarations every keyframe
        // would copy, played by 3,000 elements: 60 million keyframes.
        {"keyframe selectors", 2,
         svg("@keyframes k{" + repeat("0%,", 20000) +
                 "100%{transform:" + repeat("rotate(1deg) ", 80) + "}} .a{animation:k 1s infinite}",
             rects)},
        // 3,000 rules naming one set, each copied to every element.
        {"rules naming one set", 1, svg(spin + repeat(".a{animation:k 1s infinite}", 3000), rects)},
        // 2,000 nested sets that each hold every block inside them.
        {"nested keyframe sets", 4,
         svg(nested_sets(2000) + repeat("0%{opacity:1}", 2000) + repeat("}", 2000) +
                 ".a{animation:n1999 1s infinite}",
             "<rect class='a'/>")},
        {"SMIL", 3,
         svg("", repeat("<g><animate attributeName='x' values='0;1' dur='1s'/></g>", 10001))},
        // A curve of 540 KB that flattens to 720,001 points.
        {"path points", 4,
         svg("@keyframes m{from{offset-distance:0%}to{offset-distance:100%}} "
             "a{animation:m 1s infinite; offset-path:path('M0 0c" +
                 repeat(" 1 1 1 1 1 1", 45000) + "')}",
             "<a/>")},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(test_support::run_limited([&] { return shown_static(c.text); }, {c.seconds}))
            << c.name;
    }
}

// At a cap one more animation, or one more keyframe, makes the document
// static; an animation element read as fewer than two keyframes adds none,
// so it is not refused.
TEST(HostileSvg, SmilAnimationsAtTheCaps) {
    const std::string full =
        repeat("<g><animate attributeName='x' values='0;1' dur='1s'/></g>", 10000);
    const auto animate = [](const std::string& attributes) {
        return "<g><animate attributeName='x' " + attributes + "/></g>";
    };
    const struct {
        const char* name;
        std::string text;
        size_t animations;  // 0: shown static
    } cases[] = {
        {"values of one keyframe", svg("", full + animate("values=' ;5; ' from='0' to='1'")),
         10000},
        {"from alone", svg("", full + animate("from='0'")), 10000},
        {"empty values, from and to", svg("", full + animate("values='' from='0' to='1'")), 0},
        {"from and by", svg("", full + animate("from='0' by='1'")), 0},
        {"100,000 keyframes", svg("", animate("values='" + repeat("0;", 100000) + "'")), 1},
        {"100,001 keyframes", svg("", animate("values='" + repeat("0;", 100001) + "'")), 0},
    };
    for (const auto& c : cases) {
        if (c.animations == 0) {
            EXPECT_TRUE(shown_static(c.text)) << c.name;
            continue;
        }
        const auto doc = AnimatedSvg::parse(c.text);
        EXPECT_EQ(doc->animations.size(), c.animations) << c.name;
    }
}

// 'M0 0' then 100,000 points going back and forth between x 2 and x 0, over
// 1,000 and 10,000 elements (504 and 540 KB): copied into every element's
// animation it took 2.3 GB, and the larger one ran out of memory.
TEST(HostileSvg, AMotionPathIsHeldOnceForAllTheElementsOfItsRule) {
    const std::string sheet =
        "@keyframes m{from{offset-distance:0%}to{offset-distance:100%}} "
        "a{animation:m 1s infinite; offset-path:path('M0 0" +
        repeat(" L2 0 L0 0", 50000) + "')}";
    constexpr unsigned kMotionSeconds = 5;  // ten times the larger case in the sanitizer build
    for (int targets : {1000, 10000}) {
        const std::string text = svg(sheet, repeat("<a/>", targets));
        const auto moves_every_element = [&] {
            test_support::cap_heap(kMotionMemory);
            const auto doc = AnimatedSvg::parse(text);
            // 30.0005% of the 200,000 units of path: halfway from (0, 0) to (2, 0).
            const std::string frame = AnimatedSvg::frame_text(doc, 300.005);
            const size_t placed = occurrences(frame, "<a transform=\"matrix(1,0,0,1,1,0)\"/>");
            const size_t motions = count_kind(*doc, AnimationKind::Motion);
            const bool one_path = std::all_of(
                doc->animations.begin(), doc->animations.end(),
                [&](const Animation& a) { return a.path == doc->animations.front().path; });
            if (placed != static_cast<size_t>(targets) || motions != placed || !one_path) {
                fprintf(stderr, "%d elements: %zu motions, %zu placed\n", targets, motions, placed);
                return false;
            }
            return true;
        };
        EXPECT_TRUE(test_support::run_limited(moves_every_element, {kMotionSeconds, kMotionMemory}))
            << targets << " elements";
    }
}

// 30,000 rules over 30,000 elements (about 450 KB) that animate nothing: were
// they matched, every rule would meet every element.
TEST(HostileSvg, RulesThatAnimateNothingAreNotMatchedAgainstTheElements) {
    // CPU seconds: about ten times what each case costs in the sanitizer build.
    const struct {
        const char* name;
        unsigned seconds;
        std::string sheet;
    } cases[] = {
        {"no animation", 1, repeat("a{fill:red}", 30000)},
        {"a set that changes nothing drawn", 4,
         "@keyframes m{from{fill:red}to{fill:blue}}" + repeat("a{animation:m 1s}", 30000)},
        {"motion without a path", 4,
         "@keyframes m{from{offset-distance:0%}to{offset-distance:9%}}" +
             repeat("a{animation:m 1s}", 30000)},
        {"a path without motion", 2, repeat("a{offset-path:path('M0 0 L1 1')}", 30000)},
    };
    for (const auto& c : cases) {
        const std::string text = svg(c.sheet, repeat("<a/>", 30000));
        const auto nothing_animated = [&] {
            const auto doc = AnimatedSvg::parse(text);
            return doc->animations.empty() && !AnimatedSvg::is_animated(doc) &&
                   doc->stripped == std::vector<int>{1};
        };
        EXPECT_TRUE(test_support::run_limited(nothing_animated, {c.seconds})) << c.name;
    }
}

// A group turned by 20,000 × scale rotations under 2,500 × scale additive
// animations (390 KB at scale 1). Each animation read the group's transform
// again: four times the size cost sixteen times as much, 4 s at scale 1.
TEST(HostileSvg, AdditiveAnimationsUnderALongTransformCostInProportionToTheirSize) {
    const auto text = [](int scale) {
        return "<svg><g transform='" + repeat("rotate(1) ", 20000 * scale) + "'>" +
               repeat("<animateTransform type='rotate' from='0' to='90' dur='1s' additive='sum'/>",
                      2500 * scale) +
               "</g></svg>";
    };
    const std::string small = text(1);
    const std::string large = text(4);
    const auto grows_linearly = [&] {
        // Freed memory is kept for the next parse: were it given back, one
        // size could be parsed in memory kept from the run before and the
        // other in memory faulted in afresh, which costs more than the parse.
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
        size_t small_count = 0;
        size_t large_count = 0;
        // The child that measures has one thread, so its clock is the parse's.
        const double small_seconds = test_support::least_cpu_seconds(
            5, [&] { small_count = AnimatedSvg::parse(small)->animations.size(); });
        const double large_seconds = test_support::least_cpu_seconds(
            5, [&] { large_count = AnimatedSvg::parse(large)->animations.size(); });
        // Linear growth gives about 4, the old quadratic one about 16.
        const double ratio = large_seconds / small_seconds;
        if (small_count != 2500 || large_count != 10000 || ratio >= 8) {
            fprintf(stderr, "%zu and %zu animations in %.4f and %.4f s: ratio %.1f\n", small_count,
                    large_count, small_seconds, large_seconds, ratio);
            return false;
        }
        return true;
    };
    // CPU seconds: about ten times what the child costs in the sanitizer build.
    EXPECT_TRUE(test_support::run_limited(grows_linearly, {30}));
}

}  // namespace
