#pragma once

// The facts block of the project panel: one row per element of "facts",
// each with a value field; a fact with the preset "stable_release" shows the
// latest version instead of its own value and is locked.

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/edit_queue.h"
#include "app/project/project_paths.h"
#include "app/project/project_state.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr const char* kDerivedFromLatestBuild = "Derived from the latest build";

// The text of a derived stable-release fact: the latest version's tag, with
// " (" + release date + ")" when it has one, or "Derived from the latest
// build" when no version is known.
std::string derived_release_text(const nlohmann::ordered_json& doc,
                                 const std::filesystem::path& project_dir);

// Writes the "factRows" rows, the fact labels, the value fields with their
// "Locked" words and change handlers, and the visibility of the facts block
// (hidden for a family's own configuration).
void render_facts(Ostrel::OApp& app, const ProjectPaths& paths, ProjectState& state,
                  std::vector<std::string>& fact_labels, const QueueEdit& queue_edit,
                  const nlohmann::ordered_json& doc, const std::string& derived, bool umbrella);

}  // namespace Scribenta
