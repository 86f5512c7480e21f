#include "app/text_keep.h"

namespace Scribenta {

void ReloadKeepingText::operator()() const {
    if (!shell || !shell->reload) return;
    if (!keep) {
        shell->reload();
        return;
    }
    keep->keep = true;
    shell->reload();
    keep->keep = false;
}

}  // namespace Scribenta
