#pragma once

// The dependency cards ("requires") and download cards ("downloads") of the
// project panels, with the rows their card actions look targets up in.

#include <filesystem>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/project/project_paths.h"
#include "app/project/project_state.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// "depCards": "name" always, "url" and "icon" only when not empty; the
// card's "External" chip shows only for the JSON boolean true.
void render_dependency_cards(Ostrel::OApp& app, const ProjectPaths& paths,
                             std::vector<DepRow>& dep_rows, const nlohmann::ordered_json& doc,
                             const std::filesystem::path& project_dir);

// "downloadCards": "label" always, "url", "size" and "icon" only when not
// empty.
void render_download_cards(Ostrel::OApp& app, std::vector<DepRow>& download_rows,
                           const nlohmann::ordered_json& doc,
                           const std::filesystem::path& project_dir);

}  // namespace Scribenta
