#pragma once

// The browser-tab previews of the website panel: the logo and the tab text
// as the site's header shows them on desktop and on mobile, each at its
// logo height.

#include <memory>
#include <string>

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// What the previews show; one record for the whole run, overwritten when a
// site is shown and by the branding handlers.
struct PreviewState {
    std::string logo_path;           // absolute path of the logo; empty for none
    std::string logo_height;         // as in "/branding/logo_height"
    std::string logo_height_mobile;  // as in "/branding/logo_height_mobile"
    std::string tab_text;            // as in "/branding/tab_text"
};

// A member of PreviewState that one height field writes.
using PreviewHeight = std::string PreviewState::*;

// refresh_logo_previews: recomputes both tab cells from the state.
struct RefreshLogoPreviews {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<const PreviewState> state;
    std::string desktop_tab;  // the two tab cells; each has "/Logo" and "/Text"
    std::string mobile_tab;
    void operator()() const;
};

// One cell: the logo at `height` pixels (hidden below 1 or without a logo)
// and the text beside it (hidden while empty).
void set_logo_preview(Ostrel::OApp& app, const std::string& cell, int height, bool logo_exists,
                      const std::string& logo_path, const std::string& text);

}  // namespace Scribenta
