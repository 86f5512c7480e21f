#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/site/favicon_controls.h"
#include "app/site/favicon_hook.h"
#include "site_wiring_fixture.h"

namespace Scribenta {

// The site wiring with the favicon controls' paths and helpers; the hook is
// emptied before and after each test, as it is process-wide.
class FaviconControlsTest : public SiteWiringTest {
protected:
    FaviconPaths fav = make_favicon_paths(paths.favicon_picker);

    FaviconControlsTest() {
        favicon_generator() = nullptr;
        app.check_boxes.insert(fav.from_logo_checkbox);
    }
    ~FaviconControlsTest() override { favicon_generator() = nullptr; }

    std::string site_folder() const { return (dir / "site").string(); }
    std::string favicons() const { return (dir / "site/favicon").string(); }
    void click(const std::string& path) { app.dispatch_event(path, "click"); }
    bool checked() const { return app.is_checked(fav.from_logo_checkbox); }
    // The three tiles, large to small.
    std::vector<std::string> tiles() const {
        return {image(fav.large_tile), image(fav.medium_tile), image(fav.small_tile)};
    }
    std::vector<std::string> generated_tiles() const {
        return {favicons() + "/android-chrome-512x512.png", favicons() + "/favicon-32x32.png",
                favicons() + "/favicon-16x16.png"};
    }
};

}  // namespace Scribenta
