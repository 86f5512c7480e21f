#pragma once

// The plain forms shown until a configurator renders its own: the shown file
// in the JSON text view, its simple text fields filled, the edit queue
// pointed at it.

#include <string>

#include <nlohmann/json.hpp>

#include "app/app_context.h"
#include "app/open_config.h"

namespace Scribenta {

// Reads the configuration's file into the edit queue and the shell's JSON
// text view (status "Clean"); returns the parsed document, an empty object
// when the file can't be read or parsed.
nlohmann::ordered_json show_config_text(Ostrel::OApp& app, EditState& edits, Shell& shell,
                                        const std::string& path);

void basic_site_form(Ostrel::OApp& app, EditState& edits, Shell& site_shell,
                     const OpenConfig& config);

}  // namespace Scribenta
