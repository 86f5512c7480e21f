#pragma once

// Caps on what one document may hold, so that a hostile SVG (icons and images
// may come from the network) cannot make parsing or frames cost more than
// about its own size. Real animated icons stay far below them; past a cap
// the remaining animations are ignored.

#include <cstddef>
#include <vector>

#include "ext/ostrel/svg/animated_svg.h"

namespace Ostrel {

constexpr std::size_t kMaxAnimations = 10000;
constexpr std::size_t kMaxKeyframes = 100000;  // over all animations, and over all keyframe sets

// Counts a document's animations and their keyframes against the caps. Once
// an animation is refused every later one is too: past a cap the rest of
// the document adds nothing.
class AnimationBudget {
public:
    explicit AnimationBudget(const std::vector<Animation>& existing);
    // True, and counted, when one more animation of `keyframes` keyframes fits.
    bool admit(std::size_t keyframes);
    bool exhausted() const { return exhausted_; }

private:
    std::size_t animations_ = 0;
    std::size_t keyframes_ = 0;
    bool exhausted_ = false;
};

}  // namespace Ostrel
