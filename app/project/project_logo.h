#pragma once

// The project logo: its preview in the project panel and the picker that
// copies a chosen image into the site's images folder.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "app/edit_queue.h"
#include "app/open_config.h"
#include "app/project/project_paths.h"
#include "app/project/project_state.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr const char* kLogoPickTitle = "Select a logo image (copied into your site)";
inline constexpr const char* kImagePickFilter = "Images (*.svg *.png *.jpg *.jpeg *.webp *.gif)";

// The avatar shows only while "logo" names a file under the site root.
void render_project_logo(Ostrel::OApp& app, const ProjectPaths& paths,
                         const nlohmann::ordered_json& doc,
                         const std::filesystem::path& project_dir);

// on_project_logo_browse and its completion on_project_logo_picked: the
// picked image is copied into the site's "images" folder, queued as "/logo"
// and becomes the shown member's tab logo. Nothing happens while no
// configuration is open, and a failed copy changes nothing.
struct ProjectLogoBrowse {
    Ostrel::OApp* app = nullptr;
    ProjectPaths paths;
    std::shared_ptr<EditState> edits;
    QueueEdit queue_edit;
    std::shared_ptr<ProjectState> state;
    std::shared_ptr<OpenConfig> shown;
    std::function<void()> sync_config_tab;

    void operator()() const;
    void on_picked(const std::filesystem::path& images, const std::string& path) const;
};

}  // namespace Scribenta
