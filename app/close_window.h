#pragma once

// Closing the main window (its close button, Alt+F4, the window manager).
// Edits still in the quiet period are written first, while the window can
// still show what came of them: when one can't be (another program changed
// its list, or the file can't be written) the window stays open with the
// message, and closing it again goes on: the edits that failed are tried
// once more at quit, without a word. Unsaved text in a file editor or the
// JSON view is asked about as leaving a configuration does; Discard closes
// the window without asking again.

#include <cstdint>
#include <memory>
#include <optional>

#include "app/edit_queue.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

class OpenConfigs;

struct CloseWindowRequest {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<OpenConfigs> configs;
    FlushEdits flush_edits;
    // The edit generation when a close was last refused with a message:
    // closing again with no edit since goes on.
    std::shared_ptr<std::optional<std::int32_t>> told =
        std::make_shared<std::optional<std::int32_t>>();
    // True: close now. False: the window stays, showing a message or the
    // question.
    bool operator()() const;
};

}  // namespace Scribenta
