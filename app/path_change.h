#pragma once

// A path field names the file a file editor shows, and a change of the path
// loads the editor from the newly named file at once. When that would drop
// unsaved text, the change waits for "Discard changes?": meanwhile the field
// shows the path the file keeps, Cancel leaves it so, and Discard makes the
// change as typed.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/file_editor.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// A file editor a path change would load, and from which file.
struct RepointedEditor {
    std::shared_ptr<const FileEditor> editor;
    std::string next_path;  // "" for none
};

// The text a field edited through the queue stands for: the value queued
// for `pointer` while one waits, else the value of the form's drawing with
// the editor's own writes since (json_text rules: a missing member or null
// is empty). `source` picks the build manifest over the configuration.
std::string kept_field_text(const EditState& edits, bool source, const std::string& pointer);

// Runs `change` at once unless it would load an editor that holds unsaved
// text from another file. Then `field` shows `kept` again and the question
// names every such editor; Discard shows `typed` in the field again and
// runs `change`, which returns false when the change no longer applies:
// the field then goes back to what it showed.
void change_path_or_ask(Ostrel::OApp& app, const ShowConfirm& ask,
                        const std::vector<RepointedEditor>& editors, const std::string& field,
                        const std::string& kept, const std::string& typed,
                        std::function<bool()> change);

}  // namespace Scribenta
