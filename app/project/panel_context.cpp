#include "app/project/panel_context.h"

namespace Scribenta {

void reload_shell(const Shell& shell) {
    if (shell.reload) shell.reload();
}

}  // namespace Scribenta
