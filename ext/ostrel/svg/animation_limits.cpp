#include "ext/ostrel/svg/animation_limits.h"

namespace Ostrel {

AnimationBudget::AnimationBudget(const std::vector<Animation>& existing)
    : animations_(existing.size()) {
    for (const Animation& anim : existing) keyframes_ += anim.key_times.size();
    exhausted_ = animations_ > kMaxAnimations || keyframes_ > kMaxKeyframes;
}

bool AnimationBudget::admit(std::size_t keyframes) {
    if (exhausted_ || animations_ >= kMaxAnimations || keyframes > kMaxKeyframes - keyframes_) {
        exhausted_ = true;
        return false;
    }
    ++animations_;
    keyframes_ += keyframes;
    return true;
}

}  // namespace Ostrel
