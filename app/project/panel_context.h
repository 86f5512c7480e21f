#pragma once

// What the panels wired after the project form (cards, facts and downloads
// with their add dialogs, README and LICENSE, topics) are handed: the shared
// operations of the window besides the objects of the project wiring.

#include <memory>

#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/open_config.h"
#include "app/shell.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

struct ProjectPanelContext {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<Shell> shell;  // the project shell
    std::shared_ptr<EditState> edits;
    FlushEdits flush_edits;
    QueueEdit queue_edit;         // the project configuration
    QueueEdit queue_source_edit;  // the source-root build manifest
    ShowMessage show_message;
    ShowConfirm show_confirm;
    std::shared_ptr<OpenConfig> shown;

    bool config_open() const { return !edits->config_path.empty(); }
};

// Runs the shell's reload, when it has one. Continuations stored in the
// confirmation dialog hold the shell, never the context: the context holds
// the dialog's pending action, and the two would keep each other alive.
void reload_shell(const Shell& shell);

}  // namespace Scribenta
