#pragma once

// The plain forms shown until a configurator renders its own: the shown file
// in the JSON text view, its simple text fields filled, the edit queue
// pointed at it.

#include <cstddef>
#include <memory>

#include <string>

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

// Which member of a project tab the form shows, and the member tab that
// carries "Active".
struct MemberView {
    std::size_t member_index = 0;
    std::string active_member_tab;
    bool family_shown = false;
};

void basic_project_form(Ostrel::OApp& app, EditState& edits, Shell& project_shell, MemberView& view,
                        const OpenConfig& config, std::size_t member);

// One tab per member in the family bar; the bar shows only for a family.
void render_family_tabs(Ostrel::OApp& app, const OpenConfig& config);

}  // namespace Scribenta
