#include "app/site/logo_picker.h"

#include <filesystem>
#include <system_error>

#include "app/pickers.h"
#include "config/config_paths.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;

namespace {
constexpr const char* kPickTitle = "Select a logo image (copied into your site)";
constexpr const char* kPickFilter = "Images (*.svg *.png *.jpg *.jpeg *.webp *.gif)";
constexpr const char* kGeneratedHint = "Generated into favicon/ (ships with the next build).";
}  // namespace

void LogoPicker::operator()() const {
    if (edits->config_path.empty()) return;
    const fs::path site = fs::path(edits->config_path).parent_path();
    // The picker copies itself: the callback may run after this handler's
    // registration was replaced.
    app->pick_file(site_image_pick(site, kPickTitle, kPickFilter),
                   [picker = *this](const std::string& picked) { picker.on_logo_picked(picked); });
}

void LogoPicker::on_logo_picked(const std::string& picked) const {
    if (picked.empty() || edits->config_path.empty()) return;
    const fs::path site = fs::path(edits->config_path).parent_path();
    const std::string target = copy_into_directory(site / "images", picked);
    if (target.empty()) return;
    const std::string name = fs::path(target).filename().string();

    queue_edit("/branding/logo_path", "/images/" + name);
    app->set_visible(avatar, true);
    app->set_image(logo_image, target);
    preview->logo_path = target;
    refresh_logo_previews();
    if (set_config_logo) set_config_logo(target);

    if (!app->is_checked(from_logo_checkbox) || !hooks || !hooks->regenerate_favicons) return;
    const std::string error = hooks->regenerate_favicons(site.string(), target);
    favicon_hint(error.empty() ? std::string(kGeneratedHint) : error);
    if (!error.empty()) return;
    *favicon_source_path = target;
    if (hooks->schedule_favicon_refresh) hooks->schedule_favicon_refresh(site.string());
}

}  // namespace Scribenta
