#include "app/project/project_logo.h"

#include "app/project/image_pick.h"
#include "config/config_paths.h"
#include "config/json_file.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;

void render_project_logo(Ostrel::OApp& app, const ProjectPaths& paths,
                         const nlohmann::ordered_json& doc, const fs::path& project_dir) {
    const std::string logo = resolve_site_path(project_dir, json_text(doc, "logo"));
    app.set_visible(paths.logo_avatar, !logo.empty());
    app.set_image(paths.logo_image, logo);
}

void ProjectLogoBrowse::operator()() const {
    if (edits->config_path.empty()) return;
    fs::path images;
    const auto request = site_image_request(edits->config_path, kLogoPickTitle, images);
    app->pick_file(
        request, [self = *this, images](const std::string& path) { self.on_picked(images, path); });
}

void ProjectLogoBrowse::on_picked(const fs::path& images, const std::string& path) const {
    if (path.empty() || edits->config_path.empty()) return;
    const std::string copied = copy_into_directory(images, fs::path(path));
    if (copied.empty()) return;
    queue_edit("/logo", "/images/" + fs::path(path).filename().string());
    app->set_visible(paths.logo_avatar, true);
    app->set_image(paths.logo_image, copied);
    if (state->member_index < shown->members.size()) {
        shown->members[state->member_index].logo = copied;
    }
    if (sync_config_tab) sync_config_tab();
}

}  // namespace Scribenta
