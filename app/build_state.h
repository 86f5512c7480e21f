#pragma once

// The one record of builds shared by the site build, the project build and
// the versions table, so that no two builds ever run at once.

#include <functional>
#include <string>

namespace Scribenta {

struct BuildState {
    bool running = false;          // a site or a project build is running
    bool button_disabled = false;  // what the site Build button was last given
    std::string log;               // the site build's log, lines joined by "\n"
    std::string output_path;       // the last site build's output location ("O" lines)
    // Run when a site build has ended: a project listed while it ran keeps
    // its Build button disabled until told that builds may start again.
    // Holds nothing that holds this record.
    std::function<void()> site_build_ended;
};

}  // namespace Scribenta
