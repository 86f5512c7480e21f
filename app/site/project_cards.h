#pragma once

// The Projects panel: one card per registered project or family of the
// site, and the project folders of the site's "projects" folder that are not
// registered yet.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/site/site_panels.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// The cards ("projectCards") and their targets, then the unregistered folders
// ("orphanRows", with the label and list of `projects_panel` shown only when
// there is one). Empties and refills both maps.
void render_project_lists(Ostrel::OApp& app, CardTargets& targets,
                          const std::string& projects_panel, const nlohmann::ordered_json& doc,
                          const std::filesystem::path& site_dir);

// The config files of the site's "projects" folder ("projects/<dir>/" +
// ".scribenta-project"), in path order; listing errors end the list.
std::vector<std::filesystem::path> project_folder_configs(const std::filesystem::path& site_dir);

// The Remove question's text for a card with `count` registered entries.
std::string remove_project_message(const std::string& name, std::size_t count);

// on_project_card_action: "activate" opens the card's project or family,
// "remove" asks before dropping its entries from the site.
struct ProjectCardAction {
    SitePanelsContext panels;
    void operator()(const std::string& list, const std::string& row,
                    const std::string& action) const;
};

// remove_project_confirmed
struct RemoveProjectConfirmed {
    SitePanelsContext panels;
    std::vector<std::string> config_paths;
    void operator()() const;
};

// on_orphan_row_action: "activate" registers the folder's project.
struct OrphanRowAction {
    SitePanelsContext panels;
    void operator()(const std::string& list, const std::string& row,
                    const std::string& action) const;
};

// Registers both row actions and makes render_site_form (the project lists,
// then the social cards) the site form's hook.
void wire_project_cards(const SitePanelsContext& panels);

}  // namespace Scribenta
