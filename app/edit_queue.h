#pragma once

// The edit queue: form fields hand their edits over as a JSON pointer and a
// text value; they are written in one rewrite of the configuration file (and
// one of the project's build manifest) 500 ms after the last edit, or at
// once by any handler that flushes first.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "app/dialogs.h"
#include "app/shell.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr int kEditQuietMs = 500;

struct EditState {
    std::string config_path;  // the shown configuration; empty while none is shown
    std::string text;         // the file's text as last read or written
    std::map<std::string, std::string> pending;         // pointer -> value, config file
    std::map<std::string, std::string> pending_source;  // pointer -> value, build manifest
    std::int32_t generation = 0;  // bumped by every queued edit and every flush
    // The configuration and its build manifest as the form shows them: as
    // read for the form, with the editor's own edits since. Their lists
    // tell whether an entry addressed by position is still the one shown
    // (see shown_lists.h).
    nlohmann::json shown;
    nlohmann::json shown_source;
    // Counts the form's drawings from the files: a position chosen in one
    // drawing means nothing in the next.
    std::uint64_t drawn = 0;
};

// Increases the generation, wrapping around instead of overflowing.
void bump_generation(EditState& edits);

// Points the queue at a newly shown configuration: its path and text (which
// the form now shows), no pending edits, and a new generation so no armed
// write runs. A project form then sets `shown_source` to the manifest it
// read.
void reset_edit_state(EditState& edits, const std::string& config_path, std::string text);

// Detaches the queue when the shown configuration closes; `text` stays.
void clear_edit_state(EditState& edits);

inline constexpr const char* kSaveFailedTitle = "Couldn't Save Changes";

// flush_edits: writes everything queued now and cancels every armed write.
// Safe to call at any time, including when the application is about to
// quit; never throws. The configuration document and the manifest are both
// built in memory first: an edit that cannot be applied is dropped and the
// others are written all the same; edits whose file can't be read or
// written stay queued for the next flush. After
// writing the configuration file its text goes to `text` and to the current
// shell's JSON text view.
// A flush that leaves anything unsaved shows one message naming the file
// and the reason, through `show_message` when it is set: the form keeps
// saying nothing otherwise, and typed text would vanish unseen.
// An edit of a list entry (a pointer through an array index) is written
// only while that list in the file is the one the form shows; when another
// program changed it, the edit is dropped, the form and the JSON view are
// redrawn from the files and the message says so. Plain members are
// written all the same.
struct FlushEdits {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<EditState> edits;
    std::shared_ptr<CurrentShell> current;
    ShowMessage show_message = {};  // without a store: failures stay silent
    bool on_screen = true;          // false at quit: nothing is shown to redraw any more
    void operator()() const;

    // Flushes as the call above does; true when everything queued was
    // written: nothing was dropped for another program's change of a list
    // and nothing failed. Otherwise the message dialog now says why.
    bool flush_saved_all() const;

    // Flushes, then tells whether an entry the user chose by its position
    // in `list` (a JSON pointer such as "/facts") of the configuration
    // file, or of the build manifest at `manifest`, is still the entry at
    // that position: the form is still the drawing `drawn` (the value of
    // EditState::drawn when the user chose), and the list in the file still
    // holds what the form shows. When another program changed it, the form
    // is redrawn and the user told; on false the caller changes nothing.
    // True while no configuration is shown.
    bool config_list_unchanged(const std::string& list, std::uint64_t drawn) const;
    bool manifest_list_unchanged(const std::string& manifest, const std::string& list,
                                 std::uint64_t drawn) const;
};

// The delayed write armed by a queued edit: flushes only while no later edit
// or flush has bumped the generation it captured.
struct FlushIfCurrent {
    std::shared_ptr<EditState> edits;
    FlushEdits flush;
    std::int32_t generation = 0;
    void operator()() const;
};

// queue_edit (source false) and queue_source_edit (source true): queues one
// edit and re-arms the 500 ms write. Does nothing while no configuration is
// shown.
struct QueueEdit {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<EditState> edits;
    FlushEdits flush;
    bool source = false;
    void operator()(const std::string& pointer, const std::string& value) const;
};

}  // namespace Scribenta
