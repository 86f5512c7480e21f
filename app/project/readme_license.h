#pragma once

// The README and LICENSE panels and the source path: the two file paths are
// edited through the manifest queue and shown in their file editors, a
// missing file can be created empty, and a new source root reloads every
// file editor of the project below it.

#include <functional>
#include <memory>
#include <string>

#include "app/file_editor.h"
#include "app/project/panel_context.h"
#include "app/project/project_state.h"
#include "app/project/project_wiring.h"
#include "app/project/topics.h"

namespace Scribenta {

// README or LICENSE: what differs between the two panels.
struct ProjectFilePanel {
    std::string pointer;       // "/build/readme" in the manifest
    std::string default_name;  // "README.md"
    std::string path_field;
    std::string create_row;
    std::shared_ptr<FileEditor> editor;

    std::string create_label() const { return create_row + "/Create Button/Label"; }
};

ProjectFilePanel readme_panel(const ProjectWiring& wiring);
ProjectFilePanel license_panel(const ProjectWiring& wiring);

// refresh_readme_create_row, refresh_license_create_row: the row shows
// exactly while a source root is set and the editor holds no readable file;
// its button names the file the path field asks for.
struct RefreshCreateRow {
    Ostrel::OApp* app = nullptr;
    ProjectFilePanel panel;
    std::shared_ptr<const ProjectState> state;
    void operator()() const;
};

// on_readme_path_changed, on_license_path_changed: queues the path as typed
// and shows the file it names; when the editor holds unsaved text of
// another file, only after "Discard" (change_path_or_ask).
struct ProjectFilePathChanged {
    ProjectPanelContext ctx;
    ProjectFilePanel panel;
    std::shared_ptr<const ProjectState> state;
    void operator()(const std::string& text) const;
};

// on_create_readme, on_create_license: creates the named file (the default
// name when the field is empty, which is then queued) empty below the source
// root, never touching a file that exists, and shows it.
struct CreateProjectFile {
    ProjectPanelContext ctx;
    ProjectFilePanel panel;
    std::shared_ptr<const ProjectState> state;
    void operator()() const;
};

// on_source_path_changed: queues "/build/source_path" in the configuration,
// keeps the new root and reloads the README, LICENSE and topic editors below
// it from their fields as they stand (`topic_file`). An editor whose file
// stays the same keeps its unsaved text; one that would lose it to another
// file is asked about first (change_path_or_ask).
struct SourcePathChanged {
    ProjectPanelContext ctx;
    ProjectFilePanel readme;
    ProjectFilePanel license;
    std::shared_ptr<ProjectState> state;
    ReloadTopicFile topic_file;
    std::string field;  // the source path field
    void operator()(const std::string& text) const;
};

// Registers the path fields, the create buttons and the source path field,
// and gives the form rendering the two create-row refreshers.
void wire_readme_license(const ProjectPanelContext& ctx, const ProjectWiring& wiring,
                         ReloadTopicFile topic_file);

}  // namespace Scribenta
