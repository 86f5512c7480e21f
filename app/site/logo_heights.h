#pragma once

// The branding fields beside the tab preview: the two logo heights, written
// only when valid, and the tab text.

#include <memory>
#include <string>

#include "app/edit_queue.h"
#include "app/site/tab_preview.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// A logo height as the site's header accepts it: empty, or 1 to 3 digits
// of a value up to 40 followed by nothing, "p" or "px" in any case.
bool is_valid_logo_height(const std::string& text);

// on_logo_height_edited: an invalid text is dropped (the field keeps it,
// nothing is stored or queued); a valid one goes into the preview state as
// typed, is queued at `pointer`, and the previews follow.
struct LogoHeightEdited {
    std::shared_ptr<PreviewState> state;
    PreviewHeight height = nullptr;
    std::string pointer;
    QueueEdit queue_edit;
    RefreshLogoPreviews refresh;
    void operator()(const std::string& text) const;
};

// on_tab_text_edited: stores, queues "/branding/tab_text" and refreshes.
struct TabTextEdited {
    std::shared_ptr<PreviewState> state;
    QueueEdit queue_edit;
    RefreshLogoPreviews refresh;
    void operator()(const std::string& text) const;
};

// Registers a LogoHeightEdited on the height field `field`.
void wire_height_field(Ostrel::OApp& app, const std::string& field, const std::string& pointer,
                       PreviewHeight height, std::shared_ptr<PreviewState> state,
                       QueueEdit queue_edit, RefreshLogoPreviews refresh);

}  // namespace Scribenta
