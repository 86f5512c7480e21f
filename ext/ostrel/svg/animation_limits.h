#pragma once

// Caps on what one document may hold, so that a hostile SVG (icons and images
// may come from the network) cannot make parsing or frames cost more than
// about its own size. Each counts what it guards: animations the work every
// frame does per animation, keyframes the search for the segment to sample,
// numbers the memory the animations hold and the values every frame reads.
// Real animated icons stay far below them; a document past one is shown as
// its static picture (AnimatedSvg::parse).

#include <cstddef>
#include <set>
#include <vector>

#include "ext/ostrel/svg/animated_svg.h"

namespace Ostrel {

constexpr std::size_t kMaxAnimations = 10000;
constexpr std::size_t kMaxKeyframes = 100000;  // over all animations, and over all keyframe sets
// Keyframe times and numbers, four per easing and three per point of a
// motion path (x, y and the length up to it): 16 MB of numbers.
constexpr std::size_t kMaxAnimationNumbers = 2000000;

// Counts a document's animations against the caps. Once an animation is
// refused every later one is too.
class AnimationBudget {
public:
    explicit AnimationBudget(const std::vector<Animation>& existing);
    // True, and counted, when one more animation fits. A motion path shared
    // with an animation counted before is not counted again.
    bool admit(const Animation& anim);
    // True when an animation of that many keyframes is refused whatever else
    // it holds (each keyframe has a time, so it holds at least that many
    // numbers): asked before its values are read, so that one certain to be
    // refused costs nothing to read.
    bool refuses(std::size_t keyframes) const;
    bool exhausted() const { return exhausted_; }

private:
    bool fits(const Animation& anim);

    std::size_t animations_ = 0;
    std::size_t keyframes_ = 0;
    std::size_t numbers_ = 0;
    std::set<const MotionPath*> paths_;  // counted already
    bool exhausted_ = false;
};

}  // namespace Ostrel
