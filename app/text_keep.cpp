#include "app/text_keep.h"

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

}  // namespace Scribenta
