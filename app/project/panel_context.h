#pragma once

// What the panels wired after the project form (cards, facts and downloads
// with their add dialogs, README and LICENSE, topics) are handed: the shared
// operations of the window besides the objects of the project wiring.

#include <memory>

#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/open_config.h"
#include "app/shell.h"
#include "app/text_keep.h"

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
    // The project form's keep flag; wire_project_panels fills it in.
    std::shared_ptr<UnsavedTextKeep> text_keep = nullptr;

    bool config_open() const { return !edits->config_path.empty(); }
    // The shell's reload after a change the panels made themselves: the
    // file editors keep unsaved text. Continuations stored in the
    // confirmation dialog hold this, never the context: the context holds
    // the dialog's pending action, and the two would keep each other alive.
    ReloadKeepingText reload() const { return {shell, text_keep}; }
};

}  // namespace Scribenta
