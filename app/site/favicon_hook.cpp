#include "app/site/favicon_hook.h"

namespace Scribenta {

FaviconGenerator& favicon_generator() {
    // A function-local static: constructed on first use, thread-safely, and
    // alive until exit, whatever the order of other static initialisers.
    static FaviconGenerator hook;
    return hook;
}

}  // namespace Scribenta
