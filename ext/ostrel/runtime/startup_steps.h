#pragma once

// The steps of run_desktop that need no window, each testable alone.

#include <QIcon>
#include <string>

#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/runtime/desktop_app.h"

namespace Ostrel {

// The start-up text on standard error when no theme could be loaded.
inline constexpr const char* kInitFailure = "Ostrel: failed to initialize (themes/styles/theme).\n";

// "update.manifest_url", "update.platform_key" and "update.check_hours" in
// the store, when a manifest address is configured.
void write_update_defaults(OApp& app, const DesktopAppConfig& config);

// The window size from OSTREL_WIDTH and OSTREL_HEIGHT (1000 x 700 when unset
// or not a number) and its minimum: the smaller of the size and 360 x 240,
// at least 1 x 1.
struct WindowGeometry {
    int width = 1000;
    int height = 700;
    int min_width = 360;
    int min_height = 240;
};
WindowGeometry window_geometry_from_env();

// The window icon at 16 to 256 pixels: a ".png" logo (any case) from the
// icon folders, scaled; any other name rendered from its SVG icon. Empty when
// the logo cannot be found or read.
QIcon window_icon_for(const std::string& logo);

// Starts the thread "ostrel-mm-warmup", which loads the multimedia back end
// once so the first video does not stall the window. It ends after 1500 ms,
// or within 50 ms of an interruption; at quit it is interrupted and awaited
// for up to 3000 ms.
void start_multimedia_warmup();

}  // namespace Ostrel
