#include "app/project/image_pick.h"

#include <system_error>

#include "app/project/project_logo.h"
#include "config/config_paths.h"

namespace Scribenta {

namespace fs = std::filesystem;

Ostrel::PickRequest site_image_request(const std::string& config_path, const std::string& title,
                                       fs::path& images) {
    const fs::path config_dir = fs::path(config_path).parent_path();
    images = find_site_root(config_dir) / "images";
    std::error_code ec;
    Ostrel::PickRequest request;
    request.mode = "file";
    request.title = title;
    request.filter = kImagePickFilter;
    request.directory = (fs::exists(images, ec) ? images : config_dir).string();
    request.show_hidden = false;
    return request;
}

}  // namespace Scribenta
