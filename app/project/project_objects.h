#pragma once

// The objects the project configurator's handlers share, created once by
// the wiring and captured by every handler that works on them.

#include <memory>
#include <string>
#include <vector>

#include "app/file_editor.h"
#include "app/project/project_hooks.h"
#include "app/project/project_state.h"
#include "app/text_keep.h"

namespace Scribenta {

struct ProjectObjects {
    std::shared_ptr<ProjectState> state = std::make_shared<ProjectState>();
    // The rows of the shown cards and facts, rebuilt by every rendering; the
    // row actions find their targets here by index.
    std::shared_ptr<std::vector<DepRow>> dep_rows = std::make_shared<std::vector<DepRow>>();
    std::shared_ptr<std::vector<DepRow>> download_rows = std::make_shared<std::vector<DepRow>>();
    std::shared_ptr<std::vector<std::string>> fact_labels =
        std::make_shared<std::vector<std::string>>();
    // The project shell's guards, in this order.
    std::shared_ptr<FileEditor> readme_editor;
    std::shared_ptr<FileEditor> license_editor;
    std::shared_ptr<FileEditor> topics_editor;
    // Set while the configurator redraws the form for its own change, so
    // the file editors keep their unsaved text.
    std::shared_ptr<UnsavedTextKeep> text_keep = std::make_shared<UnsavedTextKeep>();
    // Operations of the panels wired later; empty ones are skipped.
    std::shared_ptr<ProjectPanelHooks> hooks = std::make_shared<ProjectPanelHooks>();
};

}  // namespace Scribenta
