#pragma once

// The edit queue: form fields hand their edits over as a JSON pointer and a
// text value; they are written in one rewrite of the configuration file (and
// one of the project's build manifest) 500 ms after the last edit, or at
// once by any handler that flushes first.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

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
};

// Increases the generation, wrapping around instead of overflowing.
void bump_generation(EditState& edits);

// Points the queue at a newly shown configuration: its path and text, no
// pending edits, and a new generation so no armed write runs.
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
struct FlushEdits {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<EditState> edits;
    std::shared_ptr<CurrentShell> current;
    ShowMessage show_message = {};  // without a store: failures stay silent
    void operator()() const;
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
