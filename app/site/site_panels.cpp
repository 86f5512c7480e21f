#include "app/site/site_panels.h"

namespace Scribenta {

bool SitePanelsContext::site_shown() const {
    if (edits->config_path.empty()) return false;
    const auto& current = flush_edits.current;
    return !current || current->shell.lock() == shell;
}

}  // namespace Scribenta
