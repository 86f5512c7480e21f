#include "app/pickers.h"

#include <filesystem>
#include <system_error>

#include "app/fields.h"
#include "config/config_paths.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

Ostrel::PickRequest site_image_pick(const std::filesystem::path& site, const std::string& title,
                                    const std::string& filter) {
    const std::filesystem::path images = site / "images";
    std::error_code ec;
    const bool has_images =
        std::filesystem::exists(std::filesystem::symlink_status(images, ec)) && !ec;
    Ostrel::PickRequest request;
    request.mode = "file";
    request.title = title;
    request.filter = filter;
    request.directory = (has_images ? images : site).string();
    request.show_hidden = false;
    return request;
}

void IconPicked::operator()(const std::string& chosen) const {
    if (chosen.empty() || edits->config_path.empty()) return;
    if (copy_into_directory(images_folder, chosen).empty()) return;
    const std::string name = std::filesystem::path(chosen).filename().string();
    *icon = "/images/" + name;
    app->texts[hint_path] = name;
}

void SourceFilePicked::operator()(const std::string& chosen) const {
    if (chosen.empty()) return;
    set_field_text(*app, field_path, relative_path_string(base_folder, chosen));
    *file_edited = true;
}

}  // namespace Scribenta
