#pragma once

// The state shared by every handler of the project configurator, and the
// rows the card and fact handlers look their targets up in.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// One row of the versions table as the build tool reported it.
struct VersionRowUi {
    std::string tag_mm;     // major.minor: folder name and "label" of the entry
    std::string tag_patch;  // the full tag as reported
    std::string released;
    std::string status;
    bool included = false;  // declared in the configuration
};

// State words here are toggled, never set, so each is paired with the state
// it was last toggled to and changes only when the wanted state differs.
struct ProjectState {
    std::uint64_t member_index = 0;  // the family member the form shows
    std::string active_member_tab;   // the member tab carrying "Active"
    bool family_shown = false;       // "Family" is on the project tab
    std::string build_log;
    bool build_disabled = false;  // "Disabled" is on the Build button
    std::uint64_t pending_count = 0;
    std::map<std::string, bool> locked_fields;  // fact value field -> "Locked" is on it
    std::string source_path;                    // "build"."source_path" of the shown file
    std::vector<VersionRowUi> version_rows;     // the last completed listing
    std::string version_rows_config;            // the configuration they were listed for
    int versions_generation = 0;
    std::map<std::string, bool> excluded_rows;  // version row -> "Excluded" is on it
};

// One dependency or download card: what its actions need.
struct DepRow {
    std::string name;  // a dependency's "name", a download's "platform_label"
    std::string url;
};

// Toggles `word` on `path` when `wanted` differs from `shown`, the state it
// was last put in, and remembers the new state.
void set_state_word(Ostrel::OApp& app, const std::string& path, const std::string& word,
                    bool& shown, bool wanted);

// set_project_build_disabled: "Disabled" on the project Build button.
void set_project_build_disabled(Ostrel::OApp& app, ProjectState& state,
                                const std::string& build_button, bool disabled);

}  // namespace Scribenta
