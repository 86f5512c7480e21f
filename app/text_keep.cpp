#include "app/text_keep.h"

#include <utility>

namespace Scribenta {

void ReloadKeepingText::operator()() const {
    if (!shell || !shell->reload) return;
    if (!keep) {
        shell->reload();
        return;
    }
    keep->keep = true;
    keep->follow = follow;
    shell->reload();
    keep->keep = false;
    keep->follow = false;
}

std::function<void()> following_redraw(const std::shared_ptr<const Shell>& shell,
                                       std::shared_ptr<UnsavedTextKeep> keep) {
    return [weak_shell = std::weak_ptr<const Shell>(shell), keep = std::move(keep)] {
        if (auto held = weak_shell.lock()) ReloadKeepingText{held, keep, true}();
    };
}

}  // namespace Scribenta
