#pragma once

// The logo picker of the website panel: the chosen image is copied into the
// site's "images" folder and the site refers to it as "/images/" + name.

#include <functional>
#include <memory>
#include <string>

#include "app/edit_queue.h"
#include "app/fields.h"
#include "app/site/site_hooks.h"
#include "app/site/tab_preview.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// on_browse_logo (operator()) and its file-pick callback on_logo_picked.
struct LogoPicker {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<const EditState> edits;  // config_path: the shown site
    QueueEdit queue_edit;
    std::string avatar;      // shown once a logo is chosen
    std::string logo_image;  // the avatar's image
    std::shared_ptr<PreviewState> preview;
    RefreshLogoPreviews refresh_logo_previews;
    // The shown configuration's tab logo: sets it and brings the left tab up
    // to date (sync_config_tab). Empty: no tab to update.
    std::function<void(const std::string& logo)> set_config_logo;
    // When the favicons follow the logo ("Checked" on this box), they are
    // regenerated from the new logo through the favicon controls' hooks.
    std::string from_logo_checkbox;
    SetHint favicon_hint;
    std::shared_ptr<std::string> favicon_source_path;
    std::shared_ptr<const SitePanelHooks> hooks;

    void operator()() const;  // on_browse_logo
    void on_logo_picked(const std::string& picked) const;
};

}  // namespace Scribenta
