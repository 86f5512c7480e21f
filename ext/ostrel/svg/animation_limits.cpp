#include "ext/ostrel/svg/animation_limits.h"

namespace Ostrel {

namespace {

std::size_t own_numbers(const Animation& anim) {
    std::size_t n = anim.key_times.size() + 4 * anim.easings.size();
    for (const std::vector<double>& values : anim.key_values) n += values.size();
    return n;
}

}  // namespace

AnimationBudget::AnimationBudget(const std::vector<Animation>& existing) {
    for (const Animation& anim : existing) {
        if (!fits(anim)) {
            exhausted_ = true;
            return;
        }
    }
}

bool AnimationBudget::admit(const Animation& anim) {
    if (exhausted_ || !fits(anim)) exhausted_ = true;
    return !exhausted_;
}

bool AnimationBudget::refuses(std::size_t keyframes) const {
    return exhausted_ || animations_ >= kMaxAnimations || keyframes > kMaxKeyframes - keyframes_ ||
           keyframes > kMaxAnimationNumbers - numbers_;
}

bool AnimationBudget::fits(const Animation& anim) {
    std::size_t numbers = own_numbers(anim);
    const bool new_path = anim.path != nullptr && paths_.count(anim.path.get()) == 0;
    if (new_path) numbers += 3 * anim.path->points.size();
    if (animations_ >= kMaxAnimations || anim.key_times.size() > kMaxKeyframes - keyframes_ ||
        numbers > kMaxAnimationNumbers - numbers_) {
        return false;
    }
    ++animations_;
    keyframes_ += anim.key_times.size();
    numbers_ += numbers;
    if (new_path) paths_.insert(anim.path.get());
    return true;
}

}  // namespace Ostrel
