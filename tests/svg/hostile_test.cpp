// SVGs built to multiply animations. Each is parsed in a child process under
// time and memory limits, must stay within the document caps and finish well
// inside the limits, frames included.

#include <gtest/gtest.h>

#include <string>

#include "ext/ostrel/svg/animated_svg.h"
#include "ext/ostrel/svg/animation_limits.h"
#include "tests/support/limited_child.h"

namespace {

using namespace Ostrel;

std::string repeat(const std::string& text, int times) {
    std::string out;
    out.reserve(text.size() * static_cast<size_t>(times));
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

std::string svg(const std::string& style, const std::string& body) {
    return "<svg><style>" + style + "</style>" + body + "</svg>";
}

std::string nested_sets(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += "@keyframes n" + std::to_string(i) + "{";
    return out;
}

struct HostileSvg {
    const char* name;
    std::string text;
    size_t animations;  // kept after the caps
    size_t keyframes;   // over all animations
    size_t stripped;
};

size_t keyframes_of(const AnimatedSvg& doc) {
    size_t n = 0;
    for (const Animation& a : doc.animations) n += a.key_times.size();
    return n;
}

bool parses_within_caps(const HostileSvg& c) {
    const auto doc = AnimatedSvg::parse(c.text);
    // A few frames, as the renderer would ask for them.
    size_t frame_bytes = 0;
    for (double t = 0; t < 100; t += 16) frame_bytes += AnimatedSvg::frame_text(doc, t).size();
    const bool ok = doc->animations.size() == c.animations && keyframes_of(*doc) == c.keyframes &&
                    doc->stripped.size() == c.stripped && frame_bytes > 0;
    if (!ok) {
        fprintf(stderr, "%s: %zu animations, %zu keyframes, %zu stripped\n", c.name,
                doc->animations.size(), keyframes_of(*doc), doc->stripped.size());
    }
    return ok;
}

}  // namespace

TEST(HostileSvg, AnimationsAndKeyframesStayWithinTheCaps) {
    static_assert(kMaxAnimations == 10000 && kMaxKeyframes == 100000);
    const std::string rects = repeat("<rect class='a'/>", 3000);
    const std::string spin =
        "@keyframes k { from { transform: rotate(0deg) } to { transform: "
        "rotate(90deg) } } ";
    const HostileSvg cases[] = {
        // 18 KB of rules over 3,000 elements: 1.8 million static transforms.
        {"static transforms", svg(repeat(".a{transform:rotate(1deg)}", 700), rects), 10000, 20000,
         1},
        // One block of 20,001 selectors whose declarations every keyframe
        // would copy, played by 3,000 elements: 60 million keyframes.
        {"keyframe selectors",
         svg("@keyframes k{" + repeat("0%,", 20000) +
                 "100%{transform:" + repeat("rotate(1deg) ", 80) + "}} .a{animation:k 1s infinite}",
             rects),
         4, 80004, 1},
        // 3,000 rules naming one set, each copied to every element.
        {"rules naming one set", svg(spin + repeat(".a{animation:k 1s infinite}", 3000), rects),
         10000, 20000, 1},
        // 2,000 nested sets that each hold every block inside them: the
        // innermost are kept up to the cap.
        {"nested keyframe sets",
         svg(nested_sets(2000) + repeat("0%{opacity:1}", 2000) + repeat("}", 2000) +
                 ".a{animation:n1999 1s infinite}",
             "<rect class='a'/>"),
         1, 2000, 1},
        // Past the cap SMIL elements are still cut from frames.
        {"SMIL",
         svg("", repeat("<g><animate attributeName='x' values='0;1' dur='1s'/></g>", 10001)), 10000,
         20000, 10002},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(test_support::run_limited([&] { return parses_within_caps(c); }, {5}))
            << c.name;
    }
}
