#pragma once

// The repository block of the Source panel: the three fields of "repo", or
// the Add Repository button while the project has no "repo" object.

#include <memory>

#include <nlohmann/json.hpp>

#include "app/edit_queue.h"
#include "app/project/project_paths.h"
#include "app/text_keep.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// A "repo" that is not an object counts as none: the form hides and the
// three fields are empty.
void render_repository(Ostrel::OApp& app, const ProjectPaths& paths,
                       const nlohmann::ordered_json& doc);

// on_add_repository: writes pending edits, adds an empty "repo" object to the
// open configuration and redraws the form. Fails silently.
struct AddRepository {
    std::shared_ptr<EditState> edits;
    FlushEdits flush_edits;
    ReloadKeepingText reload;  // the project shell's
    void operator()() const;
};

}  // namespace Scribenta
