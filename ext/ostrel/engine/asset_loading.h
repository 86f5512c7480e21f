#pragma once

// Start-up loading: the framework's and the application's layer files, their
// links, the framework's theme files, and one active theme.

#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

// Loads styles_dir + "/widgets" under "Ostrel", styles_dir + "/mounts" and
// each application style directory at the root, binds all links, registers
// the ".json" theme files directly in themes_dir and activates theme_name,
// else the first theme by display name. False only when no theme at all is
// registered. Folder problems are reported on standard error, never fatal.
bool load_assets(OApp& app, const std::string& themes_dir, const std::string& styles_dir,
                 const std::string& theme_name, const std::vector<std::string>& app_style_dirs);

}  // namespace Ostrel
