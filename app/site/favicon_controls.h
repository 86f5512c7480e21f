#pragma once

// The favicon controls of the website panel: the favicon set follows the
// logo (the From Logo check box) or a source image copied into the site's
// "images" folder, drawn on the background colour of the background field.
// The set is written into the site's "favicon" folder by the generator in
// the favicon hook, and three of its files are previewed in tiles.

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "app/edit_queue.h"
#include "app/fields.h"
#include "app/site/site_wiring.h"
#include "app/site/tab_preview.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr const char* kFaviconGenerated =
    "Generated into favicon/ (ships with the next build).";
inline constexpr const char* kFaviconUnavailable =
    "Favicon generation is unavailable in this build.";
inline constexpr const char* kFaviconNeedsLogo = "Set a logo above first.";
// The regenerated tiles are shown this long after they were emptied.
inline constexpr int kFaviconRefreshMs = 30;

// The node paths of the favicon controls below the favicon picker.
struct FaviconPaths {
    std::string preview_row;  // hidden while no favicon set exists
    std::string large_tile;   // shows "android-chrome-512x512.png"
    std::string medium_tile;  // shows "favicon-32x32.png"
    std::string small_tile;   // shows "favicon-16x16.png"
    std::string hint;
    std::string background_field;
    std::string from_logo_checkbox;
    std::string browse_button;
};
FaviconPaths make_favicon_paths(const std::string& favicon_picker);

// What every favicon handler works on; shared by all of them.
struct FaviconControls {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<EditState> edits;  // config_path: the shown site
    FlushEdits flush_edits;
    QueueEdit queue_edit;
    FaviconPaths paths;
    SetHint hint;
    std::shared_ptr<std::string> source_path;      // favicon_source_path
    std::shared_ptr<std::string> background_text;  // favicon_background_text
    std::shared_ptr<const PreviewState> preview;   // its logo_path is the logo
};

// The folder of the shown configuration; empty while none is shown.
std::string favicon_site_folder(const FaviconControls& controls);

// Runs the generator of the favicon hook on `source` into the site's
// "favicon" folder with the current background; "" on success, else the
// text for the hint.
std::string regenerate_favicons(const FaviconControls& controls, const std::string& site_folder,
                                const std::string& source);

// The change store_favicon_settings makes to the site document: true when
// the document changed and must be written. A top level or a "branding"
// member that is not an object is never replaced: nothing changes.
bool apply_favicon_settings(nlohmann::ordered_json& doc, bool from_logo);

// Writes "favicon_from_logo" (and, when set, drops "favicon_source") in the
// shown site's configuration file at once, after the queued edits, and
// shows the new text in the JSON text view. An unreadable file, a document
// it cannot change or a failed write leave everything as it was.
void store_favicon_settings(const FaviconControls& controls, bool from_logo);

// Shows the tiles of the set in the site's "favicon" folder, or hides the
// preview row while the folder holds no set.
void refresh_favicon_preview(const FaviconControls& controls, const std::string& site_folder);

// Empties the tiles now and refreshes them kFaviconRefreshMs later, so the
// images are read again from the regenerated files. The refresh is skipped
// when another configuration has been shown meanwhile.
void schedule_favicon_refresh(const FaviconControls& controls, const std::string& site_folder);

// Handlers; each holds the shared controls.
struct FromLogoToggled {  // on_from_logo_toggled
    std::shared_ptr<const FaviconControls> controls;
    void operator()() const;
};
struct BrowseFaviconSource {  // on_browse_favicon_source
    std::shared_ptr<const FaviconControls> controls;
    void operator()() const;
    void on_favicon_source_picked(const std::string& picked) const;
};
struct FaviconBackgroundChanged {  // on_favicon_background_changed
    std::shared_ptr<const FaviconControls> controls;
    void operator()(const std::string& text) const;
};

// Registers the three favicon handlers and fills the favicon members of the
// site's panel hooks (regeneration, preview refresh and its schedule).
void wire_favicon_controls(const SiteWiringContext& context, const SiteWiring& site);

}  // namespace Scribenta
