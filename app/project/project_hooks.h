#pragma once

// Operations of the project panels that the form rendering calls but that
// other panels own (versions table, README and LICENSE create rows, topics).
// Each stays empty until its panel is wired, and an empty one is skipped.

#include <cstddef>
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

struct ProjectPanelHooks {
    // Starts a versions listing for the configuration open in the edit queue.
    std::function<void()> refresh_versions;
    // on_version_include_toggled: what a row's Include check box runs with
    // the row's index. Held here, once, because the rows are made by each
    // listing and the action itself starts listings.
    std::function<void(std::size_t index)> include_version;
    std::function<void()> refresh_readme_create_row;
    std::function<void()> refresh_license_create_row;
    // Fills the topics panel from the source-root manifest (an object);
    // `redraw`: the file shown before is shown again.
    std::function<void(const nlohmann::json& manifest, const std::string& project_dir, bool redraw)>
        populate_topics;
};

}  // namespace Scribenta
