#pragma once

// Writing a theme into the layer tree. The OApp operations that register,
// activate and remove themes are declared in oapp.h.

#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/engine/theme_info.h"

namespace Ostrel {

// Writes the theme's five default-named variables into the attributes of the
// top-level style "Theme" (a missing variable writes its default); other
// styles follow through their links. Without a "Theme" style nothing changes.
void apply_theme(OApp& app, const ThemeInfo& theme);

}  // namespace Ostrel
