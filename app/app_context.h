#pragma once

// The state the window declaration shares among its handlers, created once by
// the builder and handed to the site and project wiring, which add their own
// handlers to it.

#include <memory>

#include "app/build_state.h"
#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/file_editor.h"
#include "app/open_configs.h"
#include "app/shell.h"
#include "ext/ostrel/runtime/window_tabs.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr const char* kWindow = "App/Scribenta Window";
inline constexpr const char* kSiteBase = "App/Scribenta Window/Config Pane/Site Configurator";
inline constexpr const char* kProjectBase = "App/Scribenta Window/Config Pane/Project Configurator";

struct AppContext {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<Ostrel::WindowTabs> window_tabs;
    ShowMessage show_message;
    ShowConfirm show_confirm;
    std::shared_ptr<Shell> site_shell;
    std::shared_ptr<Shell> project_shell;
    std::shared_ptr<CurrentShell> current;
    std::shared_ptr<EditState> edits;
    FlushEdits flush_edits;
    QueueEdit queue_edit;
    QueueEdit queue_source_edit;
    // The open configurations, the one shown and the configurator hooks.
    std::shared_ptr<OpenConfigs> configs;
    // Shared by the site build, the project build and the versions table.
    std::shared_ptr<BuildState> builds = std::make_shared<BuildState>();

    // The five file editors, each a guard of its shell.
    std::shared_ptr<FileEditor> policies_editor;
    std::shared_ptr<FileEditor> section_editor;
    std::shared_ptr<FileEditor> readme_editor;
    std::shared_ptr<FileEditor> license_editor;
    std::shared_ptr<FileEditor> topics_editor;
};

}  // namespace Scribenta
